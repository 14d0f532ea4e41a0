#!/usr/bin/env bash
# Builds Tessaline's web page on Debian: installs what it needs (tools/setup-debian.sh --web),
# builds Qt for WebAssembly or finds it cached (tools/web/build-qt.sh), then builds the page
# with that Qt's qt-cmake.
#
#   tools/web/build.sh [build-folder]      (default: build-web)
#
# Writes <build-folder>/web/, the folder a web server serves, and
# <build-folder>/Tessaline-<version>-web.zip holding it. The Qt cache is the folder
# tools/web/build-qt.sh uses ($TESSALINE_QT_WEB, else its fixed default).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(mkdir -p "${1:-build-web}" && cd "${1:-build-web}" && pwd)"
# shellcheck source=../qt-caches.sh
. "$root/tools/qt-caches.sh"
qt="$TESSALINE_QT_WEB"

"$root/tools/setup-debian.sh" --web
"$root/tools/web/build-qt.sh" "$qt"
# shellcheck source=emscripten-env.sh
. "$root/tools/web/emscripten-env.sh"
"$qt/bin/qt-cmake" -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --parallel "${TESSALINE_JOBS:-$(nproc)}"
ls -l "$build"/web "$build"/Tessaline-*-web.zip
