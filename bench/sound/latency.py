#!/usr/bin/env python3
"""Measures request-to-sound latency in a recording made by tools/sounds/capture.py.

analyse OUT_PREFIX BENCH_LOG
    Finds each sound's onset in the recording and prints the latency from each "request" line
    of BENCH_LOG (soundbench's output) to the onset that follows it, and flags requests that
    gave no sound or a sound cut short. Exits non-zero if there were any. Times are when the
    sink mixed the sound, and err on the high side (see capture.py).
"""
import os
import statistics
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tools", "sounds"))
from capture import (EARLY_TOLERANCE_MS, MIN_SILENCE_MS, ONSET_THRESHOLD, RATE,  # noqa: E402
                     SampleClock)

SHORT_FRACTION = 0.8         # a sound shorter than this share of the median was cut off


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
    if len(sys.argv) == 4 and sys.argv[1] == "analyse":
        return analyse(sys.argv[2], sys.argv[3])
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(main())
