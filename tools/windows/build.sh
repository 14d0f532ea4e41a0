#!/usr/bin/env bash
# Builds Tessaline for 64-bit Windows on Debian: installs the cross tools, builds (or
# finds cached) Qt for Windows, cross-builds Tessaline.exe with its tests, and makes the
# zip to unpack on Windows and the MSI installer, both from one staging folder.
#
#   tools/windows/build.sh [build-folder]      (default: build-windows)
#
# Writes <build-folder>/Tessaline-<version>-win64.zip and .msi. The Qt cache is the folder
# tools/windows/build-qt.sh uses ($TESSALINE_QT_WINDOWS, else its fixed default).
#
# Signing: with TESSALINE_SIGN_PKCS12 (a PKCS#12 file: certificate and private key) and
# TESSALINE_SIGN_PASSWORD (its password) in the environment, Tessaline.exe (in both packages)
# and the MSI are signed with osslsigncode (tools/windows/sign.sh, which also takes an optional
# TESSALINE_SIGN_TIMESTAMP_URL); without them both stay unsigned.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(mkdir -p "${1:-build-windows}" && cd "${1:-build-windows}" && pwd)"
# shellcheck source=../qt-caches.sh
. "$root/tools/qt-caches.sh"
qt="$TESSALINE_QT_WINDOWS"

"$root/tools/setup-debian.sh" --windows
if [[ -n "${TESSALINE_SIGN_PKCS12:-}" && ! -r "$TESSALINE_SIGN_PKCS12" ]]; then
    echo "build.sh: cannot read the signing certificate $TESSALINE_SIGN_PKCS12" >&2
    exit 1
fi
if [[ -n "${TESSALINE_SIGN_PKCS12:-}" ]]; then
    # The packaging step runs in the build folder.
    TESSALINE_SIGN_PKCS12="$(realpath "$TESSALINE_SIGN_PKCS12")"
    export TESSALINE_SIGN_PKCS12
fi
"$root/tools/windows/build-qt.sh" "$qt"

# The build runs its picture packer under Wine; one prefix serves the whole build.
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/tessaline-wine.XXXXXX")"
    export WINEPREFIX
    trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi

"$qt/bin/qt-cmake" -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/windows/wine-run.sh"
cmake --build "$build" --parallel "${TESSALINE_JOBS:-$(nproc)}"
cmake --build "$build" --target windows_packages
ls -l "$build"/Tessaline-*-win64.zip "$build"/Tessaline-*-win64.msi
