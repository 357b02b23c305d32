#!/usr/bin/env python3
"""Can every player tell the ten cars apart?  Measures the car palette.

Run from anywhere:

    python3 tools/colour_check.py [GENERATOR]

Reads the body colours from the asset generator (tools/make_assets.py, or the
generator file given), and prints for normal colour vision and for the three
dichromacies the closest pair of cars, their CIEDE2000 difference and the goal.
Exits with 1 when a goal is missed, with 2 when the colour maths fails its own
check against published test data.

Colour vision deficiency is simulated with the matrices of Machado, Oliveira and
Fernandes (2009) at full severity, applied to linear sRGB; the result is clipped
to the displayable range, as a screen would show it.  Needs Python 3 only.
"""

import ast
import math
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GENERATOR = os.path.join(ROOT, "tools", "make_assets.py")

# (vision, simulation matrix on linear RGB or None, smallest allowed difference)
VISIONS = [
    ("normal", None, 20.0),
    ("protanopia", ((0.152286, 1.052583, -0.204868),
                    (0.114503, 0.786281, 0.099216),
                    (-0.003882, -0.048116, 1.051998)), 8.0),
    ("deuteranopia", ((0.367322, 0.860646, -0.227968),
                      (0.280085, 0.672501, 0.047413),
                      (-0.011820, 0.042940, 0.968881)), 8.0),
    ("tritanopia", ((1.255528, -0.076749, -0.178779),
                    (-0.078411, 0.930809, 0.147602),
                    (0.004733, 0.691367, 0.303900)), 8.0),
]

# Pairs from the CIEDE2000 test data of Sharma, Wu and Dalal (2005): the plain
# case, a large difference, and a hue angle on either side of the a* axis.
SHARMA_PAIRS = [
    ((50.0, 2.6772, -79.7751), (50.0, 0.0, -82.7485), 2.0425),
    ((50.0, 2.5, 0.0), (73.0, 25.0, -18.0), 27.1492),
    ((50.0, 2.49, -0.001), (50.0, -2.49, 0.0011), 7.2195),
]


def read_palette(path=GENERATOR):
    """The generator's CAR_COLOURS: [(number, name, "#RRGGBB"), ...], read without running it."""
    with open(path, encoding="utf-8") as f:
        tree = ast.parse(f.read(), path)
    for node in tree.body:
        if (isinstance(node, ast.Assign) and len(node.targets) == 1
                and getattr(node.targets[0], "id", None) == "CAR_COLOURS"):
            return ast.literal_eval(node.value)
    raise SystemExit("%s has no CAR_COLOURS list" % path)


def linear(hexcode):
    """Linear RGB (0..1) of an sRGB colour "#RRGGBB"."""
    out = []
    for i in (1, 3, 5):
        v = int(hexcode[i:i + 2], 16) / 255.0
        out.append(v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4)
    return out


def simulate(rgb, matrix):
    if matrix is None:
        return rgb
    return [min(1.0, max(0.0, sum(m * v for m, v in zip(row, rgb)))) for row in matrix]


def lab(rgb):
    """CIELAB (D65 white) of a linear sRGB colour."""
    r, g, b = rgb
    xyz = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b,
           0.2126729 * r + 0.7151522 * g + 0.0721750 * b,
           0.0193339 * r + 0.1191920 * g + 0.9503041 * b)
    white = (0.95047, 1.0, 1.08883)

    def f(t):
        return t ** (1.0 / 3.0) if t > (6.0 / 29.0) ** 3 else t / (3 * (6.0 / 29.0) ** 2) + 4.0 / 29.0

    fx, fy, fz = (f(v / w) for v, w in zip(xyz, white))
    return (116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz))


