#!/usr/bin/env python3
"""Starts several programs in turn, again and again, in the X server of $DISPLAY, and reports
for each the median time from process start to its first frame on screen (its window mapped
and its pixels showing, as bench/xfirstframe.cpp sees them), the first frame it reports
itself, and its peak resident memory. Runs are interleaved, one of each program in turn with
the order rotating, so that a noisy machine weighs on all of them alike; the figure to quote
is the ratio to the empty Qt window of the same run: "ratio" of the medians, and "paired",
the median of the ratios within each round.

usage: startup.py --client XFIRSTFRAME --floor BARE --empty EMPTY --program NAME=PATH ...
                  [--runs N] [--warmup N] [--settle SECONDS]
"""
import argparse
import os
import statistics
import subprocess
import sys

SIZE = "999x706"
# Pixels of the finished frame, window coordinates: a colour of each country picture it
# paints across the map, and the panel's blue near its top and its bottom.
PROGRAM_PIXELS = ["200,200=E7A4A6", "300,300=F0DC8C", "250,400=C9BBDF",
                  "800,300=3060A7", "650,670=153164"]
EMPTY_PIXELS = ["500,350=FFFFFF", "5,5=FFFFFF", "990,700=FFFFFF"]
FLOOR_PIXELS = ["500,350=3060A7", "5,5=3060A7", "990,700=3060A7"]
# The floor and the empty window have no sound player to wait for.
QUICK_SETTLE_S = 0.3
# The client gives up on a start by itself after 20 s; this is only a last guard.
CLIENT_TIMEOUT_S = 60


def one_run(client, exe, pixels, settle, locale=None):
    command = [client, "--size", SIZE, "--settle", str(settle)]
    for p in pixels:
        command += ["--expect", p]
    command += ["--", exe]
    try:
        env = None
        if locale:
            # The desktop's language, as the program reads it.
            env = dict(os.environ, LANG=locale, LANGUAGE=locale.split(".")[0])
            env.pop("LC_ALL", None)
        done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              cwd=os.path.dirname(exe), timeout=CLIENT_TIMEOUT_S, env=env)
    except subprocess.TimeoutExpired as expired:
        raise RuntimeError(f"{exe}: no result in {CLIENT_TIMEOUT_S} s") from expired
    if done.returncode != 0:
        # The client's own complaint is the last line; the program's messages come before it.
        lines = done.stderr.decode(errors="replace").strip().splitlines()
        raise RuntimeError(f"{exe}: {lines[-1] if lines else done.returncode}")
    out = done.stdout.decode()
    fields = out.split()
    values = dict(zip(fields[0::2], fields[1::2]))
    return (float(values["on-screen-ms"]), float(values["reported-ms"]),
            int(values["peak-rss-kib"]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--client", required=True)
    parser.add_argument("--floor", required=True)
    parser.add_argument("--empty", required=True)
    parser.add_argument("--program", action="append", default=[], metavar="NAME=PATH")
    parser.add_argument("--locale", action="append", default=[], metavar="NAME=LOCALE",
                        help="the desktop locale program NAME runs under (LANG, LANGUAGE)")
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--warmup", type=int, default=2)
    parser.add_argument("--settle", type=float, default=2.0)
    args = parser.parse_args()

    entries = [("bare Xlib window", args.floor, FLOOR_PIXELS, QUICK_SETTLE_S),
               ("empty Qt window", args.empty, EMPTY_PIXELS, QUICK_SETTLE_S)]
    for option in args.program:
        name, _, path = option.partition("=")
        entries.append((name, path, PROGRAM_PIXELS, args.settle))
    locales = dict(option.partition("=")[::2] for option in args.locale)
    results = {name: [] for name, *_ in entries}
    for round_index in range(args.warmup + args.runs):
        shift = round_index % len(entries)
        for name, exe, pixels, settle in entries[shift:] + entries[:shift]:
            try:
                result = one_run(os.path.abspath(args.client), os.path.abspath(exe), pixels,
                                 settle, locales.get(name))
            except RuntimeError as error:
                # One failed start does not void a long series; a second one in a row does.
                print(f"retrying after: {error}", flush=True)
                result = one_run(os.path.abspath(args.client), os.path.abspath(exe), pixels,
                                 settle, locales.get(name))
            if round_index >= args.warmup:
                results[name].append(result)
                print(f"run {round_index - args.warmup + 1} {name}: on screen {result[0]:.1f} ms,"
                      f" reported {result[1]:.1f} ms, peak RSS {result[2] / 1024:.1f} MiB",
                      flush=True)

    empty_median = statistics.median(r[0] for r in results["empty Qt window"])
    print(f"\nmedians of {args.runs} interleaved runs after {args.warmup} warm-up rounds")
    print(f"{'program':<28} {'on screen ms':>12} {'(min-max)':>15} {'ratio':>6} {'paired':>6}"
          f" {'reported ms':>12} {'peak RSS MiB':>13}")
    empty_runs = [r[0] for r in results["empty Qt window"]]
    for name, *_ in entries:
        runs = results[name]
        on_screen = [r[0] for r in runs]
        reported = [r[1] for r in runs if r[1] >= 0]
        median = statistics.median(on_screen)
        span = f"({min(on_screen):.1f}-{max(on_screen):.1f})"
        reported_text = f"{statistics.median(reported):.1f}" if reported else "-"
        # The ratio within each round, where both met the same load on the machine.
        paired = statistics.median(p / e for p, e in zip(on_screen, empty_runs))
        print(f"{name:<28} {median:>12.1f} {span:>15} {median / empty_median:>6.2f} {paired:>6.2f}"
              f" {reported_text:>12} {statistics.median(r[2] for r in runs) / 1024:>13.1f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
