#!/usr/bin/env bash
# Installs what is missing, builds Tintrix and starts it. Without a display it starts it on a
# virtual X display, saves a screenshot to build/release/tintrix-screenshot.png and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh run

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTRIX_BUILD_TESTS=OFF -DTINTRIX_BUILD_BENCHMARKS=OFF
cmake --build build/release -j"$(nproc)" --target tintrix
program=build/release/bin/tintrix

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

shot=build/release/tintrix-screenshot.png
echo "No display: starting Tintrix on a virtual X display."
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$1" & pid=$!
    sleep 3
    import -window root "$2"
    kill $pid' _ "$program" "$shot"
echo "Screenshot saved to $shot"
