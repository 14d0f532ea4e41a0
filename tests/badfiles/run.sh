#!/usr/bin/env bash
# Starts the real program with a bad file in place of each file it uses, in a private X
# server, and checks that it never crashes and opens its window after its error boxes,
# which are answered with Enter as a user would.
#   tests/badfiles/run.sh BUILD_DIR [CASE...]
# Needs Xvfb, xdotool and xdpyinfo (x11-utils). Run as root, the program runs as "nobody" so that a file can be
# made unreadable. Exit status: non-zero when a case crashed or never opened its window.
set -uo pipefail

build="$(cd "${1:?usage: run.sh BUILD_DIR [CASE...]}" && pwd)"
shift
only=("$@")
readonly OPEN_TIMEOUT_S=30      # per case, for the window to open
readonly QUICK_OPEN_S=5         # for a case with an expected number of boxes
readonly MIB=$((1024 * 1024))

work="$(mktemp -d /tmp/tessaline-badfiles.XXXXXX)"
chmod 755 "$work"
# shellcheck source=../../tools/private-session.sh
source "$(dirname "$0")/../../tools/private-session.sh"
cleanup() {
    stop_private_session
    rm -rf "$work"
}
trap cleanup EXIT

# A private X server (-ac: the program runs as another user). It is started again if it goes
# away, so that a lost server is never taken for a crash of the program.
start_x() {
    stop_private_session
    rm -f "$work/display"
    start_private_x "$work" -ac || exit 2
}
start_x

as_user=()
if [[ "$(id -u)" -eq 0 ]]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi

# The program with every file it uses, as the build lays them out.
# The media player's library is loaded from beside the executable too.
files=(items.txt HAND-M.CUR x/o.cjs sounds/correct.wma sounds/wrong.wma sounds/complete.wma
    tessaline-media.so)
template="$work/template"
mkdir -p "$template/x" "$template/sounds"
cp "$build/Tessaline" "$template/"
for f in "${files[@]}"; do
    if [[ -f "$build/$f" ]]; then cp "$build/$f" "$template/$f"; fi
done

random_bytes() { head -c "$2" /dev/urandom >"$1"; }

# Each case: a name and what it does to the program's folder ($1).
cases=()
declare -A setup expect
# A third argument is the number of error boxes expected before the window opens ("N" or
# "MIN-MAX"); such a case must also open its window within QUICK_OPEN_S.
add_case() {
    cases+=("$1")
    setup["$1"]="$2"
    if (($# > 2)); then expect["$1"]="$3"; fi
}
# Random item lists bring two boxes for each of the first two surplus lines and one for the
# rest; an empty line among the first 28 brings two more.
for f in "${files[@]}"; do
    size=65536
    [[ "$f" == items.txt ]] && size=16384
    add_case "$f:random" "random_bytes \"\$1/$f\" $size"
    add_case "$f:directory" "rm -f \"\$1/$f\"; mkdir -p \"\$1/$f\""
    add_case "$f:unreadable" "touch \"\$1/$f\"; chmod 000 \"\$1/$f\""
done
add_case "items.txt:10MiB-no-line-end" \
    "head -c $((10 * MIB)) /dev/zero | tr '\\\\0' 'A' >\"\$1/items.txt\"" 1
add_case "items.txt:10MiB-random" "random_bytes \"\$1/items.txt\" $((10 * MIB))" 5-61
add_case "HAND-M.CUR:zero-length" ": >\"\$1/HAND-M.CUR\""
add_case "tessaline-media.so:missing" "rm -f \"\$1/tessaline-media.so\""
add_case "HAND-M.CUR:truncated" "head -c 100 \"$template/HAND-M.CUR\" >\"\$1/HAND-M.CUR\""

# What the shipped list gives in the ordinary bad forms.
add_case "items.txt:missing" "rm -f \"\$1/items.txt\"" 1
add_case "items.txt:27-lines" "head -n 27 \"$template/items.txt\" >\"\$1/items.txt\"" 0
add_case "items.txt:30-lines" "printf 'Extra,one\\r\\nExtra two\\r\\n' >>\"\$1/items.txt\"" 4
add_case "items.txt:empty-line" "sed -i '6s/.*/\\r/' \"\$1/items.txt\"" 2
# Pipes, devices, giants and floods: each file in each form the program must not wait on,
# read whole, or answer line by line.
hundred_thousand_lines() { seq 100000 | sed 's/$/\r/' >"$1"; }
for f in items.txt HAND-M.CUR x/o.cjs; do
    case "$f" in
    items.txt) refused=1 lines=5 ;;   # 132 for the open; 144, 150 twice and one more 144
    HAND-M.CUR) refused=1 lines=1 ;;  # 106
    x/o.cjs) refused=0 lines=1 ;;     # absent; 102 for a skin without a rule
    esac
    add_case "$f:fifo" "rm -f \"\$1/$f\"; mkfifo \"\$1/$f\"" "$refused"
    add_case "$f:dev-zero" "rm -f \"\$1/$f\"; ln -s /dev/zero \"\$1/$f\"" "$refused"
    add_case "$f:100000-lines" "hundred_thousand_lines \"\$1/$f\"" "$lines"
