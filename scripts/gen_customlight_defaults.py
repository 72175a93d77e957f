#!/usr/bin/env python3
"""Writes the default custom-light schemes of each model from its key layout.

    scripts/gen_customlight_defaults.py            # rewrite images/configDir/customLightDefaultConfig_*.xml
    scripts/gen_customlight_defaults.py --check    # exit 1 when a committed file differs

Scheme 0 ("Alphabets"): the letter and punctuation keys in blue. Scheme 1 ("WASD+Arrows"): W, A,
S, D and the arrow keys in red. Schemes 2 to 4 are empty. Positions are the keys' layout row (0-5)
and column (0-21).
"""
import json
import re
import sys
from pathlib import Path
from xml.sax.saxutils import quoteattr

ROOT = Path(__file__).resolve().parent.parent
CONFIG = ROOT / "images" / "configDir"
MODELS = ["TL68HE", "TL87", "TL104"]

LETTERS = set(range(4, 30))            # a..z
PUNCTUATION = set(range(0x2D, 0x39))   # - = [ ] \ # ; ' ` , . /
WASD = {26, 4, 22, 7}
ARROWS = {79, 80, 81, 82}
BLUE = (0, 0, 255)
RED = (255, 0, 0)


def load_layout(model):
    text = (CONFIG / f"KeyInfo_{model}.config").read_text(encoding="latin-1")
    # The layout format allows integers written with leading zeros.
    text = re.sub(r"(?<=[:\[,\s])0+(\d)", r"\1", text)
    layout, _ = json.JSONDecoder().raw_decode(text.lstrip())
    return {k.lower(): v for k, v in layout.items()}


def keys(layout):
    for row in range(6):
        entries = layout.get(f"everykeyinfo_row0{row + 1}", [])
        for column, entry in enumerate(entries[:22]):
            entry = {k.lower(): v for k, v in entry.items()}
            code = int(entry.get("dec", 0) or 0)
            if code:
                yield row, column, code, str(entry.get("character", ""))


def items(layout, codes, colour):
    out = []
    for row, column, code, caption in keys(layout):
        if code in codes:
            r, g, b = colour
            out.append(
                f'    <item keyCode="{code}" codeName={quoteattr(caption)} indexX="{row}" indexY="{column}" '
                f'colorR="{r}" colorG="{g}" colorB="{b}" transparentNum="128"/>'
            )
    return out


def render(model):
    layout = load_layout(model)
    schemes = [
        ("Alphabets", "Using", "0", items(layout, LETTERS | PUNCTUATION, BLUE)),
        ("WASD+Arrows", "Using", "1", items(layout, WASD | ARROWS, RED)),
        ("Custom 3", "UnUsing", "-1", []),
        ("Custom 4", "UnUsing", "-1", []),
        ("Custom 5", "UnUsing", "-1", []),
    ]
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', f"<!-- Generated from KeyInfo_{model}.config by "
             "scripts/gen_customlight_defaults.py; do not edit. -->", "<customLight>"]
    for index, (name, using, flag, body) in enumerate(schemes):
        head = f'  <customLed index="{index}" name="{name}" isUsing="{using}" usingFlagIndex="{flag}"'
        if body:
            lines.append(head + ">")
            lines.extend(body)
            lines.append("  </customLed>")
        else:
            lines.append(head + "/>")
    lines.append("</customLight>")
    return "\n".join(lines) + "\n"


def main():
    check = "--check" in sys.argv[1:]
    stale = []
    for model in MODELS:
        path = CONFIG / f"customLightDefaultConfig_{model}.xml"
        text = render(model)
        if check:
            if not path.exists() or path.read_text(encoding="utf-8") != text:
                stale.append(path.name)
        else:
            path.write_text(text, encoding="utf-8")
    if stale:
        print("out of date (run scripts/gen_customlight_defaults.py):", ", ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
