#!/usr/bin/env python3
"""Draws Parcolo's pictures, sounds and desktop icon.

Run from the repository root:

    python3 tools/make_assets.py [--sheet FILE]

Writes (and overwrites) these files; the output is the same on every run:

    data/immagini/<c>s.gif, <c>d.gif   the car pictures, colour numbers 1..10
                                       ("s": the car faces left, "d": it faces right)
    data/immagini/<c>s@2x.gif, ...     the same pictures with twice the pixels each way, for
                                       screens of twice the pixel density (and large windows)
    data/suoni/si1.wav .. si4.wav      the chimes of a right answer
    data/suoni/no.wav                  the soft "bonk" of a wrong answer
                                       (every sound ends with 0.3 s of silence)
    src/resources/avvio.png            picture of the start screen's button
    src/resources/auto3.png .. auto5.png  pictures of the menu's game buttons
    src/resources/esci.png             picture of the menu's quit button
    src/resources/avanti.png           picture of the status bar's third panel
    src/resources/pointer.png          mouse pointer of the cars and buttons
    src/resources/<name>@2x.png        each of these with twice the pixels each way
    data/icons/parcolo.svg, parcolo.png  the desktop icon

Mouse pointer hot spot: (7, 1) in pointer.png, the tip of the index finger
(top left), (14, 2) in pointer@2x.png.  Use it as QCursor(QPixmap(":/pointer.png"), 7, 1).

--sheet FILE also writes a contact sheet of everything drawn, for a quick look.

Needs Python 3 with Pillow and nothing else.  Every picture is drawn from lists
of shapes (paths of lines and cubic curves with a fill and an optional outline);
the same car shapes are written out as the SVG icon.  Pictures are drawn four
times larger and scaled down, which gives smooth edges; the "@2x" variants are
drawn from the same shapes at twice the size, not scaled up.
"""

import math
import os
import random
import struct
import sys
import wave

try:
    from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont
except ImportError:  # pragma: no cover - depends on the machine
    # A Python of its own (pyenv, a virtual environment) may lack Pillow while
    # the system's Python has it: try that one once before giving up.
    system_python = "/usr/bin/python3"
    if (os.environ.get("PARCOLO_ASSETS_REEXEC") != "1" and os.path.exists(system_python)
            and os.path.realpath(sys.executable) != os.path.realpath(system_python)):
        os.environ["PARCOLO_ASSETS_REEXEC"] = "1"
        os.execv(system_python, [system_python] + sys.argv)
    sys.exit("make_assets.py needs Pillow (Debian/Ubuntu: apt install python3-pil; "
             "otherwise: pip install Pillow)")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SS = 4  # supersampling factor

POINTER_HOT_SPOT = (7, 1)

# Colour numbers 1..10 in the order of the language files' colour names.
# The colours are measured, not only picked: every two cars must stay apart for
# players with red-green or blue-yellow colour blindness too, while each car
# still looks like its name.  tools/colour_check.py prints the closest pairs and
# fails below its goals; run it after changing a colour.
CAR_COLOURS = [
    (1, "red", "#CF3C39"),
    (2, "blue", "#0B51EE"),
    (3, "green", "#53A86D"),
    (4, "yellow", "#F5D240"),
    (5, "orange", "#F47E10"),
    (6, "purple", "#763B88"),
    (7, "pink", "#F390B2"),
    (8, "brown", "#6B3807"),
    (9, "white", "#F0F0F0"),
    (10, "black", "#1E1E1E"),
]
# The start button and the desktop icon show the red car.
RED = CAR_COLOURS[0][2]


# ---------------------------------------------------------------------------
# Colours

def rgb(hexcode, alpha=255):
    h = hexcode.lstrip("#")
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16), alpha)


def mix(c1, c2, t):
    """Colour between c1 (t = 0) and c2 (t = 1), alpha included."""
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c1, c2))


WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)


def lighter(c, t):
    return mix(c, (255, 255, 255, c[3]), t)


def darker(c, t):
    return mix(c, (0, 0, 0, c[3]), t)


def luminance(c):
    return (0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]) / 255.0


def hexcolour(c):
    return "#%02x%02x%02x" % c[:3]


# ---------------------------------------------------------------------------
# Paths: lists of ("M", x, y), ("L", x, y), ("C", x1, y1, x2, y2, x, y), ("Z",)

K_ARC = 0.5522847498  # cubic handle length of a quarter circle


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def ellipse(cx, cy, rx, ry):
    k, j = K_ARC * rx, K_ARC * ry
    return [("M", cx + rx, cy),
            ("C", cx + rx, cy + j, cx + k, cy + ry, cx, cy + ry),
            ("C", cx - k, cy + ry, cx - rx, cy + j, cx - rx, cy),
            ("C", cx - rx, cy - j, cx - k, cy - ry, cx, cy - ry),
            ("C", cx + k, cy - ry, cx + rx, cy - j, cx + rx, cy),
            ("Z",)]


def upper_half_disc(cx, cy, r):
    """The half of a disc above its centre line."""
    k = K_ARC * r
    return [("M", cx - r, cy),
            ("C", cx - r, cy - k, cx - k, cy - r, cx, cy - r),
            ("C", cx + k, cy - r, cx + r, cy - k, cx + r, cy),
            ("Z",)]


def rounded_rect(x0, y0, x1, y1, r):
    k = K_ARC * r
    return [("M", x0 + r, y0), ("L", x1 - r, y0),
            ("C", x1 - r + k, y0, x1, y0 + r - k, x1, y0 + r), ("L", x1, y1 - r),
            ("C", x1, y1 - r + k, x1 - r + k, y1, x1 - r, y1), ("L", x0 + r, y1),
            ("C", x0 + r - k, y1, x0, y1 - r + k, x0, y1 - r), ("L", x0, y0 + r),
            ("C", x0, y0 + r - k, x0 + r - k, y0, x0 + r, y0), ("Z",)]


