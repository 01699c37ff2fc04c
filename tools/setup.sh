#!/usr/bin/env bash
# Installs the Debian packages Tintrix needs that are missing. Usage: tools/setup.sh run|test
set -euo pipefail

build_packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev fonts-dejavu-core fonts-dejavu-extra)
run_packages=(xvfb xauth imagemagick qt6-wayland)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick locales clang libclang-rt-14-dev
    desktop-file-utils appstream librsvg2-bin man-db groff-base dpkg-dev file dbus-daemon openbox x11-xserver-utils adwaita-qt6
    # Picking on a real Wayland desktop: headless sway, the desktop portal, and hands and eyes on it.
    qt6-wayland sway xwayland pipewire xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
    libglib2.0-bin jq wayvnc wtype wl-clipboard grim)

case "${1:-}" in
run) wanted=("${build_packages[@]}" "${run_packages[@]}") ;;
test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
*) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
    # Read into a variable first: grep -q in a pipe may quit before the writer is done.
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null) || true
    if [[ $status != *"install ok installed"* ]]; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "$1" = test ]; then
    # The notation tests run under a locale whose decimal separator is ",".
    locales=$(locale -a 2>/dev/null) || true
    if ! grep -qi '^de_DE\.utf-\?8$' <<<"$locales"; then
        echo "Generating the de_DE.UTF-8 locale"
        sudo=()
        [ "$(id -u)" -eq 0 ] || sudo=(sudo)
        "${sudo[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
        "${sudo[@]}" locale-gen >/dev/null
    fi
fi
