#!/usr/bin/env python3
"""Records an audio sink's monitor with the arrival time of every chunk, and maps a recording's
samples to CLOCK_MONOTONIC: what the played games' sound checks and the sound benchmark read.

record MONITOR OUT_PREFIX
    Runs parec on MONITOR until SIGTERM/SIGINT. Writes OUT_PREFIX.raw (s16le mono) and
    OUT_PREFIX.times, one "<CLOCK_MONOTONIC ns> <samples so far>" line per chunk read.

How a sample gets a time: a chunk can only arrive after its last sample was rendered, so
"arrival - samples_so_far / RATE" is an upper bound on when recording sample 0 was rendered.
The smallest bound among the chunks near a sample is the tightest; a time derived from it is
late by at most the capture path's least delay. Only nearby chunks are used because the sink's
sample clock drifts from CLOCK_MONOTONIC by a few hundred ppm, milliseconds over a run. The time
is when the sink mixed the sound; a sound card would add its own output buffer on top.
"""
import bisect
import os
import signal
import subprocess
import sys
import time

RATE = 44100
BYTES_PER_SAMPLE = 2
CAPTURE_LATENCY_MS = 2       # asked of parec; small so chunks arrive soon after rendering
ONSET_THRESHOLD = 100        # of 32767; the null sink's silence is exact zero
MIN_SILENCE_MS = 50          # quiet needed before a rise counts as a new sound
CLOCK_WINDOW_S = 0.5         # chunks this near a sample give its time
# The sink mixes in blocks a little ahead of its clock, so an onset can map up to a block before
# its request; onsets that early still belong to it.
EARLY_TOLERANCE_MS = 5
NS_PER_S = 1_000_000_000


def record(monitor, prefix):
    stop = False

    def on_signal(_sig, _frame):
        nonlocal stop
        stop = True

    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGINT, on_signal)
    parec = subprocess.Popen(
        ["parec", "--device=" + monitor, "--raw", "--format=s16le", "--rate=%d" % RATE,
         "--channels=1", "--latency-msec=%d" % CAPTURE_LATENCY_MS,
         "--process-time-msec=%d" % CAPTURE_LATENCY_MS],
        stdout=subprocess.PIPE, bufsize=0)
    total = 0
    pending = b""
    with open(prefix + ".raw", "wb") as raw, open(prefix + ".times", "w") as times:
        fd = parec.stdout.fileno()
        while not stop:
            try:
                data = os.read(fd, 4096)
            except InterruptedError:
                continue
            now = time.monotonic_ns()
            if not data:
                break
            raw.write(data)
            pending += data
            whole = len(pending) // BYTES_PER_SAMPLE
            pending = pending[whole * BYTES_PER_SAMPLE:]
            total += whole
            times.write("%d %d\n" % (now, total))
    parec.terminate()
    parec.wait()


class SampleClock:
    """Maps a recording's sample index to CLOCK_MONOTONIC ns from the chunks' arrival times."""

    def __init__(self, chunks):
        self.counts = [count for _arrival, count in chunks]
        self.bounds = [arrival - count * NS_PER_S // RATE for arrival, count in chunks]

    def start_ns_near(self, index):
        window = int(CLOCK_WINDOW_S * RATE)
        lo = bisect.bisect_left(self.counts, index - window)
        hi = bisect.bisect_right(self.counts, index + window)
        return min(self.bounds[lo:hi] or self.bounds)

    def time_ns(self, index):
        return self.start_ns_near(index) + index * NS_PER_S // RATE

    def drift_ms(self):
        half = len(self.bounds) // 2
        return (min(self.bounds[half:]) - min(self.bounds[:half])) / 1e6 if half else 0.0


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[1] != "record":
        sys.exit(__doc__)
    record(sys.argv[2], sys.argv[3])
