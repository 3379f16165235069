#!/usr/bin/env bash
# Installs what is missing, builds Vemparo for release with its benchmarks and
# prints every figure: each calculation alone, one keystroke through the window,
# and start-up time, instructions and peak memory against a bare Qt window,
# offscreen and on an X server of its own. Needs no display.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

# All of Build-Depends: start-up is measured with Qt's Finnish texts and the
# captions' font there, as a user has them.
install_build_depends
install_packages libbenchmark-dev xvfb valgrind

build_dir="$repo_root/build/bench"
build_tree "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVEMPARO_BENCHMARKS=ON >/dev/null

echo "== Each calculation alone, input texts to caption"
"$build_dir/bench/bench_chains"
echo
echo "== One keystroke through the window, key event to new caption"
"$build_dir/bench/bench_keystroke"
echo
echo "== Start-up"
"$build_dir/bench/bench_startup"
