#!/usr/bin/env python3
"""Deliberate faults: does some unit test fail for each?

Each file in tests/mutation/faults/ is one small fault a user would notice, written as exact
search/replace edits of product code. The faults are applied one at a time to a copy of the
working tree with a build folder of its own, kept between runs so that every build is
incremental; the unit tests run without the soak. For each fault it prints the tests that
failed, and last "N of M faults caught".

    tests/mutation/run.py [--work DIR] [FAULT ...]

DIR (default build-mutation/ in the repository) holds the copy (src/) and its build (src/build/,
laid out as the usual build tree so that ccache, with CCACHE_BASEDIR, serves both).
A fault whose search text is no longer in its file, or is there more than once, "does not
apply": the code it was written against has changed, and the fault wants rewriting. Exit
status: the number of faults that applied and built but that no test caught.

A fault file:
    # What the user would notice (the first comment line is the fault's description).
    file: quiz/form1.cpp
    <<<
    exact text, one or more lines
    ===
    its replacement
    >>>
(several file/<<</===/>>> blocks make one fault of several edits).
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
FAULTS = Path(__file__).resolve().parent / "faults"
TEST_TIMEOUT_S = 300
JOBS = "2"


class Fault:
    def __init__(self, path):
        self.name = path.stem
        self.description = ""
        self.edits = []  # (file, search, replace)
        lines = path.read_text().split("\n")
        current_file = None
        i = 0
        while i < len(lines):
            line = lines[i]
            if line.startswith("#") and not self.description:
                self.description = line.lstrip("# ").strip()
            elif line.startswith("file:"):
                current_file = line[len("file:"):].strip()
            elif line == "<<<":
                end_search = lines.index("===", i + 1)
                end_replace = lines.index(">>>", end_search + 1)
                if current_file is None:
                    raise SystemExit(f"{path}: an edit before any file: line")
                self.edits.append((current_file, "\n".join(lines[i + 1:end_search]),
                                   "\n".join(lines[end_search + 1:end_replace])))
                i = end_replace
            i += 1
        if not self.edits:
            raise SystemExit(f"{path}: no edit")


def tree_files():
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                         cwd=ROOT, check=True, capture_output=True).stdout
    return [f for f in out.decode().split("\0") if f and (ROOT / f).is_file()]


def sync(src):
    """Makes src a copy of the working tree, touching only files that differ, so that the
    build stays incremental."""
    wanted = set(tree_files())
    for rel in wanted:
        a, b = ROOT / rel, src / rel
        if b.is_file() and a.stat().st_size == b.stat().st_size and a.read_bytes() == b.read_bytes():
            continue
        b.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(a, b)
        os.utime(b)  # newer than anything built from the copy before
    for path in list(src.rglob("*")):
        rel = path.relative_to(src).as_posix()
        if path.is_file() and rel not in wanted and not rel.startswith("build/"):
            path.unlink()


def configure(src, build):
    if (build / "CMakeCache.txt").exists():
        return
    command = ["cmake", "-S", str(src), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release"]
    if shutil.which("ninja"):
        command += ["-G", "Ninja"]
    if shutil.which("ccache"):
        command += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)


def build_tree(build):
    result = subprocess.run(["cmake", "--build", str(build), "-j", JOBS],
                            capture_output=True, text=True)
    return result.returncode == 0, result.stdout + result.stderr


# "  12 - Suite.Name (Failed)"; a parameterised case's name is followed by its parameter.
FAILED_LINE = re.compile(r"^\s*\d+ - (\S+).* \(([^()]+)\)\s*$")


def failing_tests(build):
    """The names of the unit tests that fail, the soak left out."""
    result = subprocess.run(["ctest", "--test-dir", str(build), "-LE", "soak", "-j", JOBS,
                             "--timeout", str(TEST_TIMEOUT_S)],
                            capture_output=True, text=True)
    failed = []
    listing = False
    for line in result.stdout.splitlines():
        if line.startswith("The following tests FAILED"):
            listing = True
        elif listing:
            match = FAILED_LINE.match(line)
            if match:
                failed.append(match.group(1))
    if result.returncode != 0 and not failed:
        failed.append("(ctest failed: " + result.stdout.strip().splitlines()[-1] + ")")
    return failed


def apply(fault, src):
    """The originals of the files changed, or None when the fault does not apply."""
    originals = {}
    texts = {}
    for rel, search, replace in fault.edits:
        path = src / rel
        if rel not in texts:
            if not path.is_file():
                return None
            texts[rel] = originals[rel] = path.read_text()
        if texts[rel].count(search) != 1:
            return None
        texts[rel] = texts[rel].replace(search, replace)
    for rel, text in texts.items():
        (src / rel).write_text(text)
    return originals


def restore(originals, src):
    for rel, text in originals.items():
        path = src / rel
        path.write_text(text)
        os.utime(path)  # newer than the objects built from the fault


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--work", type=Path, default=ROOT / "build-mutation")
    parser.add_argument("faults", nargs="*", help="fault names (default: all)")
    args = parser.parse_args()
    files = sorted(FAULTS.glob("*.txt"))
    if args.faults:
        files = [f for f in files if f.stem in args.faults]
    faults = [Fault(f) for f in files]

    src = args.work / "src"
    build = src / "build"
    src.mkdir(parents=True, exist_ok=True)
    sync(src)
    configure(src, build)
    built, log = build_tree(build)
    if not built:
        print(log[-4000:])
        sys.exit("the unchanged tree does not build")
    already = set(failing_tests(build))
    if already:
        print("failing before any fault (left out of every verdict): " + ", ".join(sorted(already)))

    caught = applied = 0
    for fault in faults:
        print(f"{fault.name}: {fault.description}", flush=True)
        originals = apply(fault, src)
        if originals is None:
            print("    does not apply: its text is no longer in the code", flush=True)
            continue
        try:
            built, log = build_tree(build)
            if not built:
                print("    does not build (the fault wants rewriting)", flush=True)
                continue
            failed = [t for t in failing_tests(build) if t not in already]
        finally:
            restore(originals, src)
        applied += 1
        if failed:
            caught += 1
            print(f"    caught by {len(failed)}: " + ", ".join(failed), flush=True)
        else:
            print("    NOT CAUGHT", flush=True)
    # The copy's build back to the unchanged tree, for the next run.
    build_tree(build)
    print(f"{caught} of {applied} faults caught" +
          (f" ({len(faults) - applied} did not apply or build)" if applied < len(faults) else ""))
    sys.exit(applied - caught)


if __name__ == "__main__":
    main()
