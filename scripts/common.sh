# Shared by the set-up commands: installs what is missing and builds.
# Sourced, not run.

set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# What building, testing and running the program needs is debian/control's
# Build-Depends. Beyond them: clang with its sanitizer and libFuzzer runtimes
# and clang-tidy for the checked stages of test.sh, and lintian for package.sh.
check_tools=(clang libclang-rt-14-dev clang-tidy)
package_tools=(lintian)

# apt-get as root (through sudo when we are not), after updating the lists.
apt_get_fresh() {
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing with apt-get $*"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends "$@"
}

# Installs the Debian packages named that are not installed yet; does nothing
# (and needs no network) when all of them are.
install_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] || apt_get_fresh install "${missing[@]}"
}

# Installs debian/control's Build-Depends and build-essential for the build
# profiles given (-P nocheck), unless dpkg-checkbuilddeps finds them there.
install_build_depends() {
    install_packages dpkg-dev
    dpkg-checkbuilddeps "$@" "$repo_root/debian/control" 2>/dev/null || apt_get_fresh build-dep "$@" "$repo_root"
}

# Configures and builds one tree: build_tree DIR [CMAKE ARGS...]
build_tree() {
    local dir=$1
    shift
    cmake -S "$repo_root" -B "$dir" -G "Unix Makefiles" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" ${build_target:+--target "$build_target"}
}
