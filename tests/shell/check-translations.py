#!/usr/bin/env python3
"""Checks that the .ts files hold every text of the sources, finished, and nothing else.

Runs tools/update-translations.sh into a scratch folder, so that a text added to the sources
and not yet translated shows up as unfinished, and one gone from the sources as vanished.
Usage: check-translations.py ROOT TS_FILE... (the .ts files the build compiles)
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%\d+")


def item_names(root):
    with open(os.path.join(root, "assets", "items.txt"), encoding="utf-8") as f:
        return [line.split(",")[0] for line in f.read().splitlines() if line.split(",")[0]]


def check(path, names):
    faults = []
    place_names = {}
    for context in ET.parse(path).getroot().iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            # A text counted with %n has a form for each plural of the language.
            if message.get("numerus") == "yes" and translation is not None:
                texts = [form.text or "" for form in translation.iter("numerusform")]
            else:
                texts = [(translation.text or "") if translation is not None else ""]
            where = "%s: %s %r" % (os.path.basename(path), context_name, source)
            if kind in ("obsolete", "vanished"):
                faults.append("%s: no longer in the sources" % where)
                continue
            if kind or not all(texts):
                faults.append("%s: not translated" % where)
                continue
            for text in texts:
                if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                    faults.append("%s: placeholders differ in %r" % (where, text))
                # Texts are joined to others: "at line " + "132".
                if source[:1].isspace() != text[:1].isspace() or source[-1:].isspace() != text[-1:].isspace():
                    faults.append("%s: spaces at the ends differ in %r" % (where, text))
            text = texts[0]
            if context_name == "PlaceName":
                place_names[source] = text
    missing = [n for n in names if n not in place_names]
    if missing:
        faults.append("%s: no place name for %s" % (os.path.basename(path), missing))
    shown = [place_names[n] for n in names if n in place_names]
    if len(set(shown)) != len(shown):
        faults.append("%s: two names are shown alike: %s" % (os.path.basename(path), shown))
    return faults


def main():
    root, ts_files = sys.argv[1], sys.argv[2:]
    on_disk = sorted(f for f in os.listdir(os.path.join(root, "assets", "translations"))
                     if f.endswith(".ts"))
    built = sorted(os.path.basename(f) for f in ts_files)
    faults = []
    if on_disk != built:
        faults.append("the build compiles %s but assets/translations holds %s" % (built, on_disk))
    names = item_names(root)
    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run([os.path.join(root, "tools", "update-translations.sh"), "--into", scratch],
                       check=True)
        for ts in built:
            faults += check(os.path.join(scratch, ts), names)
    for fault in faults:
        print(fault)
    if faults:
        print("Run tools/update-translations.sh and translate what it marks unfinished.")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
