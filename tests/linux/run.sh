#!/usr/bin/env bash
# Plays the real Linux program in a private X server with a private PulseAudio null sink:
# every text of the window read back, one wrong and one right drop with their sounds heard
# and told apart, the placed name read on the map, the rest of the game by clicks to the box
# titled exactly SUCCESS, then Exit.
#
#   tests/linux/run.sh BUILD_DIR        (a native build: BUILD_DIR/Tessaline and its files)
#
# Needs xvfb, xdotool, pulseaudio, pulseaudio-utils, imagemagick and tesseract-ocr. Exit
# status: the number of failed checks, 0 when all passed.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)"
readonly WINDOW_TIMEOUT_S=20
readonly EXIT_TIMEOUT_S=10

# shellcheck source=../../tools/private-session.sh
source "$root/tools/private-session.sh"
work="$(mktemp -d /tmp/tessaline-linux.XXXXXX)"
chmod 700 "$work"
# shellcheck source=../lib/played-game.sh
source "$root/tests/lib/played-game.sh"
program=""
cleanup() {
    if [[ -n "$program" ]]; then kill "$program" 2>/dev/null; fi
    game_stop
    stop_private_session
    rm -rf "$work"
}
trap cleanup EXIT

start_private_x "$work" || exit 1
readonly SINK=tessaline_linux
start_private_pulse "$work" "$SINK" || fail "PulseAudio null sink"

game_record "$SINK"
# The program finds its files beside itself; Qt picks the null sink as the default device.
"$build/Tessaline" 2>"$work/stderr.log" &
program=$!
if ! game_find_window "$WINDOW_TIMEOUT_S"; then
    fail "window titled Tessaline opens"
    exit "$failed"
fi
pass "window titled Tessaline opens"
sleep 1 # the first frame, then the sounds prepared after it

game_play_drops
game_check_board
# Every text of the window, read back: the start, before a name leaves the pool, and after
# the right drop, with Peru on the map.
check "every text of the window reads right at the start" \
    python3 "$root/tests/lib/read-window.py" "$work/start.png" --origin 0,0
check "every text reads right after the drops, Peru on the map" \
    python3 "$root/tests/lib/read-window.py" "$work/right.png" --origin 0,0 --placed Peru
# The reading must be able to fail: with the first letter of each text rubbed out, none of
# them may read right.
check "a text with a letter missing reads wrong" \
    python3 "$root/tests/lib/read-window.py" "$work/right.png" --origin 0,0 --placed Peru \
    --erase-first-letter --quiet
# The recording holds the three drops' sounds; the rest of the game is played unheard, by
# clicks, to the completion box.
game_stop
game_play_to_end
game_exit "$program" "$EXIT_TIMEOUT_S"
program=""
# The sounds as the sources hold them: a damaged copy beside the program must fail.
game_check_sounds "$root/assets/sounds"
if [[ -s "$work/stderr.log" ]]; then
    echo "the program's stderr:"
    cat "$work/stderr.log"
fi

echo "linux: $failed failed"
exit "$failed"
