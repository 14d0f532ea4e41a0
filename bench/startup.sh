#!/usr/bin/env bash
# Start-up figures in a real X server (Xvfb), with a private PulseAudio null sink so that the
# sound player really opens an output: the first frame on screen, the first frame the program
# reports itself, and peak memory, for the program, an empty Qt window of the same size
# (bench/emptywindow.cpp, the figure the ratio is taken to) and a bare Xlib window (the
# physical floor), in interleaved runs.
#   bench/startup.sh [--runs N] [--warmup N] [--settle SECONDS] [--no-media]
#                    [--program NAME=PATH ...]
# --no-media also runs a copy of the program without its media library beside it.
# --program adds another build of the program, for example the one before a change.
# BUILD_DIR (default build-bench) is configured Release and the programs built there;
# NO_BUILD=1 takes what is already built in BUILD_DIR as it is.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"

no_media=0
passed=()
while [[ $# -gt 0 ]]; do
    case "$1" in
        --no-media) no_media=1; shift ;;
        --runs|--warmup|--settle|--program) passed+=("$1" "$2"); shift 2 ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
done

if [[ "${NO_BUILD:-0}" != 1 ]]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTESSALINE_BUILD_BENCH=ON >/dev/null
    cmake --build "$build" -j2 --target Tessaline tessaline_empty_window \
        tessaline_bare_window tessaline_xfirstframe >/dev/null
fi

work="$(mktemp -d /tmp/tessaline-startup.XXXXXX)"
chmod 700 "$work"
xvfb_pid=""
cleanup() {
    if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    if [[ -f "$work/pulse/pid" ]]; then kill "$(cat "$work/pulse/pid")" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

programs=(--program "Tessaline=$build/Tessaline")
if [[ "$no_media" == 1 ]]; then
    # The program with its runtime files, but not the library it loads the player from.
    mkdir "$work/no-media"
    cp -r "$build/Tessaline" "$build/items.txt" "$build/HAND-M.CUR" "$build/x" "$build/sounds" \
        "$work/no-media/"
    programs+=(--program "Tessaline without media=$work/no-media/Tessaline")
fi

# A display of our own: -displayfd picks a free number. A black root (-br) so that no pixel
# of an unpainted window matches a colour the programs paint.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -br -nolisten tcp 3>"$work/display" \
    2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb

# A private sound server with a null sink: the program's player finds a real output.
mkdir -p "$work/home"
export XDG_RUNTIME_DIR="$work" PULSE_RUNTIME_PATH="$work/pulse" PULSE_STATE_PATH="$work/state"
export HOME="$work/home" PULSE_SERVER="unix:$work/pulse/native"
if command -v pulseaudio >/dev/null; then
    pulseaudio -D -n --exit-idle-time=-1 --system=false --log-target="file:$work/pulse.log" \
        --load="module-native-protocol-unix auth-anonymous=1" \
        --load="module-null-sink sink_name=tessaline_startup" || true
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    if pactl info >/dev/null 2>&1; then
        echo "sound: private PulseAudio null sink"
    else
        echo "sound: no PulseAudio server could be started; the player has no output"
    fi
else
    echo "sound: pulseaudio is not installed; the player has no output"
fi

echo "display: $DISPLAY"
python3 "$here/startup.py" --client "$build/bench/tessaline_xfirstframe" \
    --floor "$build/bench/tessaline_bare_window" \
    --empty "$build/bench/tessaline_empty_window" "${programs[@]}" "${passed[@]}"
