# shellcheck shell=bash disable=SC2154  # root and work are the caller's
# Sourced by the scripts that play the real program (tests/linux/run.sh natively,
# tests/windows/run.sh under Wine): the checks' verdicts, one wrong and one right drop played
# with xdotool on the window, what the window then shows, and each drop's sound heard on the
# private sink's monitor and told apart from the others by its pitch.
#
#   check NAME COMMAND...           runs COMMAND; counts it in $failed when it fails
#   game_record SINK                starts recording SINK's monitor
#   game_find_window TIMEOUT_S      the visible window titled Tessaline: $game_win, $X, $Y
#   game_play_drops                 Brazil onto Peru (wrong), then Peru (right) by dragging,
#                                   then Chile (right) by keyboard alone; screenshots
#   game_check_board                the pool and the map after the three drops
#   game_exit PID TIMEOUT_S         clicks Exit; checks the program ends with status 0 (else
#                                   kills it; TESSALINE_STACK_ON_HANG=1 prints its stacks first)
#   game_check_sounds SOUNDS_DIR    the sound after each drop, told apart by its pitch
#   game_stop                       ends the recorder (for the caller's clean-up)
#   game_find_box TITLE TIMEOUT_S   the visible window shown titled exactly TITLE: $game_box
#   game_answer_box                 Return to that box
#   game_play_to_end [TITLE]        every name still in the pool placed by clicks; the box
#                                   titled exactly TITLE (SUCCESS) comes, is dismissed with
#                                   Return, and the board is dealt again
#
# Before sourcing, set root (the source tree) and work (a private folder of the caller's).
# TESSALINE_SHOTS=folder keeps the screenshots and the recording, to look at when a check fails.

failed=0
pass() { echo "ok: $1"; }
fail() { echo "FAILED: $1"; failed=$((failed + 1)); }
check() {
    local name="$1"
    shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}

game_recorder="" game_win=""

game_record() {
    python3 "$root/tools/sounds/capture.py" record "$1.monitor" "$work/capture" &
    game_recorder=$!
}

game_stop() {
    if [[ -n "$game_recorder" ]]; then
        kill -TERM "$game_recorder" 2>/dev/null
        wait "$game_recorder" 2>/dev/null
    fi
    game_recorder=""
}

game_find_window() {
    local tenths=$(($1 * 10))
    for _ in $(seq "$tenths"); do
        game_win="$(xdotool search --onlyvisible --name '^Tessaline$' 2>/dev/null | head -1)"
        [[ -n "$game_win" ]] && break
        sleep 0.1
    done
    [[ -n "$game_win" ]] || return 1
    eval "$(xdotool getwindowgeometry --shell "$game_win")"
}

game_shot() {
    import -window "$game_win" "$work/$1.png"
    if [[ -n "${TESSALINE_SHOTS:-}" ]]; then cp "$work/$1.png" "$TESSALINE_SHOTS/"; fi
}

# The share of near-white pixels (the pool's text) in a w x h box at x,y of a capture.
game_white_share() {
    convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 85% \
        -format '%[fx:mean]' info:
}

# How many pixels of a w x h box at x,y differ between two captures.
game_changed_pixels() {
    convert "$work/$1.png" -crop "$5x$6+$3+$4" +repage "$work/crop-a.png"
    convert "$work/$2.png" -crop "$5x$6+$3+$4" +repage "$work/crop-b.png"
    compare -metric AE -fuzz 10% "$work/crop-a.png" "$work/crop-b.png" null: 2>&1
}

game_now_ns() { python3 -c 'import time; print(time.monotonic_ns())'; }

# Drags from a pool place to a map place, in window pixels, as a player would; the moment of
# release is the request the sound must follow.
game_drag() {
    xdotool mousemove $((X + $1)) $((Y + $2)) mousedown 1
    xdotool mousemove $((X + $1 + 5)) $((Y + $2 + 2)) sleep 0.05 mousemove $((X + $3)) $((Y + $4))
    sleep 0.1
    echo "request $(game_now_ns)" >>"$work/drops.log"
    xdotool mouseup 1
    sleep 1.5 # the sound plays out before the next drop
}

