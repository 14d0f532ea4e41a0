#!/usr/bin/env python3
"""Tells which sound was heard after each drop of a played game.

    heard-sounds.py CAPTURE_PREFIX DROPS_LOG EXPECTED.wav... [--also OTHER.wav ...] [--whole]

CAPTURE_PREFIX is what `tools/sounds/capture.py record` wrote (s16le mono and the chunks'
arrival times); DROPS_LOG holds one "request <CLOCK_MONOTONIC ns>" line per drop. EXPECTED names,
in drop order, the file whose sound each drop must give; the other EXPECTED files and the --also
files are the sounds it must be told apart from.

A drop's sound is the first one heard after it (and before the next drop). It is told apart by
its pitch: the zero crossings of the recording from its onset on, block by block, are compared
with those of each file's sound from where that file would start to be heard (the recording's onset threshold scaled by the ratio of the file's
peak to the heard peak; channels mixed, as the recording is). The drop passes when its own file
is the most alike, and alike enough. With --whole the sound must also be heard to its end: as
long as its own file would be heard, within LENGTH_TOLERANCE_MS.

Prints one line per drop; exit status 0 when every drop passes.
"""
import argparse
import os
import struct
import sys
import wave

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
# The recorder's constants and its clock of the recording's samples.
sys.path.insert(0, os.path.join(ROOT, "tools", "sounds"))
import capture  # noqa: E402

# The heard sound and the file are compared over this much from their onsets.
LIKENESS_MS = 150
BLOCK_SAMPLES = capture.RATE // 100
# Onsets are found where the level crosses a threshold, a few ms apart in the two.
ONSET_JITTER_SAMPLES = capture.RATE // 50
SHIFT_STEP_SAMPLES = capture.RATE // 1000
# The same sound played back scores about 1; the game's sounds, a third of an octave or more
# apart, score below 0.7 against each other.
MIN_LIKENESS = 0.85
# How much shorter or longer than its file a sound may be heard and still count as whole.
LENGTH_TOLERANCE_MS = 25


def heard(samples, clock):
    """(onset ns, length ms, peak, first sample) of each stretch of sound after enough quiet."""
    found = []
    quiet_needed = capture.RATE * capture.MIN_SILENCE_MS // 1000
    quiet, first, last, peak = quiet_needed, None, None, 0
    for i, value in enumerate(samples):
        if abs(value) > capture.ONSET_THRESHOLD:
            if quiet >= quiet_needed:
                if first is not None:
                    found.append((clock.time_ns(first), (last - first) * 1000 / capture.RATE,
                                  peak, first))
                first, peak = i, 0
            last = i
            peak = max(peak, abs(value))
            quiet = 0
        else:
            quiet += 1
    if first is not None:
        found.append((clock.time_ns(first), (last - first) * 1000 / capture.RATE, peak, first))
    return found


def file_samples(path):
    """A PCM WAV file's samples, channels mixed to one; empty when it cannot be read."""
    try:
        with wave.open(path) as w:
            if w.getsampwidth() != 2:
                return [], 0
            channels, rate = w.getnchannels(), w.getframerate()
            data = w.readframes(w.getnframes())
    except (OSError, EOFError, wave.Error):
        return [], 0
    values = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
    mixed = [sum(values[i:i + channels]) / channels for i in range(0, len(values), channels)]
    return mixed, rate


def audible(samples, rate, heard_peak):
    """Where a file's sound starts to be heard, and for how long (ms), when its loudest sample
    is heard at heard_peak; None when the file holds no sound."""
    if not samples or not rate:
        return None
    peak = max(abs(v) for v in samples)
    if peak == 0:
        return None
    threshold = capture.ONSET_THRESHOLD * peak / heard_peak
    loud = [i for i, v in enumerate(samples) if abs(v) > threshold]
    return loud[0], (loud[-1] - loud[0]) * 1000 / rate


def crossings(samples, start, blocks):
    """Zero crossings in each of `blocks` blocks from start on: the pitch, whatever the level."""
    counts = []
    for k in range(blocks):
        block = samples[max(0, start + k * BLOCK_SAMPLES):start + (k + 1) * BLOCK_SAMPLES]
        counts.append(sum(1 for x, y in zip(block, block[1:]) if (x < 0) != (y < 0)))
    return counts


def likeness(heard_samples, start, file_samples, file_start):
    """How alike the heard sound and a file's sound are from their onsets on, 0 to 1: their
    pitch block by block, at the best of a few shifts of the onsets. The waveforms themselves
    are not compared: the sound server may resample, which shifts a high tone's phase."""
    blocks = LIKENESS_MS * capture.RATE // 1000 // BLOCK_SAMPLES
    heard_counts = crossings(heard_samples, start, blocks)
    best = 0.0
    for shift in range(-ONSET_JITTER_SAMPLES, ONSET_JITTER_SAMPLES + 1, SHIFT_STEP_SAMPLES):
        file_counts = crossings(file_samples, file_start + shift, blocks)
        total = sum(heard_counts) + sum(file_counts)
        if total:
            apart = sum(abs(h - f) for h, f in zip(heard_counts, file_counts))
            best = max(best, 1 - apart / total)
    return best


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("capture")
    parser.add_argument("drops")
    parser.add_argument("expected", nargs="+")
    parser.add_argument("--also", action="append", default=[])
    parser.add_argument("--whole", action="store_true")
    args = parser.parse_args()

    with open(args.capture + ".raw", "rb") as raw:
        data = raw.read()
    samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
    with open(args.capture + ".times") as times:
        clock = capture.SampleClock([tuple(map(int, line.split())) for line in times])
    with open(args.drops) as log:
        requests = [int(line.split()[1]) for line in log if line.startswith("request ")]
    if len(requests) != len(args.expected):
        print("%d drops logged for %d expected sounds" % (len(requests), len(args.expected)))
        return 1
    found = heard(samples, clock)
    tolerance_ns = capture.EARLY_TOLERANCE_MS * 1_000_000
    files = {path: file_samples(path) for path in dict.fromkeys(args.expected + args.also)}

    failed = cut = 0
    for i, (request, own) in enumerate(zip(requests, args.expected)):
        end = requests[i + 1] if i + 1 < len(requests) else None
        after = [s for s in found if s[0] >= request - tolerance_ns and (end is None or s[0] < end)]
        name = os.path.basename(own)
        if not after:
            print("drop %d: WRONG: no sound heard, expected %s" % (i + 1, name))
            failed += 1
            continue
        onset, length, peak, first = after[0]
        likenesses, lengths = {}, {}
        for path, (values, rate) in files.items():
            where = audible(values, rate, peak)
            if where is not None:
                likenesses[path] = likeness(samples, first, values, where[0])
                lengths[path] = where[1]
        best = max(likenesses, key=likenesses.get, default=None)
        told = best == own and likenesses[own] >= MIN_LIKENESS
        whole = own in lengths and abs(length - lengths[own]) <= LENGTH_TOLERANCE_MS
        failed += 0 if told else 1
        cut += 0 if whole else 1
        print("drop %d: %s, %s: heard %.0f ms after the drop, %.1f ms long; expected %s (%s);"
              " likeness %s" % (
                  i + 1, "ok" if told else "WRONG sound", "whole" if whole else "NOT WHOLE",
                  (onset - request) / 1e6, length, name,
                  "%.1f ms long" % lengths[own] if own in lengths else "no sound in the file",
                  ", ".join("%s %.2f" % (os.path.basename(p), v) for p, v in likenesses.items())))
    if args.whole:
        return 1 if failed or cut else 0
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
