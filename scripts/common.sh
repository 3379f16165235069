# Shared by the set-up commands: installs what is missing and builds.
# Sourced, not run.

set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# Installs the Debian packages named that are not installed yet; does nothing
# (and needs no network) when all of them are.
install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the program needs: the compiler, CMake, Qt's
# widgets, the font that stands in for the captions' font, and Qt's own
# Finnish texts.
build_packages=(g++ make cmake qt6-base-dev libgl-dev fonts-liberation qt6-translations-l10n)

# Configures and builds one tree: build_tree DIR [CMAKE ARGS...]
build_tree() {
    local dir=$1
    shift
    cmake -S "$repo_root" -B "$dir" -G "Unix Makefiles" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" ${build_target:+--target "$build_target"}
}
