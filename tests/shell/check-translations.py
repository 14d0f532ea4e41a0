#!/usr/bin/env python3
"""Checks that the .ts files hold every text of the sources, finished, and nothing else.

Runs lupdate, as the build's update_translations target does (the same sources, with the place
names written from assets/items.txt, and the same options), into copies in a scratch folder
and keeping the texts gone from the sources: a text added to the sources and not yet
translated shows up as unfinished, one gone from them as vanished. English, the source
language, has only its plural forms (lupdate -pluralonly).

    check-translations.py ROOT --lupdate LUPDATE --sources LIST --source-ts EN_TS
                          --options "OPTIONS" TS_FILE...

LIST names the sources, one a line (lupdate's @file); TS_FILE... are the translations the
build compiles. Every language fails on an unfinished, vanished or untranslated text, on
placeholders or end spaces that differ from the source's, on a place name missing, and on two
place names shown alike.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|n)")


def item_names(root):
    with open(os.path.join(root, "assets", "items.txt"), encoding="utf-8") as f:
        return [line.split(",")[0] for line in f.read().splitlines() if line.split(",")[0]]


def forms(translation):
    """The texts of a translation: its numerus forms, or its one text."""
    numerus = translation.findall("numerusform")
    return [form.text or "" for form in numerus] if numerus else [translation.text or ""]


def check(path, names):
    faults = []
    place_names = {}
    for context in ET.parse(path).getroot().iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            texts = forms(translation) if translation is not None else []
            where = "%s: %s %r" % (os.path.basename(path), context_name, source)
            if kind in ("obsolete", "vanished"):
                faults.append("%s: no longer in the sources" % where)
                continue
            if kind or not texts or not all(texts):
                faults.append("%s: not translated" % where)
                continue
            for text in texts:
                if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                    faults.append("%s: placeholders differ in %r" % (where, text))
                if source[:1].isspace() != text[:1].isspace() or \
                        source[-1:].isspace() != text[-1:].isspace():
                    faults.append("%s: spaces at the ends differ in %r" % (where, text))
            if context_name == "PlaceName":
                place_names[source] = texts[0]
    if names is not None:
        missing = [n for n in names if n not in place_names]
        if missing:
            faults.append("%s: no place name for %s" % (os.path.basename(path), missing))
        shown = [place_names[n] for n in names if n in place_names]
        if len(set(shown)) != len(shown):
            faults.append("%s: two names are shown alike: %s" % (os.path.basename(path), shown))
    return faults


def updated_copies(args, ts_files, scratch, extra_options):
    """Copies of the .ts files brought up to date with the sources, keeping what is gone."""
    copies = []
    for ts in ts_files:
        copy = os.path.join(scratch, os.path.basename(ts))
        shutil.copyfile(ts, copy)
        copies.append(copy)
    subprocess.run([args.lupdate] + args.options.split() + extra_options +
                   ["@" + args.sources, "-ts"] + copies, check=True)
    return copies


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("root")
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--source-ts", required=True)
    parser.add_argument("--options", default="")
    parser.add_argument("ts_files", nargs="+")
    args = parser.parse_args()

    on_disk = sorted(f for f in os.listdir(os.path.join(args.root, "assets", "translations"))
                     if f.endswith(".ts"))
    built = sorted(os.path.basename(f) for f in args.ts_files + [args.source_ts])
    faults = []
    if on_disk != built:
        faults.append("the build compiles %s but assets/translations holds %s" % (built, on_disk))
    names = item_names(args.root)
    with tempfile.TemporaryDirectory() as scratch:
        for copy in updated_copies(args, args.ts_files, scratch, []):
            faults += check(copy, names)
        for copy in updated_copies(args, [args.source_ts], scratch, ["-pluralonly"]):
            faults += check(copy, None)
    for fault in faults:
        print(fault)
    if faults:
        print("Run cmake --build BUILD --target update_translations and translate what it marks "
              "unfinished.")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
