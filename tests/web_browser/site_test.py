#!/usr/bin/env python3
"""The built site as a browser installs it: the manifest names the app with an id and offers the
icon as PNG at every size it declares, drawn at that size; the page has one top-level heading
outside its dialogs, for screen readers' page outline.

Usage: site_test.py SITE_FOLDER. Exits non-zero on any failure."""

import json
import struct
import sys
from html.parser import HTMLParser
from pathlib import Path


class Headings(HTMLParser):
    def __init__(self):
        super().__init__()
        self.depth, self.top_level = 0, 0

    def handle_starttag(self, tag, attrs):
        self.depth += tag == "dialog"
        self.top_level += tag == "h1" and self.depth == 0

    def handle_endtag(self, tag):
        self.depth -= tag == "dialog"


def png_size(path):
    head = path.read_bytes()[:24]
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return "{}x{}".format(*struct.unpack(">II", head[16:24]))


def main(site):
    problems = []
    manifest = json.loads((site / "manifest.webmanifest").read_text())
    if not manifest.get("id"):
        problems.append("the manifest has no id")
    pngs = [icon for icon in manifest["icons"] if icon["type"] == "image/png"]
    if {icon["sizes"] for icon in pngs} < {"192x192", "512x512"}:
        problems.append(f"PNG icons at 192 and 512 px wanted, found {[i['sizes'] for i in pngs]}")
    for icon in pngs:
        drawn = png_size(site / icon["src"]) if (site / icon["src"]).is_file() else "missing"
        if drawn != icon["sizes"]:
            problems.append(f"{icon['src']}: declared {icon['sizes']}, drawn {drawn}")
    headings = Headings()
    headings.feed((site / "index.html").read_text())
    if headings.top_level != 1:
        problems.append(f"{headings.top_level} top-level headings outside the dialogs, not 1")
    for problem in problems:
        print(f"FAIL {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(Path(sys.argv[1])))
