#!/usr/bin/env bash
# Screen picking on a real Wayland desktop: headless sway with PipeWire and the real desktop
# portal (xdg-desktop-portal with its wlr and gtk backends) on a private session bus, Tintrix on
# Qt's PLATFORM ("wayland", or "xcb" through XWayland). A click on Pick!, the pointer to a spot
# of the background, the arrow keys, P, then a click on &Copy: the copied values must hold the
# background color of the sway configuration. Pointer and keys come from outside, as a user's
# would: swaymsg for the pointer, wtype for the keys, wl-paste for the clipboard. Headless sway
# has no pointer device of its own: wayvnc (with no one connected) lends it a virtual one.
# Usage: check_wayland.sh PLATFORM TINTRIX [SCALE]   (SCALE: of the output, 1 unless given)
# With TINTRIX_WAYLAND_SHOTS set to a folder, screenshots of the picking are left there.
# Exits 0 when the check passes, 77 when it cannot run here (CTest: skipped, saying why), 1
# otherwise. sway refuses to run as root: run as root, the check runs as the user nobody.
set -euo pipefail

platform=$1 tintrix=$2 scale=${3:-1}
stage=${TINTRIX_WAYLAND_STAGE:-start}

skip() {
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to ten seconds for a command to succeed.
wait_for() {
    local i
    for ((i = 0; i < 100; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

if [ "$stage" = start ]; then
    for program in sway Xwayland pipewire dbus-run-session gdbus jq wayvnc wtype wl-paste grim /usr/libexec/xdg-desktop-portal \
        /usr/libexec/xdg-desktop-portal-wlr /usr/libexec/xdg-desktop-portal-gtk; do
        command -v "$program" >/dev/null || skip "$program is missing (tools/setup.sh test installs it)"
    done
    [ -x "$tintrix" ] || fail "no program at $tintrix"
    # In /tmp: the caller's TMPDIR may be closed to the user nobody.
    work=$(mktemp -d /tmp/tintrix-wayland.XXXXXX)
    mkdir "$work/home" "$work/run"
    chmod 755 "$work"
    chmod 700 "$work/run"
    # Copies, so that a user of its own can run them wherever the build lies (a home folder
    # closed to others, say).
    cp "$0" "$work/check_wayland.sh"
    cp "$tintrix" "$work/tintrix"
    run_as=()
    if [ "$(id -u)" -eq 0 ]; then
        id nobody >/dev/null 2>&1 || skip "running as root, and there is no user nobody to run sway as"
        chown -R "$(id -u nobody):$(id -g nobody)" "$work"
        run_as=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
    fi
    [ -z "${TINTRIX_WAYLAND_SHOTS:-}" ] || chmod 777 "$TINTRIX_WAYLAND_SHOTS"
    # A session of our own: nothing of the caller's desktop may answer.
    set +e
    "${run_as[@]}" env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" TINTRIX_WAYLAND_STAGE=session \
        TINTRIX_WAYLAND_WORK="$work" TINTRIX_WAYLAND_SHOTS="${TINTRIX_WAYLAND_SHOTS:-}" TINTRIX_WAYLAND_DEBUG="${TINTRIX_WAYLAND_DEBUG:-}" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
        dbus-run-session -- "$work/check_wayland.sh" "$platform" "$work/tintrix" "$scale"
    status=$?
    set -e
    rm -rf "$work"
    exit $status
fi

work=$TINTRIX_WAYLAND_WORK
mkdir -p "$HOME/Pictures"
pids=()
stop() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap stop EXIT

# Headless sway draws the pointer into every capture: its cursor theme has an empty image under
# every name. One Xcursor file: a 1 x 1 transparent image, nominal size 24.
cursors=$work/icons/empty/cursors
mkdir -p "$cursors"
le32() {
    local v=$1
    printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $(((v >> 8) & 255)))"
    printf "\\x$(printf %02x $(((v >> 16) & 255)))\\x$(printf %02x $(((v >> 24) & 255)))"
}
{
    printf 'Xcur'
    for v in 16 65536 1 $((0xfffd0002)) 24 28 36 $((0xfffd0002)) 24 1 1 1 0 0 0 0; do le32 "$v"; done
} >"$cursors/left_ptr"
for name in default arrow top_left_arrow cross crosshair tcross text xterm wait watch progress left_ptr_watch \
    pointer hand1 hand2 pointing_hand; do
    ln -s left_ptr "$cursors/$name"
done

background='#3070A0'
cat >"$work/sway.config" <<EOF
output HEADLESS-1 resolution 1280x800 position 0 0 scale $scale bg $background solid_color
seat seat0 xcursor_theme empty 24
xwayland enable
EOF

export XCURSOR_PATH=$work/icons XCURSOR_THEME=empty XCURSOR_SIZE=24 XDG_CURRENT_DESKTOP=sway
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.config" \
    >"$work/sway.log" 2>&1 &
pids+=($!)
wayland_socket() { compgen -G "$XDG_RUNTIME_DIR/wayland-[0-9]" >/dev/null; }
wait_for wayland_socket || {
    tail -5 "$work/sway.log"
    skip "sway did not start"
}
WAYLAND_DISPLAY=$(basename "$(compgen -G "$XDG_RUNTIME_DIR/wayland-[0-9]" | head -1)")
SWAYSOCK=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -1)
export WAYLAND_DISPLAY SWAYSOCK

wayvnc --unix-socket "$work/vnc.sock" >"$work/wayvnc.log" 2>&1 &
pids+=($!)
has_pointer() { swaymsg -t get_inputs | jq -e '[.[] | select(.type == "pointer")] | length > 0'; }
wait_for has_pointer || skip "no pointer device in sway (wayvnc did not start)"

pipewire >"$work/pipewire.log" 2>&1 &
pids+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/pipewire-0" || skip "PipeWire did not start"
/usr/libexec/xdg-desktop-portal-wlr >"$work/portal-wlr.log" 2>&1 &
pids+=($!)
GDK_BACKEND=wayland /usr/libexec/xdg-desktop-portal-gtk >"$work/portal-gtk.log" 2>&1 &
pids+=($!)
/usr/libexec/xdg-desktop-portal >"$work/portal.log" 2>&1 &
pids+=($!)
# Asked only once the portal holds its name: asking before would have the bus start another.
screenshot_portal() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner org.freedesktop.portal.Desktop | grep -q true &&
        gdbus call --session --dest org.freedesktop.portal.Desktop --object-path /org/freedesktop/portal/desktop \
            --method org.freedesktop.DBus.Properties.Get org.freedesktop.portal.Screenshot version
}
wait_for screenshot_portal || skip "the desktop portal offers no Screenshot interface"

# Whether the window that has the keyboard focus is called $1; whether there is one called so.
focused() { [ "$(swaymsg -t get_tree | jq -r '.. | objects | select(.focused? == true) | .name')" = "$1" ]; }
picking() { swaymsg -t get_tree | jq -e '[.. | objects | select(.name? == "Tintrix picking")] | length > 0' >/dev/null; }
shoot() {
    if [ -n "${TINTRIX_WAYLAND_SHOTS:-}" ]; then
        sleep 0.5 # for the eye only: what was typed has been drawn
        grim "$TINTRIX_WAYLAND_SHOTS/picking-$platform-scale$scale-$1.png"
    fi
}

click() {
    swaymsg seat seat0 cursor set "$1" "$2" >/dev/null
    swaymsg seat seat0 cursor press button1 >/dev/null
    swaymsg seat seat0 cursor release button1 >/dev/null
}

swaymsg exec "QT_QPA_PLATFORM=$platform exec '$tintrix' >'$work/tintrix.log' 2>&1" >/dev/null
wait_for focused Tintrix || {
    cat "$work/tintrix.log"
    fail "Tintrix did not show its window on $platform"
}
# The dialog's inside, and its buttons as it lays them out at 15 twips per pixel: &Copy at
# 328, 144 and Pick! at 388, 144, each 56 x 21.
read -r x y < <(swaymsg -t get_tree |
    jq -r '.. | objects | select(.name? == "Tintrix") | "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y)"')
click $((x + 416)) $((y + 154))
wait_for focused "Tintrix picking" || {
    cat "$work/tintrix.log"
    fail "Pick! showed no still image of the desktop on $platform"
}
# Above the dialog, also at scale 2 where it fills most of the 640 x 400 output.
swaymsg seat seat0 cursor set 100 20 >/dev/null
wtype -k Right -k Right -M shift -k Down -m shift # screen pixels 2 right, 50 down
shoot keys
wtype p
not_picking() { ! picking; }
wait_for not_picking || fail "P did not end picking"
click $((x + 356)) $((y + 154))
copied() { wl-paste -n 2>/dev/null | grep -q 'Base color'; }
wait_for copied || fail "&Copy put nothing on the clipboard"
shoot kept

expected=$(printf '%s\r\n' \
    'Base color name: -' \
    'Base color     : &HA07030 #3070A0 RGB( 48, 112, 160) HSV(206, 0.7000, 0.6275) Grey:  98' \
    'Dimmed color   : &HD3933F #3F93D3 RGB( 63, 147, 211) HSV(206, 0.7014, 0.8275) Grey: 129' \
    'Contrast color : &H006EFF #FF6E00 RGB(255, 110,   0) HSV( 26, 1.0000, 1.0000) Grey: 141')
actual=$(wl-paste -n)
if [ "$actual" != "${expected%$'\r'}" ]; then
    diff <(printf '%s\n' "${expected%$'\r'}") <(printf '%s\n' "$actual") >&2 || true
    fail "the copied values on $platform are not those of the background $background"
fi
leftovers=$(find "$HOME/Pictures" /tmp -maxdepth 1 -user "$(id -u)" -name '*.png' -newer "$work/sway.config" 2>/dev/null)
[ -z "$leftovers" ] || fail "picking left screenshots behind: $leftovers"
echo "Picked $background on $platform at scale $scale"
