#!/usr/bin/env bash
# Installs what is missing, builds Vemparo and runs every test. Safe to run again.
# Needs no display: the window tests run on Qt's offscreen platform.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

install_packages "${build_packages[@]}"

echo "== Build and test"
build_tree "$repo_root/build/debug" -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir "$repo_root/build/debug" --output-on-failure -j "$jobs"
