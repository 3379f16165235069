# The checked stages of test.sh, after the normal build and test: the
# sanitizer build, clang-tidy and the fuzz targets. Sourced after common.sh,
# not run.

# clang with its sanitizer and libFuzzer runtimes, and clang-tidy.
check_packages=(clang libclang-rt-14-dev clang-tidy)

# How long each fuzz target runs; FUZZ_SECONDS=600 ./test.sh digs deeper.
fuzz_seconds=${FUZZ_SECONDS:-30}
fuzz_targets=(fuzz_text_to_number fuzz_fixed_and_text fuzz_tagged_arithmetic fuzz_calculations)

# Starts a stage with a header; stage_done ends it with the time it took.
stage() {
    stage_started=$SECONDS
    echo
    echo "== $*"
}
stage_done() {
    echo "-- done in $((SECONDS - stage_started)) s"
}

# The program and every test built with AddressSanitizer and
# UndefinedBehaviorSanitizer, leak checking on. The build stops at the first
# report (-fno-sanitize-recover=all), so any report fails its test;
# scripts/asan.supp lists what a system library does that a check mistakes
# for a fault.
sanitizer_stage() {
    stage "Sanitizers: AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer (build/sanitize)"
    CC=clang CXX=clang++ build_tree "$repo_root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DVEMPARO_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1:strict_string_checks=1:suppressions=$repo_root/scripts/asan.supp \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$repo_root/build/sanitize" --output-on-failure -j "$jobs"
    stage_done
}

# clang-tidy with the checks of .clang-tidy, every warning an error: the
# program's code through the normal build's compile commands, the fuzz
# targets through the fuzz build's (configured here, built in the next stage).
tidy_stage() {
    stage "clang-tidy: values, calculators, window, app and fuzz"
    CC=clang CXX=clang++ cmake -S "$repo_root" -B "$repo_root/build/fuzz" -G "Unix Makefiles" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMPARO_FUZZ=ON >/dev/null
    (
        cd "$repo_root"
        run_tidy() { xargs -P "$jobs" -n 1 clang-tidy --quiet -p "$1"; }
        { ls values/*.cpp calculators/*.cpp window/*.cpp app/*.cpp | run_tidy build/debug \
            && ls fuzz/*.cpp | run_tidy build/fuzz; } 2>&1 | { grep -v ' warnings\? generated\.$' || true; }
    )
    stage_done
}

# Each fuzz target for a bounded time, on a scratch copy of its corpus so that
# what it adds stays out of the repository, as many at once as there are
# cores. A finding fails the stage and is kept in build/fuzz/findings.
fuzz_stage() {
    stage "Fuzzing: ${#fuzz_targets[@]} libFuzzer targets, ${fuzz_seconds} s each (build/fuzz)"
    CC=clang CXX=clang++ build_tree "$repo_root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMPARO_FUZZ=ON
    local work="$repo_root/build/fuzz/run" findings="$repo_root/build/fuzz/findings"
    rm -rf "$work"
    mkdir -p "$work" "$findings"
    local target max_len running=0
    for target in "${fuzz_targets[@]}"; do
        cp -r "$repo_root/fuzz/corpus/$target" "$work/$target"
        # The text targets get room for a box filled to its limit, 32767 units.
        max_len=1024
        case $target in fuzz_text_to_number | fuzz_calculations) max_len=100000 ;; esac
        (
            status=0
            "$repo_root/build/fuzz/fuzz/$target" "$work/$target" -max_total_time="$fuzz_seconds" \
                -max_len="$max_len" -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
                >"$work/$target.log" 2>&1 || status=$?
            echo "$status" >"$work/$target.status"
        ) &
        running=$((running + 1))
        if [ "$running" -ge "$jobs" ]; then
            wait -n
            running=$((running - 1))
        fi
    done
    wait
    local failed=0 runs
    for target in "${fuzz_targets[@]}"; do
        if [ "$(cat "$work/$target.status")" = 0 ]; then
            runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
            echo "$target: ${runs:-?} inputs, no finding"
            continue
        fi
        failed=1
        echo "$target: FINDING (log: $work/$target.log)"
        grep -m 1 -E -A 30 'Property violated|ERROR: |runtime error' "$work/$target.log" \
            || tail -20 "$work/$target.log"
        echo "Replay: build/fuzz/fuzz/$target FILE; once fixed, the input goes into fuzz/corpus/$target/"
    done
    [ "$failed" -eq 0 ] || return 1
    stage_done
}
