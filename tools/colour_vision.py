#!/usr/bin/env python3
"""Shows a picture as players with red-green colour blindness see it.

    python3 tools/colour_vision.py IN.png OUT.png

Writes OUT.png: IN.png at half size three times side by side, as seen with
normal colour vision, with protanopia and with deuteranopia (the simulation of
tools/colour_check.py), each under its name.  Used on a screenshot of a game
window to check by eye that no two cars merge.  Needs Python 3 with Pillow.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
# The generator finds Pillow (running again under the system's Python where only that one has it).
import make_assets  # noqa: E402,F401
from PIL import Image, ImageDraw, ImageFont  # noqa: E402
from colour_check import VISIONS, linear, simulate  # noqa: E402


def encode(v):
    v = 12.92 * v if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055
    return int(round(255 * v))


def seen_with(img, matrix):
    """The picture as seen with the deficiency the matrix simulates."""
    cache = {}
    out = []
    for px in img.getdata():
        got = cache.get(px)
        if got is None:
            rgb = simulate(linear("#%02x%02x%02x" % px), matrix)
            got = cache[px] = tuple(encode(v) for v in rgb)
        out.append(got)
    sim = Image.new("RGB", img.size)
    sim.putdata(out)
    return sim


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: python3 tools/colour_vision.py IN.png OUT.png")
    img = Image.open(argv[0]).convert("RGB")
    img = img.resize((img.width // 2, img.height // 2), Image.LANCZOS)
    matrices = dict((vision, matrix) for vision, matrix, _ in VISIONS)
    panels = [("normal vision", img),
              ("protanopia", seen_with(img, matrices["protanopia"])),
              ("deuteranopia", seen_with(img, matrices["deuteranopia"]))]
    try:
        font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 20)
    except OSError:
        font = ImageFont.load_default()
    gap, head = 8, 32
    sheet = Image.new("RGB", (len(panels) * img.width + (len(panels) - 1) * gap, img.height + head), (255, 255, 255))
    d = ImageDraw.Draw(sheet)
    for k, (label, panel) in enumerate(panels):
        x = k * (img.width + gap)
        d.text((x + 6, 5), label, fill=(0, 0, 0), font=font)
        sheet.paste(panel, (x, head))
    sheet.save(argv[1], optimize=True)


if __name__ == "__main__":
    main(sys.argv[1:])
