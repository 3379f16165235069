#!/usr/bin/env bash
# Installs what is missing, builds Vemparo and starts it. Safe to run again.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

install_packages "${build_packages[@]}"
build_target=vemparo build_tree "$repo_root/build/release" -DCMAKE_BUILD_TYPE=Release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Vemparo is a desktop program and needs a display, but none is set (DISPLAY or WAYLAND_DISPLAY)." >&2
    echo "Without one, try it in a virtual display: sudo apt-get install xvfb && xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec "$repo_root/build/release/app/vemparo"
