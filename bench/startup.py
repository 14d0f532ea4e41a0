#!/usr/bin/env python3
"""Starts the program again and again and reports the median time from process start to
its first painted frame and the peak resident memory, with the sound player ready.

usage: startup.py EXECUTABLE [--runs N] [--warmup N] [--settle SECONDS]
The program prints "first-frame-ns T" (steady clock) when TESSALINE_REPORT_FIRST_FRAME is set.
"""
import argparse
import os
import select
import signal
import statistics
import subprocess
import sys
import time

FIRST_FRAME_TIMEOUT_S = 20.0


def peak_rss_kib(pid):
    """VmHWM of a live process, in KiB."""
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def one_run(exe, settle):
    env = dict(os.environ, TESSALINE_REPORT_FIRST_FRAME="1")
    start = time.monotonic_ns()
    proc = subprocess.Popen([exe], stdout=subprocess.PIPE, env=env, cwd=os.path.dirname(exe))
    first = None
    deadline = time.monotonic() + FIRST_FRAME_TIMEOUT_S
    line = b""
    while time.monotonic() < deadline and first is None:
        ready, _, _ = select.select([proc.stdout], [], [], 0.5)
        if ready:
            line = proc.stdout.readline()
            if not line:
                break
            if line.startswith(b"first-frame-ns "):
                first = int(line.split()[1])
    if first is None:
        proc.kill()
        proc.wait()
        raise RuntimeError(f"no first frame reported (exit status {proc.returncode})")
    # The player loads its sounds after the first frame; let it finish before reading memory.
    time.sleep(settle)
    if proc.poll() is not None:
        raise RuntimeError(f"the program ended by itself (status {proc.returncode})")
    hwm = peak_rss_kib(proc.pid)
    proc.send_signal(signal.SIGTERM)
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = status
    return (first - start) / 1e6, max(hwm, usage.ru_maxrss)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("exe")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--warmup", type=int, default=2)
    parser.add_argument("--settle", type=float, default=2.0)
    args = parser.parse_args()
    exe = os.path.abspath(args.exe)
    for _ in range(args.warmup):
        one_run(exe, args.settle)
    times, peaks = [], []
    for i in range(args.runs):
        ms, kib = one_run(exe, args.settle)
        times.append(ms)
        peaks.append(kib)
        print(f"run {i + 1}: first frame {ms:.1f} ms, peak RSS {kib / 1024:.1f} MiB")
    print(f"median start to first frame: {statistics.median(times):.1f} ms "
          f"(min {min(times):.1f}, max {max(times):.1f}, {args.runs} runs after "
          f"{args.warmup} warm-up)")
    print(f"peak resident memory: median {statistics.median(peaks) / 1024:.1f} MiB, "
          f"max {max(peaks) / 1024:.1f} MiB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