# Pool places of two names and the map place where Peru belongs (window pixels, as in
# tools/screenshot.sh); boxes (x y w h) around the two names' text in the pool, and around
# Peru's map label and the place of the drop.
readonly GAME_BRAZIL_POOL="686 119" GAME_PERU_POOL="900 133" GAME_PERU_MAP="183 217"
readonly GAME_BRAZIL_TEXT="606 113 40 10" GAME_PERU_TEXT="820 127 30 10"
readonly GAME_PERU_PLACE="120 190 140 60"
readonly GAME_EXIT_BUTTON="894 653"
# Chile, item 9, placed by keyboard: from the focus sink, Tab passes Restart and Exit and then
# the pool names still in it (Peru is placed by then), Space picks Chile up, the marker starts
# on Bolivia, Left goes to Peru and Down to Chile, Return places it.
readonly GAME_CHILE_KEYS="Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space Left Down"
readonly GAME_CHILE_TEXT="606 141 40 10" GAME_CHILE_PLACE="150 390 100 30"

game_place_chile_by_keys() {
    xdotool windowfocus --sync "$game_win"
    # shellcheck disable=SC2086
    xdotool key --delay 100 $GAME_CHILE_KEYS
    echo "request $(game_now_ns)" >>"$work/drops.log"
    xdotool key Return
    sleep 1.5
}

game_play_drops() {
    # shellcheck disable=SC2086
    {
        game_shot start
        game_drag $GAME_BRAZIL_POOL $GAME_PERU_MAP # wrong: Brazil is not in Peru
        game_shot wrong
        game_drag $GAME_PERU_POOL $GAME_PERU_MAP # right
        game_shot right
        game_place_chile_by_keys # right
        game_shot keys
    }
}

# A verdict of Python's: exit status 0 when the comparison holds.
game_holds() { python3 -c "import sys; sys.exit(not ($1))"; }

game_check_board() {
    # shellcheck disable=SC2086
    {
        check "wrong drop: Brazil stays in the pool" \
            game_holds "$(game_white_share wrong $GAME_BRAZIL_TEXT) > 0.1"
        check "wrong drop: the map does not change" \
            test "$(game_changed_pixels start wrong $GAME_PERU_PLACE)" -eq 0
        check "right drop: Peru leaves the pool" \
            game_holds "$(game_white_share right $GAME_PERU_TEXT) < 0.01"
        check "right drop: Peru shows on the map" \
            test "$(game_changed_pixels wrong right $GAME_PERU_PLACE)" -gt 20
        check "keyboard drop: Chile leaves the pool" \
            game_holds "$(game_white_share keys $GAME_CHILE_TEXT) < 0.01"
        check "keyboard drop: Chile shows on the map" \
            test "$(game_changed_pixels right keys $GAME_CHILE_PLACE)" -gt 20
    }
}

# Exit, the second push button; the program must then end by itself, with status 0.
game_exit() {
    local program="$1" tenths=$(($2 * 10)) ex ey status=""
    read -r ex ey <<<"$GAME_EXIT_BUTTON"
    xdotool mousemove $((X + ex)) $((Y + ey)) click 1
    for _ in $(seq "$tenths"); do
        if ! kill -0 "$program" 2>/dev/null; then
            wait "$program"
            status=$?
            break
        fi
        sleep 0.1
    done
    check "Exit ends the program with status 0 (${status:-still running})" test "$status" = 0
    if [[ -z "$status" ]]; then
        # Left running, it would keep the caller's output open.
        if [[ -n "${TESSALINE_STACK_ON_HANG:-}" ]] && command -v gdb >/dev/null; then
            gdb -p "$program" -batch -ex "thread apply all bt" 2>/dev/null | grep -E '^(#|Thread)'
        fi
        kill -KILL "$program" 2>/dev/null
        wait "$program" 2>/dev/null
    fi
}

