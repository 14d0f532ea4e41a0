#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source packages of the Qt this
# machine has (qtbase, qtshadertools, qtmultimedia), static, with MinGW-w64,
# and installs it into a cache folder. Stages already built with the same
# versions and options are kept, so a second run does nothing.
#
#   tools/windows/build-qt.sh [cache-folder]
#
# The folder is the argument, else the cache tools/qt-caches.sh names
# ($TESSALINE_QT_WINDOWS).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
# shellcheck source=../qt-caches.sh
. "$root/tools/qt-caches.sh"
prefix="${1:-$TESSALINE_QT_WINDOWS}"
jobs="${TESSALINE_JOBS:-$(nproc)}"
toolchain="$root/packaging/windows/mingw-w64.cmake"
# shellcheck source=../qt-from-debian.sh
. "$root/tools/qt-from-debian.sh"

# Debian source package for each stage, and the host package whose version it
# must match: the Windows build runs the host's moc, rcc, uic and qsb.
declare -A source_package=(
    [qtbase]=qt6-base [qtshadertools]=qt6-shadertools [qtmultimedia]=qt6-multimedia)
declare -A host_package=(
    [qtbase]=qt6-base-dev [qtshadertools]=qt6-shadertools-dev [qtmultimedia]=qt6-multimedia-dev)
stages=(qtbase qtshadertools qtmultimedia)

common_options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
)
qtbase_options=(
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    # Bundled third-party code: the MinGW sysroot has none of these.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
    # Modules the program does not use. Network stays: Qt Multimedia needs it.
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    # Debian's +dfsg source lacks src/3rdparty/wintab.
    -DFEATURE_tabletevent=OFF
)
qtshadertools_options=()
qtmultimedia_options=(
    # Windows Media Foundation is the backend; no ffmpeg or GStreamer exists here.
    -DFEATURE_ffmpeg=OFF -DFEATURE_gstreamer=OFF
    # The spatial-audio module is not used.
    -DFEATURE_spatialaudio=OFF
)

stamp_text() { # stage
    local options="${1}_options[*]"
    printf '%s %s\nmingw g++ %s\ntoolchain %s\noptions %s %s\npatch %s\n' \
        "$1" "$(version_of "${host_package[$1]}")" \
        "$(x86_64-w64-mingw32-g++-posix -dumpfullversion)" \
        "$(sha256sum <"$toolchain" | cut -c1-16)" \
        "${common_options[*]}" "${!options:-}" \
        "$( (declare -f apply_patches capture_notices; patches_of "$1" | xargs -r cat) |
            sha256sum | cut -c1-16)"
}
stamp_file() { echo "$prefix/tessaline-qt-build/$1.txt"; }
stage_is_built() { [ -f "$(stamp_file "$1")" ] && [ "$(cat "$(stamp_file "$1")")" = "$(stamp_text "$1")" ]; }

todo=()
for stage in "${stages[@]}"; do
    # A stage rebuilt means every later stage is rebuilt against it.
    if [ ${#todo[@]} -gt 0 ] || ! stage_is_built "$stage"; then todo+=("$stage"); fi
done
if [ ${#todo[@]} -eq 0 ]; then
    echo "Qt for Windows is already built in $prefix"
    exit 0
fi
echo "building ${todo[*]} into $prefix"

ensure_deb_src_entries "${host_package[qtbase]}"

work="$(mktemp -d "${TMPDIR:-/tmp}/tessaline-qt.XXXXXX")"
trap 'rm -rf "$work"' EXIT

if [ "${todo[0]}" = qtbase ]; then
    rm -rf "$prefix"
    mkdir -p "$prefix"
    # Qt records its toolchain file by path; keep a copy with the build it describes.
    cp "$toolchain" "$prefix/mingw-w64.cmake"
fi
mkdir -p "$prefix/tessaline-qt-build"

for stage in "${todo[@]}"; do
    start=$SECONDS
    fetch_source "$stage" "$work"
    (cd "$work/src-$stage" && apply_patches "$stage")
    rm -f "$(stamp_file "$stage")"
    options="${stage}_options[@]"
    if [ "$stage" = qtbase ]; then
        cmake -S "$work/src-$stage" -B "$work/build-$stage" "${common_options[@]}" "${!options}" \
            -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix"
    else
        "$prefix/bin/qt-cmake" -S "$work/src-$stage" -B "$work/build-$stage" \
            "${common_options[@]}" ${!options+"${!options}"} -DCMAKE_INSTALL_PREFIX="$prefix"
    fi
    cmake --build "$work/build-$stage" --parallel "$jobs"
    cmake --install "$work/build-$stage"
    capture_notices "$stage" "$work/src-$stage" "$work/build-$stage"
    rm -rf "$work/src-$stage" "$work/build-$stage"
    stamp_text "$stage" >"$(stamp_file "$stage")"
    echo "$stage built in $((SECONDS - start)) s"
done
echo "Qt for Windows installed in $prefix"
