#!/usr/bin/env bash
# Makes docs/screenshot.png: the real program in a private X server, a few names
# dragged onto the map with the mouse, then the window captured.
# Needs: xvfb, xdotool, imagemagick (tools/setup-debian.sh --extra) and a built ./build/Tessaline.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-build/Tessaline}
out=${2:-docs/screenshot.png}

run() {
    "$exe" &
    pid=$!
    for _ in $(seq 50); do
        win=$(xdotool search --name '^Tessaline$' 2>/dev/null | head -1) && [ -n "$win" ] && break
        sleep 0.1
    done
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$win")"
    # Pool place -> map place, in window pixels.
    drag() {
        xdotool mousemove $((X + $1)) $((Y + $2)) mousedown 1
        xdotool mousemove $((X + $1 + 5)) $((Y + $2 + 2)) mousemove $((X + $3)) $((Y + $4))
        sleep 0.05
        xdotool mouseup 1
        sleep 0.1
    }
    drag 686 119 418 224   # Brazil
    drag 900 133 183 217   # Peru
    drag 686 417 221 264   # Lima
    drag 686 105 262 517   # Argentina
    drag 900 333  79  69   # Caribbean Sea
    drag 686 361 418 300   # Brasilia
    xdotool mousemove $((X + 400)) $((Y + 650))
    sleep 0.3
    import -window "$win" "$out"
    kill "$pid"
}
if [ "${TESSALINE_IN_XVFB:-}" = 1 ]; then
    run
else
    TESSALINE_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$exe" "$out"
    echo "wrote $out"
fi
