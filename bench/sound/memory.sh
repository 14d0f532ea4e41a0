#!/usr/bin/env bash
# Peak resident memory of the program after a wrong and a right drop have played their sounds,
# as a ratio to an empty Qt window of the same size measured in the same run, interleaved:
#   bench/sound/memory.sh [--runs N] PROGRAM [PROGRAM...]
# Each round starts every program in turn (the empty window first) in a private Xvfb with a
# private PulseAudio null sink, waits for its window, drags two names with xdotool (for the
# empty window the same moves land on nothing), waits for the sounds to finish and reads VmHWM.
# EMPTY_WINDOW: the empty window's executable (default build-bench/bench/tessaline_empty_window).
# Needs: Xvfb, xdotool, pulseaudio, pulseaudio-utils.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
runs=7
if [[ "${1:-}" == --runs ]]; then
    runs=$2
    shift 2
fi
(($#)) || { sed -n '2,9p' "$0"; exit 2; }
empty="${EMPTY_WINDOW:-$root/build-bench/bench/tessaline_empty_window}"
programs=("$empty" "$@")
for p in "${programs[@]}"; do [[ -x "$p" ]] || { echo "not built: $p" >&2; exit 1; }; done

# shellcheck source=../../tools/private-session.sh
source "$root/tools/private-session.sh"
work="$(mktemp -d /tmp/tessaline-memory.XXXXXX)"
chmod 700 "$work"
cleanup() {
    stop_private_session
    rm -rf "$work"
}
trap cleanup EXIT

start_private_x "$work"
export QT_QPA_PLATFORM=xcb
start_private_pulse "$work" tessaline_memory || true
pactl info >/dev/null 2>&1 || { echo "no PulseAudio server" >&2; exit 1; }

# Window pixels: the first pool name, a zone of Brazil, a zone of Argentina (wrong, then right).
readonly POOL_FIRST="686 105" BRAZIL="418 224" ARGENTINA="278 429"
one_run() {
    local exe="$1" pid window="" kib
    (cd "$(dirname "$exe")" && exec "$exe") >"$work/out.log" 2>&1 &
    pid=$!
    for _ in $(seq 200); do
        window="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)" || true
        [[ -n "$window" ]] && break
        sleep 0.05
    done
    [[ -n "$window" ]] || { echo "no window: $exe" >&2; kill "$pid" 2>/dev/null; return 1; }
    sleep 1.5 # the player gets ready after the first frame
    # shellcheck disable=SC2086
    xdotool mousemove --window "$window" $POOL_FIRST mousedown 1 sleep 0.1 \
        mousemove --window "$window" 550 160 sleep 0.1 mousemove --window "$window" $BRAZIL \
        sleep 0.1 mouseup 1 sleep 0.5 \
        mousemove --window "$window" $POOL_FIRST mousedown 1 sleep 0.1 \
        mousemove --window "$window" 400 300 sleep 0.1 mousemove --window "$window" $ARGENTINA \
        sleep 0.1 mouseup 1 2>/dev/null || true
    sleep 1.5 # both sounds play out
    kill -0 "$pid" 2>/dev/null || { echo "ended early: $exe" >&2; return 1; }
    kib=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$kib"
}

declare -A peaks
for ((round = 1; round <= runs; round++)); do
    line="round $round:"
    for i in "${!programs[@]}"; do
        # A run whose window never showed (a busy machine) is run once more.
        kib=$(one_run "${programs[$i]}") || kib=$(one_run "${programs[$i]}")
        peaks[$i]+="$kib "
        line+=" $(awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }') MiB"
    done
    echo "$line"
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
base=$(median <<<"${peaks[0]}")
for i in "${!programs[@]}"; do
    m=$(median <<<"${peaks[$i]}")
    awk -v m="$m" -v b="$base" -v name="${programs[$i]}" -v runs="$runs" 'BEGIN {
        printf "%s: peak RSS median %.1f MiB over %d runs, ratio to the empty window %.2f\n",
            name, m / 1024, runs, m / b }'
done
