#!/usr/bin/env bash
# Checks what `cmake --install` and `cpack -G DEB` make of a build tree.
# Usage: check_install.sh CHECK PREFIX BUILD_DIR SOURCE_DIR APP_ID VERSION
# CHECK "install" installs BUILD_DIR into the temporary PREFIX and "remove" removes it again;
# files, desktop, metainfo, screenshots and manpage inspect what lies there; deb builds the
# package in a temporary folder of its own; icon checks the committed PNG.
# Exits 0 when the check passes, 77 when it cannot apply yet (CTest: skipped), 1 otherwise.
set -euo pipefail

check=$1 prefix=$2 build=$3 source=$4 app_id=$5 version=$6

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every file an installation holds, relative to its prefix, sorted.
expected_files() {
    printf '%s\n' \
        bin/tintrix \
        "share/applications/$app_id.desktop" \
        "share/icons/hicolor/256x256/apps/$app_id.png" \
        "share/icons/hicolor/scalable/apps/$app_id.svg" \
        share/man/man1/tintrix.1 \
        "share/metainfo/$app_id.metainfo.xml" | LC_ALL=C sort
}

check_install() {
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
        cat "$work/install.log" >&2
        fail "cmake --install into $prefix failed"
    }
}

check_remove() {
    rm -rf "$prefix"
}

# Runs a validator and fails on any remark it makes, errors, warnings and hints alike.
validate_quietly() {
    local out
    if ! out=$("$@" 2>&1) || [ -n "$out" ]; then
        printf '%s\n' "$out" >&2
        fail "$1 does not accept the file"
    fi
}

check_files() {
    local actual
    actual=$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)
    if [ "$actual" != "$(expected_files)" ]; then
        diff <(expected_files) <(printf '%s\n' "$actual") >&2 || true
        fail "the installed files differ from the expected ones (< expected, > installed)"
    fi
    [ -x "$prefix/bin/tintrix" ] || fail "bin/tintrix is not executable"
    for f in $(expected_files); do
        [ "$f" = bin/tintrix ] || [ ! -x "$prefix/$f" ] || fail "$f is executable"
    done
}

check_desktop() {
    local entry=$prefix/share/applications/$app_id.desktop
    validate_quietly desktop-file-validate "$entry"
    local exec icon
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -x "$prefix/bin/$exec" ] || fail "Exec=$exec names no installed program"
    [ "$icon" = "$app_id" ] || fail "Icon=$icon is not the application's id $app_id"
}

check_metainfo() {
    local metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    appstreamcli validate --no-net --strict --explain "$metainfo" >"$work/validate.log" 2>&1 || {
        cat "$work/validate.log" >&2
        fail "appstreamcli does not accept $metainfo"
    }
    # The tree check also finds the desktop entry the metadata launches and its icon.
    appstreamcli validate-tree --no-net --strict "$prefix" >"$work/tree.log" 2>&1 || {
        cat "$work/tree.log" >&2
        fail "appstreamcli does not accept the installed tree"
    }
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metadata does not launch $app_id.desktop"
    local newest
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | sed -n '1s/.*"\(.*\)"/\1/p')
    [ "$newest" = "$version" ] ||
        fail "the newest release in the metadata is $newest, the project's version is $version"
}

