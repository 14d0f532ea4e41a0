#!/usr/bin/env python3
"""Writes the installer's file list, a WiX fragment, from the staging folder that the zip
is made from, so that the two cannot differ. Each file is a component of its own, with a
GUID derived from its path, so that upgrades find the same components again. The
executable's component carries the Start-menu shortcut. Run it, and wixl, in the same
folder: file sources are written relative to it.

    wxs-files.py STAGE_FOLDER EXECUTABLE_NAME UPGRADE_CODE SHORTCUT_NAME OUTPUT
"""
import hashlib
import os
import sys
import uuid
from xml.sax.saxutils import quoteattr


def ident(prefix, rel):
    return prefix + hashlib.sha1(rel.encode()).hexdigest()[:24].upper()


def main():
    stage, executable, upgrade_code, shortcut, output = sys.argv[1:6]
    namespace = uuid.UUID(upgrade_code)
    out = ['<?xml version="1.0" encoding="utf-8"?>',
           '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">', "  <Fragment>"]
    components = []

    def folder(rel, depth):
        path = os.path.join(stage, rel)
        pad = "  " * depth
        for name in sorted(os.listdir(path)):
            child = os.path.join(rel, name) if rel else name
            if os.path.isdir(os.path.join(stage, child)):
                out.append(f'{pad}<Directory Id="{ident("dir", child)}" Name={quoteattr(name)}>')
                folder(child, depth + 1)
                out.append(f"{pad}</Directory>")
                continue
            component = ident("cmp", child)
            components.append(component)
            guid = str(uuid.uuid5(namespace, child.replace(os.sep, "/").lower())).upper()
            # wixl takes only paths relative to where it runs.
            source = os.path.relpath(os.path.join(stage, child))
            out.append(f'{pad}<Component Id="{component}" Guid="{guid}" Win64="yes">')
            out.append(f'{pad}  <File Id="{ident("fil", child)}" Name={quoteattr(name)} '
                       f'Source={quoteattr(source)} KeyPath="yes"/>')
            if child == executable:
                out.append(f'{pad}  <Shortcut Id="StartMenuShortcut" Directory="ProgramMenuFolder"'
                           f' Name={quoteattr(shortcut)} Target="[INSTALLDIR]{name}"'
                           f' WorkingDirectory="INSTALLDIR" Icon="TessalineIcon"'
                           # msiexec ... TESSALINE_LANG=es: the shortcut starts the program in
                           # that language; unset, "--lang=" leaves it to the desktop.
                           f' Arguments="--lang=[TESSALINE_LANG]"/>')
            out.append(f"{pad}</Component>")

    out.append('    <DirectoryRef Id="INSTALLDIR">')
    folder("", 3)
    out.append("    </DirectoryRef>")
    out.append('    <ComponentGroup Id="AppFiles">')
    out += [f'      <ComponentRef Id="{c}"/>' for c in components]
    out += ["    </ComponentGroup>", "  </Fragment>", "</Wix>"]
    if executable not in {os.path.relpath(os.path.join(r, f), stage)
                          for r, _, fs in os.walk(stage) for f in fs}:
        sys.exit(f"{executable} is not in {stage}")
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


main()
