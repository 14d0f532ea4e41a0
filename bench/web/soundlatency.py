#!/usr/bin/python3
"""Drop to sound start in the web page, in headless Chromium: Brazil dragged onto Peru again and
again (a wrong drop, which changes nothing and plays wrong.wma each time). For each drop, the
page's clock at the mouse release (a listener ahead of the program's) against the sound's start
as the page's player records it: when it called start() on the Web Audio source, and the
context's base and output latency, which the browser reports as the further delay to the
speaker. Prints each part's median and range.

    soundlatency.py URL SOURCE_DIR [--drops N]
"""
import argparse
import importlib.util
import os
import statistics
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
INTERVAL_S = 0.7


def load_play(source_dir):
    found = importlib.util.spec_from_file_location("play", os.path.join(source_dir, "tests/web/play.py"))
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def summary(name, values):
    print("%-34s median %6.1f ms  range %6.1f-%6.1f ms" % (
        name, statistics.median(values), min(values), max(values)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("url")
    parser.add_argument("source_dir")
    parser.add_argument("--drops", type=int, default=20)
    args = parser.parse_args()
    play = load_play(args.source_dir)
    page = play.Page(args.url, tempfile.mkdtemp(prefix="tessaline-sound-"), 1)
    try:
        if not page.wait_for_window():
            sys.exit("the window did not appear")
        where = play.places(args.source_dir)
        page.js("window.tessalineDrops = []; window.addEventListener('pointerup', "
                "function () { tessalineDrops.push(performance.now()); }, true);")
        for _ in range(args.drops):
            page.drag(where["Brazil"][0], where["Peru"][1])
            time.sleep(INTERVAL_S)
        drops = page.js("return tessalineDrops")
        log = page.js("return tessaline.module.tessalineAudio.log")
    finally:
        page.close()
    starts = [e for e in log if e["key"].endswith("wrong.wma")]
    if len(starts) != len(drops):
        sys.exit("%d drops, %d sound starts" % (len(drops), len(starts)))
    to_start = [s["started"] - d for s, d in zip(starts, drops)]
    output = [1000 * (s["baseLatency"] + s["outputLatency"]) for s in starts]
    summary("drop to start() of the sound", to_start)
    summary("base + output latency reported", output)
    summary("drop to sound at the output", [a + b for a, b in zip(to_start, output)])
    summary("  first drop only", [to_start[0] + output[0]])


main()
