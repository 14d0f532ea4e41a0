#!/usr/bin/env bash
# Checks the Windows build under Wine, in a private X server with a private PulseAudio null
# sink: the executable's resources, the unit tests, the zip, and a played game of the real
# program from the unpacked zip (one wrong drop, one right drop, their sounds, then Exit).
#
#   tests/windows/run.sh BUILD_DIR        (as made by tools/windows/build.sh)
#
# Needs what tools/setup-debian.sh --windows installs. Exit status: the number of failed
# checks, 0 when all passed.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)"
readonly WINDOW_TIMEOUT_S=60    # Wine's first start of a program in a new prefix is slow
readonly EXIT_TIMEOUT_S=20
readonly CLIENT_WIDTH=999 CLIENT_HEIGHT=706

# shellcheck source=../../tools/private-session.sh
source "$root/tools/private-session.sh"
work="$(mktemp -d /tmp/tessaline-windows.XXXXXX)"
chmod 700 "$work"
recorder="" program=""
cleanup() {
    [[ -n "$program" ]] && kill "$program" 2>/dev/null
    [[ -n "$recorder" ]] && kill -TERM "$recorder" 2>/dev/null
    WINEPREFIX="$work/wine" wineserver -k 2>/dev/null
    stop_private_session
    rm -rf "$work"
}
trap cleanup EXIT

failed=0
pass() { echo "ok: $1"; }
fail() { echo "FAILED: $1"; failed=$((failed + 1)); }
check() { local name="$1"; shift; if "$@"; then pass "$name"; else fail "$name"; fi; }

# ---- the private X server, sound server and Wine prefix ----
start_private_x "$work" -ac || exit 1
# Wine plays through winepulse into the null sink.
readonly SINK=tessaline_wine
start_private_pulse "$work" "$SINK" || fail "PulseAudio null sink"

export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1

# ---- the executable's resources: icon group 1 of four images and version block 1 ----
exe="$build/Tessaline.exe"
resources="$(wrestool -l "$exe" 2>&1)"
echo "$resources"
check "resources: four icons, icon group 1, version block 1, nothing else" \
    test "$(grep -c -- '--type=3 ' <<<"$resources")" -eq 4 -a \
         "$(grep -c -- '--type=14 --name=1 ' <<<"$resources")" -eq 1 -a \
         "$(grep -c -- '--type=16 --name=1 ' <<<"$resources")" -eq 1 -a \
         "$(wc -l <<<"$resources")" -eq 6
version_block="$(wrestool -x --raw --type=16 --name=1 "$exe" | iconv -f UTF-16LE -t UTF-8 -c | tr -c '[:print:]' ' ')"
check "version block: Tessaline 7.00 by Quelmark" \
    grep -q 'ProductName *Tessaline.*FileVersion *7\.00.*ProductVersion *7\.00' <<<"$version_block"
check "no console window (GUI subsystem)" \
    grep -qi 'subsystem.*(Windows GUI)' <(x86_64-w64-mingw32-objdump -p "$exe")

# ---- the unit tests, cross-built, under Wine ----
# They run before Arial is given to the prefix, so the layout tests see the program's own
# stand-ins for a missing font at work.
check "unit tests under Wine" \
    ctest --test-dir "$build" -LE soak --output-on-failure --timeout 600 ${TESSALINE_CTEST_ARGS:-}

# For the played game, Wine maps Arial to the metric-compatible Liberation faces, as a
# user without Windows' own fonts would set it up.
for pair in "Arial=Liberation Sans" "Arial Narrow=Liberation Sans Narrow"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ \
        /d "${pair#*=}" /f >/dev/null 2>&1
done

# ---- the zip: one folder with the program and its files ----
zip="$(ls "$build"/Tessaline-*-win64.zip | head -1)"
mkdir -p "$work/unpacked"
unzip -q "$zip" -d "$work/unpacked"
folder="$(find "$work/unpacked" -mindepth 1 -maxdepth 1 -type d | head -1)"
for f in Tessaline.exe items.txt HAND-M.CUR x/o.cjs sounds/correct.wma sounds/wrong.wma \
    sounds/complete.wma; do
    check "zip holds $f" test -f "$folder/$f"
done
check "items.txt has CRLF line ends" \
    test "$(grep -c $'\r$' "$folder/items.txt")" -eq "$(wc -l <"$folder/items.txt")"

# ---- a played game of the unpacked program ----
python3 "$root/bench/sound/latency.py" record "$SINK.monitor" "$work/capture" &
recorder=$!
(cd "$folder" && exec wine Tessaline.exe) &
program=$!
win=""
for _ in $(seq $((WINDOW_TIMEOUT_S * 10))); do
    win="$(xdotool search --onlyvisible --name '^Tessaline$' 2>/dev/null | head -1)"
    [[ -n "$win" ]] && break
    sleep 0.1
done
if [[ -z "$win" ]]; then
    fail "window titled Tessaline opens"
    exit "$failed"
