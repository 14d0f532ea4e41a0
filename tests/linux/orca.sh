#!/usr/bin/env bash
# Plays the real Linux program by keyboard with the real screen reader, Orca, listening: in a
# private X server and a private D-Bus session with its own accessibility bus, Orca's speech
# going to speech-dispatcher's dummy module. What Orca says is read from its debug log (its
# "SPEECH OUTPUT" lines), step by step; a step fails when Orca says nothing that matches.
#
#   tests/linux/orca.sh BUILD_DIR [LANGUAGE]
#
# BUILD_DIR is a native build (BUILD_DIR/Tessaline and its files); LANGUAGE (es, pt_BR, fr, nl)
# starts the program with --lang LANGUAGE, and every word is expected in it. Orca itself stays
# English, so the roles it adds ("push button") are its English ones.
#
# Needs orca, speech-dispatcher, at-spi2-core, dbus-daemon (dbus-run-session), xvfb and
# xdotool. Exit status: the number of failed checks, 0 when all passed. TESSALINE_ORCA_LOG=file
# keeps Orca's debug log.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:?usage: orca.sh BUILD_DIR [LANGUAGE]}" && pwd)"
language="${2:-}"

# Everything below talks to a session bus of its own, gone when the script ends.
if [[ -z "${TESSALINE_ORCA_PRIVATE_BUS:-}" ]]; then
    TESSALINE_ORCA_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

readonly START_TIMEOUT_S=60
# Orca speaks within a few hundred milliseconds of an event; a step waits this long for the
# first line, then a little more for the lines that follow it.
readonly SPEECH_TIMEOUT_S=6
readonly SPEECH_SETTLE_S=0.6
readonly EXIT_TIMEOUT_S=10

# shellcheck source=../../tools/private-session.sh
source "$root/tools/private-session.sh"
work="$(mktemp -d /tmp/tessaline-orca.XXXXXX)"
chmod 700 "$work"
log="$work/orca.log"
program="" orca="" bus_launcher=""
# The verdicts (pass, fail), finding the window and Exit, as the other played games have them.
# shellcheck source=../lib/played-game.sh
source "$root/tests/lib/played-game.sh"

cleanup() {
    if [[ -n "$program" ]]; then kill "$program" 2>/dev/null; fi
    if [[ -n "$orca" ]]; then
        # Orca runs under script: both must be gone before this ends, as an Orca still running
        # makes the next one refuse to start ("Another Orca process is already running").
        local orca_pids
        orca_pids="$orca $(pgrep -P "$orca")"
        local pid
        for pid in $orca_pids; do
            kill "$pid" 2>/dev/null
            for _ in $(seq $((EXIT_TIMEOUT_S * 10))); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
        done
    fi
    local speechd_pid
    speechd_pid="$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null)"
    if [[ -n "$speechd_pid" ]]; then kill "$speechd_pid" 2>/dev/null; fi
    if [[ -n "$bus_launcher" ]]; then kill "$bus_launcher" 2>/dev/null; fi
    stop_private_session
    if [[ -n "${TESSALINE_ORCA_LOG:-}" && -f "$log" ]]; then cp "$log" "$TESSALINE_ORCA_LOG"; fi
    rm -rf "$work"
}
trap cleanup EXIT

# Orca, speech-dispatcher and their settings stay in the work folder.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" \
    "$XDG_CONFIG_HOME/speech-dispatcher"
chmod 700 "$XDG_RUNTIME_DIR"
# The dummy module, the only one: Orca's speech goes nowhere, and needs no sound card.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
EOF

start_private_x "$work" || exit 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
bus_launcher=$!
# Orca must find this accessibility bus, not have the session bus start a second one.
for _ in $(seq $((START_TIMEOUT_S * 10))); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
# Orca writes its debug log through a buffer, unless the log is a terminal: it runs in one
# (script's), and script copies every line to the log file as it comes.
script -qfec 'orca --debug-file=/dev/stdout' "$log" >/dev/null 2>&1 </dev/null &
orca=$!

# Orca's spoken lines so far, one a line; keys echoed ("tab ") are left out.
spoken() {
    grep -a "SPEECH OUTPUT: '" "$log" 2>/dev/null | grep -av "' {" |
        sed -E "s/.*SPEECH OUTPUT: '(.*)'\{.*/\1/"
}
spoken_count() { spoken | wc -l; }

# Waits for the first line after line number $1 that matches a pattern; prints every line
# said after $1 once it comes, or fails after the timeout.
heard_after() {
    local before="$1" pattern="$2" tenths=$((SPEECH_TIMEOUT_S * 10))
    for _ in $(seq "$tenths"); do
        if spoken | tail -n +"$((before + 1))" | grep -Eq "$pattern"; then
            sleep "$SPEECH_SETTLE_S"
            spoken | tail -n +"$((before + 1))"
            return 0
        fi
        sleep 0.1
    done
    spoken | tail -n +"$((before + 1))"
    return 1
}

