#!/usr/bin/env bash
# Runs a test program where nothing of the user's desktop reaches it, nor it the desktop:
#   x11  on a private X server of 1024 x 768 pixels (xvfb-run), or of two such monitors side by
#        side (RandR monitors) where TINTRIX_TEST_MONITORS is 2, with no session bus, under the window
#        manager TINTRIX_TEST_WM names when it is set ("openbox", or the path of tintrix_test_wm,
#        the tests' own of wide frames);
#   bus  on a private session bus (dbus-run-session) that knows no services to start, so that no
#        real desktop portal can answer there (FakePortal plays it).
# A listing of the tests (--gtest_list_tests) runs as it is. Exits 77 (CTest: skipped), saying
# why, where the server, the window manager or the bus cannot start.
# Usage: private_session.sh x11|bus PROGRAM ARGUMENTS...
set -euo pipefail

skip() {
    echo "SKIPPED: $*"
    exit 77
}

kind=$1
shift
[[ " $* " != *" --gtest_list_tests "* ]] || exec "$@"
case $kind in
bus)
    command -v dbus-run-session >/dev/null || skip "no dbus-run-session (tools/setup.sh test installs dbus-daemon)"
    exec dbus-run-session --config-file="$(dirname "$0")/session-bus.conf" -- "$@"
    ;;
x11)
    command -v xvfb-run >/dev/null || skip "no xvfb-run (tools/setup.sh test installs xvfb and xauth)"
    up=$(mktemp)
    trap 'rm -f "$up"' EXIT
    status=0
    # Two monitors are halves of one wide screen; -noreset keeps them between clients.
    screen=1024x768x24
    [ "${TINTRIX_TEST_MONITORS:-1}" != 2 ] || screen=2048x768x24
    xvfb-run -a -s "-noreset -screen 0 $screen" "$0" on-server "$up" "$@" || status=$?
    [ -s "$up" ] || skip "Xvfb did not start"
    exit $status
    ;;
on-server) # inside xvfb-run
    echo up >"$1"
    shift
    export QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled:
    if [ "${TINTRIX_TEST_MONITORS:-1}" = 2 ]; then
        command -v xrandr >/dev/null || skip "no xrandr (tools/setup.sh test installs x11-xserver-utils)"
        xrandr --setmonitor left 1024/271x768/203+0+0 screen && xrandr --setmonitor right 1024/271x768/203+1024+0 none
    fi
    [ -n "${TINTRIX_TEST_WM:-}" ] || exec "$@"
    manager=("$TINTRIX_TEST_WM")
    [ "$TINTRIX_TEST_WM" != openbox ] || manager=(openbox --startup "echo ready")
    command -v "${manager[0]}" >/dev/null || skip "no ${manager[0]} (tools/setup.sh test installs it)"
    # Each reports "ready" once it manages the screen.
    coproc wm { "${manager[@]}" 2>/dev/null; }
    read -r -t 20 ready <&"${wm[0]}" || skip "the window manager ${manager[0]} did not start"
    trap 'kill $wm_PID' EXIT
    "$@"
    ;;
esac
