#!/bin/sh
# Regenerates every Tessaline picture from Natural Earth data:
# assets/pictures/* and assets/HAND-M.CUR.  Needs node/npm, cmake, g++ and
# qt6-base-dev.  Run from anywhere.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
assets="$here/../../assets"
cd "$here"

npm ci --no-audit --no-fund
mkdir -p build
node project.js build/shapes.txt
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2
./build/render-pictures build/shapes.txt "$assets"
echo "How well the map fits the drop zones: the test MapFit in the main build's tests."
