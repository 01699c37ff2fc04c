#!/usr/bin/env bash
# The program's command line where there is no display at all (no DISPLAY, WAYLAND_DISPLAY or
# QT_QPA_PLATFORM): --help and --version answer on standard output with exit code 0, a plain
# start ends with one clear line on standard error and exit code 1; none of them aborts.
# Usage: check_command_line.sh TINTRIX
set -uo pipefail

tintrix=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
status=0

# expect CODE ERRORS FIRST_LINE PART ARGUMENTS...: standard output begins with FIRST_LINE and
# holds PART.
expect() {
    local code=$1 expected_errors=$2 first=$3 part=$4 output got
    shift 4
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tintrix" "$@" 2>"$errors")
    got=$?
    if [ "$got" != "$code" ] || [ "$(cat "$errors")" != "$expected_errors" ] || [ "${output%%$'\n'*}" != "$first" ] ||
        [[ $output != *"$part"* ]]; then
        printf 'FAIL: tintrix %s: exit code %s, standard output:\n%s\nstandard error:\n%s\n' "$*" "$got" "$output" \
            "$(cat "$errors")"
        status=1
    fi
}

expect 0 "" "tintrix 0.1.0" "" --version
expect 0 "" "Usage: tintrix [--help | --version] [Qt options]" "Qt's own options, such as -style NAME, -platform NAME and -display NAME" --help
expect 1 "tintrix: cannot open a display: start Tintrix in a desktop session, or name one with DISPLAY, \
WAYLAND_DISPLAY or -platform" "" ""
exit $status
