#!/usr/bin/env bash
# Synthesises the quiz's three feedback sounds into assets/sounds/. The files keep the names the
# program asks for (correct.wma, ...) but hold 16-bit PCM in a RIFF/WAVE container: the player
# plays that with no decoder at all. Needs sox. Output is byte-for-byte reproducible: no dither,
# no metadata. Usage: tools/sounds/make-sounds.sh [output-dir]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../../assets/sounds}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

readonly RATE=44100
# Longer than the part of a sound that Qt 6.4 leaves unplayed at its end.
readonly TAIL_SILENCE_S=0.2
# -D: no dither (dither is random and would make the output differ run to run).
readonly SOX=(sox -D -V1)

# note NAME START DURATION FREQ ATTACK RELEASE GAIN WAVE...
# One note: the listed waves layered (each "shape:relative-freq:level"), a short fade-in so
# it starts without a click and a fade-out so it ends without one, delayed by START seconds.
note() {
    local name=$1 start=$2 dur=$3 freq=$4 attack=$5 release=$6 gain=$7
    shift 7
    local layers=()
    local i=0
    for layer in "$@"; do
        IFS=: read -r shape mult level <<<"$layer"
        local f
        f=$(awk -v a="$freq" -v b="$mult" 'BEGIN { printf "%.3f", a * b }')
        "${SOX[@]}" -n -r "$RATE" -c 1 -b 32 -e float "$work/$name.$i.wav" \
            synth "$dur" "$shape" "$f" vol "$level"
        layers+=("$work/$name.$i.wav")
        i=$((i + 1))
    done
    if ((${#layers[@]} > 1)); then
        # -m scales every input alike, so the layers keep their relative levels.
        "${SOX[@]}" -m "${layers[@]}" "$work/$name.mix.wav"
    else
        cp "${layers[0]}" "$work/$name.mix.wav"
    fi
    "${SOX[@]}" "$work/$name.mix.wav" "$work/$name.wav" \
        fade q "$attack" "$dur" "$release" vol "$gain" pad "$start" 0
}

# mix OUT NOTE... : lays notes over each other (each already carries its start delay),
# normalises to a comfortable peak, makes it 16-bit stereo PCM and fades the very end against
# clicks, then adds a tail of silence: Qt 6.4's sound effect on PulseAudio stops its output
# about 105 ms before the end of the data, which cut off each sound's fade-out. Written as WAV
# whatever the name says.
mix() {
    local name=$1
    shift
    local files=()
    for n in "$@"; do files+=("$work/$n.wav"); done
    if ((${#files[@]} > 1)); then
        "${SOX[@]}" -m "${files[@]}" "$work/$name.sum.wav"
    else
        cp "${files[0]}" "$work/$name.sum.wav"
    fi
    "${SOX[@]}" "$work/$name.sum.wav" -r "$RATE" -c 2 -b 16 -e signed-integer -t wav \
        "$out/$name.wma" norm -4 fade q 0 -0 0.01 pad 0 "$TAIL_SILENCE_S"
}

# correct: two rising bright notes (C6 then G6), sine with a soft triangle overtone.
note c1 0.000 0.110 1046.50 0.004 0.070 0.9 sine:1:1 triangle:2:0.25
note c2 0.085 0.260 1567.98 0.004 0.200 1.0 sine:1:1 triangle:2:0.25
mix correct c1 c2

# wrong: two falling low notes (A3 then E3), slightly detuned pair for a mild buzz, no edges.
note w1 0.000 0.170 220.00 0.006 0.060 1.0 triangle:1:1 sine:1.006:0.7 sine:2:0.2
note w2 0.150 0.260 164.81 0.006 0.180 1.0 triangle:1:1 sine:1.006:0.7 sine:2:0.2
mix wrong w1 w2

# complete: rising C-major arpeggio (C5 E5 G5 C6) that rings into a held chord.
note a1 0.000 1.200 523.25 0.004 0.700 0.8 sine:1:1 triangle:2:0.2
note a2 0.110 1.090 659.25 0.004 0.650 0.8 sine:1:1 triangle:2:0.2
note a3 0.220 0.980 783.99 0.004 0.600 0.8 sine:1:1 triangle:2:0.2
note a4 0.330 0.870 1046.50 0.004 0.550 0.9 sine:1:1 triangle:2:0.25
mix complete a1 a2 a3 a4

for name in correct wrong complete; do
    printf '%s.wma %ss\n' "$name" "$(soxi -D "$out/$name.wma")"
done
