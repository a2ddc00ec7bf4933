#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Builds tests/data/icons/icons.txt from unpacked npm icon packages.

Usage: make-icon-sample.py OUT.txt SET=DIR[=PER_SET] ...
Each SET is a short set name, DIR a folder of .svg files. Only icons that are one
filled <path> without transforms or strokes are taken, evenly spread over the sorted
file list. Output lines: set<TAB>name<TAB>nonzero|evenodd<TAB>viewBox<TAB>path data.
"""
import pathlib
import re
import sys

SHAPES = re.compile(r"<(circle|rect|ellipse|line|polyline|polygon|use|image|text|mask|clipPath)\b")


def single_path(svg_text):
    paths = re.findall(r"<path\b([^>]*)/?>", svg_text)
    if len(paths) != 1 or SHAPES.search(svg_text) or "transform" in svg_text:
        return None
    if re.search(r'stroke="(?!none)', svg_text) or 'fill="none"' in svg_text:
        return None
    attrs = paths[0]
    d = re.search(r'\bd="([^"]*)"', attrs)
    if not d:
        return None
    evenodd = 'fill-rule="evenodd"' in attrs or 'fill-rule="evenodd"' in svg_text
    box = re.search(r'viewBox="([^"]*)"', svg_text)
    return ("evenodd" if evenodd else "nonzero", box.group(1) if box else "0 0 24 24",
            " ".join(d.group(1).split()))


def main():
    out = pathlib.Path(sys.argv[1])
    lines = []
    for arg in sys.argv[2:]:
        parts = arg.split("=")
        name, folder = parts[0], pathlib.Path(parts[1])
        per_set = int(parts[2]) if len(parts) > 2 else 75
        found = []
        for f in sorted(folder.glob("*.svg")):
            got = single_path(f.read_text())
            if got:
                found.append((f.stem,) + got)
        step = max(1, len(found) // per_set)
        for icon in found[::step][:per_set]:
            lines.append("\t".join((name,) + icon))
    out.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
