#!/usr/bin/env bash
# Installs what is missing and makes Vemparo's Debian package from debian/ the
# way Debian builds its own, tests included, into build/package/; checks it
# with lintian and prints the package's path. Safe to run again.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
cd "$repo_root"

install_build_depends
install_packages "${package_tools[@]}"

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
# build/package/, where lintian reads them together. Any error or warning
# fails.
for file in "vemparo_${version}_${arch}.deb" "vemparo-dbgsym_${version}_${arch}.deb" \
    "vemparo_${version}_${arch}.buildinfo" "vemparo_${version}_${arch}.changes"; do
    mv "$repo_root/../$file" "$out_dir/"
done
lintian --fail-on error,warning "$out_dir/vemparo_${version}_${arch}.changes"
echo "$out_dir/vemparo_${version}_${arch}.deb"
