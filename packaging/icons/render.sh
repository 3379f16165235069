#!/usr/bin/env bash
# Renders the icon theme's PNGs from app/icons/vemparo.svg into this folder,
# in the sizes that sizes lists. Run it after changing the picture, then
# make-ico.sh, and commit what they write: the images are kept in the
# repository so that building and packaging need no SVG renderer.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

install_packages librsvg2-bin

while read -r size; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$repo_root/packaging/icons/vemparo-$size.png" "$repo_root/app/icons/vemparo.svg"
done <"$repo_root/packaging/icons/sizes"