# step NAME PATTERN ACTION...: runs the action (xdotool arguments), then checks that Orca
# says a line matching PATTERN (an extended regular expression, matched against whole lines).
# What Orca said stays in $said.
said=""
step() {
    local name="$1" pattern="^($2)\$" before
    shift 2
    before="$(spoken_count)"
    xdotool "$@"
    if said="$(heard_after "$before" "$pattern")"; then
        pass "$name: $(paste -sd '|' <<<"$said")"
    else
        fail "$name (Orca said: $(paste -sd '|' <<<"$said"))"
    fi
}
# also NAME PATTERN: one of the lines of the last step matches too.
also() {
    if grep -Eq "^($2)\$" <<<"$said"; then pass "$1"; else fail "$1"; fi
}

for _ in $(seq $((START_TIMEOUT_S * 10))); do
    spoken | grep -q . && break
    sleep 0.1
done
spoken | grep -q . || { fail "Orca starts and speaks"; exit "$failed"; }

# The accessibility bridge is on as soon as a screen reader runs; the variable makes it so
# even when the program comes up before Orca has said so on the bus.
at_start="$(spoken_count)"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/Tessaline" ${language:+--lang "$language"} \
    2>"$work/stderr.log" &
program=$!
if ! game_find_window "$START_TIMEOUT_S"; then
    fail "window titled Tessaline opens"
    exit "$failed"
fi

# What Orca is to say, in the window's language: the program's own words and translations
# (tests/lib/spoken-words.py), as extended regular expressions, in the array WORDS.
declare -A WORDS
while IFS=$'\t' read -r key pattern; do
    WORDS[$key]="$pattern"
done < <(python3 "$root/tests/lib/spoken-words.py" --lang "$language")
if [[ -z "${WORDS[START_PLACE]:-}" ]]; then
    fail "the expected words are found"
    exit "$failed"
fi

# The window takes the focus (there is no window manager to give it): counted from the
# program's start, in case Orca speaks before the focus is asked for.
xdotool windowfocus --sync "$game_win"
if said="$(heard_after "$at_start" "^${WORDS[INSTRUCTION]} label\\.\$")"; then
    pass "the focus sink reads as the instruction line: $(paste -sd '|' <<<"$said")"
else
    fail "the focus sink reads as the instruction line (Orca said: $(paste -sd '|' <<<"$said"))"
fi
also "the window reads as a frame" "Tessaline frame\."
step "Tab: Restart" "${WORDS[RESTART]} push button\." key Tab
step "Tab: Exit" "${WORDS[EXIT]} push button\." key Tab
step "Tab: a pool name" "${WORDS[ARGENTINA]}" key Tab
step "Space: the pick-up" "${WORDS[ARGENTINA_HELD]}\." key space
also "the pick-up tells where the marker stands" "${WORDS[START_PLACE]}"
step "Left: the marker moves" "${WORDS[PLACE]}" key Left
step "Left: the marker moves again" "${WORDS[PLACE]}" key Left
step "Home: the marker is back where it started" "${WORDS[START_PLACE]}" key Home
step "Return: a wrong result" "${WORDS[ARGENTINA_NOT_HERE]}\." key Return
# The focus is back on Argentina: from the pick-up, each arrow press to Argentina's place is
# spoken, and there the name is placed.
step "Space: picked up again" "${WORDS[ARGENTINA_HELD]}\." key space
also "the marker starts where it did" "${WORDS[START_PLACE]}"
step "Down: the marker moves south" "${WORDS[SOUTH_OF_START]}" key Down
step "Down: the marker reaches Argentina's place" "${WORDS[ARGENTINA_PLACE]}" key Down
step "Return: a right result" "${WORDS[ARGENTINA_PLACED]}\." key Return
# The next name, picked up: its start place is told with the name placed next to it.
step "Space: the next name picked up" "${WORDS[ASUNCION_HELD]}\." key space
also "the place tells the name placed next to it" \
    "${WORDS[START_NEXT_TO_ARGENTINA]}"
step "Escape: the name put back" "${WORDS[ASUNCION]}" key Escape
step "Shift+Tab: Exit" "${WORDS[EXIT]} push button\." key shift+Tab
step "Shift+Tab: Restart" "${WORDS[RESTART]} push button\." key shift+Tab
step "Space on Restart: a new game" "notification ${WORDS[NEW_GAME]}\." \
    key space
# A result made by the pointer is told too: Brazil clicked onto Peru.
step "a click placement's result" "notification ${WORDS[BRAZIL_NOT_HERE]}\." \
    mousemove $((X + 686)) $((Y + 119)) click 1 sleep 0.3 mousemove $((X + 183)) $((Y + 217)) click 1

game_exit "$program" "$EXIT_TIMEOUT_S"
program=""
if [[ -s "$work/stderr.log" ]]; then
    echo "the program's stderr:"
    cat "$work/stderr.log"
fi

echo "orca${language:+ ($language)}: $failed failed"
exit "$failed"