def polygon(points, closed=True):
    path = [("M",) + tuple(points[0])] + [("L",) + tuple(p) for p in points[1:]]
    if closed:
        path.append(("Z",))
    return path


def rotated(path, cx, cy, degrees):
    a = math.radians(degrees)
    ca, sa = math.cos(a), math.sin(a)

    def rot(x, y):
        dx, dy = x - cx, y - cy
        return cx + dx * ca - dy * sa, cy + dx * sa + dy * ca

    out = []
    for cmd in path:
        if cmd[0] == "Z":
            out.append(cmd)
            continue
        coords = []
        for i in range(1, len(cmd), 2):
            coords.extend(rot(cmd[i], cmd[i + 1]))
        out.append((cmd[0],) + tuple(coords))
    return out


def flatten(path, xf):
    """Subpaths of a path as point lists, through the transform xf = (sx, sy, tx, ty)."""
    sx, sy, tx, ty = xf

    def T(x, y):
        return (x * sx + tx, y * sy + ty)

    subpaths, cur, pos, start = [], [], (0.0, 0.0), (0.0, 0.0)
    for cmd in path:
        op = cmd[0]
        if op == "M":
            if len(cur) > 1:
                subpaths.append((cur, False))
            pos = start = (cmd[1], cmd[2])
            cur = [T(*pos)]
        elif op == "L":
            pos = (cmd[1], cmd[2])
            cur.append(T(*pos))
        elif op == "C":
            p0, p1, p2, p3 = pos, (cmd[1], cmd[2]), (cmd[3], cmd[4]), (cmd[5], cmd[6])
            length = (math.dist(p0, p1) + math.dist(p1, p2) + math.dist(p2, p3)) * max(abs(sx), abs(sy))
            n = max(4, min(200, int(length / 3)))
            for i in range(1, n + 1):
                t = i / n
                u = 1 - t
                x = u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0]
                y = u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]
                cur.append(T(x, y))
            pos = p3
        elif op == "Z":
            if len(cur) > 1:
                subpaths.append((cur, True))
            cur = []
            pos = start
    if len(cur) > 1:
        subpaths.append((cur, False))
    return subpaths


def svg_path_data(path):
    def f(v):
        s = "%.2f" % v
        s = s.rstrip("0").rstrip(".")
        return "0" if s in ("-0", "") else s

    parts = []
    for cmd in path:
        parts.append(cmd[0] + " ".join(f(v) for v in cmd[1:]))
    return " ".join(parts)


# ---------------------------------------------------------------------------
# Shapes and paints
#
# A shape is a dict: path, fill (a paint or None), stroke (a colour or None),
# width (outline width), clip (a path or None), opacity, blur (a radius).
# A paint is a colour (r, g, b, a) or a linear gradient
# ("vgrad", y0, y1, [(t, colour), ...]) / ("hgrad", x0, x1, [...]).

def shape(path, fill=None, stroke=None, width=1.0, clip=None, opacity=1.0, blur=0.0):
    return {"path": path, "fill": fill, "stroke": stroke, "width": width,
            "clip": clip, "opacity": opacity, "blur": blur}


def vgrad(y0, y1, *stops):
    return ("vgrad", y0, y1, list(stops))


def hgrad(x0, x1, *stops):
    return ("hgrad", x0, x1, list(stops))


def gradient_at(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, 0.0 if t1 == t0 else (t - t0) / (t1 - t0))
    return stops[-1][1]


class Canvas:
    """An RGBA picture of width x height units, drawn at SS times its size.

    scale gives the pixels per unit: 2 draws the picture for a screen of twice the pixel density
    (the "@2x" files), from the same shapes, so every edge is as sharp there as at 1.
    """

    def __init__(self, width, height, background=(0, 0, 0, 0), ss=SS, scale=1):
        self.ss = ss * scale
        self.width, self.height = width * scale, height * scale
        self.img = Image.new("RGBA", (self.width * ss, self.height * ss), background)

    def draw(self, shapes, xf=(1.0, 1.0, 0.0, 0.0)):
        sx, sy, tx, ty = xf
        sxf = (sx * self.ss, sy * self.ss, tx * self.ss, ty * self.ss)
        for s in shapes:
            self._draw_shape(s, sxf)

    def _mask(self, path, xf, box, fill=True, width=0.0):
        x0, y0 = box[0], box[1]
        mask = Image.new("L", (box[2] - x0, box[3] - y0), 0)
        d = ImageDraw.Draw(mask)
        for pts, closed in flatten(path, xf):
            pts = [(x - x0, y - y0) for x, y in pts]
            if fill:
                if len(pts) > 2:
                    d.polygon(pts, fill=255)
            else:
                w = max(1, int(round(width)))
                line = pts + [pts[0]] if closed else pts
                d.line(line, fill=255, width=w, joint="curve")
                if not closed:
                    r = w / 2.0
                    for x, y in (pts[0], pts[-1]):
                        d.ellipse((x - r, y - r, x + r, y + r), fill=255)
        return mask

    def _paint(self, paint, xf, box):
        w, h = box[2] - box[0], box[3] - box[1]
        if paint[0] == "vgrad":
            _, a, b, stops = paint
            a, b = a * xf[1] + xf[3], b * xf[1] + xf[3]
            col = Image.new("RGBA", (1, h))
            col.putdata([gradient_at(stops, (box[1] + i + 0.5 - a) / (b - a)) for i in range(h)])
            return col.resize((w, h), Image.NEAREST)
        if paint[0] == "hgrad":
            _, a, b, stops = paint
            a, b = a * xf[0] + xf[2], b * xf[0] + xf[2]
            row = Image.new("RGBA", (w, 1))
            row.putdata([gradient_at(stops, (box[0] + i + 0.5 - a) / (b - a)) for i in range(w)])
            return row.resize((w, h), Image.NEAREST)
        return Image.new("RGBA", (w, h), paint)

    def _draw_shape(self, s, xf):
        pts = [p for sub, _ in flatten(s["path"], xf) for p in sub]
        if not pts:
            return
        pad = int(math.ceil(s["blur"] * abs(xf[0]) * 3 + s["width"] * abs(xf[0]) + 4))
        W, H = self.img.size
        box = (max(0, int(min(p[0] for p in pts)) - pad), max(0, int(min(p[1] for p in pts)) - pad),
               min(W, int(max(p[0] for p in pts)) + pad + 1), min(H, int(max(p[1] for p in pts)) + pad + 1))
        if box[2] <= box[0] or box[3] <= box[1]:
            return
        clip = None
        if s["clip"] is not None:
            clip = self._mask(s["clip"], xf, box)
        for mode in ("fill", "stroke"):
            paint = s["fill"] if mode == "fill" else s["stroke"]
            if paint is None:
                continue
            if mode == "fill":
                mask = self._mask(s["path"], xf, box)
            else:
                mask = self._mask(s["path"], xf, box, fill=False, width=s["width"] * abs(xf[0]))
            if s["blur"]:
                mask = mask.filter(ImageFilter.GaussianBlur(s["blur"] * abs(xf[0])))
            if clip is not None:
                mask = ImageChops.multiply(mask, clip)
            layer = self._paint(paint, xf, box)
            alpha = ImageChops.multiply(layer.getchannel("A"), mask)
            if s["opacity"] < 1.0:
                alpha = alpha.point(lambda v, o=s["opacity"]: int(round(v * o)))
            layer.putalpha(alpha)
            region = self.img.crop(box)
            region.alpha_composite(layer)
            self.img.paste(region, box[:2])

    def result(self):
        """The picture at its real size."""
        small = self.img.convert("RGBa").resize((self.width, self.height), Image.LANCZOS)
        return small.convert("RGBA")


