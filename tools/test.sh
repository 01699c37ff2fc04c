#!/usr/bin/env bash
# Installs what is missing, builds Tintrix twice (optimised, and with the address and
# undefined-behaviour sanitizers) and runs every test in both, with a short run of the fuzz
# targets (clang's libFuzzer) in between. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh test

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# tools/run.sh shares build/release with the tests switched off: switch them on. The benchmarks are
# built only by bench/run, which runs them. Line tables (-g1) are all a failing test's backtrace
# needs, and they build much faster than full debug information.
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    -DTINTRIX_BUILD_TESTS=ON -DTINTRIX_BUILD_BENCHMARKS=OFF
cmake --build build/release -j"$jobs"
ctest --test-dir build/release --output-on-failure -j"$jobs"

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTINTRIX_FUZZ=ON \
    -DTINTRIX_BUILD_TESTS=OFF -DTINTRIX_BUILD_BENCHMARKS=OFF
cmake --build build/fuzz -j"$jobs" --target tintrix_fuzzers
tools/fuzz.sh 30 build/fuzz

# -O1, as the sanitizers' own documentation suggests: fast enough, and far quicker to build.
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    -DTINTRIX_SANITIZE=ON -DTINTRIX_BUILD_BENCHMARKS=OFF
cmake --build build/sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

echo "All tests passed."
