#!/usr/bin/env bash
# The web page's figures: its transfer size (bench/web/sizes.sh), and load to first frame in
# headless Chromium against an empty Qt for WebAssembly window of the program's size built with
# the same Qt and flags (bench/emptywindow.cpp), in interleaved runs (bench/web/firstframe.py),
# and drop to sound start (bench/web/soundlatency.py).
#   bench/web/run.sh [--runs N] [--warmup N]
# BUILD_DIR (default build-web-bench) is configured with Qt for WebAssembly's qt-cmake (the Qt
# that tools/web/build-qt.sh caches) and the page and the empty window built there.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${BUILD_DIR:-$root/build-web-bench}"
# shellcheck source=../../tools/qt-caches.sh
. "$root/tools/qt-caches.sh"
qt="$TESSALINE_QT_WEB"

# shellcheck source=../../tools/web/emscripten-env.sh
. "$root/tools/web/emscripten-env.sh"
"$qt/bin/qt-cmake" -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTESSALINE_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --parallel 2 --target web_page tessaline_empty_window >/dev/null

echo "== transfer size of $build/web"
"$here/sizes.sh" "$build/web"

# The empty window beside the page, started by the same page: only the program differs.
pages="$(mktemp -d /tmp/tessaline-web-bench.XXXXXX)"
server=""
trap '[[ -n "$server" ]] && kill "$server"; rm -rf "$pages"' EXIT
cp -r "$build/web" "$pages/Tessaline"
cp -r "$build/web" "$pages/empty"
cp "$build/bench/tessaline_empty_window.js" "$pages/empty/Tessaline.js"
cp "$build/bench/tessaline_empty_window.wasm" "$pages/empty/Tessaline.wasm"
port="$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
/usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$pages" "$port" >/dev/null 2>&1 &
server=$!
sleep 1
echo "== load to first frame, headless Chromium, 127.0.0.1"
/usr/bin/python3 "$here/firstframe.py" "$@" \
    "empty window=http://127.0.0.1:$port/empty/index.html?scale=1&first-frame" \
    "Tessaline=http://127.0.0.1:$port/Tessaline/index.html?scale=1&first-frame"

echo "== drop to sound start, headless Chromium"
/usr/bin/python3 "$here/soundlatency.py" "http://127.0.0.1:$port/Tessaline/index.html?scale=1" "$root"