class SvgWriter:
    """Writes shapes as SVG elements; gradients and clips go to <defs>."""

    def __init__(self):
        self.defs, self.body, self.count = [], [], 0

    def _id(self, prefix):
        self.count += 1
        return "%s%d" % (prefix, self.count)

    def _paint(self, paint):
        if paint[0] in ("vgrad", "hgrad"):
            kind, a, b, stops = paint
            gid = self._id("g")
            coords = ('x1="0" y1="%g" x2="0" y2="%g"' % (a, b) if kind == "vgrad"
                      else 'x1="%g" y1="0" x2="%g" y2="0"' % (a, b))
            lines = ['<linearGradient id="%s" gradientUnits="userSpaceOnUse" %s>' % (gid, coords)]
            for t, c in stops:
                op = "" if c[3] == 255 else ' stop-opacity="%.3g"' % (c[3] / 255.0)
                lines.append('  <stop offset="%.3g" stop-color="%s"%s/>' % (t, hexcolour(c), op))
            lines.append("</linearGradient>")
            self.defs.append("\n".join(lines))
            return 'url(#%s)' % gid, ""
        op = "" if paint[3] == 255 else "%.3g" % (paint[3] / 255.0)
        return hexcolour(paint), op

    def group(self, transform, shapes):
        self.body.append('<g transform="%s">' % transform)
        for s in shapes:
            attrs = ['d="%s"' % svg_path_data(s["path"])]
            if s["fill"] is not None:
                value, op = self._paint(s["fill"])
                attrs.append('fill="%s"' % value)
                if op:
                    attrs.append('fill-opacity="%s"' % op)
            else:
                attrs.append('fill="none"')
            if s["stroke"] is not None:
                value, op = self._paint(s["stroke"])
                attrs.append('stroke="%s" stroke-width="%g" stroke-linejoin="round" stroke-linecap="round"'
                             % (value, s["width"]))
                if op:
                    attrs.append('stroke-opacity="%s"' % op)
            if s["opacity"] < 1.0:
                attrs.append('opacity="%.3g"' % s["opacity"])
            if s["clip"] is not None:
                cid = self._id("c")
                self.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, svg_path_data(s["clip"])))
                attrs.append('clip-path="url(#%s)"' % cid)
            if s["blur"]:
                fid = self._id("f")
                self.defs.append('<filter id="%s" x="-20%%" y="-50%%" width="140%%" height="200%%">'
                                 '<feGaussianBlur stdDeviation="%g"/></filter>' % (fid, s["blur"]))
                attrs.append('filter="url(#%s)"' % fid)
            self.body.append("  <path %s/>" % " ".join(attrs))
        self.body.append("</g>")

    def text(self, width, height, title):
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
               % (width, height, width, height),
               "<title>%s</title>" % title, "<defs>"]
        out += self.defs
        out.append("</defs>")
        out += self.body
        out.append("</svg>")
        return "\n".join(out) + "\n"


# ---------------------------------------------------------------------------
# The car in side view, nose on the left.  Car units: the body runs from
# x = 8 (front bumper) to x = 414 (rear), the roof is at y = 20, the tyres
# stand on y = GROUND.

GROUND = 155.0
WHEELS = (94.0, 332.0)
WHEEL_Y, TYRE_R, RIM_R, ARCH_R = 126.0, 29.0, 18.5, 33.5
CAR_BOX = (8.0, 20.0, 414.0, GROUND)

# A compact hatchback: a long, low bonnet in front, the cabin set back, a
# steep tail, so that the driving direction shows at a glance.
BODY = [("M", 32, 131),
        ("C", 17, 131, 8, 124, 8, 112),
        ("L", 8, 97),
        ("C", 8, 88, 13, 82, 26, 80),
        ("C", 60, 75, 96, 69, 128, 62),
        ("C", 151, 42, 176, 24, 216, 21),
        ("L", 300, 20),
        ("C", 336, 20, 366, 28, 392, 50),
        ("C", 404, 60, 410, 68, 412, 80),
        ("L", 414, 114),
        ("C", 414, 125, 407, 131, 395, 131),
        ("Z",)]

