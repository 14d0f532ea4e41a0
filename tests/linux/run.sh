#!/usr/bin/env bash
# Plays the real Linux program in a private X server with a private PulseAudio null sink:
# every text of the window read back, one wrong and one right drop with their sounds heard
# and told apart, the placed name read on the map, the rest of the game by clicks to the box
# titled exactly SUCCESS, then Exit.
#
#   tests/linux/run.sh BUILD_DIR [LOCALE [LANGUAGE]]
#
# BUILD_DIR is a native build (BUILD_DIR/Tessaline and its files). LOCALE is the desktop's
# (LANG and LANGUAGE, default C.UTF-8); LANGUAGE the translation the window must then show
# (es, pt_BR, fr, nl; none: the English texts), which the texts and accessible names are read
# in.
#
# Needs xvfb, xdotool, pulseaudio, pulseaudio-utils, imagemagick, tesseract-ocr (with -spa,
# -por, -fra and -nld for those languages), dbus, at-spi2-core and python3-pyatspi. Exit
# status: the number of failed checks, 0 when all passed.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:?usage: run.sh BUILD_DIR [LOCALE [LANGUAGE]]}" && pwd)"
locale="${2:-C.UTF-8}"
language="${3:-}"
echo "desktop locale $locale, window language ${language:-English}"
readonly WINDOW_TIMEOUT_S=20
readonly EXIT_TIMEOUT_S=10

# shellcheck source=../../tools/private-session.sh
source "$root/tools/private-session.sh"
work="$(mktemp -d /tmp/tessaline-linux.XXXXXX)"
chmod 700 "$work"
# shellcheck source=../lib/played-game.sh
source "$root/tests/lib/played-game.sh"
program="" session_bus=""
cleanup() {
    if [[ -n "$program" ]]; then kill "$program" 2>/dev/null; fi
    if [[ -n "$session_bus" ]]; then kill "$session_bus" 2>/dev/null; fi
    game_stop
    stop_private_session
    rm -rf "$work"
}
trap cleanup EXIT

start_private_x "$work" || exit 1
readonly SINK=tessaline_linux
start_private_pulse "$work" "$SINK" || fail "PulseAudio null sink"

# A private session bus, on which the program's accessibility bridge and the reader below
# meet (the AT-SPI bus launcher is started on it by D-Bus activation).
if read -r bus_address session_bus < <(dbus-daemon --session --fork --print-address=1 \
    --print-pid=1 | paste -sd' '); then
    export DBUS_SESSION_BUS_ADDRESS="$bus_address"
else
    fail "private session bus"
fi

game_record "$SINK"
# The program finds its files beside itself; Qt picks the null sink as the default device.
LANG="$locale" LANGUAGE="${locale%%.*}" LC_ALL="" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$build/Tessaline" 2>"$work/stderr.log" &
program=$!
if ! game_find_window "$WINDOW_TIMEOUT_S"; then
    fail "window titled Tessaline opens"
    exit "$failed"
fi
pass "window titled Tessaline opens"
sleep 1 # the first frame, then the sounds prepared after it
# What a screen reader finds, in the window's language (Debian's python3 has pyatspi).
check "the buttons, the map and the 28 names are told in the window's language" \
    /usr/bin/python3 "$root/tests/lib/read-accessible.py" --lang "$language"

game_play_drops
game_check_board
# Every text of the window, read back: the start, before a name leaves the pool, and after
# the right drop, with Peru on the map.
check "every text of the window reads right at the start" \
    python3 "$root/tests/lib/read-window.py" "$work/start.png" --origin 0,0 --lang "$language"
check "every text reads right after the drops, Peru on the map" \
    python3 "$root/tests/lib/read-window.py" "$work/right.png" --origin 0,0 --placed Peru \
    --lang "$language"
# The reading must be able to fail: with the first letter of each text rubbed out, none of
# them may read right.
check "a text with a letter missing reads wrong" \
    python3 "$root/tests/lib/read-window.py" "$work/right.png" --origin 0,0 --placed Peru \
    --lang "$language" --erase-first-letter --quiet
check "the last drop's result is told in the window's language" \
    /usr/bin/python3 "$root/tests/lib/read-accessible.py" --lang "$language" --told Chile
# The recording holds the three drops' sounds; the rest of the game is played unheard, by
# clicks, to the completion box.
game_stop
# The completion box's title in the window's language, as its translation gives it.
box_title=SUCCESS
if [[ -n "$language" ]]; then
    box_title="$(python3 - "$root/assets/translations/tessaline_$language.ts" <<'PY'
import sys, xml.etree.ElementTree as et
for m in et.parse(sys.argv[1]).iter("message"):
    if m.findtext("source") == "SUCCESS":
        print(m.findtext("translation"))
PY
)"
fi
game_play_to_end "$box_title"
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