# Each drop is heard, and as its own sound: wrong.wma after the wrong drop, correct.wma after the
# right one, each told apart from the other two by its pitch, then heard to its end. The pitch
# and length come from the files in SOUNDS_DIR: give the sources' own, so that a damaged
# shipped copy fails.
game_check_sounds() {
    local sounds="$1"
    game_stop
    if [[ -n "${TESSALINE_SHOTS:-}" ]]; then
        cp "$work/capture.raw" "$work/capture.times" "$work/drops.log" "$TESSALINE_SHOTS/"
    fi
    local heard=(python3 "$root/tests/lib/heard-sounds.py" "$work/capture" "$work/drops.log"
        "$sounds/wrong.wma" "$sounds/correct.wma" "$sounds/correct.wma" --also "$sounds/complete.wma")
    check "each drop's own sound is heard: wrong, correct, correct" "${heard[@]}"
    quietly() { "$@" >/dev/null; }
    check "each drop's sound is heard to its end" quietly "${heard[@]}" --whole
}

# The title a window shows: the window system's own name of it (_NET_WM_NAME where set), which
# may be longer than the title the program gave its window.
game_find_box() {
    local title="$1" tenths=$(($2 * 10)) w shown
    game_box="" game_box_seen=""
    # Titles are UTF-8 (a translated "ÉXITO"): xdotool's search reads the window's legacy name,
    # which Qt writes as UTF-8 bytes in a Latin-1 property, so a non-ASCII title never matches
    # there; every visible window's name is read in a UTF-8 locale and compared here instead.
    for _ in $(seq "$tenths"); do
        for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            shown="$(LC_ALL=C.UTF-8 xdotool getwindowname "$w" 2>/dev/null)"
            if [[ "$shown" == "$title" ]]; then
                game_box="$w"
                return 0
            fi
            game_box_seen="$shown"
        done
        sleep 0.1
    done
    return 1
}

# Return to the box found: focused first (without a window manager the focus may never be
# confirmed, so the wait for it is bounded).
game_answer_box() {
    timeout 5 xdotool windowfocus --sync "$game_box" 2>/dev/null
    xdotool key --clearmodifiers Return 2>/dev/null
}

game_box_gone() {
    for _ in $(seq 50); do
        xdotool getwindowname "$game_box" >/dev/null 2>&1 || return 0
        [[ "$(LC_ALL=C.UTF-8 xdotool getwindowname "$game_box" 2>/dev/null)" == "$1" ]] || return 0
        xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$game_box" || return 0
        sleep 0.1
    done
    return 1
}

# The rest of the game by clicks: a click on each pool name and then on its place on the map
# (tests/lib/click-places.py). A placed name's pool place is empty, so both of its clicks
# change nothing. After the last name the completion box must come, titled exactly SUCCESS.
readonly GAME_BOX_TIMEOUT_S=20
game_play_to_end() {
    local title="${1:-SUCCESS}" places px py mx my
    places="$(python3 "$root/tests/lib/click-places.py" "$root")" || {
        fail "the click places of a whole game"
        return
    }
    xdotool mousemove $((X + 500)) $((Y + 690)) sleep 0.2 # off every name first
    while read -r px py mx my _; do
        xdotool mousemove $((X + px)) $((Y + py)) click 1 sleep 0.1 \
            mousemove $((X + mx)) $((Y + my)) click 1 sleep 0.1
    done <<<"$places"
    if ! game_find_box "$title" "$GAME_BOX_TIMEOUT_S"; then
        fail "a whole game by clicks: the completion box is titled exactly $title (${game_box_seen:-no box})"
        return
    fi
    pass "a whole game by clicks: the completion box is titled exactly $title"
    game_answer_box
    check "the completion box is dismissed with Return" game_box_gone "$title"
    sleep 0.5
    game_shot dealt
    # shellcheck disable=SC2086
    {
        check "after the completion box the board is dealt again: Peru is back in the pool" \
            game_holds "$(game_white_share dealt $GAME_PERU_TEXT) > 0.1"
        check "after the completion box the map shows no name" \
            test "$(game_changed_pixels start dealt $GAME_PERU_PLACE)" -eq 0
    }
}
