#!/usr/bin/env python3
"""Writes the notices of everything linked statically into Tessaline.exe: the Qt modules
built by tools/windows/build-qt.sh, the third-party code bundled with Qt that their build
read (from each qt_attribution.json the build kept), and the MinGW-w64 runtime libraries
(from the copyright files of the Debian packages that hold them).

    notices.py [--program NAME] [--license NAME] [--newline lf]
               QT_PREFIX OUTPUT [--label TEXT] FILE...

The web page's build gives its program (Tessaline.wasm), the name its license file has beside
it, and its other parts under labels of their own (the emscripten runtime, the built-in
fonts): each --label names the Debian files that follow it, until the next.
"""
import json
import os
import subprocess
import sys

# The Qt license the program uses Qt under, from each module's LICENSES folder.
QT_LICENSE_TEXTS = ["LGPL-3.0-only.txt", "GPL-3.0-only.txt"]
RULE = "=" * 78


def read_text(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read().rstrip() + "\n"


def attributions(source):
    """(folder, entry) for each entry of each qt_attribution.json under source."""
    for folder, _, files in sorted(os.walk(source)):
        if "qt_attribution.json" not in files:
            continue
        with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as f:
            data = json.loads(f.read(), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            yield os.path.relpath(folder, source), entry


def is_used(folder, entry, used):
    """Whether the build read any file that the entry covers."""
    base = os.path.normpath(os.path.join(folder, entry.get("Path", "")))
    files = entry.get("Files", "").replace(",", " ").split()
    if files:
        covered = {os.path.normpath(os.path.join(base, f)) for f in files}
        return any(u in covered or any(u.startswith(c + "/") for c in covered) for u in used)
    return any(u == base or u.startswith(base + "/") for u in used)


def entry_notice(stage_source, folder, entry):
    name = entry.get("Name", entry.get("Id", "?"))
    version = entry.get("Version", "")
    lines = [f"--- {name}" + (f" {version}" if version else "") + " ---"]
    for key in ("Description", "Homepage", "License", "LicenseId"):
        if entry.get(key):
            lines.append(f"{key}: {entry[key]}")
    if entry.get("Copyright"):
        lines.append("Copyright:\n" + entry["Copyright"].strip())
    text = "\n".join(lines) + "\n"
    for key in ("CopyrightFile", "LicenseFile"):
        for rel in entry.get(key, "").split():
            path = os.path.normpath(os.path.join(stage_source, folder, rel))
            if os.path.isfile(path):
                text += "\n" + read_text(path)
    return text


def qt_notices(prefix):
    root = os.path.join(prefix, "share", "tessaline-notices")
    stages = sorted(os.listdir(root))
    if not stages:
        sys.exit(f"no notices were kept by the Qt build in {root}")
    out = []
    for stage in stages:
        kept = os.path.join(root, stage)
        source = os.path.join(kept, "source")
        version = read_text(os.path.join(kept, "version.txt")).strip()
        with open(os.path.join(kept, "used-files.txt"), encoding="utf-8") as f:
            used = {line.strip() for line in f if line.strip()}
        out.append(f"{RULE}\nQt module {stage} {version} (Debian source package of Qt)\n"
                   f"Used under the GNU Lesser General Public License version 3.\n{RULE}\n")
        for name in QT_LICENSE_TEXTS:
            path = os.path.join(source, "LICENSES", name)
            if os.path.isfile(path):
                out.append(f"--- {name[:-4]} ---\n\n" + read_text(path))
        for folder, entry in attributions(source):
            if is_used(folder, entry, used):
                out.append(f"Third-party code in {stage}: {folder}\n"
                           + entry_notice(source, folder, entry))
    return out


def debian_package_of(path):
    owner = subprocess.run(["dpkg-query", "-S", os.path.realpath(path)], capture_output=True,
                           text=True, check=True).stdout
    return owner.split(":", 1)[0].strip()


def runtime_notices(labelled_files):
    out, seen = [], {}
    for label, library in labelled_files:
        package = debian_package_of(library)
        copyright_file = os.path.realpath(f"/usr/share/doc/{package}/copyright")
        seen.setdefault((label, copyright_file), []).append((os.path.basename(library), package))
    for (label, copyright_file), owners in seen.items():
        names = ", ".join(f"{lib} (Debian package {pkg})" for lib, pkg in owners)
        out.append(f"{RULE}\n{label}: {names}\n{RULE}\n\n" + read_text(copyright_file))
    return out


def main():
    args = sys.argv[1:]
    options = {"--program": "Tessaline.exe", "--license": "COPYING.txt", "--newline": "crlf"}
    while args and args[0] in options:
        options[args[0]] = args[1]
        args = args[2:]
    if len(args) < 3:
        sys.exit(__doc__)
    prefix, output = args[0], args[1]
    label, labelled = "MinGW-w64 runtime", []
    rest = args[2:]
    while rest:
        if rest[0] == "--label":
            label, rest = rest[1], rest[2:]
        else:
            labelled.append((label, rest[0]))
            rest = rest[1:]
    parts = [f"{options['--program']} links the following software statically. Their copyright\n"
             f"notices and licenses follow. Tessaline's own license is in {options['--license']}.\n"]
    parts += qt_notices(prefix)
    parts += runtime_notices(labelled)
    text = "\n\n".join(parts)
    newline = "\n" if options["--newline"] == "lf" else "\r\n"
    with open(output, "w", encoding="utf-8", newline=newline) as f:
        f.write(text)


main()
