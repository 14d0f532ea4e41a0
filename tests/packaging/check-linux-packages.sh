#!/usr/bin/env bash
# Makes the Debian package in a built build folder and checks what Linux users receive:
#   - lintian finds no error and no warning in the .deb (its info and pedantic tags are
#     shown, not counted);
#   - the packaged AppStream metainfo passes `appstreamcli validate --no-net` and the desktop
#     entry passes `desktop-file-validate`, both with no error and no warning;
#   - `cmake --install` into a DESTDIR lays out exactly the files of the package, and the
#     metainfo, desktop entry, launcher, icons, manual page, copyright and changelog are
#     where the desktop and Debian look for them, and agree with each other.
#
#   tests/packaging/check-linux-packages.sh BUILD_DIR
#
# Needs Debian's lintian, appstream, desktop-file-utils and dpkg-dev (dpkg-shlibdeps), and
# runs cpack in BUILD_DIR. Exit status: non-zero when any check fails.
set -uo pipefail

build="$(cd "${1:?usage: check-linux-packages.sh BUILD_DIR}" && pwd)"
for tool in cpack lintian appstreamcli desktop-file-validate dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 2; }
done

work="$(mktemp -d /tmp/tessaline-packages.XXXXXX)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# --- The package --------------------------------------------------------------------------
cmake --build "$build" -j2 --target Tessaline >"$work/build.log" 2>&1 ||
    { cat "$work/build.log"; echo "FAIL: build"; exit 1; }
rm -f "$build"/tessaline_*.deb
if ! (cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack -G DEB"
    exit 1
fi
debs=("$build"/tessaline_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: cpack made no single tessaline_*.deb: ${debs[*]}"
    exit 1
fi
deb="${debs[0]}"
version="$(dpkg-deb -f "$deb" Version)"
echo "package: $deb (version $version)"

echo "--- lintian"
lintian --fail-on error,warning --display-info --pedantic "$deb" 2>&1 | tee "$work/lintian.txt"
lintian_status=${PIPESTATUS[0]}
if [ "$lintian_status" -ne 0 ] || grep -qE '^[EW]: ' "$work/lintian.txt"; then
    fail "lintian reports an error or a warning (status $lintian_status)"
else
    pass "lintian: no error, no warning"
fi

mkdir "$work/deb"
dpkg-deb -x "$deb" "$work/deb"

# --- The installed tree -------------------------------------------------------------------
DESTDIR="$work/dest" cmake --install "$build" --prefix /usr --strip >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install"; }

# Every path in a tree, folders left out (dpkg lists the ones it creates, cmake does not).
tree_paths() { (cd "$1" && find . ! -type d | sort); }
if diff <(tree_paths "$work/deb") <(tree_paths "$work/dest") >"$work/tree.diff"; then
    pass "cmake --install lays out the same files as the .deb"
else
    fail "cmake --install and the .deb differ (< .deb, > cmake --install):"
    cat "$work/tree.diff"
fi

# The checks below run on both trees: what apt installs and what cmake --install lays out.
check_tree() { # name root
    local name=$1 root=$2 app="$2/usr/lib/tessaline"
    local metainfo desktop id
    echo "--- $name"

    for file in Tessaline items.txt sounds/correct.wma sounds/wrong.wma sounds/complete.wma \
        x/o.cjs HAND-M.CUR; do
        [ -f "$app/$file" ] || fail "$name: usr/lib/tessaline/$file is missing"
    done
    if [ "$(readlink "$root/usr/bin/tessaline")" = ../lib/tessaline/Tessaline ] &&
        [ -x "$root/usr/bin/tessaline" ]; then
        pass "$name: usr/bin/tessaline -> ../lib/tessaline/Tessaline"
    else
        fail "$name: usr/bin/tessaline is not a link to the executable"
    fi
    if file -L "$app/Tessaline" | grep -q 'not stripped'; then
        fail "$name: the executable is not stripped"
    fi

    shopt -s nullglob
    local metainfos=("$root"/usr/share/metainfo/*.metainfo.xml)
    local desktops=("$root"/usr/share/applications/*.desktop)
    shopt -u nullglob
    if [ ${#metainfos[@]} -ne 1 ] || [ ${#desktops[@]} -ne 1 ]; then
        fail "$name: expected one metainfo and one desktop entry, found ${metainfos[*]} ${desktops[*]}"
        return
    fi
    metainfo="${metainfos[0]}"
    desktop="${desktops[0]}"
    id="$(basename "$metainfo" .metainfo.xml)"
    [ "$(basename "$desktop")" = "$id.desktop" ] ||
        fail "$name: the desktop entry $(basename "$desktop") is not named by the id $id"
    grep -qF "<id>$id</id>" "$metainfo" || fail "$name: the metainfo's <id> is not $id"
    grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "$name: the metainfo does not launch $id.desktop"
    grep -qF "<release version=\"$version\" date=\"" "$metainfo" ||
        fail "$name: the metainfo has no release $version"
    # The program names its desktop entry to the desktop (Wayland's app id), which finds the
    # entry's icon by it; a name that matches no entry leaves its window without an icon.
    LC_ALL=C grep -qaF "$id" "$app/Tessaline" ||
        fail "$name: the program does not name its desktop entry $id"

    local exec icon
    exec="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
    icon="$(sed -n 's/^Icon=//p' "$desktop")"
    [ -x "$root/usr/bin/$exec" ] || fail "$name: the desktop entry runs $exec, which is not in usr/bin"
    for size in 16 32 48 64 128 256; do
        [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] ||
            fail "$name: no ${size}x${size} icon $icon.png"
    done

    local doc="$root/usr/share/doc/tessaline"
    [ -f "$doc/copyright" ] || fail "$name: usr/share/doc/tessaline/copyright is missing"
    if ! zcat "$doc/changelog.gz" 2>/dev/null | head -n 1 | grep -qF "tessaline ($version)"; then
        fail "$name: changelog.gz does not begin with version $version"
    fi
    if ! zcat "$root/usr/share/man/man6/tessaline.6.gz" 2>/dev/null | grep -qF "\"Tessaline $version\""; then
        fail "$name: the manual page tessaline(6) is missing or not of version $version"
    fi
    pass "$name: layout checked ($id)"
}
check_tree ".deb" "$work/deb"
check_tree "cmake --install" "$work/dest"

# --- AppStream and the desktop entry, as packaged ------------------------------------------
echo "--- appstreamcli validate --no-net --pedantic"
metainfo="$(find "$work/deb/usr/share/metainfo" -name '*.metainfo.xml' | head -n 1)"
appstreamcli validate --no-net --pedantic "$metainfo" 2>&1 | tee "$work/appstream.txt"
# Errors fail the command; warnings do not, so they are read from what it prints.
if [ "${PIPESTATUS[0]}" -ne 0 ] || grep -qE '^[EW]: ' "$work/appstream.txt"; then
    fail "appstreamcli reports an error or a warning"
else
    pass "appstreamcli: no error, no warning"
fi

echo "--- desktop-file-validate"
desktop="$(find "$work/deb/usr/share/applications" -name '*.desktop' | head -n 1)"
desktop-file-validate "$desktop" 2>&1 | tee "$work/desktop.txt"
if [ "${PIPESTATUS[0]}" -ne 0 ] || grep -qE ': (error|warning): ' "$work/desktop.txt"; then
    fail "desktop-file-validate reports an error or a warning"
else
    pass "desktop-file-validate: no error, no warning"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all package checks passed"
