#!/usr/bin/env bash
# Runs a test program inside a private PulseAudio daemon whose default sink is a null sink:
# the program has a real audio output, and what it plays can be recorded from the sink's
# monitor, which TESSALINE_TEST_SINK names. Without the daemon the run fails: a test that
# asserts what is heard must not pass on a machine that cannot play.
#   tests/with-null-sink.sh PROGRAM [ARGS...]
# Needs pulseaudio and pulseaudio-utils (tools/setup-debian.sh).
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly SINK=tessaline_test

# shellcheck source=../tools/private-session.sh
source "$root/tools/private-session.sh"
work="$(mktemp -d /tmp/tessaline-sound-test.XXXXXX)"
chmod 700 "$work"
cleanup() {
    stop_private_session
    rm -rf "$work"
}
trap cleanup EXIT

for tool in pulseaudio pactl parec; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run tools/setup-debian.sh" >&2; exit 1; }
done
start_private_pulse "$work" "$SINK" >/dev/null 2>&1
pactl info >/dev/null 2>&1 || { echo "no private PulseAudio daemon could be started" >&2; exit 1; }
export TESSALINE_TEST_SINK="$SINK"
"$@"
