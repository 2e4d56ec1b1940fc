#!/usr/bin/env bash
# Builds the fuzz targets in build-fuzz/ (clang, libFuzzer, AddressSanitizer, UBSan) and runs
# each for SECONDS (30 by default), starting from the seed corpora in fuzz/corpus/. Fails on
# any finding; the input that caused it is kept in build-fuzz/findings/. Once fixed, add it to
# fuzz/corpus/<target>/, which `make check` replays.
# Usage: fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DPUSHWELL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" >/dev/null
mkdir -p "$build/findings"

failed=()
for target in level_import score_file convert solver; do
    # New inputs the fuzzer finds go to the first directory, which is kept between runs; the
    # repository's seeds stay as they are.
    corpus=$build/corpus/$target
    mkdir -p "$corpus"
    log=$build/$target.log
    status=0
    "$build/fuzz-$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" = 0 ]; then
        echo "$target: ${runs:-?} runs in ${seconds} s, no finding"
    else
        echo "$target: FINDING after ${runs:-?} runs (exit $status); see $log"
        grep -E '^(==[0-9]+==ERROR|SUMMARY|broken:|.*runtime error)' "$log" | head -5 || true
        failed+=("$target")
    fi
done
[ ${#failed[@]} -eq 0 ] || { echo "fuzzing found faults in: ${failed[*]}"; exit 1; }
