#!/usr/bin/env bash
# Installs what is missing, builds Vemparo and runs every test. Safe to run again.
# Needs no display: the window tests run on Qt's offscreen platform, and those
# that depend on text metrics again on an X server each starts for itself (Xvfb).
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

install_build_depends
install_packages "${check_tools[@]}"

# Starts a stage with a header; stage_done ends it with the time it took.
stage() {
    stage_started=$SECONDS
    echo
    echo "== $*"
}
stage_done() {
    echo "-- done in $((SECONDS - stage_started)) s"
}

stage "Build and test (build/debug)"
build_tree "$repo_root/build/debug" -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir "$repo_root/build/debug" --output-on-failure -j "$jobs"
stage_done

# The program and every test built with AddressSanitizer and
# UndefinedBehaviorSanitizer, leak checking on. The build stops at the first
# report (-fno-sanitize-recover=all), so any report fails its test;
# scripts/asan.supp lists what a system library does that a check mistakes
# for a fault.
stage "Sanitizers: AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer (build/sanitize)"
CC=clang CXX=clang++ build_tree "$repo_root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DVEMPARO_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1:strict_string_checks=1:suppressions=$repo_root/scripts/asan.supp \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$repo_root/build/sanitize" --output-on-failure -j "$jobs"
stage_done

# clang-tidy with the checks of .clang-tidy, every warning an error, through
# the compile commands of the normal build and of the fuzz build (configured
# here, built in the next stage). Without the patterns it would also lint the
# tests and Qt's generated sources.
stage "clang-tidy: values, calculators, window, app and fuzz"
CC=clang CXX=clang++ cmake -S "$repo_root" -B "$repo_root/build/fuzz" -G "Unix Makefiles" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMPARO_FUZZ=ON >/dev/null
# Only the findings are shown, not each command nor the count of warnings
# from Qt's headers that .clang-tidy leaves out.
tidy() {
    run-clang-tidy -quiet -j "$jobs" "$@" 2>&1 | { grep -v -e '^[^ ]*clang-tidy[^ ]* ' -e ' warnings\? generated\.$' || true; }
}
cd "$repo_root"
tidy -p build/debug '/(values|calculators|window|app)/[^/]*\.cpp$'
tidy -p build/fuzz '/fuzz/[^/]*\.cpp$'
stage_done

# Each fuzz target is a test that fuzzes for FUZZ_SECONDS (30 by default) on a
# scratch copy of its corpus; a finding is kept in build/fuzz/findings.
stage "Fuzzing: each libFuzzer target in fuzz/ (build/fuzz)"
build_tree "$repo_root/build/fuzz"
ctest --test-dir "$repo_root/build/fuzz" --output-on-failure -j "$jobs"
stage_done
