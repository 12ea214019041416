#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a catalogue lacks a text of the sources, keeps one they no longer have, leaves one
unfinished, or translates one with other placeholders or without its shortcut letter.

    check_catalogues.py LUPDATE SOURCE_DIR CATALOGUE.ts...
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(path):
    """(context, source, comment) -> translation element, bytes elements read as CR."""
    text = pathlib.Path(path).read_text(encoding="utf-8").replace('<byte value="xd"/>', "\r")
    found = {}
    for context in ET.fromstring(text).iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            found[key] = message.find("translation")
    return found


def placeholders(text):
    return sorted(re.findall(r"%\d+", text))


def has_shortcut(text):
    return re.search(r"&[^&\s]", text.replace("&&", "")) is not None


def main():
    lupdate, sources, catalogues = sys.argv[1], sys.argv[2], sys.argv[3:]
    with tempfile.TemporaryDirectory() as tmp:
        fresh = pathlib.Path(tmp) / "fresh.ts"
        subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h", sources, "-ts", str(fresh)],
                       check=True)
        wanted = messages(fresh)
    if not wanted:
        print("lupdate found no texts in", sources)
        return 1
    faults = []
    for catalogue in catalogues:
        have = messages(catalogue)
        for key in wanted.keys() - have.keys():
            faults.append(f"{catalogue}: missing {key[0]} {key[1]!r}")
        for key in have.keys() - wanted.keys():
            faults.append(f"{catalogue}: no longer in the sources {key[0]} {key[1]!r}")
        for key, translation in have.items():
            where = f"{catalogue}: {key[0]} {key[1]!r}"
            shown = "" if translation is None else (translation.text or "")
            if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished") or not shown:
                faults.append(f"{where} is not translated")
            elif placeholders(shown) != placeholders(key[1]):
                faults.append(f"{where}: placeholders {placeholders(shown)} instead of {placeholders(key[1])}")
            elif has_shortcut(key[1]) != has_shortcut(shown):
                faults.append(f"{where}: the shortcut letter is lost or added in {shown!r}")
    print("\n".join(faults) or f"{len(wanted)} texts, translated in {len(catalogues)} catalogues")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