done
add_case "items.txt:1GiB-sparse" "rm -f \"\$1/items.txt\"; truncate -s 1G \"\$1/items.txt\"" 1
add_case "HAND-M.CUR:2MiB" "random_bytes \"\$1/HAND-M.CUR\" $((2 * MIB))" 1
add_case "x/o.cjs:2MiB" "{ cat \"$template/x/o.cjs\"; head -c $((2 * MIB)) /dev/zero | tr '\\\\0' ' '; } >\"\$1/x/o.cjs.big\"; mv \"\$1/x/o.cjs.big\" \"\$1/x/o.cjs\"" 1
skin_naming() { printf 'QPushButton { image: url(%s); }\n' "$2" >>"$1/x/o.cjs"; }
add_case "x/o.cjs:url-fifo" "mkfifo \"\$1/x/pipe.png\"; skin_naming \"\$1\" pipe.png" 1
add_case "x/o.cjs:url-dev-zero" "ln -s /dev/zero \"\$1/x/zero.png\"; skin_naming \"\$1\" zero.png" 1
add_case "x/o.cjs:url-outside" "skin_naming \"\$1\" ../items.txt" 1

# Window ids of the program's windows whose shown title matches a pattern. The shown title
# (_NET_WM_NAME) is checked as well as the plain one that search matches, as the platform may
# lengthen it ("Application Error — Tessaline").
windows_named() {
    local w
    for w in $(xdotool search --all --pid "$1" --onlyvisible --name "$2" 2>/dev/null); do
        xdotool getwindowname "$w" 2>/dev/null | grep -qE -- "$2" && echo "$w"
    done
}

# Answers the error boxes of process $1 until none comes for a while or time $2 passes;
# prints how many it answered.
answer_boxes() {
    local pid="$1" until="$2" answered=0 quiet=0 box
    while kill -0 "$pid" 2>/dev/null && (($(date +%s) < until)) && ((quiet < 10)); do
        box="$(windows_named "$pid" '^Application Error$' | head -n 1)"
        if [[ -n "$box" ]]; then
            xdotool windowfocus --sync "$box" key --clearmodifiers Return 2>/dev/null &&
                answered=$((answered + 1))
            quiet=0
        else
            quiet=$((quiet + 1))
            sleep 0.1
        fi
    done
    echo "$answered"
}

# Window pixels: the first pool name (Argentina with the shipped list), a zone of Brazil
# and a zone of Argentina. Two drops play the wrong and then the correct sound.
readonly POOL_FIRST="686 105" BRAZIL="418 224" ARGENTINA="278 429"
play_two_drops() {
    local w="$1"
    # shellcheck disable=SC2086
    xdotool mousemove --window "$w" $POOL_FIRST mousedown 1 sleep 0.1 \
        mousemove --window "$w" 550 160 sleep 0.1 mousemove --window "$w" $BRAZIL sleep 0.1 \
        mouseup 1 sleep 0.5 \
        mousemove --window "$w" $POOL_FIRST mousedown 1 sleep 0.1 \
        mousemove --window "$w" 400 300 sleep 0.1 mousemove --window "$w" $ARGENTINA sleep 0.1 \
        mouseup 1 2>/dev/null
}

