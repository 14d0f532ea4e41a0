#!/usr/bin/python3
"""Load to first frame of web pages in headless Chromium, in interleaved runs: each run is a fresh
browser with a fresh profile (nothing cached) that opens the page served from 127.0.0.1; the
figure is the first frame the program reports painting (its first-frame-ns line on the console:
emscripten's monotonic clock counts from the page's navigation start), so it covers fetching,
compiling and starting the program. Reports each page's median and range and the ratio of the
medians to the first page's, the baseline, and the median of the paired ratios within rounds.

    firstframe.py [--runs N] [--warmup N] NAME=URL ...      (the first NAME is the baseline)
"""
import argparse
import re
import shutil
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chromium.service import ChromiumService

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--enable-unsafe-swiftshader",
         "--autoplay-policy=no-user-gesture-required", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--no-first-run",
         "--window-size=1100,850"]
TIMEOUT_S = 60
POLL_S = 0.05
FRAME_LINE = re.compile(r"first-frame-ns (\d+)")


def one_run(url):
    profile = tempfile.mkdtemp(prefix="tessaline-bench-profile-")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS + ["--user-data-dir=" + profile]:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=ChromiumService("/usr/bin/chromedriver"), options=options)
    try:
        driver.get(url)
        deadline = time.time() + TIMEOUT_S
        while time.time() < deadline:
            for entry in driver.get_log("browser"):
                found = FRAME_LINE.search(entry["message"])
                if found:
                    return int(found.group(1)) / 1e6
            time.sleep(POLL_S)
        return None
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--warmup", type=int, default=1)
    parser.add_argument("pages", nargs="+")
    args = parser.parse_args()
    pages = [p.split("=", 1) for p in args.pages]
    times = {name: [] for name, _ in pages}
    for round_index in range(args.warmup + args.runs):
        order = pages[round_index % len(pages):] + pages[:round_index % len(pages)]
        for name, url in order:
            ms = one_run(url)
            if ms is None:
                sys.exit("%s: no first frame within %d s" % (name, TIMEOUT_S))
            if round_index >= args.warmup:
                times[name].append(ms)
    base_name = pages[0][0]
    base = statistics.median(times[base_name])
    for name, _ in pages:
        values = times[name]
        paired = statistics.median(v / b for v, b in zip(values, times[base_name]))
        print("%-16s median %7.0f ms  range %5.0f-%5.0f ms  ratio %.2f  paired %.2f  (%d runs)" % (
            name, statistics.median(values), min(values), max(values),
            statistics.median(values) / base, paired, len(values)))


main()
