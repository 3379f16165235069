#!/usr/bin/env bash
# Renders the icon theme's PNGs from app/icons/vemparo.svg into this folder.
# Run it after changing the picture and commit what it writes: the PNGs are
# kept in the repository so that building and packaging need no SVG renderer.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

install_packages librsvg2-bin

# The sizes of hicolor's fixed-size folders that desktops ask for; keep them
# in step with icon_sizes in packaging/CMakeLists.txt.
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$repo_root/packaging/icons/vemparo-$size.png" "$repo_root/app/icons/vemparo.svg"
done