fi
pass "window titled Tessaline opens"
sleep 2 # the first frame, then the sounds prepared after it
eval "$(xdotool getwindowgeometry --shell "$win")"
# Without a window manager, Wine's X window is the client area itself.
check "client area is ${CLIENT_WIDTH} x ${CLIENT_HEIGHT}" \
    test "$WIDTH" -eq "$CLIENT_WIDTH" -a "$HEIGHT" -eq "$CLIENT_HEIGHT"

# TESSALINE_SHOTS=folder keeps the captures, to look at when a check fails.
shot() {
    import -window "$win" "$work/$1.png"
    [[ -n "${TESSALINE_SHOTS:-}" ]] && cp "$work/$1.png" "$TESSALINE_SHOTS/"
}
# The share of near-white pixels (the pool's text) in a w x h box at x,y of a capture.
white_share() {
    convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 85% \
        -format '%[fx:mean]' info:
}
# How many pixels of a w x h box at x,y differ between two captures.
changed_pixels() {
    convert "$work/$1.png" -crop "$5x$6+$3+$4" +repage "$work/crop-a.png"
    convert "$work/$2.png" -crop "$5x$6+$3+$4" +repage "$work/crop-b.png"
    compare -metric AE -fuzz 10% "$work/crop-a.png" "$work/crop-b.png" null: 2>&1
}
now_ns() { python3 -c 'import time; print(time.monotonic_ns())'; }
# Drags from a pool place to a map place, in window pixels, as a player would.
drag() {
    xdotool mousemove $((X + $1)) $((Y + $2)) mousedown 1
    xdotool mousemove $((X + $1 + 5)) $((Y + $2 + 2)) sleep 0.05 mousemove $((X + $3)) $((Y + $4))
    sleep 0.1
    echo "request $(now_ns)" >>"$work/drops.log"
    xdotool mouseup 1
    sleep 1.5 # the sound plays out before the next drop
}
# Pool places of two names and the map place where Peru belongs (window pixels, as in
# tools/screenshot.sh); boxes (x y w h) around the two names' text in the pool, and
# around Peru's map label and the place of the drop.
readonly BRAZIL_POOL="686 119" PERU_POOL="900 133" PERU_MAP="183 217"
readonly BRAZIL_TEXT="606 113 40 10" PERU_TEXT="820 127 30 10" PERU_PLACE="120 190 140 60"
shot start
drag $BRAZIL_POOL $PERU_MAP   # wrong: Brazil is not in Peru
shot wrong
drag $PERU_POOL $PERU_MAP     # right
shot right

# shellcheck disable=SC2086
check "wrong drop: Brazil stays in the pool" \
    python3 -c "import sys; sys.exit(not $(white_share wrong $BRAZIL_TEXT) > 0.1)"
# shellcheck disable=SC2086
check "wrong drop: the map does not change" \
    test "$(changed_pixels start wrong $PERU_PLACE)" -eq 0
# shellcheck disable=SC2086
check "right drop: Peru leaves the pool" \
    python3 -c "import sys; sys.exit(not $(white_share right $PERU_TEXT) < 0.01)"
# shellcheck disable=SC2086
check "right drop: Peru shows on the map" \
    test "$(changed_pixels wrong right $PERU_PLACE)" -gt 20

# Exit, the second push button.
readonly EXIT_BUTTON="894 653"
read -r ex ey <<<"$EXIT_BUTTON"
xdotool mousemove $((X + ex)) $((Y + ey)) click 1
status=""
for _ in $(seq $((EXIT_TIMEOUT_S * 10))); do
    if ! kill -0 "$program" 2>/dev/null; then wait "$program"; status=$?; break; fi
    sleep 0.1
done
program=""
check "Exit ends the program with status 0" test "$status" = 0

kill -TERM "$recorder"; wait "$recorder"; recorder=""
sound_report="$(python3 "$root/bench/sound/latency.py" analyse "$work/capture" "$work/drops.log")"
echo "$sound_report"
# Each drop is heard, and as its own sound: the one whose length is nearer to what was heard.
sound_ms() { # file: the length of a PCM WAV file's sound
    python3 -c 'import sys, wave; w = wave.open(sys.argv[1]); print(round(1000 * w.getnframes() / w.getframerate()))' "$1"
}
heard_ms() { # request number: how long the sound after that drop was heard, if it was
    sed -nE "s/^request +$1: .* ms, sound +([0-9.]+) ms long.*/\1/p" <<<"$sound_report"
}
nearer() { # heard own other: something was heard, nearer to own than to other in length
    [[ -n "$1" ]] && python3 -c 'import sys; h, a, b = map(float, sys.argv[1:]); sys.exit(abs(h - a) >= abs(h - b))' "$@"
}
wrong_ms="$(sound_ms "$folder/sounds/wrong.wma")"
correct_ms="$(sound_ms "$folder/sounds/correct.wma")"
first="$(heard_ms 1)" second="$(heard_ms 2)"
check "wrong drop: the wrong sound is heard (${first:-nothing} ms of $wrong_ms)" \
    nearer "$first" "$wrong_ms" "$correct_ms"
check "right drop: the correct sound is heard (${second:-nothing} ms of $correct_ms)" \
    nearer "$second" "$correct_ms" "$wrong_ms"

echo "windows: $failed failed"
exit "$failed"