FRONT_WINDOW = [("M", 142, 63),
                ("C", 161, 45, 181, 30.5, 217, 29.5),
                ("L", 250, 29.5), ("L", 250, 63.5), ("Z",)]
REAR_WINDOW = [("M", 260, 29.5), ("L", 299, 29.5),
               ("C", 327, 29.5, 350, 37, 370, 53),
               ("L", 366, 63.5), ("L", 260, 63.5), ("Z",)]

SHOULDER = [("M", 30, 85), ("C", 62, 80, 98, 73, 132, 69.5), ("L", 390, 69.5),
            ("C", 400, 70, 406, 72, 409, 76), ("L", 409.5, 80),
            ("C", 404, 76.5, 398, 75.5, 390, 75.5), ("L", 132, 75.5),
            ("C", 98, 78.5, 62, 84.5, 30, 90), ("Z",)]

HEADLIGHT = [("M", 11, 91.5), ("C", 11, 86.5, 16, 84.5, 26, 83.5), ("L", 52, 80),
             ("C", 49, 88, 42, 93.5, 29, 94.5), ("L", 14, 95),
             ("C", 12, 95, 11, 93.5, 11, 91.5), ("Z",)]
TAILLIGHT = [("M", 398, 62), ("C", 403.5, 65, 408, 70, 410, 78), ("L", 411.5, 95), ("L", 400, 95),
             ("C", 397.5, 84, 396.5, 72, 398, 62), ("Z",)]
MIRROR = [("M", 130, 64), ("L", 132, 56.5), ("C", 133, 53.5, 136, 52.5, 140, 52.5),
          ("L", 147, 53.5), ("L", 146, 64), ("Z",)]
FRONT_GRILLE = rounded_rect(11, 104, 36, 110, 3)
REAR_REFLECTOR = rounded_rect(401, 108, 413, 112, 2)
SEAMS = [polygon([(147, 66), (145, 101)], closed=False),
         polygon([(255, 65), (255, 122)], closed=False),
         polygon([(352, 62), (342, 98)], closed=False)]
HANDLES = [rounded_rect(218, 79, 236, 83.5, 2.2), rounded_rect(316, 79, 334, 83.5, 2.2)]
GLASS_STREAKS = [(polygon([(168, 70), (206, 20), (226, 20), (188, 70)]), 70),
                 (polygon([(280, 70), (318, 20), (330, 20), (292, 70)]), 55)]


def car_shapes(body_hex):
    """The side-view car as shapes, in car units, nose on the left."""
    base = rgb(body_hex)
    lum = luminance(base)
    if lum < 0.2:            # black: lift the highlights so the body reads
        top, upper, low = lighter(base, 0.34), lighter(base, 0.18), darker(base, 0.45)
        outline = rgb("#8c8f94")
    elif lum > 0.85:         # white: give it some body
        top, upper, low = WHITE, base, mix(base, rgb("#6f7680"), 0.55)
        outline = rgb("#5e636b")
    else:
        top, upper, low = lighter(base, 0.36), lighter(base, 0.16), darker(base, 0.42)
        outline = darker(base, 0.62)
    body_paint = vgrad(20, 131, (0.0, top), (0.40, upper), (0.47, base), (0.78, base), (1.0, low))
    glass = vgrad(28, 65, (0.0, rgb("#b8cde0")), (0.55, rgb("#6f8aa3")), (1.0, rgb("#3c4f63")))
    trim = rgb("#23262b")
    seam = mix(base, outline, 0.8)
    seam = seam[:3] + (170,)

    shapes = [
        # soft shadow on the ground
        shape(ellipse(211, GROUND - 1, 212, 8), fill=(0, 0, 0, 150), blur=5),
        shape(ellipse(211, GROUND - 2, 190, 4), fill=(0, 0, 0, 150), blur=2),
        # body
        shape(BODY, fill=body_paint),
        # light along the shoulder line
        shape(SHOULDER, fill=(255, 255, 255, 120 if lum < 0.85 else 255), blur=1.5, clip=BODY),
        shape(SHOULDER, fill=(0, 0, 0, 40), blur=2.5, clip=BODY, opacity=1.0) if lum > 0.85 else None,
        # windows with a reflection
        shape(FRONT_WINDOW, fill=glass, stroke=trim, width=3.0),
        shape(REAR_WINDOW, fill=glass, stroke=trim, width=3.0),
        shape(GLASS_STREAKS[0][0], fill=(255, 255, 255, GLASS_STREAKS[0][1]), clip=FRONT_WINDOW),
        shape(GLASS_STREAKS[1][0], fill=(255, 255, 255, GLASS_STREAKS[1][1]), clip=REAR_WINDOW),
        # B pillar, a little darker than the body
        shape(rounded_rect(250, 29, 260, 64, 1.5), fill=darker(upper, 0.25), opacity=0.9),
        # mirror
        shape(MIRROR, fill=vgrad(54, 66, (0, top), (1, base)), stroke=outline, width=1.5),
    ]
    shapes += [shape(p, stroke=seam, width=1.4) for p in SEAMS]
    shapes += [shape(h, fill=darker(base, 0.35) if lum > 0.2 else lighter(base, 0.3),
                     stroke=lighter(base, 0.5) if lum < 0.85 else rgb("#8a8f96"), width=0.8) for h in HANDLES]
    shapes += [
        shape(FRONT_GRILLE, fill=rgb("#2b2e33"), stroke=rgb("#15171a"), width=0.8),
        shape(REAR_REFLECTOR, fill=rgb("#b3261e")),
        shape(HEADLIGHT, fill=vgrad(77, 91, (0, rgb("#ffffff")), (0.6, rgb("#fff4c2")), (1, rgb("#f0cf6e"))),
              stroke=rgb("#5a5d63"), width=1.3),
        shape(ellipse(22, 88.5, 6, 3), fill=(255, 255, 255, 230), blur=1.2),
        shape(TAILLIGHT, fill=vgrad(75, 93, (0, rgb("#ff7a66")), (0.45, rgb("#f02a1a")), (1, rgb("#9c0f0a"))),
              stroke=rgb("#5c0b08"), width=1.3),
        shape(ellipse(404, 72, 2.2, 5), fill=(255, 235, 225, 200), blur=0.8, clip=TAILLIGHT),
        # body outline over everything that touches the edge
        shape(BODY, stroke=outline, width=2.0),
    ]
    for cx in WHEELS:
        shapes += wheel_shapes(cx)
    return [s for s in shapes if s is not None]


