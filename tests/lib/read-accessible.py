#!/usr/bin/python3
"""Reads what a screen reader finds in the running Tessaline window, through AT-SPI, and
compares it with what the sources give it in the window's language.

    read-accessible.py [--lang CODE] [--told NAME] [--timeout SECONDS]

Expected: the two push buttons, the map's name and description and, with no --told, the 28
pool names as list items (grouped under their headings); with --told NAME, NAME placed (the
last drop's result) is told, as a notification's name or as the description that the focus
carries after a placement by keyboard. Texts are the
English of the sources, translated by assets/translations/tessaline_CODE.ts with --lang.
Prints what it found and each verdict; exit status 0 when all match, 1 otherwise.

Run with Debian's own python3 (python3-pyatspi), on the session bus the program uses, the
program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
"""
import argparse
import importlib.util
import os
import sys
import time

import pyatspi

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))


def read_window_module():
    found = importlib.util.spec_from_file_location("read_window", os.path.join(HERE, "read-window.py"))
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def find_application(name, timeout_s):
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def walk(obj, found, depth=0):
    if obj is None or depth > 12:
        return
    found.append((obj.getRoleName(), obj.name or "", obj.description or ""))
    for i in range(obj.childCount):
        walk(obj.getChildAtIndex(i), found, depth + 1)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--lang", default="")
    parser.add_argument("--told")
    parser.add_argument("--timeout", type=float, default=10)
    args = parser.parse_args()
    shown = read_window_module().translations(args.lang)

    def tr(context, text):
        return shown.get((context, text), text)

    app = find_application("Tessaline", args.timeout)
    if app is None:
        print("Tessaline is not on the accessibility bus")
        return 1
    found = []
    walk(app, found)
    for role, name, description in found:
        print("  %-12s %-26r %r" % (role, name, description))

    def roles(role):
        return [(n, d) for r, n, d in found if r == role]

    checks = [
        ("push buttons", [n for n, _ in roles("push button")],
         [tr("QuizWindow", "Restart"), tr("QuizWindow", "Exit")]),
        ("map", roles("image"), [(tr("SpokenText", "Map"), tr("SpokenText", "Map of South America"))]),
    ]
    if args.told:
        placed = tr("SpokenText", "%1 placed").replace("%1", tr("PlaceName", args.told))
        told = [n for n, _ in roles("notification") if n] + [d for _, _, d in found if d]
        checks.append(("result told", [placed] if placed in told else told, [placed]))
    else:
        with open(os.path.join(ROOT, "assets", "items.txt"), encoding="utf-8-sig") as f:
            names = [tr("PlaceName", line.rstrip("\r\n").split(",")[0]) for line in f if line.strip()]
        checks.append(("pool names", sorted(n for n, _ in roles("list item") if n), sorted(names)))
    wrong = 0
    for what, got, expected in checks:
        good = got == expected
        wrong += 0 if good else 1
        print("%s %s: expected %r, found %r" % ("ok   " if good else "WRONG", what, expected, got))
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
