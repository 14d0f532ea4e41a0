#!/usr/bin/env python3
"""Records an audio sink's monitor with arrival times and measures request-to-sound latency.

record MONITOR OUT_PREFIX
    Runs parec on MONITOR until SIGTERM/SIGINT. Writes OUT_PREFIX.raw (s16le mono) and
    OUT_PREFIX.times, one "<CLOCK_MONOTONIC ns> <samples so far>" line per chunk read.
analyse OUT_PREFIX BENCH_LOG
    Finds each sound's onset in the recording and prints the latency from each "request" line
    of BENCH_LOG (soundbench's output) to the onset that follows it, and flags requests that
    gave no sound or a sound cut short. Exits non-zero if there were any.

How a sample gets a time: a chunk can only arrive after its last sample was rendered, so
"arrival - samples_so_far / RATE" is an upper bound on when recording sample 0 was rendered.
The smallest bound among the chunks near a sample is the tightest; a time derived from it is
late by at most the capture path's least delay, so latencies reported here err on the high side.
Only nearby chunks are used because the sink's sample clock drifts from CLOCK_MONOTONIC by a few
hundred ppm, milliseconds over a run. The time is when the sink mixed the sound; a sound card
would add its own output buffer on top, which depends on the card and not on the player.
"""
import bisect
import os
import signal
import statistics
import struct
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
# its request; onsets that early still belong to it (and show as a small negative latency).
EARLY_TOLERANCE_MS = 5
SHORT_FRACTION = 0.8         # a sound shorter than this share of the median was cut off
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


def sounds(samples, clock):
    """(onset ns, length ms) of each stretch of sound that follows MIN_SILENCE_MS of quiet."""
    found = []
    quiet_needed = RATE * MIN_SILENCE_MS // 1000
    quiet = quiet_needed
    first = last = None
    for i, value in enumerate(samples):
        if abs(value) > ONSET_THRESHOLD:
            if quiet >= quiet_needed:
                if first is not None:
                    found.append((clock.time_ns(first), (last - first) * 1000 / RATE))
                first = i
            last = i
            quiet = 0
        else:
            quiet += 1
    if first is not None:
        found.append((clock.time_ns(first), (last - first) * 1000 / RATE))
    return found


def analyse(prefix, bench_log):
    with open(prefix + ".raw", "rb") as raw:
        data = raw.read()
    samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
    clock = SampleClock([tuple(map(int, line.split())) for line in open(prefix + ".times")])

    requests = []
    marks = {}
    for line in open(bench_log):
        parts = line.split()
        if parts and parts[0] == "request":
            requests.append(int(parts[1]))
        elif len(parts) >= 2:
            marks[parts[0]] = int(parts[1])
    if not requests:
        sys.exit("no requests in " + bench_log)
    found = sounds(samples, clock)
    tolerance = EARLY_TOLERANCE_MS * 1_000_000

    latencies = []
    lengths = []
    for i, request in enumerate(requests):
        limit = requests[i + 1] - tolerance if i + 1 < len(requests) else float("inf")
        after = [(t, length) for t, length in found if request - tolerance <= t < limit]
        latencies.append((after[0][0] - request) / 1e6 if after else None)
        lengths.append(after[0][1] if after else None)

    typical = statistics.median([x for x in lengths if x is not None] or [0])
    short = 0
    for i, (latency, length) in enumerate(zip(latencies, lengths)):
        if latency is None:
            print("request %2d: no sound" % (i + 1))
            continue
        cut = length < SHORT_FRACTION * typical
        short += cut
        print("request %2d: %6.1f ms, sound %5.1f ms long%s"
              % (i + 1, latency, length, "  CUT OFF" if cut else ""))
    heard = [x for x in latencies[1:] if x is not None]
    print("sounds found: %d for %d requests, %d cut off; capture clock drift over run: %.2f ms"
          % (len(found), len(requests), short, clock.drift_ms()))
    if "preparing" in marks and "prepared" in marks:
        print("prepare() call took %.1f ms%s; longest event-loop stall before 1st request %.1f ms"
              % ((marks["prepared"] - marks["preparing"]) / 1e6,
                 ", all loaded after %.1f ms" % ((marks["ready"] - marks["preparing"]) / 1e6)
                 if "ready" in marks else "", marks.get("stall", 0) / 1e6))
    print("first sound: %s" % ("no sound" if latencies[0] is None else "%.1f ms" % latencies[0]))
    if heard:
        print("steady state: median %.1f ms, min %.1f, max %.1f (n=%d, missed %d)"
              % (statistics.median(heard), min(heard), max(heard), len(heard),
                 len(latencies) - 1 - len(heard)))
    missed = sum(1 for x in latencies if x is None)
    return 1 if missed or short else 0


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "record":
        record(sys.argv[2], sys.argv[3])
        return 0
    if len(sys.argv) == 4 and sys.argv[1] == "analyse":
        return analyse(sys.argv[2], sys.argv[3])
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(main())