def wheel_shapes(cx):
    cy = WHEEL_Y
    shapes = [
        shape(upper_half_disc(cx, 131.5, ARCH_R), fill=rgb("#121316")),
        shape(circle(cx, cy, TYRE_R), fill=vgrad(cy - TYRE_R, cy + TYRE_R, (0, rgb("#3a3b3f")),
                                                  (0.5, rgb("#1d1e21")), (1, rgb("#0d0d0f"))),
              stroke=rgb("#08080a"), width=1.0),
        shape(circle(cx, cy, TYRE_R - 4.5), stroke=rgb("#2e2f33"), width=1.0),
        shape(circle(cx, cy, RIM_R), fill=vgrad(cy - RIM_R, cy + RIM_R, (0, rgb("#f4f5f7")),
                                                (0.55, rgb("#c3c7cc")), (1, rgb("#7d8289"))),
              stroke=rgb("#5b6067"), width=1.0),
    ]
    for i in range(5):
        a = math.radians(-90 + 72 * i + 36)
        hx, hy = cx + 11.5 * math.cos(a), cy + 11.5 * math.sin(a)
        shapes.append(shape(rotated(ellipse(hx, hy, 5.0, 3.2), hx, hy, math.degrees(a) + 90),
                            fill=rgb("#45494f")))
    shapes += [
        shape(circle(cx, cy, 4.2), fill=vgrad(cy - 4, cy + 4, (0, rgb("#e6e8eb")), (1, rgb("#8a8f96"))),
              stroke=rgb("#5b6067"), width=0.8),
    ]
    return shapes


# ---------------------------------------------------------------------------
# The parking place around the car

PICTURE_W, PICTURE_H = 480, 180
ASPHALT_TOP, ASPHALT_BOTTOM = rgb("#5b5f65"), rgb("#44474c")


