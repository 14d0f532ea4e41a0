#!/usr/bin/env python3
"""Prints deb-src entries (deb822) for the archives this machine's own apt sources take
the given package from, so that its source package can be fetched the same way: through
the same mirror, suites and keyring, including a local mirror.

    deb-src-entries.py PACKAGE
"""
import glob
import re
import subprocess
import sys


def stanzas_of_sources_file(path):
    """Yields dicts of the deb822 stanzas of a .sources file."""
    text = open(path, encoding="utf-8").read()
    for block in re.split(r"\n\s*\n", text):
        fields, key = {}, None
        for line in block.splitlines():
            if line.startswith("#") or not line.strip():
                continue
            if line[0] in " \t" and key:
                fields[key] += "\n" + line.strip()
                continue
            key, _, value = line.partition(":")
            key = key.strip().lower()
            fields[key] = value.strip()
        if fields.get("enabled", "yes").lower() != "no" and "uris" in fields:
            yield fields


def stanzas_of_list_file(path):
    """Yields the one-line entries of a .list file as deb822-like dicts."""
    for line in open(path, encoding="utf-8"):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        options = ""
        match = re.match(r"^(deb(?:-src)?)\s+\[([^\]]*)\]\s+(.*)$", line)
        if match:
            kind, options, rest = match.groups()
        else:
            kind, _, rest = line.partition(" ")
        words = rest.split()
        if len(words) < 2:
            continue
        fields = {"types": kind, "uris": words[0], "suites": words[1],
                  "components": " ".join(words[2:])}
        for option in options.split():
            name, _, value = option.partition("=")
            if name == "signed-by":
                fields["signed-by"] = value
        yield fields


def archive_uris(package):
    """The archive addresses apt offers the package from (apt-cache madison)."""
    out = subprocess.run(["apt-cache", "madison", package], capture_output=True,
                         text=True, check=True).stdout
    uris = set()
    for line in out.splitlines():
        parts = [p.strip() for p in line.split("|")]
        if len(parts) == 3 and parts[2].endswith("Packages"):
            uris.add(parts[2].split()[0].rstrip("/"))
    return uris


def main():
    package = sys.argv[1]
    wanted = archive_uris(package)
    stanzas = []
    for path in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
        stanzas += stanzas_of_sources_file(path)
    for path in ["/etc/apt/sources.list"] + sorted(glob.glob("/etc/apt/sources.list.d/*.list")):
        try:
            stanzas += stanzas_of_list_file(path)
        except FileNotFoundError:
            pass
    printed = 0
    for fields in stanzas:
        if "deb" not in fields.get("types", "").split():
            continue
        uris = [u for u in fields["uris"].split() if u.rstrip("/") in wanted]
        if not uris:
            continue
        print("Types: deb-src")
        print("URIs: " + " ".join(uris))
        print("Suites: " + fields["suites"])
        print("Components: " + fields.get("components", "main"))
        if "signed-by" in fields:
            print("Signed-By: " + fields["signed-by"].replace("\n", "\n "))
        print()
        printed += 1
    if not printed:
        sys.exit(f"no configured apt source offers {package}")


main()
