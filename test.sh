#!/usr/bin/env bash
# Installs what is missing, builds Vemparo and runs every test. Safe to run again.
# Needs no display: the window tests run on Qt's offscreen platform.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
source "$repo_root/scripts/checks.sh"

# The install test judges what an installation holds as desktops, software
# centres and Debian do: desktop-file-validate (desktop-file-utils),
# appstreamcli validate and compose (appstream, appstream-compose) and man
# (man-db). The command-line test opens the window on an X server of its
# own: Xvfb (xvfb), watched with xwininfo (x11-utils).
install_packages "${build_packages[@]}" desktop-file-utils appstream appstream-compose man-db xvfb x11-utils
install_packages "${check_packages[@]}"

stage "Build and test (build/debug)"
build_tree "$repo_root/build/debug" -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir "$repo_root/build/debug" --output-on-failure -j "$jobs"
stage_done

sanitizer_stage
tidy_stage
fuzz_stage