def asphalt(width, height, seed, top=ASPHALT_TOP, bottom=ASPHALT_BOTTOM):
    """Asphalt with a soft gradient and a fine grain, at real size."""
    rnd = random.Random(seed)
    data = []
    for y in range(height):
        base = mix(top, bottom, y / max(1, height - 1))
        for x in range(width):
            g = rnd.gauss(0.0, 5.0)
            if rnd.random() < 0.012:       # small light chippings
                g += rnd.uniform(10, 22)
            elif rnd.random() < 0.012:     # and dark ones
                g -= rnd.uniform(8, 16)
            data.append(tuple(max(0, min(255, int(base[i] + g))) for i in range(3)) + (255,))
    img = Image.new("RGBA", (width, height))
    img.putdata(data)
    # a hint of larger, smoother patches
    patches = Image.new("L", (width // 12 + 2, height // 12 + 2))
    patches.putdata([int(rnd.uniform(0, 255)) for _ in range(patches.size[0] * patches.size[1])])
    patches = patches.resize((width, height), Image.BICUBIC)
    shade = Image.new("RGBA", (width, height), (0, 0, 0, 255))
    shade.putalpha(patches.point(lambda v: v * 18 // 255))
    img.alpha_composite(shade)
    return img


def painted(path, alpha=225):
    return shape(path, fill=(240, 240, 236, alpha))


def arrow_path(cx, cy, length, height, pointing_left=True):
    h, s = height / 2.0, height * 0.2
    head = height * 0.95
    pts = [(-length / 2, 0), (-length / 2 + head, -h), (-length / 2 + head, -s), (length / 2, -s),
           (length / 2, s), (-length / 2 + head, s), (-length / 2 + head, h)]
    if not pointing_left:
        pts = [(-x, y) for x, y in pts]
    return polygon([(cx + x, cy + y) for x, y in pts])


CAR_SCALE = 1.03
CAR_X = 30.0 - CAR_BOX[0] * CAR_SCALE
CAR_Y = (PICTURE_H - 32.0) - GROUND * CAR_SCALE


def place_shapes():
    """Stall lines and the painted arrow of a place whose car faces left."""
    wheel_l = CAR_X + WHEELS[0] * CAR_SCALE
    wheel_r = CAR_X + WHEELS[1] * CAR_SCALE
    return [
        painted(rounded_rect(3, -2, 11, PICTURE_H + 2, 1), 230),
        painted(rounded_rect(PICTURE_W - 11, -2, PICTURE_W - 3, PICTURE_H + 2, 1), 230),
        painted(arrow_path((wheel_l + wheel_r) / 2, PICTURE_H - 14, 104, 18), 215),
    ]


def car_picture(body_hex, faces_left, seed, scale=1):
    layer = Canvas(PICTURE_W, PICTURE_H, scale=scale)
    layer.draw(place_shapes())
    layer.draw(car_shapes(body_hex), (CAR_SCALE, CAR_SCALE, CAR_X, CAR_Y))
    fg = layer.result()
    if not faces_left:
        fg = fg.transpose(Image.FLIP_LEFT_RIGHT)
    img = asphalt(PICTURE_W * scale, PICTURE_H * scale, seed)
    img.alpha_composite(fg)
    return img.convert("RGB")


def save_gif(img, path):
    # An octree palette, then a dithered mapping onto it: smooth gradients, no bands.
    palette = img.quantize(colors=256, method=Image.FASTOCTREE)
    pal = img.quantize(palette=palette, dither=Image.FLOYDSTEINBERG)
    pal.info.pop("transparency", None)
    pal.save(path, "GIF", optimize=False)


# ---------------------------------------------------------------------------
# Small pictures for the windows

def top_view_car(cx, cy, body_hex, w=15.0, h=30.0):
    """A little car seen from above, nose up, centred on (cx, cy)."""
    base = rgb(body_hex)
    lum = luminance(base)
    outline = rgb("#9a9da2") if lum < 0.2 else (rgb("#5e636b") if lum > 0.85 else darker(base, 0.6))
    x0, y0, x1, y1 = cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2
    glass = rgb("#4b6178")
    return [
        shape(rounded_rect(x0 + 0.5, y0 + 1.5, x1 + 1.5, y1 + 1.5, w * 0.35), fill=(0, 0, 0, 110), blur=0.8),
        shape(rounded_rect(x0, y0, x1, y1, w * 0.35),
              fill=hgrad(x0, x1, (0, darker(base, 0.25)), (0.35, lighter(base, 0.25)), (0.65, base),
                         (1, darker(base, 0.3))),
              stroke=outline, width=0.7),
        # windscreen, roof, rear window
        shape(polygon([(x0 + w * 0.14, cy - h * 0.12), (x0 + w * 0.22, cy - h * 0.26),
                       (x1 - w * 0.22, cy - h * 0.26), (x1 - w * 0.14, cy - h * 0.12)]), fill=glass),
        shape(rounded_rect(x0 + w * 0.18, cy - h * 0.10, x1 - w * 0.18, cy + h * 0.2, 1.0),
              fill=lighter(base, 0.12) if lum < 0.85 else rgb("#e4e6e9"), stroke=darker(base, 0.25), width=0.3),
        shape(polygon([(x0 + w * 0.17, cy + h * 0.22), (x1 - w * 0.17, cy + h * 0.22),
                       (x1 - w * 0.24, cy + h * 0.32), (x0 + w * 0.24, cy + h * 0.32)]), fill=glass),
        shape(ellipse(x0 + w * 0.24, y0 + 1.3, w * 0.14, 0.9), fill=rgb("#fff6cc")),
        shape(ellipse(x1 - w * 0.24, y0 + 1.3, w * 0.14, 0.9), fill=rgb("#fff6cc")),
        shape(ellipse(x0 + w * 0.22, y1 - 1.0, w * 0.13, 0.7), fill=rgb("#e8261b")),
        shape(ellipse(x1 - w * 0.22, y1 - 1.0, w * 0.13, 0.7), fill=rgb("#e8261b")),
    ]


def menu_cars_picture(n, scale=1):
    """A little parking lot with n cars in different colours, seen from above."""
    width, height = 120, 40
    colours = {3: [1, 2, 4], 4: [3, 5, 2, 9], 5: [6, 1, 4, 3, 7]}[n]
    c = Canvas(width, height, scale=scale)
    stall = min(30.0, (width - 8.0) / n)
    left = (width - n * stall) / 2.0
    shapes = [shape(rounded_rect(left - 3, 1, width - left + 3, height - 1, 5),
                    fill=vgrad(1, 39, (0, ASPHALT_TOP), (1, ASPHALT_BOTTOM)), stroke=rgb("#33363a"), width=0.8)]
    for k in range(n + 1):
        x = left + k * stall
        shapes.append(painted(rounded_rect(x - 0.6, 4, x + 0.6, height - 4, 0.5), 220))
    for k, colour in enumerate(colours):
        shapes += top_view_car(left + (k + 0.5) * stall, height / 2.0, CAR_COLOURS[colour - 1][2])
    c.draw(shapes)
    return c.result()


def flag_shapes(pole_x, top_y, bottom_y, flag_w, flag_h):
    cloth = [("M", pole_x, top_y + 1),
             ("C", pole_x - flag_w * 0.35, top_y - 2, pole_x - flag_w * 0.6, top_y + 5, pole_x - flag_w, top_y + 2),
             ("L", pole_x - flag_w, top_y + flag_h + 1),
             ("C", pole_x - flag_w * 0.6, top_y + flag_h + 4, pole_x - flag_w * 0.35, top_y + flag_h - 3,
              pole_x, top_y + flag_h),
             ("Z",)]
    return [
        shape(rounded_rect(pole_x - 0.9, top_y - 1.5, pole_x + 0.9, bottom_y, 0.8),
              fill=hgrad(pole_x - 1, pole_x + 1, (0, rgb("#d9dce0")), (1, rgb("#6b7078"))),
              stroke=rgb("#3d4148"), width=0.5),
        shape(circle(pole_x, top_y - 1.8, 1.6), fill=rgb("#f1c40f"), stroke=rgb("#8a6d00"), width=0.4),
        shape(cloth, fill=hgrad(pole_x - flag_w, pole_x, (0, rgb("#2ecc55")), (0.5, rgb("#1fae3f")),
                                (1, rgb("#178a31"))),
              stroke=rgb("#0d5c1f"), width=0.7),
    ]


def avvio_picture(scale=1):
    """The start button's picture: a car driving off past a green flag."""
    width, height = 96, 64
    c = Canvas(width, height, scale=scale)
    s = 76.0 / (CAR_BOX[2] - CAR_BOX[0])
    # the car faces right: mirror the car units
    c.draw(car_shapes(RED), (-s, s, 2 + CAR_BOX[2] * s, height - 3 - GROUND * s))
    c.draw(flag_shapes(88.5, 6, height - 5, 30, 17))
    return c.result()


def esci_picture(scale=1):
    """The quit button's picture: an open door and an arrow leaving through it."""
    c = Canvas(48, 48, scale=scale)
    frame = rounded_rect(6, 4, 30, 44, 1.5)
    door = polygon([(6, 4), (17, 8), (17, 44), (6, 44)])
    c.draw([
        shape(frame, fill=rgb("#5d3a1a")),
        shape(rounded_rect(8, 6, 28, 44, 0.8), fill=vgrad(6, 44, (0, rgb("#fff6d6")), (1, rgb("#f3d27a")))),
        shape(door, fill=hgrad(6, 17, (0, rgb("#a86a32")), (1, rgb("#7b4a20"))), stroke=rgb("#3f260f"), width=0.8),
        shape(circle(14.7, 26, 1.1), fill=rgb("#f1c40f")),
        shape(rounded_rect(2, 43, 34, 45.5, 1), fill=rgb("#3f260f")),
        shape(polygon([(19, 21.5), (32, 21.5), (32, 15), (45, 25), (32, 35), (32, 28.5), (19, 28.5)]),
              fill=vgrad(15, 35, (0, rgb("#ff6b57")), (1, rgb("#c0261a"))), stroke=rgb("#7d130b"), width=1.2),
    ])
    return c.result()


def avanti_picture(scale=1):
    """A green arrow to the right."""
    c = Canvas(24, 24, scale=scale)
    c.draw([
        shape(polygon([(2.5, 9), (12, 9), (12, 3.5), (21.5, 12), (12, 20.5), (12, 15), (2.5, 15)]),
              fill=vgrad(3.5, 20.5, (0, rgb("#6fe08a")), (0.5, rgb("#22b14c")), (1, rgb("#158238"))),
              stroke=rgb("#0c5a24"), width=1.1),
        shape(polygon([(3.5, 10), (12.8, 10), (12.8, 5.5), (18, 10.3)]), fill=(255, 255, 255, 70)),
    ])
    return c.result()


HAND = [("M", 5, 15.5),
        ("L", 5, 3.4),
        ("C", 5, 1.4, 10, 1.4, 10, 3.4),     # tip of the index finger, top at (7.5, 1.9)
        ("L", 10, 11.2),
        ("C", 10, 9.4, 14, 9.4, 14, 11.6),
        ("C", 14, 10, 18, 10, 18, 12.2),
        ("C", 18, 10.8, 22.5, 10.8, 22.5, 13.4),
        ("L", 22.5, 20.5),
        ("C", 22.5, 25.2, 19.5, 28.5, 15.5, 28.5),
        ("L", 11.5, 28.5),
        ("C", 8.5, 28.5, 6.6, 27, 5.2, 24.6),
        ("L", 1.6, 18.4),
        ("C", 0.6, 16.6, 2.4, 14.8, 4.0, 16.0),
        ("L", 5, 17.2),
        ("Z",)]


def pointer_picture(scale=1):
    """A pointing hand; the finger tip (top left) is the hot spot."""
    c = Canvas(32, 32, ss=8, scale=scale)
    c.draw([
        shape(HAND, fill=(0, 0, 0, 90), blur=0.7),
    ], (1, 1, 1.2, 1.2))
    c.draw([
        shape(HAND, fill=vgrad(2, 28, (0, rgb("#ffffff")), (1, rgb("#e9e9e9"))), stroke=rgb("#111111"), width=1.1),
        shape(polygon([(14, 11.8), (14, 15.5)], closed=False), stroke=rgb("#111111"), width=0.8),
        shape(polygon([(18, 12.4), (18, 15.5)], closed=False), stroke=rgb("#111111"), width=0.8),
        shape(polygon([(10, 11.4), (10, 15.5)], closed=False), stroke=rgb("#111111"), width=0.8),
    ])
    return c.result()


# ---------------------------------------------------------------------------
# The desktop icon: the red car on a rounded asphalt tile

ICON = 256


def icon_shapes():
    tile = rounded_rect(8, 8, 248, 248, 44)
    return [
        shape(tile, fill=vgrad(8, 248, (0, rgb("#62666c")), (1, rgb("#3d4045")))),
        shape(rounded_rect(24, 8, 31, 248, 1.5), fill=(240, 240, 236, 220), clip=tile),
        shape(rounded_rect(225, 8, 232, 248, 1.5), fill=(240, 240, 236, 220), clip=tile),
        shape(arrow_path(128, 200, 70, 16, pointing_left=False), fill=(240, 240, 236, 215)),
        shape(tile, stroke=rgb("#2a2c30"), width=3),
    ]


ICON_CAR_SCALE = 186.0 / (CAR_BOX[2] - CAR_BOX[0])
# The car faces right on the icon: mirrored car units.
ICON_CAR_XF = (-ICON_CAR_SCALE, ICON_CAR_SCALE, 128 + (CAR_BOX[0] + CAR_BOX[2]) / 2 * ICON_CAR_SCALE,
               178 - GROUND * ICON_CAR_SCALE)


def icon_png():
    c = Canvas(ICON, ICON)
    c.draw(icon_shapes())
    c.draw(car_shapes(RED), ICON_CAR_XF)
    return c.result()


def icon_svg():
    w = SvgWriter()
    w.group("translate(0 0)", icon_shapes())
    sx, sy, tx, ty = ICON_CAR_XF
    w.group("matrix(%.6g 0 0 %.6g %.6g %.6g)" % (sx, sy, tx, ty), car_shapes(RED))
    return w.text(ICON, ICON, "Parcolo")


# ---------------------------------------------------------------------------
# Sounds

RATE = 22050
# Every sound ends with this much silence: an audio system may stop a stream before it has
# played out its last buffer (about a tenth of a second), and then only silence is lost.
TAIL = 0.3


def bell(freq, t, decay):
    """A soft bell tone: a few partials that die away, the higher ones faster."""
    if t < 0:
        return 0.0
    attack = min(1.0, t / 0.004)
    v = (math.sin(2 * math.pi * freq * t) * math.exp(-t / decay)
         + 0.35 * math.sin(2 * math.pi * freq * 2.0 * t) * math.exp(-t / (decay * 0.5))
         + 0.12 * math.sin(2 * math.pi * freq * 2.76 * t) * math.exp(-t / (decay * 0.3))
         + 0.05 * math.sin(2 * math.pi * freq * 4.07 * t) * math.exp(-t / (decay * 0.2)))
    return attack * v


def render(duration, voice, peak=0.72, fade_in=0.004, fade_out=0.09):
    n = int(RATE * duration)
    samples = [voice(i / RATE) for i in range(n)]
    top = max(abs(s) for s in samples) or 1.0
    out = []
    for i, s in enumerate(samples):
        # a short rise at the start, a smooth (raised cosine) fall to silence at the end
        g = min(1.0, i / (fade_in * RATE))
        rest = (n - 1 - i) / (fade_out * RATE)
        if rest < 1.0:
            g *= 0.5 - 0.5 * math.cos(math.pi * rest)
        out.append(int(round(max(-1.0, min(1.0, s / top * peak * g)) * 32767)))
    return out + [0] * int(RATE * TAIL)


def chime(notes, step, duration, decay=0.28):
    def voice(t):
        return sum(bell(f, t - k * step, decay) * (0.85 + 0.15 * k / max(1, len(notes) - 1))
                   for k, f in enumerate(notes))
    return render(duration, voice)


def bonk(duration=0.42):
    def voice(t):
        # The pitch falls quickly from 188 Hz to 118 Hz: the phase is the
        # integral of 118 + 70 * exp(-t / 0.05).
        phase = 2 * math.pi * (118 * t + 70 * 0.05 * (1 - math.exp(-t / 0.05)))
        env = min(1.0, t / 0.008) * math.exp(-t / 0.11)
        return env * (math.sin(phase) + 0.30 * math.sin(2 * phase) + 0.12 * math.sin(3 * phase)
                      + 0.05 * math.sin(5 * phase))
    return render(duration, voice, peak=0.62, fade_in=0.006, fade_out=0.06)


def note(name):
    names = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = names[name[0]] + (1 if "#" in name else 0) + 12 * (int(name[-1]) - 4)
    return 440.0 * 2 ** (semis / 12.0)


SOUNDS = {
    "si1.wav": lambda: chime([note(n) for n in ("C5", "E5", "G5")], 0.085, 0.62),
    "si2.wav": lambda: chime([note(n) for n in ("G4", "C5", "E5", "G5")], 0.075, 0.72),
    "si3.wav": lambda: chime([note(n) for n in ("E5", "G5", "C6")], 0.11, 0.70, decay=0.24),
    "si4.wav": lambda: chime([note(n) for n in ("D5", "F#5", "A5", "D6")], 0.07, 0.82, decay=0.30),
    "no.wav": bonk,
}


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack("<%dh" % len(samples), *samples))


# ---------------------------------------------------------------------------

def contact_sheet(path, cars, smalls):
    font_path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
    try:
        font = ImageFont.truetype(font_path, 14)
    except OSError:
        font = ImageFont.load_default()
    cw, ch = PICTURE_W // 2, PICTURE_H // 2
    cols, gap = 4, 22
    rows = (len(cars) + cols - 1) // cols
    small_h = max(im.size[1] for _, im in smalls) + 30
    sheet = Image.new("RGB", (cols * (cw + 10) + 10, rows * (ch + gap) + 10 + small_h + 20), (250, 250, 250))
    d = ImageDraw.Draw(sheet)
    for k, (label, im) in enumerate(cars):
        x, y = 10 + (k % cols) * (cw + 10), 10 + (k // cols) * (ch + gap)
        sheet.paste(im.convert("RGB").resize((cw, ch), Image.LANCZOS), (x, y + 16))
        d.text((x, y), label, fill=(0, 0, 0), font=font)
    x, y = 10, 10 + rows * (ch + gap) + 10
    for label, im in smalls:
        d.text((x, y), label, fill=(0, 0, 0), font=font)
        bg = Image.new("RGBA", im.size, (200, 210, 220, 255))
        bg.alpha_composite(im)
        sheet.paste(bg.convert("RGB"), (x, y + 18))
        x += int(max(im.size[0], d.textlength(label, font=font))) + 16
    sheet.save(path)


def main(argv):
    sheet = None
    if len(argv) == 2 and argv[0] == "--sheet":
        sheet = argv[1]
    elif argv:
        sys.exit("usage: python3 tools/make_assets.py [--sheet FILE]")

    dirs = {k: os.path.join(ROOT, *v) for k, v in {
        "img": ("data", "immagini"), "snd": ("data", "suoni"),
        "res": ("src", "resources"), "icons": ("data", "icons")}.items()}
    for d in dirs.values():
        os.makedirs(d, exist_ok=True)

    cars = []
    for number, name, hexcode in CAR_COLOURS:
        for letter, faces_left in (("s", True), ("d", False)):
            seed = number * 2 + (0 if faces_left else 1)
            img = car_picture(hexcode, faces_left, seed)
            save_gif(img, os.path.join(dirs["img"], "%d%s.gif" % (number, letter)))
            cars.append(("%d%s %s" % (number, letter, name), img))
            save_gif(car_picture(hexcode, faces_left, seed, scale=2),
                     os.path.join(dirs["img"], "%d%s@2x.gif" % (number, letter)))

    for name, make in SOUNDS.items():
        write_wav(os.path.join(dirs["snd"], name), make())

    makers = [("avvio", avvio_picture)]
    makers += [("auto%d" % n, lambda scale=1, n=n: menu_cars_picture(n, scale)) for n in (3, 4, 5)]
    makers += [("esci", esci_picture), ("avanti", avanti_picture), ("pointer", pointer_picture)]
    smalls = []
    for name, make in makers:
        im = make()
        im.save(os.path.join(dirs["res"], name + ".png"), optimize=True)
        make(scale=2).save(os.path.join(dirs["res"], name + "@2x.png"), optimize=True)
        smalls.append((name, im))

    icon = icon_png()
    icon.save(os.path.join(dirs["icons"], "parcolo.png"), optimize=True)
    with open(os.path.join(dirs["icons"], "parcolo.svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(icon_svg())
    smalls.append(("icon", icon))

    if sheet:
        contact_sheet(sheet, cars, smalls)


if __name__ == "__main__":
    main(sys.argv[1:])