def ciede2000(lab1, lab2):
    L1, a1, b1 = lab1
    L2, a2, b2 = lab2
    c_mean = (math.hypot(a1, b1) + math.hypot(a2, b2)) / 2.0
    g = 0.5 * (1.0 - math.sqrt(c_mean ** 7 / (c_mean ** 7 + 25.0 ** 7)))
    a1p, a2p = a1 * (1.0 + g), a2 * (1.0 + g)
    c1p, c2p = math.hypot(a1p, b1), math.hypot(a2p, b2)
    h1p = math.degrees(math.atan2(b1, a1p)) % 360.0 if c1p else 0.0
    h2p = math.degrees(math.atan2(b2, a2p)) % 360.0 if c2p else 0.0

    dL = L2 - L1
    dC = c2p - c1p
    dh = 0.0
    if c1p * c2p:
        dh = h2p - h1p
        if dh > 180.0:
            dh -= 360.0
        elif dh < -180.0:
            dh += 360.0
    dH = 2.0 * math.sqrt(c1p * c2p) * math.sin(math.radians(dh / 2.0))

    L_mean = (L1 + L2) / 2.0
    cp_mean = (c1p + c2p) / 2.0
    h_mean = h1p + h2p
    if c1p * c2p:
        if abs(h1p - h2p) <= 180.0:
            h_mean /= 2.0
        elif h1p + h2p < 360.0:
            h_mean = (h_mean + 360.0) / 2.0
        else:
            h_mean = (h_mean - 360.0) / 2.0
    t = (1.0 - 0.17 * math.cos(math.radians(h_mean - 30.0)) + 0.24 * math.cos(math.radians(2.0 * h_mean))
         + 0.32 * math.cos(math.radians(3.0 * h_mean + 6.0)) - 0.20 * math.cos(math.radians(4.0 * h_mean - 63.0)))
    d_theta = 30.0 * math.exp(-(((h_mean - 275.0) / 25.0) ** 2))
    r_c = 2.0 * math.sqrt(cp_mean ** 7 / (cp_mean ** 7 + 25.0 ** 7))
    s_l = 1.0 + 0.015 * (L_mean - 50.0) ** 2 / math.sqrt(20.0 + (L_mean - 50.0) ** 2)
    s_c = 1.0 + 0.045 * cp_mean
    s_h = 1.0 + 0.015 * cp_mean * t
    r_t = -math.sin(math.radians(2.0 * d_theta)) * r_c
    return math.sqrt((dL / s_l) ** 2 + (dC / s_c) ** 2 + (dH / s_h) ** 2 + r_t * (dC / s_c) * (dH / s_h))


def self_check():
    for lab1, lab2, expected in SHARMA_PAIRS:
        for x, y in ((lab1, lab2), (lab2, lab1)):
            got = ciede2000(x, y)
            if abs(got - expected) > 1e-4:
                sys.stderr.write("CIEDE2000 of %s and %s is %.4f, the published value %.4f\n"
                                 % (x, y, got, expected))
                return False
    return True


def closest_pairs(palette):
    """[(vision, name a, name b, difference, goal)] for every vision."""
    rows = []
    for vision, matrix, goal in VISIONS:
        colours = [(name, lab(simulate(linear(hexcode), matrix))) for _, name, hexcode in palette]
        best = None
        for i in range(len(colours)):
            for j in range(i + 1, len(colours)):
                d = ciede2000(colours[i][1], colours[j][1])
                if best is None or d < best[3]:
                    best = (vision, colours[i][0], colours[j][0], d, goal)
        rows.append(best)
    return rows


def main(argv):
    if len(argv) > 1:
        sys.exit("usage: python3 tools/colour_check.py [GENERATOR]")
    if not self_check():
        return 2
    rows = closest_pairs(read_palette(argv[0] if argv else GENERATOR))
    print("| vision | closest pair | ΔE00 | goal | met? |")
    print("|---|---|---|---|---|")
    for vision, a, b, d, goal in rows:
        print("| %s | %s / %s | %.1f | ≥ %g | %s |" % (vision, a, b, d, goal, "yes" if d >= goal else "NO"))
    return 0 if all(d >= goal for _, _, _, d, goal in rows) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
