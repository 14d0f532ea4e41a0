#!/usr/bin/env bash
# Builds Qt for WebAssembly (wasm-emscripten, static, single-threaded, asyncify on) from
# Debian's own source package of the Qt this machine has, with Debian's emscripten, and
# installs it into a cache folder. Only qtbase, and of it only what the game uses: sound in
# the page goes through the browser's Web Audio, not Qt Multimedia. A second run with the
# same versions and options does nothing.
#
#   tools/web/build-qt.sh [cache-folder]
#
# The folder is the argument, else the cache tools/qt-caches.sh names ($TESSALINE_QT_WEB).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
# shellcheck source=../qt-caches.sh
. "$root/tools/qt-caches.sh"
prefix="${1:-$TESSALINE_QT_WEB}"
jobs="${TESSALINE_JOBS:-$(nproc)}"
# shellcheck source=../qt-from-debian.sh
. "$root/tools/qt-from-debian.sh"
. "$here/emscripten-env.sh"

declare -A source_package=([qtbase]=qt6-base)
declare -A host_package=([qtbase]=qt6-base-dev)
stages=(qtbase)

common_options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
)
qtbase_options=(
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
    # The end-of-game message box waits for OK in a nested event loop, which a page can only
    # do with asyncify.
    -DQT_QMAKE_DEVICE_OPTIONS=QT_EMSCRIPTEN_ASYNCIFY=1
    -DFEATURE_thread=OFF
    # Smaller code downloads faster; the game does little computing.
    -DFEATURE_optimize_size=ON
    # Modules and formats the program does not use.
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_network=OFF -DFEATURE_testlib=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
)

stamp_text() { # stage
    local options="${1}_options[*]"
    printf '%s %s\nemcc %s\noptions %s %s\npatch %s\n' \
        "$1" "$(version_of "${host_package[$1]}")" "$(version_of emscripten)" \
        "${common_options[*]}" "${!options:-}" \
        "$( (declare -f apply_patches capture_notices; patches_of "$1" | xargs -r cat) |
            sha256sum | cut -c1-16)"
}
stamp_file() { echo "$prefix/tessaline-qt-build/$1.txt"; }
stage_is_built() { [ -f "$(stamp_file "$1")" ] && [ "$(cat "$(stamp_file "$1")")" = "$(stamp_text "$1")" ]; }

if stage_is_built qtbase; then
    echo "Qt for WebAssembly is already built in $prefix"
    exit 0
fi
echo "building qtbase for WebAssembly into $prefix"
ensure_deb_src_entries "${host_package[qtbase]}"

work="$(mktemp -d "${TMPDIR:-/tmp}/tessaline-qt-web.XXXXXX")"
trap 'rm -rf "$work"' EXIT
rm -rf "$prefix"
mkdir -p "$prefix/tessaline-qt-build"

start=$SECONDS
fetch_source qtbase "$work"
(cd "$work/src-qtbase" && apply_patches qtbase)
cmake -S "$work/src-qtbase" -B "$work/build-qtbase" "${common_options[@]}" "${qtbase_options[@]}" \
    -DCMAKE_INSTALL_PREFIX="$prefix"
cmake --build "$work/build-qtbase" --parallel "$jobs"
cmake --install "$work/build-qtbase"
capture_notices qtbase "$work/src-qtbase" "$work/build-qtbase"
stamp_text qtbase >"$(stamp_file qtbase)"
echo "qtbase built in $((SECONDS - start)) s"
echo "Qt for WebAssembly installed in $prefix"
