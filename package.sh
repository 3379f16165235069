#!/usr/bin/env bash
# Installs what is missing and makes Vemparo's Debian package from debian/ the
# way Debian builds its own, into build/package/; prints the package's path.
# Safe to run again.
# Install it with: sudo apt-get install ./build/package/vemparo_1.0_amd64.deb
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
cd "$repo_root"

# The tools that turn debian/ into a package, then whatever debian/control's
# Build-Depends names that is not there yet; debian/control stays the one
# list of what the package build needs.
install_packages build-essential debhelper dpkg-dev
if ! dpkg-checkbuilddeps 2>/dev/null; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing the build dependencies in debian/control"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends "$repo_root"
fi

version=$(dpkg-parsechangelog --show-field Version)
arch=$(dpkg-architecture --query DEB_HOST_ARCH)
out_dir="$repo_root/build/package"
rm -rf "$out_dir"
mkdir -p "$out_dir"

# Binary packages only, unsigned; --post-clean takes the build's leftovers
# (obj-*/, debian/vemparo/, ...) out of the work tree again.
dpkg-buildpackage --build=binary --no-sign --post-clean -J"$jobs"

# dpkg-buildpackage can only write next to the source folder: the package,
# its detached debug symbols (vemparo-dbgsym) and the build's records move to
# build/package/, where lintian can read them together.
for file in "vemparo_${version}_${arch}.deb" "vemparo-dbgsym_${version}_${arch}.deb" \
    "vemparo_${version}_${arch}.buildinfo" "vemparo_${version}_${arch}.changes"; do
    mv "$repo_root/../$file" "$out_dir/"
done
echo "$out_dir/vemparo_${version}_${arch}.deb"
