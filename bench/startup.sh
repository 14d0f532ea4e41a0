#!/usr/bin/env bash
# Start-up figures of the optimised program in a real X server (Xvfb), with a private
# PulseAudio null sink so that the sound player really opens an output:
#   bench/startup.sh [--baseline] [--runs N] [--warmup N] [--settle SECONDS]
# --baseline times an empty Qt window of the same size instead: the floor under the figure.
# BUILD_DIR (default build-bench) is configured Release and the program built there;
# NO_BUILD=1 takes the program already built in BUILD_DIR as it is.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
program="$build/Tessaline"
target=Tessaline
bench_option=()
if [[ "${1:-}" == --baseline ]]; then
    shift
    program="$build/bench/tessaline_empty_window"
    target=tessaline_empty_window
    bench_option=(-DTESSALINE_BUILD_BENCH=ON)
fi

if [[ "${NO_BUILD:-0}" != 1 ]]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release "${bench_option[@]}" >/dev/null
    cmake --build "$build" -j"$(nproc)" --target "$target" >/dev/null
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

# A display of our own: -displayfd picks a free number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
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

echo "program: $program on $DISPLAY"
python3 "$here/startup.py" "$program" "$@"