failures=0
run_case() {
    local name="$1" dir="$work/case" pid status boxes=0 opened=0 start
    rm -rf "$dir"
    cp -a "$template" "$dir"
    (set -- "$dir"; eval "${setup[$name]}")
    chmod -R a+rX "$dir" 2>/dev/null
    # The unreadable cases keep their file unreadable.
    case "$name" in *:unreadable) chmod 000 "$dir/${name%%:*}" ;; esac
    # Keep no home-page visit or cache from touching the real home.
    mkdir -p "$dir/.home" && chmod 777 "$dir/.home"
    start=$(date +%s%N)
    HOME="$dir/.home" XDG_RUNTIME_DIR="$dir/.home" "${as_user[@]}" "$dir/Tessaline" \
        >"$work/out.log" 2>&1 &
    pid=$!
    local deadline=$(($(date +%s) + OPEN_TIMEOUT_S)) open_ms=0
    while kill -0 "$pid" 2>/dev/null && (($(date +%s) < deadline)); do
        if [[ -n "$(windows_named "$pid" '^Tessaline$')" ]]; then
            opened=1
            open_ms=$((($(date +%s%N) - start) / 1000000))
            break
        fi
        local box
        box="$(windows_named "$pid" '^Application Error$' | head -n 1)"
        if [[ -n "$box" ]]; then
            xdotool windowfocus --sync "$box" key --clearmodifiers Return 2>/dev/null &&
                boxes=$((boxes + 1))
        else
            sleep 0.05
        fi
    done
    local later=0
    if ((opened)); then
        # The sound player loads the sounds after the first frame; then two drops play two.
        sleep 1.5
        local main
        main="$(windows_named "$pid" '^Tessaline$' | head -n 1)"
        [[ -n "$main" ]] && play_two_drops "$main"
        later=$(answer_boxes "$pid" $(($(date +%s) + 10)))
        sleep 0.5
    fi
    local verdict
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        status=$?
        verdict="ENDED status $status"
        failures=$((failures + 1))
    elif ((opened)); then
        verdict="window opened"
        local wanted="${expect[$name]:-}"
        if [[ -n "$wanted" ]]; then
            local low="${wanted%-*}" high="${wanted#*-}"
            if ((boxes < low || boxes > high)); then
                verdict="$wanted boxes expected"
                failures=$((failures + 1))
            elif ((open_ms > QUICK_OPEN_S * 1000)); then
                verdict="opened after ${QUICK_OPEN_S} s"
                failures=$((failures + 1))
            fi
        fi
    else
        verdict="alive, window not open yet"
        failures=$((failures + 1))
    fi
    if kill -0 "$pid" 2>/dev/null; then
        kill -TERM "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    printf '%-30s %-28s boxes before the window %6d, after drops %d (open at %d.%d s)\n' \
        "$name" "$verdict" "$boxes" "$later" $((open_ms / 1000)) $((open_ms % 1000 / 100))
    if [[ "$verdict" == ENDED* ]]; then sed 's/^/    | /' "$work/out.log" | tail -n 20; fi
}

# Runs a case; when the program could not reach the X server, that is the server's fault:
# start it again and run the case once more.
run_case_once_more_if_x_lost() {
    local before=$failures
    run_case "$1"
    if ((failures > before)) && grep -q "could not connect to display" "$work/out.log"; then
        failures=$before
        echo "    (the X server went away; started again, case run again)"
        start_x
        run_case "$1"
    fi
}

ran=0
for name in "${cases[@]}"; do
    if ((${#only[@]})); then
        wanted=0
        for o in "${only[@]}"; do [[ "$o" == "$name" ]] && wanted=1; done
        ((wanted)) || continue
    fi
    xdpyinfo >/dev/null 2>&1 || start_x
    run_case_once_more_if_x_lost "$name"
    ran=$((ran + 1))
done
echo "cases failed: $failures"
echo "badfiles: $((ran - failures)) passed, $failures failed"
exit $((failures > 0))
