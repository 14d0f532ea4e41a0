#!/usr/bin/env bash
# Start-up figures in a real X server (Xvfb), with a private PulseAudio null sink so that the
# sound player really opens an output: the first frame on screen, the first frame the program
# reports itself, and peak memory, for the program, an empty Qt window of the same size
# (bench/emptywindow.cpp, the figure the ratio is taken to) and a bare Xlib window (the
# physical floor), in interleaved runs.
#   bench/startup.sh [--runs N] [--warmup N] [--settle SECONDS] [--no-media]
#                    [--program NAME=PATH ...] [--locale NAME=LOCALE ...]
# --no-media also runs a copy of the program without its media library beside it.
# --program adds another build of the program, for example the one before a change.
# --locale NAME=LOCALE runs program NAME under that desktop locale (LANG and LANGUAGE), for
# example "--program 'Tessaline es=build-bench/Tessaline' --locale 'Tessaline es=es_ES.UTF-8'".
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
        --runs|--warmup|--settle|--program|--locale) passed+=("$1" "$2"); shift 2 ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
done

if [[ "${NO_BUILD:-0}" != 1 ]]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTESSALINE_BUILD_BENCH=ON >/dev/null
    cmake --build "$build" -j2 --target Tessaline tessaline_empty_window \
        tessaline_bare_window tessaline_xfirstframe >/dev/null
fi

# shellcheck source=../tools/private-session.sh
source "$root/tools/private-session.sh"
work="$(mktemp -d /tmp/tessaline-startup.XXXXXX)"
chmod 700 "$work"
cleanup() {
    stop_private_session
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

# A display of our own. A black root (-br) so that no pixel of an unpainted window matches
# a colour the programs paint.
start_private_x "$work" -br
export QT_QPA_PLATFORM=xcb

# A private sound server with a null sink: the program's player finds a real output.
if command -v pulseaudio >/dev/null && start_private_pulse "$work" tessaline_startup; then
    echo "sound: private PulseAudio null sink"
else
    echo "sound: no PulseAudio server could be started; the player has no output"
fi

echo "display: $DISPLAY"
python3 "$here/startup.py" --client "$build/bench/tessaline_xfirstframe" \
    --floor "$build/bench/tessaline_bare_window" \
    --empty "$build/bench/tessaline_empty_window" "${programs[@]}" "${passed[@]}"
