#!/usr/bin/env bash
# Runs every libFuzzer target for a share of SECONDS (default 30) in all, and prints how many
# inputs each executed. Needs the fuzz build: tools/test.sh makes it in build/fuzz, or
#   cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DTINTRIX_FUZZ=ON \
#         -DTINTRIX_BUILD_TESTS=OFF -DTINTRIX_BUILD_BENCHMARKS=OFF
#   cmake --build build/fuzz --target tintrix_fuzzers
# Usage: tools/fuzz.sh [SECONDS] [BUILD_DIR]. A crash or broken invariant fails the run; the
# input is saved in BUILD_DIR/fuzz/artifacts/. The corpus grows in BUILD_DIR/fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."

total=${1:-30}
build=${2:-build/fuzz}
targets=(fuzz_parse_rgb_text fuzz_parse_hsv_text fuzz_parse_long fuzz_user_colors_file)
each=$(((total + ${#targets[@]} - 1) / ${#targets[@]}))
artifacts="$build/fuzz/artifacts"
mkdir -p "$artifacts"

sum=0
for target in "${targets[@]}"; do
    corpus="$build/fuzz/corpus/$target"
    mkdir -p "$corpus"
    log="$build/fuzz/$target.log"
    if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build/fuzz/$target" -max_total_time="$each" -max_len=4096 -rss_limit_mb=2048 -timeout=10 \
        -dict=fuzz/notation.dict -artifact_prefix="$artifacts/$target-" -print_final_stats=1 \
        "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "$target: FAILED (see $log and $artifacts)" >&2
        exit 1
    fi
    runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -n 1)
    echo "$target: ${runs:-0} inputs in ${each} s, no crash"
    sum=$((sum + ${runs:-0}))
done
echo "Fuzzing: $sum inputs in all, no crash."
