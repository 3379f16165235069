#!/usr/bin/env bash
# Installs what is missing, builds Vemparo for release and makes its Debian
# package; prints the package's path. Safe to run again.
# Install it with: sudo apt-get install ./build/package/vemparo_1.0_amd64.deb
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

# dpkg-dev: dpkg-shlibdeps works out the package's dependencies from the binary.
install_packages "${build_packages[@]}" dpkg-dev

build_dir="$repo_root/build/package"
build_tree "$build_dir" -DCMAKE_BUILD_TYPE=Release
(cd "$build_dir" && cpack -G DEB) | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p'
