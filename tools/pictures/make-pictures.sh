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

# How well the map fits the drop zones (informative; the zones are coarse
# rectangles, so a shortfall is reported, not fatal).
for depth in 4 8; do
  echo "zone fit, pixels at least $depth px inside their country:"
  ./build/check-map "$assets/pictures/map@2x.png" "$assets/pictures/map-palette.txt" \
    zones.txt markers.txt 94 "$depth" || true
done