# The screenshots live in the repository and are addressed by URL, so that the validator need
# not reach the net: each URL must end in a file of docs/screenshots/.
check_screenshots() {
    local metainfo=$prefix/share/metainfo/$app_id.metainfo.xml images missing=()
    images=$(sed -n 's|.*<image[^>]*>\(.*\)</image>.*|\1|p' "$metainfo")
    [ -n "$images" ] || fail "the metadata has no screenshots"
    for url in $images; do
        case $url in
        https://*/docs/screenshots/*.png) ;;
        *) fail "screenshot $url is not a https URL of docs/screenshots/*.png" ;;
        esac
        [ -f "$source/docs/screenshots/${url##*/}" ] || missing+=("docs/screenshots/${url##*/}")
    done
    if ((${#missing[@]})); then
        echo "Not in the repository yet: ${missing[*]}"
        exit 77
    fi
}

check_manpage() {
    local page=$prefix/share/man/man1/tintrix.1
    # -ww: every warning; groff's "all" leaves out undefined macros.
    validate_quietly groff -man -Tutf8 -ww -z "$page"
    [ "$(lexgrog "$page")" = "$page: \"tintrix - choose a color and read off its values\"" ] ||
        fail "lexgrog does not find the page's NAME line: $(lexgrog "$page" 2>&1)"
    local rendered
    rendered=$(MANWIDTH=80 man --warnings=w -l "$page" 2>&1 >/dev/null) || fail "man -l cannot show the page"
    [ -z "$rendered" ] || fail "man -l warns: $rendered"
    for section in NAME SYNOPSIS DESCRIPTION KEYS "USER COLORS FILE" FILES ENVIRONMENT; do
        grep -q "^\.SH \"\?$section\"\?$" "$page" || fail "the page has no section $section"
    done
}

# Pipes in this script read their input to the end: a reader that quits early (head, awk's
# exit, grep -q) leaves the writer to die of SIGPIPE, which pipefail turns into a silent exit
# of the whole check whenever the machine is busy enough for the writer to lag.

# The package that installed a library, whichever of its names (before or after resolving
# links, with or without the /usr that a merged /usr adds) dpkg knows it by.
package_owning() {
    local real candidate owner
    real=$(readlink -f "$1")
    for candidate in "$1" "$real" "${real#/usr}"; do
        # dpkg -S fails for a name it does not know; that only means: try the next one.
        owner=$(dpkg -S "$candidate" 2>/dev/null | sed -n '1s/:.*//p') || true
        [ -z "$owner" ] || { echo "$owner"; return 0; }
    done
    return 1
}

check_deb() {
    (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1) || {
        cat "$work/cpack.log" >&2
        fail "cpack -G DEB failed"
    }
    local deb
    deb=$(find "$work/package" -maxdepth 1 -name "tintrix_${version}-*.deb")
    [ -n "$deb" ] || fail "cpack made no tintrix_${version}-*.deb in $work/package"

    local contents
    contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
    for f in $(expected_files); do
        grep -qx "\./usr/$f" <<<"$contents" || fail "the package lacks /usr/$f"
    done

    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    local names
    names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
    for p in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-dejavu-core; do
        grep -qx "$p" <<<"$names" || fail "Depends lacks $p"
    done
    local recommends
    recommends=$(dpkg-deb -f "$deb" Recommends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')
    for p in qt6-wayland xdg-desktop-portal; do
        grep -qx "$p" <<<"$recommends" || fail "Recommends lacks $p"
    done
    # Every library the program links must come from a package the .deb depends on.
    dpkg-deb -x "$deb" "$work/unpacked"
    local lib path owner
    for lib in $(readelf -d "$work/unpacked/usr/bin/tintrix" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        path=$(ldconfig -p | awk -v lib="$lib" '$1 == lib && path == "" { path = $NF } END { print path }')
        [ -n "$path" ] || fail "the program links $lib, which this machine lacks"
        owner=$(package_owning "$path") || fail "no package owns $path"
        grep -qx "$owner" <<<"$names" || fail "the program links $lib from $owner, which Depends lacks"
    done
}

# The PNG is committed; it must be the 256-pixel rendering of the SVG beside it.
check_icon() {
    local svg=$source/data/icons/$app_id.svg png=$source/data/icons/$app_id.png
    [ "$(identify -format '%m %w %h' "$png")" = "PNG 256 256" ] || fail "$png is not a 256 x 256 PNG"
    rsvg-convert -w 256 -h 256 "$svg" -o "$work/rendered.png"
    local differing
    differing=$(compare -metric AE -fuzz 2% "$png" "$work/rendered.png" null: 2>&1) || true
    [ "$differing" = 0 ] ||
        fail "$png is not the rendering of $svg ($differing pixels differ); render it again with: rsvg-convert -w 256 -h 256 $svg -o $png"
}

case $check in
install | remove | files | desktop | metainfo | screenshots | manpage | deb | icon) "check_$check" ;;
*) fail "unknown check $check" ;;
esac
echo "PASS: $check"
