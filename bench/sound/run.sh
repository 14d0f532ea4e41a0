#!/usr/bin/env bash
# Measures how long the media player takes from setURL() to sound leaving a real audio sink.
#
#   bench/sound/run.sh [soundbench options...]
#
# Builds bench/sound (soundbench) into $BUILD_DIR, starts a private PulseAudio daemon with a
# null sink (nothing is heard; the sink runs in real time like a sound card), records the sink's
# monitor with parec, has soundbench call setURL(correct.wma) at known times, then finds each
# sound's onset in the recording and prints, per request and in summary:
#   first sound   latency of the run's first setURL (player prepared ~0.4 s before, as in the
#                 program, or built on demand with --no-prepare)
#   steady state  median (and range) of the following requests, 0.7 s apart
# soundbench options: --count N, --interval MS, --first-delay MS, --no-prepare, --preload FILE.
# Environment: QT_MEDIA_BACKEND (default ffmpeg, as the program), SOUNDS (space-separated files
# played in turn, as right and wrong drops; default assets/sounds/correct.wma and wrong.wma),
# BUILD_DIR (default /tmp/tessaline-sound-bench), OUT_DIR (recordings; default a temp dir).
# Needs: pulseaudio, pulseaudio-utils (pactl, parec), python3, cmake, Qt 6 Multimedia.
# Exit status is non-zero if any request produced no sound.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${BUILD_DIR:-/tmp/tessaline-sound-bench}"
read -r -a sounds <<<"${SOUNDS:-$root/assets/sounds/correct.wma $root/assets/sounds/wrong.wma}"
out="${OUT_DIR:-$(mktemp -d /tmp/tessaline-sound-bench-out.XXXXXX)}"
mkdir -p "$out"

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >"$out/cmake.log" 2>&1 ||
    { cat "$out/cmake.log"; exit 1; }
cmake --build "$build" -j"$(nproc)" >>"$out/cmake.log" 2>&1 || { cat "$out/cmake.log"; exit 1; }

# A private daemon: its own runtime, state and home, so no user's session is touched.
runtime="$(mktemp -d /tmp/tessaline-pulse.XXXXXX)"
chmod 700 "$runtime"
mkdir -p "$runtime/home"
export XDG_RUNTIME_DIR="$runtime" PULSE_RUNTIME_PATH="$runtime/pulse"
export PULSE_STATE_PATH="$runtime/state" HOME="$runtime/home"
export PULSE_SERVER="unix:$runtime/pulse/native"
recorder=""
cleanup() {
    if [[ -n "$recorder" ]]; then kill -TERM "$recorder" 2>/dev/null || true; fi
    if [[ -f "$runtime/pulse/pid" ]]; then kill "$(cat "$runtime/pulse/pid")" 2>/dev/null || true; fi
    rm -rf "$runtime"
}
trap cleanup EXIT

readonly SINK=tessaline_bench
pulseaudio -D -n --exit-idle-time=-1 --system=false --disallow-exit --disallow-module-loading=no \
    --log-target="file:$out/pulseaudio.log" \
    --load="module-native-protocol-unix auth-anonymous=1" \
    --load="module-null-sink sink_name=$SINK rate=44100 channels=2"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink "$SINK"

python3 "$here/../../tools/sounds/capture.py" record "$SINK.monitor" "$out/capture" &
recorder=$!
for _ in $(seq 50); do [[ -s "$out/capture.times" ]] && break; sleep 0.1; done
sleep 0.3  # some silence ahead of the first sound

export QT_MEDIA_BACKEND="${QT_MEDIA_BACKEND:-ffmpeg}"
echo "backend: $QT_MEDIA_BACKEND; sounds: ${sounds[*]}; options: $*"
status=0
"$build/soundbench" "$@" "${sounds[@]}" >"$out/bench.log" 2>"$out/bench.err" || status=$?

kill -TERM "$recorder"
wait "$recorder" || true
recorder=""
echo "recordings and logs: $out"
if ((status != 0)); then echo "soundbench failed with status $status" >&2; fi
python3 "$here/latency.py" analyse "$out/capture" "$out/bench.log" && ((status == 0))
