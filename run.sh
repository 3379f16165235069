#!/usr/bin/env bash
# Installs what is missing, builds Vemparo and starts it. Safe to run again.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

install_build_depends -P nocheck
# What the package depends on and recommends (the captions' stand-in font, Qt's
# Finnish texts), so that the program looks as it does installed.
runtime_needs=$(perl -MDpkg::Control::Info -e 'my $p = Dpkg::Control::Info->new($ARGV[0])->get_pkg_by_name("vemparo");
    print join(", ", grep { !/^\$/ } map { split /\s*,\s*/ } @$p{qw(Depends Recommends)})' "$repo_root/debian/control")
dpkg-checkbuilddeps -d "$runtime_needs" "$repo_root/debian/control" 2>/dev/null || apt_get_fresh satisfy "$runtime_needs"
build_target=vemparo build_tree "$repo_root/build/release" -DCMAKE_BUILD_TYPE=Release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Vemparo is a desktop program and needs a display, but none is set (DISPLAY or WAYLAND_DISPLAY)." >&2
    echo "Without one, try it in a virtual display: sudo apt-get install xvfb && xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec "$repo_root/build/release/app/vemparo"
