#!/usr/bin/env python3
"""Draws all of Ashtally's artwork from nothing.

Every picture is described here as SVG, in one flat-vector style with soft gradients, and rendered
with rsvg-convert; ImageMagick's convert assembles the animated GIFs. Random touches (confetti,
stars, leaves) come from fixed seeds, so a second run gives the same files.

    tools/artwork/make-artwork.py              # everything
    tools/artwork/make-artwork.py pictures     # only images/
    tools/artwork/make-artwork.py icons appicon
"""

import argparse
import math
import random
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
W, H = 480, 320

# ---------------------------------------------------------------------------------------------
# Colours and the SVG document
# ---------------------------------------------------------------------------------------------

INK = "#2b2540"  # the shade every colour darkens towards: deep plum reads softer than black


def _rgb(c):
    c = c.lstrip("#")
    return tuple(int(c[i : i + 2], 16) for i in (0, 2, 4))


def _hex(rgb):
    return "#%02x%02x%02x" % tuple(max(0, min(255, round(v))) for v in rgb)


def mix(a, b, t):
    pa, pb = _rgb(a), _rgb(b)
    return _hex(tuple(pa[i] + (pb[i] - pa[i]) * t for i in range(3)))


def light(c, t):
    return mix(c, "#ffffff", t)


def dark(c, t):
    return mix(c, INK, t)


def n(v):
    """A coordinate as short SVG text."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def pts(points):
    return " ".join(f"{n(x)},{n(y)}" for x, y in points)


class Svg:
    def __init__(self, w=W, h=H):
        self.w, self.h = w, h
        self.defs = []
        self.parts = []
        self.count = 0
        self.filters = {}

    def uid(self, prefix):
        self.count += 1
        return f"{prefix}{self.count}"

    @staticmethod
    def _stops(stops):
        out = []
        for s in stops:
            off, colour = s[0], s[1]
            alpha = s[2] if len(s) > 2 else 1
            extra = f' stop-opacity="{n(alpha)}"' if alpha != 1 else ""
            out.append(f'<stop offset="{n(off)}" stop-color="{colour}"{extra}/>')
        return "".join(out)

    def lin(self, stops, x1=0, y1=0, x2=0, y2=1, user=False):
        i = self.uid("l")
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        self.defs.append(
            f'<linearGradient id="{i}" x1="{n(x1)}" y1="{n(y1)}" x2="{n(x2)}" y2="{n(y2)}"{units}>'
            f"{self._stops(stops)}</linearGradient>"
        )
        return f"url(#{i})"

    def rad(self, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, user=False):
        i = self.uid("r")
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        focus = ""
        if fx is not None:
            focus = f' fx="{n(fx)}" fy="{n(fy)}"'
        self.defs.append(
            f'<radialGradient id="{i}" cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}"{focus}{units}>'
            f"{self._stops(stops)}</radialGradient>"
        )
        return f"url(#{i})"

    def blur(self, sd):
        if sd not in self.filters:
            i = self.uid("f")
            self.defs.append(
                f'<filter id="{i}" x="-60%" y="-60%" width="220%" height="220%">'
                f'<feGaussianBlur stdDeviation="{n(sd)}"/></filter>'
            )
            self.filters[sd] = f"url(#{i})"
        return self.filters[sd]

    def clip(self, inner):
        i = self.uid("c")
        self.defs.append(f'<clipPath id="{i}">{inner}</clipPath>')
        return f"url(#{i})"

    def add(self, *parts):
        self.parts.extend(parts)

    def open(self, attrs):
        self.parts.append(f"<g {attrs}>")

    def close(self):
        self.parts.append("</g>")

    def xml(self):
        return (
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.w}" height="{self.h}" '
            f'viewBox="0 0 {self.w} {self.h}">'
            f'<defs>{"".join(self.defs)}</defs>{"".join(self.parts)}</svg>\n'
        )


# ---------------------------------------------------------------------------------------------
# Palette
# ---------------------------------------------------------------------------------------------

CORAL = "#ff7a6b"
PINK = "#ff8fb1"
ORANGE = "#ffa94d"
YELLOW = "#ffd54f"
MINT = "#7ee0b0"
GREEN = "#3dbe7a"
TEAL = "#2ec4b6"
SKY = "#5ab8f0"
BLUE = "#4a7fd8"
PURPLE = "#9b7be0"
NAVY = "#27325f"
CREAM = "#fff6e8"
PARTY = [CORAL, PINK, ORANGE, YELLOW, MINT, TEAL, SKY, PURPLE]

METALS = {
    "bronze": ("#ffd0a8", "#d98b4e", "#a45a2a", "#7a3f1c"),
    "silver": ("#ffffff", "#d3dae4", "#9aa5b5", "#6a7587"),
    "gold": ("#fff5b8", "#ffd34d", "#e2a012", "#a86d05"),
}


def metal_fill(s, metal, flip=False):
    hi, mid, lo, _ = METALS[metal]
    if flip:
        return s.lin([(0, lo), (0.55, mid), (1, hi)], 0, 0, 1, 1)
    return s.lin([(0, hi), (0.45, mid), (1, lo)], 0, 0, 1, 1)


# ---------------------------------------------------------------------------------------------
# Shapes shared by the pictures
# ---------------------------------------------------------------------------------------------


def star_path(cx, cy, ro, ri, points=5, rot=-90):
    out = []
    for i in range(2 * points):
        r = ro if i % 2 == 0 else ri
        a = math.radians(rot + i * 180 / points)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return "M" + " L".join(f"{n(x)},{n(y)}" for x, y in out) + " Z"


def star(s, cx, cy, r, fill, rot=-90, inner=0.5, opacity=1):
    """A five-pointed star with softly rounded tips."""
    s.add(
        f'<path d="{star_path(cx, cy, r, r * inner, 5, rot)}" fill="{fill}" stroke="{fill}" '
        f'stroke-width="{n(r * 0.16)}" stroke-linejoin="round" opacity="{n(opacity)}"/>'
    )


def sparkle(s, cx, cy, r, fill, opacity=1):
    """A four-pointed twinkle."""
    k = r * 0.22
    d = (
        f"M{n(cx)},{n(cy - r)} Q{n(cx + k)},{n(cy - k)} {n(cx + r)},{n(cy)} "
        f"Q{n(cx + k)},{n(cy + k)} {n(cx)},{n(cy + r)} Q{n(cx - k)},{n(cy + k)} {n(cx - r)},{n(cy)} "
        f"Q{n(cx - k)},{n(cy - k)} {n(cx)},{n(cy - r)} Z"
    )
    s.add(f'<path d="{d}" fill="{fill}" opacity="{n(opacity)}"/>')


def shadow(s, cx, cy, rx, ry, opacity=0.18, colour=INK):
    s.add(
        f'<ellipse cx="{n(cx)}" cy="{n(cy)}" rx="{n(rx)}" ry="{n(ry)}" fill="{colour}" '
        f'opacity="{n(opacity)}" filter="{s.blur(max(2, ry * 0.45))}"/>'
    )


def backdrop(s, top, bottom, glow=None, glow_at=(0.5, 0.45)):
    s.add(f'<rect width="{s.w}" height="{s.h}" fill="{s.lin([(0, top), (1, bottom)])}"/>')
    if glow:
        g = s.rad([(0, glow, 0.75), (1, glow, 0)], glow_at[0], glow_at[1], 0.6)
        s.add(f'<rect width="{s.w}" height="{s.h}" fill="{g}"/>')


def sunburst(s, cx, cy, rays, colour, opacity, turn=0.0):
    """Alternate wedges fanning out from one point: the classic backdrop of a celebration."""
    big = max(s.w, s.h) * 1.6
    step = 360 / rays
    d = []
    for i in range(0, rays, 2):
        a0 = math.radians(turn + i * step)
        a1 = math.radians(turn + (i + 1) * step)
        d.append(
            f"M{n(cx)},{n(cy)} L{n(cx + big * math.cos(a0))},{n(cy + big * math.sin(a0))} "
            f"L{n(cx + big * math.cos(a1))},{n(cy + big * math.sin(a1))} Z"
        )
    fade = s.rad([(0, colour, opacity), (0.7, colour, opacity * 0.35), (1, colour, 0)], cx, cy,
                  max(s.w, s.h) * 0.75, user=True)
    s.add(f'<path d="{" ".join(d)}" fill="{fade}"/>')


def bokeh(s, rng, count, colours, rmin, rmax, opacity=(0.15, 0.35), area=None, keep_out=()):
    x0, y0, x1, y1 = area or (0, 0, s.w, s.h)
    for _ in range(count):
        r = rng.uniform(rmin, rmax)
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        colour, alpha = rng.choice(colours), rng.uniform(*opacity)
        if _clear_of(x, y, keep_out):
            s.add(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(r)}" fill="{colour}" opacity="{n(alpha)}"/>')


def _clear_of(x, y, keep_out):
    for kx, ky, kr in keep_out:
        if (x - kx) ** 2 + (y - ky) ** 2 < kr * kr:
            return False
    return True


def confetti_piece(s, x, y, kind, colour, angle, size=1.0, opacity=1.0):
    op = f' opacity="{n(opacity)}"' if opacity < 1 else ""
    t = f'transform="translate({n(x)},{n(y)}) rotate({n(angle)}) scale({n(size)})"'
    if kind == 0:
        s.add(f'<rect x="-5" y="-2.5" width="10" height="5" rx="1.2" fill="{colour}" {t}{op}/>')
    elif kind == 1:
        s.add(f'<circle r="3.2" fill="{colour}" {t}{op}/>')
    elif kind == 2:
        s.add(
            f'<path d="M-7,0 q3.5,-5 7,0 t7,0" fill="none" stroke="{colour}" stroke-width="2.6" '
            f'stroke-linecap="round" {t}{op}/>'
        )
    else:
        s.add(f'<path d="M0,-4 L3.6,2.4 L-3.6,2.4 Z" fill="{colour}" stroke="{colour}" '
              f'stroke-width="1.2" stroke-linejoin="round" {t}{op}/>')


def confetti(s, rng, count, colours=PARTY, keep_out=(), area=None, size=(0.8, 1.3)):
    x0, y0, x1, y1 = area or (0, 0, s.w, s.h)
    placed = 0
    tries = 0
    while placed < count and tries < count * 40:
        tries += 1
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        if not _clear_of(x, y, keep_out):
            continue
        confetti_piece(s, x, y, rng.randrange(4), rng.choice(colours), rng.uniform(0, 360),
                       rng.uniform(*size))
        placed += 1


def streamer(s, x0, y0, x1, y1, colour, waves=3, amp=10, width=5):
    """A curly paper streamer from (x0, y0) to (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    px, py = -uy, ux
    d = [f"M{n(x0)},{n(y0)}"]
    segs = waves * 2
    for i in range(segs):
        t0, t1 = i / segs, (i + 1) / segs
        tm = (t0 + t1) / 2
        side = amp if i % 2 == 0 else -amp
        cx = x0 + dx * tm + px * side * 2
        cy = y0 + dy * tm + py * side * 2
        d.append(f"Q{n(cx)},{n(cy)} {n(x0 + dx * t1)},{n(y0 + dy * t1)}")
    s.add(f'<path d="{" ".join(d)}" fill="none" stroke="{colour}" stroke-width="{n(width)}" '
          f'stroke-linecap="round"/>')


def bunting(s, x0, y0, x1, y1, sag, flags, colours, size=22):
    """A string of pennants hanging between two points."""
    def at(t):
        x = x0 + (x1 - x0) * t
        y = y0 + (y1 - y0) * t + sag * 4 * t * (1 - t)
        return x, y

    mx, my = (x0 + x1) / 2, (y0 + y1) / 2 + sag * 2
    s.add(f'<path d="M{n(x0)},{n(y0)} Q{n(mx)},{n(my)} {n(x1)},{n(y1)}" fill="none" '
          f'stroke="{dark(CREAM, 0.45)}" stroke-width="1.6"/>')
    for i in range(flags):
        ta = (i + 0.12) / flags
        tb = (i + 0.88) / flags
        (ax, ay), (bx, by) = at(ta), at(tb)
        cx, cy = (ax + bx) / 2, (ay + by) / 2 + size * 1.15
        c = colours[i % len(colours)]
        s.add(f'<path d="M{n(ax)},{n(ay)} L{n(bx)},{n(by)} L{n(cx)},{n(cy)} Z" fill="{c}" '
              f'stroke="{c}" stroke-width="2" stroke-linejoin="round"/>')
        s.add(f'<path d="M{n(ax)},{n(ay)} L{n(bx)},{n(by)} L{n((ax + bx) / 2)},{n((ay + by) / 2 + 5)} Z" '
              f'fill="{dark(c, 0.18)}" opacity="0.5"/>')


def balloon(s, cx, cy, r, colour, tail=60, sway=10, string_colour=None):
    """A party balloon whose knot sits below (cx, cy)."""
    ry = r * 1.18
    top = cy - ry
    bot = cy + ry
    d = (
        f"M{n(cx)},{n(bot)} "
        f"C{n(cx - r * 0.55)},{n(bot - ry * 0.12)} {n(cx - r)},{n(cy + ry * 0.35)} {n(cx - r)},{n(cy - ry * 0.12)} "
        f"C{n(cx - r)},{n(top + ry * 0.12)} {n(cx - r * 0.55)},{n(top)} {n(cx)},{n(top)} "
        f"C{n(cx + r * 0.55)},{n(top)} {n(cx + r)},{n(top + ry * 0.12)} {n(cx + r)},{n(cy - ry * 0.12)} "
        f"C{n(cx + r)},{n(cy + ry * 0.35)} {n(cx + r * 0.55)},{n(bot - ry * 0.12)} {n(cx)},{n(bot)} Z"
    )
    sc = string_colour or dark(colour, 0.35)
    s.add(
        f'<path d="M{n(cx)},{n(bot + 5)} q{n(sway)},{n(tail * 0.33)} 0,{n(tail * 0.66)} '
        f't{n(sway * 0.4)},{n(tail * 0.34)}" fill="none" stroke="{sc}" stroke-width="1.5" '
        f'opacity="0.7"/>'
    )
    fill = s.rad([(0, light(colour, 0.45)), (0.55, colour), (1, dark(colour, 0.22))],
                 0.4, 0.35, 0.75, 0.35, 0.28)
    s.add(f'<path d="{d}" fill="{fill}"/>')
    s.add(f'<path d="M{n(cx - 5)},{n(bot + 6)} L{n(cx + 5)},{n(bot + 6)} L{n(cx)},{n(bot - 1)} Z" '
          f'fill="{dark(colour, 0.15)}" stroke="{dark(colour, 0.15)}" stroke-width="1.5" '
          f'stroke-linejoin="round"/>')
    s.add(f'<ellipse cx="{n(cx - r * 0.42)}" cy="{n(cy - ry * 0.42)}" rx="{n(r * 0.16)}" '
          f'ry="{n(r * 0.3)}" transform="rotate(28 {n(cx - r * 0.42)} {n(cy - ry * 0.42)})" '
          f'fill="#ffffff" opacity="0.55"/>')


def cloud(s, cx, cy, w, colour="#ffffff", opacity=0.95, shade=None):
    """A flat, rounded cloud, w wide, sitting on the line y = cy."""
    h = w * 0.32
    shade = shade or mix(colour, SKY, 0.18)
    bumps = [(-0.28, 0.55), (0.02, 0.8), (0.3, 0.52)]
    body = [f'<rect x="{n(cx - w / 2)}" y="{n(cy - h * 0.55)}" width="{n(w)}" height="{n(h * 0.55)}" '
            f'rx="{n(h * 0.275)}"/>']
    for bx, br in bumps:
        body.append(f'<circle cx="{n(cx + bx * w)}" cy="{n(cy - h * 0.5)}" r="{n(br * h)}"/>')
    s.add(f'<g fill="{shade}" opacity="{n(opacity)}" transform="translate(0,3)">{"".join(body)}</g>')
    s.add(f'<g fill="{colour}" opacity="{n(opacity)}">{"".join(body)}</g>')


def bird(s, cx, cy, size, colour, flap=0.0):
    """A gull seen from afar: two curved wings; flap in [-1, 1] lifts or lowers the tips."""
    tip = -size * 0.45 * flap
    d = (
        f"M{n(cx - size)},{n(cy + tip)} "
        f"Q{n(cx - size * 0.45)},{n(cy - size * 0.55 + tip * 0.2)} {n(cx)},{n(cy)} "
        f"Q{n(cx + size * 0.45)},{n(cy - size * 0.55 + tip * 0.2)} {n(cx + size)},{n(cy + tip)}"
    )
    s.add(f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{n(max(1.6, size * 0.16))}" '
          f'stroke-linecap="round" stroke-linejoin="round"/>')


def hills(s, base, layers):
    """Rolling hills: layers of (colour_top, colour_bottom, y, amplitude, phase, wavelength)."""
    for top, bottom, y, amp, phase, wave in layers:
        d = [f"M0,{s.h}", f"L0,{n(y + amp * math.sin(phase))}"]
        steps = 24
        for i in range(1, steps + 1):
            x = s.w * i / steps
            d.append(f"L{n(x)},{n(y + amp * math.sin(phase + x / wave))}")
        d.append(f"L{s.w},{s.h} Z")
        s.add(f'<path d="{" ".join(d)}" fill="{s.lin([(0, top), (1, bottom)], 0, y - amp, 0, base, user=True)}"/>')


def leaf(s, x, y, length, width, angle, colour, vein=True, light_side=True):
    """A leaf whose stalk end is (x, y), pointing along angle (degrees, 0 = right)."""
    L, Wd = length, width
    d = (f"M0,0 C{n(L * 0.25)},{n(-Wd)} {n(L * 0.75)},{n(-Wd)} {n(L)},0 "
         f"C{n(L * 0.75)},{n(Wd)} {n(L * 0.25)},{n(Wd)} 0,0 Z")
    fill = s.lin([(0, light(colour, 0.25)), (1, dark(colour, 0.12))], 0, 0, 1, 1)
    parts = [f'<path d="{d}" fill="{fill}"/>']
    if light_side:
        half = (f"M0,0 C{n(L * 0.25)},{n(-Wd)} {n(L * 0.75)},{n(-Wd)} {n(L)},0 Z")
        parts.append(f'<path d="{half}" fill="#ffffff" opacity="0.16"/>')
    if vein:
        parts.append(f'<path d="M{n(L * 0.06)},0 Q{n(L * 0.5)},{n(-Wd * 0.08)} {n(L * 0.88)},0" '
                     f'fill="none" stroke="{light(colour, 0.45)}" stroke-width="{n(max(1, Wd * 0.09))}" '
                     f'stroke-linecap="round" opacity="0.85"/>')
    s.add(f'<g transform="translate({n(x)},{n(y)}) rotate({n(angle)})">{"".join(parts)}</g>')


def sun(s, cx, cy, r, core=YELLOW, glow="#fff2b0", rays=0, ray_turn=0.0, ray_len=1.0):
    if glow:  # a wide soft halo; animated pictures go without, their 256 colours would band it
        g = s.rad([(0, glow, 0.85), (0.45, glow, 0.35), (1, glow, 0)], cx, cy, r * 3.2, user=True)
        s.add(f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r * 3.2)}" fill="{g}"/>')
    if rays:
        for i in range(rays):
            a = math.radians(ray_turn + i * 360 / rays)
            r0, r1 = r * 1.3, r * (1.3 + 0.45 * ray_len)
            s.add(f'<line x1="{n(cx + r0 * math.cos(a))}" y1="{n(cy + r0 * math.sin(a))}" '
                  f'x2="{n(cx + r1 * math.cos(a))}" y2="{n(cy + r1 * math.sin(a))}" stroke="{core}" '
                  f'stroke-width="{n(r * 0.16)}" stroke-linecap="round" opacity="0.8"/>')
    fill = s.rad([(0, light(core, 0.5)), (1, mix(core, ORANGE, 0.35))], 0.4, 0.35, 0.7)
    s.add(f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}" fill="{fill}"/>')


# ---------------------------------------------------------------------------------------------
# Awards
# ---------------------------------------------------------------------------------------------


def medal_disc(s, cx, cy, r, metal, emblem="star"):
    hi, mid, lo, deep = METALS[metal]
    shadow(s, cx + r * 0.08, cy + r * 0.12, r * 0.95, r * 0.95, 0.18)
    s.add(f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}" fill="{metal_fill(s, metal)}"/>')
    s.add(f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r * 0.93)}" fill="none" stroke="{light(hi, 0.3)}" '
          f'stroke-width="{n(r * 0.03)}" opacity="0.7"/>')
    s.add(f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r * 0.74)}" fill="{metal_fill(s, metal, True)}"/>')
    s.add(f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r * 0.66)}" fill="{metal_fill(s, metal)}"/>')
    if emblem == "star":
        star(s, cx + r * 0.03, cy + r * 0.05, r * 0.42, deep, opacity=0.35)
        star(s, cx, cy, r * 0.42, s.lin([(0, light(hi, 0.4)), (1, mid)], 0, 0, 1, 1))
    elif emblem == "leaf":
        leaf(s, cx - r * 0.3, cy + r * 0.3, r * 0.8, r * 0.22, -45, dark(mid, 0.05), light_side=False)
    # a soft sheen across the upper left
    s.add(f'<path d="M{n(cx - r * 0.8)},{n(cy - r * 0.05)} A{n(r * 0.82)},{n(r * 0.82)} 0 0 1 '
          f'{n(cx + r * 0.1)},{n(cy - r * 0.8)}" fill="none" stroke="#ffffff" '
          f'stroke-width="{n(r * 0.07)}" stroke-linecap="round" opacity="0.55"/>')


def ribbon_v(s, cx, top, mcy, r, colours, metal):
    """The neck ribbon of a medal: two straps meeting just above the disc."""
    a, b = colours
    joint = mcy - r * 0.9
    half = r * 0.42
    spread = r * 1.05
    # right strap (behind)
    right = [(cx + spread - half, top), (cx + spread + half, top), (cx + half * 0.9, joint), (cx - half * 0.7, joint)]
    left = [(cx - spread - half, top), (cx - spread + half, top), (cx + half * 0.7, joint), (cx - half * 0.9, joint)]
    s.add(f'<polygon points="{pts(right)}" fill="{dark(b, 0.15)}"/>')
    s.add(f'<polygon points="{pts([(right[0][0] + half * 0.66, top), (right[1][0] - half * 0.66, top), (right[2][0] - half * 0.55, joint), (right[3][0] + half * 0.55, joint)])}" '
          f'fill="{dark(a, 0.12)}"/>')
    s.add(f'<polygon points="{pts(left)}" fill="{b}"/>')
    s.add(f'<polygon points="{pts([(left[0][0] + half * 0.66, top), (left[1][0] - half * 0.66, top), (left[2][0] - half * 0.55, joint), (left[3][0] + half * 0.55, joint)])}" '
          f'fill="{a}"/>')
    # the ring that holds the disc
    lo = METALS[metal][2]
    s.add(f'<rect x="{n(cx - r * 0.2)}" y="{n(joint - r * 0.06)}" width="{n(r * 0.4)}" height="{n(r * 0.2)}" '
          f'rx="{n(r * 0.08)}" fill="{lo}"/>')


def medal(s, cx, cy, r, metal, ribbon=(TEAL, CORAL), top=-10, emblem="star"):
    ribbon_v(s, cx, top, cy, r, ribbon, metal)
    medal_disc(s, cx, cy, r, metal, emblem)


def trophy(s, cx, top, k, metal, plinth=None, emblem="star"):
    """A loving cup; k scales a design 100 units wide at the bowl."""
    hi, mid, lo, deep = METALS[metal]
    u = lambda v: v * k  # noqa: E731
    bowl_bottom = top + u(92)
    shadow(s, cx, top + u(170), u(78), u(9), 0.22)
    # handles behind the bowl
    for side in (-1, 1):
        s.add(
            f'<path d="M{n(cx + side * u(44))},{n(top + u(14))} C{n(cx + side * u(88))},{n(top + u(8))} '
            f'{n(cx + side * u(86))},{n(top + u(62))} {n(cx + side * u(30))},{n(top + u(74))}" fill="none" '
            f'stroke="{lo}" stroke-width="{n(u(11))}" stroke-linecap="round"/>'
        )
        s.add(
            f'<path d="M{n(cx + side * u(44))},{n(top + u(14))} C{n(cx + side * u(88))},{n(top + u(8))} '
            f'{n(cx + side * u(86))},{n(top + u(62))} {n(cx + side * u(30))},{n(top + u(74))}" fill="none" '
            f'stroke="{mid}" stroke-width="{n(u(5))}" stroke-linecap="round" opacity="0.8"/>'
        )
    bowl = (f"M{n(cx - u(52))},{n(top)} L{n(cx + u(52))},{n(top)} "
            f"C{n(cx + u(52))},{n(top + u(62))} {n(cx + u(30))},{n(bowl_bottom)} {n(cx)},{n(bowl_bottom)} "
            f"C{n(cx - u(30))},{n(bowl_bottom)} {n(cx - u(52))},{n(top + u(62))} {n(cx - u(52))},{n(top)} Z")
    s.add(f'<path d="{bowl}" fill="{s.lin([(0, hi), (0.35, mid), (1, lo)], 0, 0, 1, 0.4)}"/>')
    # the dark inside of the rim
    s.add(f'<ellipse cx="{n(cx)}" cy="{n(top)}" rx="{n(u(52))}" ry="{n(u(8))}" fill="{lo}"/>')
    s.add(f'<ellipse cx="{n(cx)}" cy="{n(top + u(1.5))}" rx="{n(u(46))}" ry="{n(u(5.5))}" fill="{deep}"/>')
    # sheen
    s.add(f'<path d="M{n(cx - u(38))},{n(top + u(14))} C{n(cx - u(38))},{n(top + u(46))} '
          f'{n(cx - u(26))},{n(top + u(70))} {n(cx - u(12))},{n(top + u(80))}" fill="none" stroke="#ffffff" '
          f'stroke-width="{n(u(6))}" stroke-linecap="round" opacity="0.5"/>')
    if emblem == "star":
        star(s, cx + u(1.5), top + u(42), u(17), deep, opacity=0.3)
        star(s, cx, top + u(40), u(17), s.lin([(0, light(hi, 0.5)), (1, mid)], 0, 0, 1, 1))
    # stem and base
    s.add(f'<path d="M{n(cx - u(9))},{n(bowl_bottom - u(2))} L{n(cx + u(9))},{n(bowl_bottom - u(2))} '
          f'L{n(cx + u(7))},{n(top + u(122))} L{n(cx - u(7))},{n(top + u(122))} Z" fill="{lo}"/>')
    s.add(f'<ellipse cx="{n(cx)}" cy="{n(bowl_bottom + u(8))}" rx="{n(u(15))}" ry="{n(u(6))}" '
          f'fill="{s.lin([(0, hi), (1, lo)], 0, 0, 1, 0)}"/>')
    s.add(f'<path d="M{n(cx - u(30))},{n(top + u(136))} Q{n(cx - u(26))},{n(top + u(120))} {n(cx)},{n(top + u(120))} '
          f'Q{n(cx + u(26))},{n(top + u(120))} {n(cx + u(30))},{n(top + u(136))} Z" '
          f'fill="{s.lin([(0, hi), (0.4, mid), (1, lo)], 0, 0, 1, 0)}"/>')
    pc = plinth or "#6d4c8f"
    s.add(f'<rect x="{n(cx - u(44))}" y="{n(top + u(136))}" width="{n(u(88))}" height="{n(u(34))}" '
          f'rx="{n(u(5))}" fill="{s.lin([(0, light(pc, 0.12)), (1, dark(pc, 0.2))], 0, 0, 0, 1)}"/>')
    s.add(f'<rect x="{n(cx - u(28))}" y="{n(top + u(145))}" width="{n(u(56))}" height="{n(u(15))}" '
          f'rx="{n(u(3))}" fill="{metal_fill(s, metal)}"/>')


def rosette(s, cx, cy, r, metal, colour, tails=True, colour2=None):
    colour2 = colour2 or light(colour, 0.35)
    if tails:
        for side, c in ((-1, dark(colour, 0.08)), (1, colour)):
            x_end = cx + side * r * 0.62
            y_end = cy + r * 2.15
            w = r * 0.42
            tail = [
                (cx + side * r * 0.05 - w / 2, cy),
                (cx + side * r * 0.05 + w / 2, cy),
                (x_end + w / 2, y_end),
                (x_end, y_end - w * 0.45),
                (x_end - w / 2, y_end),
            ]
            s.add(f'<polygon points="{pts(tail)}" fill="{c}" transform="rotate({n(side * 4)} {n(cx)} {n(cy)})"/>')
    # outer pleats
    pleats = 22
    d = []
    for i in range(pleats):
        a0 = math.radians(i * 360 / pleats)
        a1 = math.radians((i + 0.5) * 360 / pleats)
        a2 = math.radians((i + 1) * 360 / pleats)
        ro = r * 1.02
        ri = r * 0.93
        if i == 0:
            d.append(f"M{n(cx + ri * math.cos(a0))},{n(cy + ri * math.sin(a0))}")
        d.append(f"Q{n(cx + ro * 1.08 * math.cos(a1))},{n(cy + ro * 1.08 * math.sin(a1))} "
                 f"{n(cx + ri * math.cos(a2))},{n(cy + ri * math.sin(a2))}")
    d.append("Z")
    shadow(s, cx + r * 0.05, cy + r * 0.1, r, r, 0.16)
    s.add(f'<path d="{" ".join(d)}" fill="{s.rad([(0.6, light(colour, 0.15)), (1, dark(colour, 0.12))])}"/>')
    for i in range(pleats):
        a = math.radians((i + 0.5) * 360 / pleats)
        s.add(f'<line x1="{n(cx + r * 0.72 * math.cos(a))}" y1="{n(cy + r * 0.72 * math.sin(a))}" '
              f'x2="{n(cx + r * 0.98 * math.cos(a))}" y2="{n(cy + r * 0.98 * math.sin(a))}" '
              f'stroke="{dark(colour, 0.2)}" stroke-width="{n(r * 0.025)}" opacity="0.5"/>')
    s.add(f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r * 0.76)}" fill="{colour2}"/>')
    for i in range(pleats):
        a = math.radians(i * 360 / pleats)
        s.add(f'<line x1="{n(cx + r * 0.6 * math.cos(a))}" y1="{n(cy + r * 0.6 * math.sin(a))}" '
              f'x2="{n(cx + r * 0.74 * math.cos(a))}" y2="{n(cy + r * 0.74 * math.sin(a))}" '
              f'stroke="{dark(colour2, 0.2)}" stroke-width="{n(r * 0.02)}" opacity="0.5"/>')
    medal_disc(s, cx, cy, r * 0.58, metal)


def laurel(s, cx, cy, r, colour, leaves=9, span=(78, -50), size=1.0):
    """A wreath: two branches climbing a circle from near its bottom, mirrored left and right."""
    t0, t1 = span
    for side in (-1, 1):
        stem = []
        for i in range(21):
            th = math.radians(t0 + (t1 - t0) * i / 20)
            stem.append((cx + side * r * math.cos(th), cy + r * math.sin(th)))
        s.add(f'<polyline points="{pts(stem)}" fill="none" stroke="{dark(colour, 0.2)}" '
              f'stroke-width="{n(r * 0.035)}" stroke-linecap="round" stroke-linejoin="round"/>')
        for i in range(leaves):
            t = i / (leaves - 1)
            th = math.radians(t0 + (t1 - t0) * t)
            x = cx + side * r * math.cos(th)
            y = cy + r * math.sin(th)
            heading = math.degrees(math.atan2(-math.cos(th), side * math.sin(th)))
            ln = r * 0.34 * size * (1 - 0.3 * t)
            for off in (-34, 34):
                leaf(s, x, y, ln, ln * 0.3, heading + off, colour, vein=False)
        tip = math.radians(t1)
        heading = math.degrees(math.atan2(-math.cos(tip), side * math.sin(tip)))
        leaf(s, cx + side * r * math.cos(tip), cy + r * math.sin(tip), r * 0.26 * size, r * 0.08 * size,
             heading, colour, vein=False)


def shield(s, cx, cy, w, metal, band=None):
    hi, mid, lo, deep = METALS[metal]
    h = w * 1.2
    top = cy - h / 2

    def path(k):
        ww, hh = w * k, h * k
        t = cy - hh / 2
        return (f"M{n(cx)},{n(t)} C{n(cx + ww * 0.25)},{n(t + hh * 0.08)} {n(cx + ww * 0.42)},{n(t + hh * 0.06)} "
                f"{n(cx + ww / 2)},{n(t + hh * 0.04)} C{n(cx + ww / 2)},{n(t + hh * 0.55)} {n(cx + ww * 0.3)},"
                f"{n(t + hh * 0.85)} {n(cx)},{n(t + hh)} C{n(cx - ww * 0.3)},{n(t + hh * 0.85)} {n(cx - ww / 2)},"
                f"{n(t + hh * 0.55)} {n(cx - ww / 2)},{n(t + hh * 0.04)} C{n(cx - ww * 0.42)},{n(t + hh * 0.06)} "
                f"{n(cx - ww * 0.25)},{n(t + hh * 0.08)} {n(cx)},{n(t)} Z")

    shadow(s, cx + 4, cy + h * 0.1, w * 0.5, h * 0.5, 0.2)
    s.add(f'<path d="{path(1)}" fill="{metal_fill(s, metal)}" stroke="{lo}" stroke-width="{n(w * 0.02)}" '
          f'stroke-linejoin="round"/>')
    s.add(f'<path d="{path(0.8)}" fill="{band or metal_fill(s, metal, True)}"/>')
    star(s, cx + w * 0.015, cy - h * 0.02, w * 0.22, deep, opacity=0.3)
    star(s, cx, cy - h * 0.04, w * 0.22, s.lin([(0, light(hi, 0.5)), (1, mid)], 0, 0, 1, 1))
    s.add(f'<path d="M{n(cx - w * 0.3)},{n(top + h * 0.15)} Q{n(cx - w * 0.32)},{n(top + h * 0.5)} '
          f'{n(cx - w * 0.12)},{n(top + h * 0.78)}" fill="none" stroke="#ffffff" stroke-width="{n(w * 0.035)}" '
          f'stroke-linecap="round" opacity="0.5"/>')


def banner(s, cx, cy, w, h, colour):
    """A blank ribbon banner with folded ends."""
    end = h * 0.9
    for side in (-1, 1):
        x_in = cx + side * (w / 2 - end * 0.2)
        x_out = cx + side * (w / 2 + end)
        piece = [(x_in, cy - h / 2 + h * 0.35), (x_out, cy - h / 2 + h * 0.35), (x_out - side * end * 0.45, cy + h * 0.35 / 2 + h * 0.17),
                 (x_out, cy + h / 2 + h * 0.35), (x_in, cy + h / 2 + h * 0.35)]
        s.add(f'<polygon points="{pts(piece)}" fill="{dark(colour, 0.18)}"/>')
        fold = [(cx + side * w / 2, cy + h / 2), (x_in, cy + h / 2 + h * 0.35), (x_in, cy + h / 2)]
        s.add(f'<polygon points="{pts(fold)}" fill="{dark(colour, 0.4)}"/>')
    s.add(f'<rect x="{n(cx - w / 2)}" y="{n(cy - h / 2)}" width="{n(w)}" height="{n(h)}" '
          f'fill="{s.lin([(0, light(colour, 0.15)), (1, dark(colour, 0.05))])}"/>')
    s.add(f'<rect x="{n(cx - w / 2)}" y="{n(cy - h / 2 + h * 0.14)}" width="{n(w)}" height="{n(h * 0.08)}" '
          f'fill="#ffffff" opacity="0.3"/>')


def crown(s, cx, base, w, metal, gems=(CORAL, TEAL, PURPLE)):
    hi, mid, lo, deep = METALS[metal]
    h = w * 0.62
    top = base - h
    d = (f"M{n(cx - w / 2)},{n(base)} L{n(cx - w / 2)},{n(top + h * 0.28)} L{n(cx - w * 0.27)},{n(top + h * 0.52)} "
         f"L{n(cx)},{n(top)} L{n(cx + w * 0.27)},{n(top + h * 0.52)} L{n(cx + w / 2)},{n(top + h * 0.28)} "
         f"L{n(cx + w / 2)},{n(base)} Z")
    shadow(s, cx, base + w * 0.08, w * 0.55, w * 0.05, 0.25)
    s.add(f'<path d="{d}" fill="{metal_fill(s, metal)}" stroke="{mid}" stroke-width="{n(w * 0.05)}" '
          f'stroke-linejoin="round"/>')
    for x, y in ((cx - w / 2, top + h * 0.28), (cx, top), (cx + w / 2, top + h * 0.28)):
        s.add(f'<circle cx="{n(x)}" cy="{n(y - w * 0.04)}" r="{n(w * 0.055)}" fill="{s.rad([(0, light(hi, 0.5)), (1, lo)], 0.35, 0.35, 0.7)}"/>')
    s.add(f'<rect x="{n(cx - w * 0.53)}" y="{n(base - h * 0.3)}" width="{n(w * 1.06)}" height="{n(h * 0.3)}" '
          f'rx="{n(w * 0.03)}" fill="{s.lin([(0, mid), (1, lo)])}"/>')
    for i, g in enumerate(gems):
        x = cx + (i - 1) * w * 0.3
        y = base - h * 0.15
        s.add(f'<ellipse cx="{n(x)}" cy="{n(y)}" rx="{n(w * 0.07 if i != 1 else w * 0.085)}" ry="{n(w * 0.06)}" '
              f'fill="{s.rad([(0, light(g, 0.6)), (0.6, g), (1, dark(g, 0.3))], 0.35, 0.35, 0.7)}"/>')
    s.add(f'<path d="M{n(cx - w * 0.38)},{n(top + h * 0.55)} L{n(cx - w * 0.38)},{n(base - h * 0.36)}" '
          f'stroke="#ffffff" stroke-width="{n(w * 0.04)}" stroke-linecap="round" opacity="0.5"/>')


def firework(s, cx, cy, r, colour, rays=14, progress=1.0, turn=0.0, fade=1.0, dots=True, glow=True):
    """A burst; progress in (0, 1] grows it, fade in [0, 1] dims it."""
    if fade <= 0 or progress <= 0:
        return
    if glow:
        g = s.rad([(0, colour, 0.0), (0.55, colour, 0.22 * fade), (1, colour, 0)], cx, cy, r * 1.2 * progress,
                  user=True)
        s.add(f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r * 1.2 * progress)}" fill="{g}"/>')
    for i in range(rays):
        a = math.radians(turn + i * 360 / rays)
        r1 = r * progress
        r0 = r1 * 0.45
        s.add(f'<line x1="{n(cx + r0 * math.cos(a))}" y1="{n(cy + r0 * math.sin(a))}" '
              f'x2="{n(cx + r1 * math.cos(a))}" y2="{n(cy + r1 * math.sin(a))}" stroke="{colour}" '
              f'stroke-width="{n(max(1.5, r * 0.05))}" stroke-linecap="round" opacity="{n(fade)}"/>')
        if dots:
            rd = r1 * 1.12
            s.add(f'<circle cx="{n(cx + rd * math.cos(a))}" cy="{n(cy + rd * math.sin(a))}" '
                  f'r="{n(max(1.2, r * 0.035))}" fill="{light(colour, 0.5)}" opacity="{n(fade)}"/>')
        a2 = a + math.radians(180 / rays)
        rs = r1 * 0.7
        s.add(f'<circle cx="{n(cx + rs * math.cos(a2))}" cy="{n(cy + rs * math.sin(a2))}" '
              f'r="{n(max(1, r * 0.025))}" fill="{light(colour, 0.3)}" opacity="{n(fade * 0.9)}"/>')


def plinth(s, cx, top, w, h, colour, metal):
    s.add(f'<rect x="{n(cx - w / 2)}" y="{n(top)}" width="{n(w)}" height="{n(h)}" rx="{n(h * 0.15)}" '
          f'fill="{s.lin([(0, light(colour, 0.12)), (1, dark(colour, 0.2))])}"/>')
    s.add(f'<rect x="{n(cx - w * 0.32)}" y="{n(top + h * 0.28)}" width="{n(w * 0.64)}" height="{n(h * 0.44)}" '
          f'rx="{n(h * 0.1)}" fill="{metal_fill(s, metal)}"/>')


def star_trophy(s, cx, top, k, metal, base_colour=NAVY):
    """A star held up on a stem: the trophy of a long stretch done well."""
    hi, mid, lo, deep = METALS[metal]
    u = lambda v: v * k  # noqa: E731
    shadow(s, cx, top + u(178), u(72), u(8), 0.22)
    s.add(f'<path d="M{n(cx - u(6))},{n(top + u(70))} L{n(cx + u(6))},{n(top + u(70))} '
          f'L{n(cx + u(10))},{n(top + u(138))} L{n(cx - u(10))},{n(top + u(138))} Z" '
          f'fill="{s.lin([(0, hi), (0.5, mid), (1, lo)], 0, 0, 1, 0)}"/>')
    s.add(f'<ellipse cx="{n(cx)}" cy="{n(top + u(112))}" rx="{n(u(14))}" ry="{n(u(5))}" '
          f'fill="{s.lin([(0, hi), (1, lo)], 0, 0, 1, 0)}"/>')
    s.add(f'<path d="M{n(cx - u(34))},{n(top + u(146))} Q{n(cx - u(30))},{n(top + u(132))} {n(cx)},{n(top + u(132))} '
          f'Q{n(cx + u(30))},{n(top + u(132))} {n(cx + u(34))},{n(top + u(146))} Z" '
          f'fill="{s.lin([(0, hi), (0.4, mid), (1, lo)], 0, 0, 1, 0)}"/>')
    plinth(s, cx, top + u(145), u(96), u(34), base_colour, metal)
    cy = top + u(44)
    g = s.rad([(0, light(hi, 0.5), 0.55), (1, hi, 0)], cx, cy, u(100), user=True)
    s.add(f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(u(100))}" fill="{g}"/>')
    star(s, cx + u(3), cy + u(4), u(58), deep, opacity=0.25)
    star(s, cx, cy, u(58), metal_fill(s, metal))
    star(s, cx, cy, u(32), metal_fill(s, metal, True))
    star(s, cx, cy, u(26), metal_fill(s, metal))
    s.add(f'<path d="M{n(cx - u(30))},{n(cy - u(8))} L{n(cx - u(12))},{n(cy - u(10))} L{n(cx - u(4))},{n(cy - u(34))}" '
          f'fill="none" stroke="#ffffff" stroke-width="{n(u(4))}" stroke-linecap="round" '
          f'stroke-linejoin="round" opacity="0.55"/>')


def cushion(s, cx, cy, w, colour):
    h = w * 0.3
    shadow(s, cx, cy + h * 0.55, w * 0.55, h * 0.18, 0.25)
    d = (f"M{n(cx - w / 2)},{n(cy - h * 0.1)} Q{n(cx)},{n(cy - h * 0.75)} {n(cx + w / 2)},{n(cy - h * 0.1)} "
         f"Q{n(cx + w * 0.45)},{n(cy + h * 0.2)} {n(cx + w / 2)},{n(cy + h * 0.45)} "
         f"Q{n(cx)},{n(cy + h * 0.7)} {n(cx - w / 2)},{n(cy + h * 0.45)} "
         f"Q{n(cx - w * 0.45)},{n(cy + h * 0.2)} {n(cx - w / 2)},{n(cy - h * 0.1)} Z")
    s.add(f'<path d="{d}" fill="{s.lin([(0, light(colour, 0.2)), (1, dark(colour, 0.25))])}"/>')
    s.add(f'<path d="M{n(cx - w * 0.42)},{n(cy + h * 0.12)} Q{n(cx)},{n(cy + h * 0.38)} {n(cx + w * 0.42)},{n(cy + h * 0.12)}" '
          f'fill="none" stroke="{METALS["gold"][1]}" stroke-width="{n(w * 0.012)}" stroke-dasharray="{n(w * 0.02)} {n(w * 0.015)}"/>')
    for side in (-1, 1):
        x, y = cx + side * w / 2, cy + h * 0.45
        s.add(f'<path d="M{n(x)},{n(y)} l{n(side * w * 0.01)},{n(h * 0.35)} l{n(-side * w * 0.05)},0 Z" '
              f'fill="{METALS["gold"][1]}"/>')
        s.add(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(w * 0.025)}" fill="{METALS["gold"][2]}"/>')


# ---------------------------------------------------------------------------------------------
# Growing things
# ---------------------------------------------------------------------------------------------

LEAF = "#4cc27a"
LEAF_DARK = "#2a9a63"
LEAF_LIGHT = "#9be07a"
BARK = "#9a6a4a"
TERRACOTTA = "#e0825a"


def pot(s, cx, top, w, colour=TERRACOTTA):
    h = w * 0.8
    shadow(s, cx, top + h + 4, w * 0.6, w * 0.07, 0.22)
    body = [(cx - w * 0.44, top + h * 0.22), (cx + w * 0.44, top + h * 0.22), (cx + w * 0.34, top + h),
            (cx - w * 0.34, top + h)]
    s.add(f'<path d="M{pts(body[:1])} L{pts(body[1:])} Z" fill="{s.lin([(0, light(colour, 0.12)), (0.6, colour), (1, dark(colour, 0.18))], 0, 0, 1, 0)}" '
          f'stroke="{colour}" stroke-width="{n(w * 0.04)}" stroke-linejoin="round"/>')
    s.add(f'<rect x="{n(cx - w / 2)}" y="{n(top)}" width="{n(w)}" height="{n(h * 0.26)}" rx="{n(w * 0.05)}" '
          f'fill="{s.lin([(0, light(colour, 0.2)), (1, dark(colour, 0.1))], 0, 0, 1, 0)}"/>')
    s.add(f'<rect x="{n(cx - w * 0.44)}" y="{n(top + h * 0.26)}" width="{n(w * 0.88)}" height="{n(h * 0.06)}" '
          f'fill="{dark(colour, 0.25)}" opacity="0.35"/>')
    s.add(f'<path d="M{n(cx - w * 0.3)},{n(top + h * 0.4)} L{n(cx - w * 0.25)},{n(top + h * 0.85)}" '
          f'stroke="#ffffff" stroke-width="{n(w * 0.04)}" stroke-linecap="round" opacity="0.35"/>')


def sprout(s, x, ground, height, leaf_len, lean=0.0, colour=LEAF, leaves=2):
    """A seedling: a curved stem and a pair (or three) of young leaves at its top."""
    tx, ty = x + lean * height, ground - height
    s.add(f'<path d="M{n(x)},{n(ground)} C{n(x)},{n(ground - height * 0.5)} {n(tx - lean * height * 0.6)},'
          f'{n(ty + height * 0.3)} {n(tx)},{n(ty)}" fill="none" stroke="{dark(colour, 0.12)}" '
          f'stroke-width="{n(max(2.5, leaf_len * 0.12))}" stroke-linecap="round"/>')
    leaf(s, tx, ty, leaf_len, leaf_len * 0.34, -150 + lean * 20, colour)
    leaf(s, tx, ty, leaf_len * 1.05, leaf_len * 0.36, -28 + lean * 20, light(colour, 0.08))
    if leaves > 2:
        leaf(s, tx, ty, leaf_len * 0.6, leaf_len * 0.22, -88 + lean * 20, light(colour, 0.2))


def round_tree(s, x, ground, size, colour=LEAF, trunk=BARK):
    """A young tree with a round crown, size = crown radius."""
    shadow(s, x + size * 0.1, ground, size * 0.8, size * 0.12, 0.2)
    s.add(f'<path d="M{n(x - size * 0.09)},{n(ground)} L{n(x - size * 0.05)},{n(ground - size * 1.4)} '
          f'L{n(x + size * 0.05)},{n(ground - size * 1.4)} L{n(x + size * 0.09)},{n(ground)} Z" fill="{trunk}"/>')
    s.add(f'<path d="M{n(x)},{n(ground - size * 0.85)} L{n(x + size * 0.35)},{n(ground - size * 1.2)}" '
          f'stroke="{trunk}" stroke-width="{n(size * 0.07)}" stroke-linecap="round"/>')
    cy = ground - size * 1.75
    s.add(f'<circle cx="{n(x)}" cy="{n(cy)}" r="{n(size)}" fill="{s.rad([(0, light(colour, 0.3)), (0.7, colour), (1, dark(colour, 0.15))], 0.38, 0.32, 0.75)}"/>')
    s.add(f'<circle cx="{n(x - size * 0.35)}" cy="{n(cy - size * 0.35)}" r="{n(size * 0.28)}" fill="#ffffff" opacity="0.18"/>')


def cone_tree(s, x, ground, size, colour=LEAF_DARK, trunk=BARK):
    shadow(s, x + size * 0.1, ground, size * 0.7, size * 0.1, 0.2)
    s.add(f'<rect x="{n(x - size * 0.07)}" y="{n(ground - size * 0.5)}" width="{n(size * 0.14)}" '
          f'height="{n(size * 0.5)}" fill="{trunk}"/>')
    for i, k in enumerate((1.0, 0.78, 0.56)):
        base = ground - size * (0.35 + i * 0.55)
        s.add(f'<path d="M{n(x - size * 0.6 * k)},{n(base)} L{n(x)},{n(base - size * 1.0 * k)} '
              f'L{n(x + size * 0.6 * k)},{n(base)} Z" fill="{s.lin([(0, light(colour, 0.15)), (1, dark(colour, 0.1))], 0, 0, 1, 0)}" '
              f'stroke="{colour}" stroke-width="{n(size * 0.12)}" stroke-linejoin="round"/>')


def flower(s, x, y, r, colour, centre=YELLOW, stem=0):
    if stem:
        s.add(f'<path d="M{n(x)},{n(y)} q{n(r * 0.3)},{n(stem * 0.5)} 0,{n(stem)}" fill="none" '
              f'stroke="{LEAF_DARK}" stroke-width="{n(max(1.5, r * 0.25))}" stroke-linecap="round"/>')
    for i in range(5):
        a = math.radians(i * 72 - 90)
        s.add(f'<circle cx="{n(x + r * math.cos(a))}" cy="{n(y + r * math.sin(a))}" r="{n(r * 0.72)}" fill="{colour}"/>')
    s.add(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(r * 0.62)}" fill="{centre}"/>')


def butterfly(s, x, y, size, colour, angle=0, open_=1.0):
    w = size * open_
    wings = (f'<ellipse cx="{n(-w * 0.55)}" cy="{n(-size * 0.3)}" rx="{n(w * 0.55)}" ry="{n(size * 0.45)}" fill="{colour}"/>'
             f'<ellipse cx="{n(w * 0.55)}" cy="{n(-size * 0.3)}" rx="{n(w * 0.55)}" ry="{n(size * 0.45)}" fill="{colour}"/>'
             f'<ellipse cx="{n(-w * 0.4)}" cy="{n(size * 0.32)}" rx="{n(w * 0.38)}" ry="{n(size * 0.3)}" fill="{light(colour, 0.25)}"/>'
             f'<ellipse cx="{n(w * 0.4)}" cy="{n(size * 0.32)}" rx="{n(w * 0.38)}" ry="{n(size * 0.3)}" fill="{light(colour, 0.25)}"/>'
             f'<rect x="{n(-size * 0.07)}" y="{n(-size * 0.55)}" width="{n(size * 0.14)}" height="{n(size * 1.1)}" '
             f'rx="{n(size * 0.07)}" fill="{dark(colour, 0.55)}"/>'
             f'<path d="M0,{n(-size * 0.5)} q{n(-size * 0.1)},{n(-size * 0.3)} {n(-size * 0.3)},{n(-size * 0.4)} '
             f'M0,{n(-size * 0.5)} q{n(size * 0.1)},{n(-size * 0.3)} {n(size * 0.3)},{n(-size * 0.4)}" fill="none" '
             f'stroke="{dark(colour, 0.55)}" stroke-width="{n(size * 0.05)}" stroke-linecap="round"/>')
    s.add(f'<g transform="translate({n(x)},{n(y)}) rotate({n(angle)})">{wings}</g>')


def drop(s, x, y, size, colour="#7fd0ff", opacity=0.9):
    d = (f"M{n(x)},{n(y - size)} C{n(x + size * 0.15)},{n(y - size * 0.55)} {n(x + size * 0.6)},{n(y - size * 0.1)} "
         f"{n(x + size * 0.6)},{n(y + size * 0.25)} A{n(size * 0.6)},{n(size * 0.6)} 0 0 1 {n(x - size * 0.6)},"
         f"{n(y + size * 0.25)} C{n(x - size * 0.6)},{n(y - size * 0.1)} {n(x - size * 0.15)},{n(y - size * 0.55)} "
         f"{n(x)},{n(y - size)} Z")
    s.add(f'<path d="{d}" fill="{s.lin([(0, light(colour, 0.45)), (1, colour)])}" opacity="{n(opacity)}"/>')
    s.add(f'<ellipse cx="{n(x - size * 0.22)}" cy="{n(y + size * 0.15)}" rx="{n(size * 0.12)}" ry="{n(size * 0.2)}" '
          f'fill="#ffffff" opacity="0.7"/>')


def lung_lobe(cx, top, w, h, side):
    """Outline of one lobe of a leafy crown shaped like a lung; side -1 is the left lobe."""
    ix = cx + side * 12  # the inner edge, beside the windpipe
    notch = w * 0.12 if side < 0 else 0.0  # the left lobe makes room for the heart

    def p(fx, fy):
        return f"{n(ix + side * w * fx)},{n(top + h * fy)}"

    def q(dx, fy):
        return f"{n(ix + side * dx)},{n(top + h * fy)}"

    return (f"M{p(0.1, 0.15)} C{p(0.15, 0.02)} {p(0.3, 0)} {p(0.42, 0)} "
            f"C{p(0.72, 0)} {p(0.94, 0.35)} {p(1.0, 0.7)} "
            f"C{p(1.04, 0.92)} {p(0.95, 1.0)} {p(0.8, 0.98)} "
            f"C{p(0.55, 0.93)} {p(0.3, 0.9)} {p(0.08, 0.95)} "
            f"C{q(notch, 0.95)} {q(notch * 1.4, 0.65)} {p(0.02, 0.42)} "
            f"C{p(0.04, 0.3)} {p(0.06, 0.22)} {p(0.1, 0.15)} Z")


# ---------------------------------------------------------------------------------------------
# Sky things
# ---------------------------------------------------------------------------------------------


def kite(s, x, y, size, c1, c2, angle=0, tail_to=None, string_to=None, bows=(CORAL, YELLOW, TEAL)):
    """A diamond kite centred on (x, y); the tail hangs toward tail_to, the line runs to string_to."""
    top, bottom = (0, -size), (0, size * 1.35)
    left, right = (-size * 0.78, -size * 0.1), (size * 0.78, -size * 0.1)

    def place(p):
        a = math.radians(angle)
        return (x + p[0] * math.cos(a) - p[1] * math.sin(a), y + p[0] * math.sin(a) + p[1] * math.cos(a))

    T, B, L, R = place(top), place(bottom), place(left), place(right)
    C = place((0, -size * 0.1))
    if string_to:
        s.add(f'<path d="M{n(C[0])},{n(C[1])} Q{n((C[0] + string_to[0]) / 2 + 30)},{n((C[1] + string_to[1]) / 2 + 30)} '
              f'{n(string_to[0])},{n(string_to[1])}" fill="none" stroke="#ffffff" stroke-width="1.4" opacity="0.9"/>')
    if tail_to:
        tx, ty = tail_to
        d = f"M{n(B[0])},{n(B[1])} C{n(B[0] + 30)},{n(B[1] + 30)} {n(tx - 40)},{n(ty - 30)} {n(tx)},{n(ty)}"
        s.add(f'<path d="{d}" fill="none" stroke="{dark(c1, 0.3)}" stroke-width="1.8"/>')
        for i, t in enumerate((0.25, 0.5, 0.75)):
            # points on the cubic for the bows
            mt = 1 - t
            bx = mt ** 3 * B[0] + 3 * mt * mt * t * (B[0] + 30) + 3 * mt * t * t * (tx - 40) + t ** 3 * tx
            by = mt ** 3 * B[1] + 3 * mt * mt * t * (B[1] + 30) + 3 * mt * t * t * (ty - 30) + t ** 3 * ty
            c = bows[i % len(bows)]
            s.add(f'<path d="M{n(bx)},{n(by)} l-8,-5 l0,10 Z M{n(bx)},{n(by)} l8,-5 l0,10 Z" fill="{c}" '
                  f'stroke="{c}" stroke-width="2" stroke-linejoin="round"/>')
    for a, b, c in ((T, L, light(c1, 0.15)), (T, R, c2), (B, L, c2), (B, R, dark(c1, 0.1))):
        s.add(f'<polygon points="{pts([a, b, C])}" fill="{c}" stroke="{c}" stroke-width="1.5" stroke-linejoin="round"/>')
    s.add(f'<path d="M{n(T[0])},{n(T[1])} L{n(B[0])},{n(B[1])} M{n(L[0])},{n(L[1])} L{n(R[0])},{n(R[1])}" '
          f'stroke="{dark(c1, 0.35)}" stroke-width="1.6" opacity="0.6"/>')


def air_balloon(s, x, y, r, colours, basket=BARK):
    """A hot-air balloon whose envelope is centred on (x, y)."""
    top = y - r
    neck = y + r * 0.95
    d = (f"M{n(x)},{n(top)} C{n(x + r * 0.75)},{n(top)} {n(x + r * 1.02)},{n(y - r * 0.4)} {n(x + r)},{n(y)} "
         f"C{n(x + r * 0.98)},{n(y + r * 0.45)} {n(x + r * 0.35)},{n(y + r * 0.7)} {n(x + r * 0.28)},{n(neck)} "
         f"L{n(x - r * 0.28)},{n(neck)} C{n(x - r * 0.35)},{n(y + r * 0.7)} {n(x - r * 0.98)},{n(y + r * 0.45)} "
         f"{n(x - r)},{n(y)} C{n(x - r * 1.02)},{n(y - r * 0.4)} {n(x - r * 0.75)},{n(top)} {n(x)},{n(top)} Z")
    cl = s.clip(f'<path d="{d}"/>')
    s.open(f'clip-path="{cl}"')
    s.add(f'<rect x="{n(x - r * 1.1)}" y="{n(top)}" width="{n(r * 2.2)}" height="{n(r * 2.1)}" fill="{colours[0]}"/>')
    stripes = 7
    for i in range(stripes):
        if i % 2:
            continue
        x0 = -1 + 2 * i / stripes
        x1 = -1 + 2 * (i + 1) / stripes
        # stripes narrow toward the neck, like gores of the envelope
        s.add(f'<path d="M{n(x + x0 * r * 0.15)},{n(top)} C{n(x + x0 * r * 1.25)},{n(y - r * 0.2)} '
              f'{n(x + x0 * r * 0.9)},{n(y + r * 0.6)} {n(x + x0 * r * 0.28)},{n(neck)} '
              f'L{n(x + x1 * r * 0.28)},{n(neck)} C{n(x + x1 * r * 0.9)},{n(y + r * 0.6)} '
              f'{n(x + x1 * r * 1.25)},{n(y - r * 0.2)} {n(x + x1 * r * 0.15)},{n(top)} Z" fill="{colours[1]}"/>')
    s.add(f'<rect x="{n(x - r * 1.1)}" y="{n(y + r * 0.15)}" width="{n(r * 2.2)}" height="{n(r * 0.16)}" '
          f'fill="{colours[2] if len(colours) > 2 else light(colours[0], 0.4)}"/>')
    shade = s.lin([(0, "#ffffff", 0.35), (0.45, "#ffffff", 0), (0.7, INK, 0), (1, INK, 0.25)], 0, 0, 1, 0)
    s.add(f'<rect x="{n(x - r * 1.1)}" y="{n(top)}" width="{n(r * 2.2)}" height="{n(r * 2.1)}" fill="{shade}"/>')
    s.close()
    by = neck + r * 0.38
    s.add(f'<path d="M{n(x - r * 0.27)},{n(neck)} L{n(x - r * 0.17)},{n(by)} M{n(x + r * 0.27)},{n(neck)} '
          f'L{n(x + r * 0.17)},{n(by)}" stroke="{dark(basket, 0.2)}" stroke-width="{n(max(1, r * 0.03))}"/>')
    s.add(f'<rect x="{n(x - r * 0.2)}" y="{n(by)}" width="{n(r * 0.4)}" height="{n(r * 0.26)}" rx="{n(r * 0.05)}" '
          f'fill="{s.lin([(0, light(basket, 0.15)), (1, dark(basket, 0.15))])}"/>')
    s.add(f'<rect x="{n(x - r * 0.22)}" y="{n(by - r * 0.02)}" width="{n(r * 0.44)}" height="{n(r * 0.07)}" '
          f'rx="{n(r * 0.03)}" fill="{dark(basket, 0.2)}"/>')


def paper_plane(s, x, y, size, angle=-12, colour="#ffffff"):
    a = [(size, 0), (-size * 0.8, -size * 0.55), (-size * 0.35, 0)]
    b = [(size, 0), (-size * 0.35, 0), (-size * 0.55, size * 0.42)]
    c = [(size, 0), (-size * 0.35, 0), (-size * 0.45, size * 0.12)]
    t = f'transform="translate({n(x)},{n(y)}) rotate({n(angle)})"'
    s.add(f'<g {t}><polygon points="{pts(a)}" fill="{colour}" stroke="{colour}" stroke-width="1.5" '
          f'stroke-linejoin="round"/><polygon points="{pts(b)}" fill="{mix(colour, SKY, 0.3)}" stroke="{mix(colour, SKY, 0.3)}" '
          f'stroke-width="1.5" stroke-linejoin="round"/><polygon points="{pts(c)}" fill="{mix(colour, BLUE, 0.45)}"/></g>')


def sailboat(s, x, water, size, hull=CORAL, sail="#ffffff"):
    s.add(f'<path d="M{n(x - size)},{n(water - size * 0.3)} L{n(x + size)},{n(water - size * 0.3)} '
          f'L{n(x + size * 0.7)},{n(water)} L{n(x - size * 0.7)},{n(water)} Z" fill="{hull}" stroke="{hull}" '
          f'stroke-width="2" stroke-linejoin="round"/>')
    s.add(f'<path d="M{n(x)},{n(water - size * 0.35)} L{n(x)},{n(water - size * 1.9)} L{n(x + size * 0.85)},'
          f'{n(water - size * 0.45)} Z" fill="{sail}" stroke="{sail}" stroke-width="2" stroke-linejoin="round"/>')
    s.add(f'<path d="M{n(x - size * 0.08)},{n(water - size * 0.45)} L{n(x - size * 0.08)},{n(water - size * 1.5)} '
          f'L{n(x - size * 0.7)},{n(water - size * 0.45)} Z" fill="{mix(sail, YELLOW, 0.5)}" stroke="{mix(sail, YELLOW, 0.5)}" '
          f'stroke-width="2" stroke-linejoin="round"/>')


# ---------------------------------------------------------------------------------------------
# Party things
# ---------------------------------------------------------------------------------------------


def gift(s, x, ground, w, h, colour, ribbon):
    shadow(s, x, ground, w * 0.62, w * 0.07, 0.2)
    top = ground - h
    s.add(f'<rect x="{n(x - w / 2)}" y="{n(top + h * 0.18)}" width="{n(w)}" height="{n(h * 0.82)}" rx="{n(w * 0.04)}" '
          f'fill="{s.lin([(0, light(colour, 0.1)), (0.55, colour), (1, dark(colour, 0.15))], 0, 0, 1, 0)}"/>')
    s.add(f'<rect x="{n(x - w * 0.56)}" y="{n(top)}" width="{n(w * 1.12)}" height="{n(h * 0.22)}" rx="{n(w * 0.04)}" '
          f'fill="{s.lin([(0, light(colour, 0.2)), (1, dark(colour, 0.05))], 0, 0, 1, 0)}"/>')
    s.add(f'<rect x="{n(x - w / 2)}" y="{n(top + h * 0.22)}" width="{n(w)}" height="{n(h * 0.05)}" fill="{dark(colour, 0.3)}" opacity="0.3"/>')
    s.add(f'<rect x="{n(x - w * 0.09)}" y="{n(top)}" width="{n(w * 0.18)}" height="{n(h)}" fill="{ribbon}"/>')
    s.add(f'<rect x="{n(x - w * 0.09)}" y="{n(top)}" width="{n(w * 0.05)}" height="{n(h)}" fill="#ffffff" opacity="0.3"/>')
    bw = w * 0.3
    for side in (-1, 1):
        s.add(f'<path d="M{n(x)},{n(top)} C{n(x + side * bw * 0.6)},{n(top - bw * 0.9)} {n(x + side * bw * 1.3)},'
              f'{n(top - bw * 0.5)} {n(x + side * bw * 0.9)},{n(top - bw * 0.05)} Z" fill="{ribbon}" '
              f'stroke="{dark(ribbon, 0.15)}" stroke-width="{n(w * 0.02)}" stroke-linejoin="round"/>')
    s.add(f'<circle cx="{n(x)}" cy="{n(top - w * 0.02)}" r="{n(w * 0.07)}" fill="{dark(ribbon, 0.1)}"/>')


def candle(s, x, top, h, colour, flame=1.0):
    s.add(f'<rect x="{n(x - 5)}" y="{n(top)}" width="10" height="{n(h)}" rx="2.5" fill="{colour}"/>')
    for k in range(3):
        yy = top + 6 + k * h / 3
        s.add(f'<path d="M{n(x - 5)},{n(yy + 4)} L{n(x + 5)},{n(yy)}" stroke="#ffffff" stroke-width="2.4" opacity="0.8"/>')
    s.add(f'<path d="M{n(x)},{n(top)} L{n(x)},{n(top - 5)}" stroke="{INK}" stroke-width="1.5"/>')
    fh = 14 * flame
    glow = s.rad([(0, "#fff3b0", 0.8), (1, "#fff3b0", 0)], x, top - 11, 20, user=True)
    s.add(f'<circle cx="{n(x)}" cy="{n(top - 11)}" r="20" fill="{glow}"/>')
    s.add(f'<path d="M{n(x)},{n(top - 5 - fh)} C{n(x + 6)},{n(top - 9 - fh * 0.3)} {n(x + 5)},{n(top - 3)} {n(x)},{n(top - 3)} '
          f'C{n(x - 5)},{n(top - 3)} {n(x - 6)},{n(top - 9 - fh * 0.3)} {n(x)},{n(top - 5 - fh)} Z" fill="{ORANGE}"/>')
    s.add(f'<path d="M{n(x)},{n(top - 9 - fh * 0.5)} C{n(x + 3)},{n(top - 8)} {n(x + 2.5)},{n(top - 4)} {n(x)},{n(top - 4)} '
          f'C{n(x - 2.5)},{n(top - 4)} {n(x - 3)},{n(top - 8)} {n(x)},{n(top - 9 - fh * 0.5)} Z" fill="#fff3b0"/>')


def cake(s, x, ground, w):
    """A two-tier cake on a stand, frosting dripping, candles lit."""
    shadow(s, x, ground + 2, w * 0.62, w * 0.05, 0.22)
    # the stand
    s.add(f'<path d="M{n(x - w * 0.16)},{n(ground)} L{n(x + w * 0.16)},{n(ground)} L{n(x + w * 0.06)},{n(ground - 24)} '
          f'L{n(x - w * 0.06)},{n(ground - 24)} Z" fill="{s.lin([(0, "#ffffff"), (1, "#d4dbe8")], 0, 0, 1, 0)}"/>')
    s.add(f'<rect x="{n(x - w * 0.62)}" y="{n(ground - 32)}" width="{n(w * 1.24)}" height="10" rx="5" fill="{s.lin([(0, "#ffffff"), (1, "#cfd6e6")], 0, 0, 1, 0)}"/>')
    tiers = [(w, 70, "#ffb3c7", "#ffffff"), (w * 0.66, 56, "#fff0d9", PINK)]
    base = ground - 32
    for tw, th, body, icing in tiers:
        top = base - th
        s.add(f'<rect x="{n(x - tw / 2)}" y="{n(top)}" width="{n(tw)}" height="{n(th)}" rx="8" '
              f'fill="{s.lin([(0, light(body, 0.2)), (0.6, body), (1, dark(body, 0.1))], 0, 0, 1, 0)}"/>')
        drips = 7
        d = [f"M{n(x - tw / 2)},{n(top + 8)}"]
        for i in range(drips):
            x0 = x - tw / 2 + tw * i / drips
            x1 = x0 + tw / drips
            depth = th * (0.45 if i % 2 == 0 else 0.3)
            d.append(f"L{n(x0)},{n(top + depth - 6)} A{n((x1 - x0) / 2)},{n((x1 - x0) / 2)} 0 0 0 {n(x1)},{n(top + depth - 6)}")
        d.append(f"L{n(x + tw / 2)},{n(top + 8)} Q{n(x + tw / 2)},{n(top)} {n(x + tw / 2 - 8)},{n(top)} "
                 f"L{n(x - tw / 2 + 8)},{n(top)} Q{n(x - tw / 2)},{n(top)} {n(x - tw / 2)},{n(top + 8)} Z")
        s.add(f'<path d="{" ".join(d)}" fill="{icing}"/>')
        s.add(f'<rect x="{n(x - tw / 2 + 8)}" y="{n(top + 3)}" width="{n(tw * 0.4)}" height="3" rx="1.5" fill="#ffffff" opacity="0.6"/>')
        base = top
    # sprinkles and berries
    rng = random.Random(7)
    for _ in range(18):
        sx = x + rng.uniform(-w * 0.45, w * 0.45)
        sy = ground - 32 - rng.uniform(8, 34)
        confetti_piece(s, sx, sy, 0, rng.choice([TEAL, YELLOW, PURPLE, SKY]), rng.uniform(0, 180), 0.55)
    for i in range(5):
        bx = x - w * 0.26 + i * w * 0.13
        s.add(f'<circle cx="{n(bx)}" cy="{n(base + 2)}" r="6" fill="{s.rad([(0, "#ff8a8a"), (1, "#d63a4a")], 0.35, 0.35, 0.7)}"/>')
    for i, c in enumerate((SKY, YELLOW, MINT)):
        candle(s, x - w * 0.18 + i * w * 0.18, base - 40, 40, c)


def party_popper(s, x, y, size, angle, colour, colour2):
    """A cone popper whose mouth is at (x, y), pointing along angle."""
    t = f'transform="translate({n(x)},{n(y)}) rotate({n(angle)})"'
    L, R = size * 1.6, size * 0.5
    cone = f"M0,{n(-R)} L{n(-L)},0 L0,{n(R)} Z"
    cl = s.clip(f'<path d="{cone}" {t}/>')
    s.add(f'<path d="{cone}" fill="{colour}" {t}/>')
    s.open(f'clip-path="{cl}"')
    for i in range(5):
        xx = -L * (0.1 + i * 0.2)
        s.add(f'<path d="M{n(xx)},{n(-R)} L{n(xx - size * 0.25)},{n(R)} L{n(xx - size * 0.4)},{n(R)} L{n(xx - size * 0.15)},{n(-R)} Z" '
              f'fill="{colour2}" {t}/>')
    s.add(f'<path d="{cone}" fill="{s.lin([(0, "#ffffff", 0.3), (0.5, "#ffffff", 0), (1, INK, 0.2)])}" {t}/>')
    s.close()
    s.add(f'<ellipse cx="0" cy="0" rx="{n(size * 0.12)}" ry="{n(R)}" fill="{light(colour, 0.3)}" {t}/>')


# ---------------------------------------------------------------------------------------------
# Rendering
# ---------------------------------------------------------------------------------------------


def need(tool, package):
    if shutil.which(tool) is None:
        sys.exit(f"make-artwork: '{tool}' is missing; install the Debian package {package}")


def render(svg_text, out, w=None, h=None):
    """SVG text to a PNG file through rsvg-convert."""
    out = Path(out)
    out.parent.mkdir(parents=True, exist_ok=True)
    args = ["rsvg-convert", "--format=png", "--output", str(out)]
    if w:
        args += ["--width", str(w), "--height", str(h or w)]
    subprocess.run(args, input=svg_text.encode(), check=True)


def make_gif(frames, out, delay, workdir):
    """Frames (SVG texts) to a looping GIF with one shared palette, so gradients do not flicker."""
    work = Path(workdir)
    names = []
    for i, f in enumerate(frames):
        name = work / f"frame{i:03d}.png"
        render(f, name)
        names.append(str(name))
    palette = work / "palette.png"
    subprocess.run(["convert", *names, "-append", "+dither", "-colors", "255", "-unique-colors",
                    str(palette)], check=True)
    out = Path(out)
    out.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["convert", "-delay", str(delay), "-loop", "0", *names, "+dither", "-remap",
                    str(palette), "-layers", "OptimizeTransparency", str(out)], check=True)
    for name in names:
        Path(name).unlink()
    palette.unlink()


# ---------------------------------------------------------------------------------------------
# Picture sets
# ---------------------------------------------------------------------------------------------

PICTURES = {}  # set name -> list of (file stem, drawing function, is animated)


def picture(set_name, stem, animated=False):
    def register(fn):
        PICTURES.setdefault(set_name, []).append((stem, fn, animated))
        return fn
    return register


# --- bronze: the first awards, warm peach and coral ---------------------------------------------


@picture("bronze", "bronze-medal")
def bronze_medal():
    s = Svg()
    rng = random.Random(101)
    backdrop(s, "#ffe9d9", "#ffc9a8", glow="#fff6ec", glow_at=(0.5, 0.6))
    sunburst(s, 240, 205, 28, "#ffffff", 0.35)
    confetti(s, rng, 46, keep_out=[(240, 205, 105), (240, 60, 70)])
    medal(s, 240, 205, 78, "bronze", ribbon=(TEAL, "#1f8f86"))
    return s


@picture("bronze", "bronze-trophy")
def bronze_trophy():
    s = Svg()
    rng = random.Random(102)
    backdrop(s, "#fff1e3", "#ffd3b5", glow="#ffffff", glow_at=(0.5, 0.5))
    bokeh(s, rng, 14, ["#ffffff", "#ffb38a", PINK], 8, 30, (0.2, 0.45),
          keep_out=[(240, 180, 110)])
    streamer(s, -10, 20, 130, 70, CORAL, waves=3, amp=8)
    streamer(s, 490, 30, 350, 60, TEAL, waves=3, amp=8)
    streamer(s, 40, -10, 150, 30, YELLOW, waves=2, amp=7)
    streamer(s, 440, -5, 330, 25, PURPLE, waves=2, amp=7)
    trophy(s, 240, 95, 1.2, "bronze", plinth="#7a5aa6")
    for x, y, r in ((120, 140, 13), (360, 120, 16), (150, 230, 8), (345, 225, 10), (300, 70, 7)):
        sparkle(s, x, y, r, "#ffffff", 0.9)
    return s


@picture("bronze", "bronze-rosette")
def bronze_rosette():
    s = Svg()
    rng = random.Random(103)
    backdrop(s, "#fde3e0", "#ffcfb8", glow="#fff7f0", glow_at=(0.5, 0.4))
    bokeh(s, rng, 12, ["#ffffff", "#ffb3a0"], 10, 34, (0.25, 0.5))
    confetti(s, rng, 40, keep_out=[(240, 150, 125)])
    rosette(s, 240, 128, 70, "bronze", CORAL, colour2="#ffb199")
    return s


@picture("bronze", "bronze-laurel")
def bronze_laurel():
    s = Svg()
    rng = random.Random(104)
    backdrop(s, "#fff3df", "#ffd9b0", glow="#ffffff", glow_at=(0.5, 0.5))
    sunburst(s, 240, 165, 32, "#ffffff", 0.4, turn=5)
    laurel(s, 240, 168, 108, GREEN, leaves=8)
    medal_disc(s, 240, 168, 72, "bronze")
    for _ in range(9):
        x, y = rng.uniform(30, 450), rng.uniform(20, 300)
        if _clear_of(x, y, [(240, 168, 140)]):
            star(s, x, y, rng.uniform(6, 12), rng.choice([YELLOW, "#ffffff", CORAL]), rot=rng.uniform(-90, -60))
    return s


@picture("bronze", "bronze-balloons")
def bronze_balloons():
    s = Svg()
    rng = random.Random(105)
    backdrop(s, "#def0ff", "#ffe3cf", glow="#ffffff", glow_at=(0.5, 0.3))
    cloud(s, 80, 262, 130, opacity=0.85)
    cloud(s, 410, 282, 160, opacity=0.85)
    cloud(s, 395, 80, 84, opacity=0.7)
    cloud(s, 70, 70, 60, opacity=0.6)
    confetti(s, rng, 24, keep_out=[(240, 140, 150)], size=(0.7, 1.0))
    knot = (240, 162)
    for bx, by in ((172, 78), (240, 60), (308, 80)):
        s.add(f'<path d="M{bx},{by + 48} Q{n((bx + knot[0]) / 2 + 8)},{n((by + 48 + knot[1]) / 2)} '
              f'{knot[0]},{knot[1]}" fill="none" stroke="{dark(CREAM, 0.5)}" stroke-width="1.5"/>')
    balloon(s, 172, 78, 36, CORAL, tail=0)
    balloon(s, 308, 80, 36, TEAL, tail=0)
    balloon(s, 240, 60, 40, YELLOW, tail=0)
    lo = METALS["bronze"][2]
    s.add(f'<circle cx="240" cy="170" r="8" fill="none" stroke="{lo}" stroke-width="4"/>')
    medal_disc(s, 240, 226, 52, "bronze")
    return s


# --- silver: half a year, cool lilac and sky blue ------------------------------------------------


@picture("silver", "silver-medal")
def silver_medal():
    s = Svg()
    rng = random.Random(201)
    backdrop(s, "#e8eeff", "#cbd6f5", glow="#ffffff", glow_at=(0.5, 0.62))
    sunburst(s, 240, 200, 26, "#ffffff", 0.45, turn=3)
    for _ in range(14):
        x, y = rng.uniform(20, 460), rng.uniform(15, 305)
        if _clear_of(x, y, [(240, 200, 120), (240, 50, 80)]):
            sparkle(s, x, y, rng.uniform(5, 12), rng.choice(["#ffffff", "#ffffff", YELLOW]), 0.95)
    confetti(s, rng, 18, colours=[BLUE, PURPLE, PINK, TEAL], keep_out=[(240, 200, 115), (240, 50, 80)])
    medal(s, 240, 200, 80, "silver", ribbon=(BLUE, "#2f5fb3"))
    return s


@picture("silver", "silver-star-trophy")
def silver_star_trophy():
    s = Svg()
    rng = random.Random(202)
    backdrop(s, "#3b3f7a", "#6b5fa8", glow="#8f86d0", glow_at=(0.5, 0.35))
    for _ in range(40):
        x, y = rng.uniform(0, 480), rng.uniform(0, 320)
        s.add(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(rng.uniform(0.8, 2))}" fill="#ffffff" '
              f'opacity="{n(rng.uniform(0.3, 0.8))}"/>')
    for x, y, r in ((95, 70, 12), (390, 95, 15), (120, 220, 8), (370, 240, 10), (60, 150, 6), (430, 180, 7)):
        sparkle(s, x, y, r, "#ffffff", 0.9)
    hills(s, 320, [("#5a4f96", "#4a4184", 292, 8, 1.0, 70)])
    star_trophy(s, 240, 62, 1.15, "silver", base_colour="#2f3466")
    return s


@picture("silver", "silver-rosette")
def silver_rosette():
    s = Svg()
    rng = random.Random(203)
    backdrop(s, "#e2f1ff", "#c9e0f7", glow="#ffffff", glow_at=(0.5, 0.4))
    bokeh(s, rng, 12, ["#ffffff", "#b7d3ff"], 10, 34, (0.3, 0.6), keep_out=[(240, 150, 100)])
    confetti(s, rng, 40, colours=[BLUE, SKY, PURPLE, PINK, TEAL, YELLOW], keep_out=[(240, 150, 125)])
    rosette(s, 240, 128, 70, "silver", BLUE, colour2="#9dbcf5")
    return s


@picture("silver", "silver-shield")
def silver_shield():
    s = Svg()
    rng = random.Random(204)
    backdrop(s, "#efeaff", "#d6cff5", glow="#ffffff", glow_at=(0.5, 0.45))
    sunburst(s, 240, 150, 30, "#ffffff", 0.45)
    for _ in range(10):
        x, y = rng.uniform(30, 450), rng.uniform(20, 300)
        if _clear_of(x, y, [(240, 160, 150)]):
            star(s, x, y, rng.uniform(6, 12), rng.choice([YELLOW, "#ffffff", PINK, SKY]), rot=rng.uniform(-90, -60))
    shield(s, 240, 140, 150, "silver", band=s.lin([(0, "#8fb1f0"), (1, "#4a74c9")], 0, 0, 1, 1))
    banner(s, 240, 232, 200, 34, PURPLE)
    return s


@picture("silver", "silver-cup")
def silver_cup():
    s = Svg()
    rng = random.Random(205)
    backdrop(s, "#e4f6f5", "#cde3f2", glow="#ffffff", glow_at=(0.5, 0.5))
    balloon(s, 110, 110, 36, PURPLE, tail=110, sway=8)
    balloon(s, 70, 150, 30, SKY, tail=90, sway=-6)
    balloon(s, 375, 100, 38, PINK, tail=120, sway=-8)
    balloon(s, 420, 150, 30, TEAL, tail=90, sway=6)
    confetti(s, rng, 26, colours=[BLUE, PURPLE, PINK, TEAL, YELLOW], keep_out=[(240, 170, 110)])
    trophy(s, 240, 95, 1.2, "silver", plinth="#4a74c9")
    return s


# --- gold: a year and more, sunshine and royal blue ----------------------------------------------


@picture("gold", "gold-trophy")
def gold_trophy():
    s = Svg()
    rng = random.Random(301)
    backdrop(s, "#1f2a5a", "#3c3f86", glow="#5b5fb0", glow_at=(0.5, 0.55))
    for _ in range(45):
        s.add(f'<circle cx="{n(rng.uniform(0, 480))}" cy="{n(rng.uniform(0, 320))}" r="{n(rng.uniform(0.8, 2))}" '
              f'fill="#ffffff" opacity="{n(rng.uniform(0.3, 0.8))}"/>')
    firework(s, 90, 85, 55, PINK, rays=16)
    firework(s, 395, 70, 48, YELLOW, rays=14, turn=8)
    firework(s, 420, 205, 32, TEAL, rays=12)
    firework(s, 60, 215, 28, ORANGE, rays=12, turn=6)
    trophy(s, 240, 100, 1.2, "gold", plinth="#8a3b5c")
    return s


@picture("gold", "gold-medal")
def gold_medal():
    s = Svg()
    rng = random.Random(302)
    backdrop(s, "#fff6c9", "#ffd98a", glow="#ffffff", glow_at=(0.5, 0.62))
    sunburst(s, 240, 205, 28, "#ffffff", 0.5)
    confetti(s, rng, 46, colours=[CORAL, PINK, TEAL, PURPLE, BLUE, "#ffffff"],
             keep_out=[(240, 205, 105), (240, 60, 70)])
    medal(s, 240, 205, 80, "gold", ribbon=("#e5484d", "#b8323a"))
    return s


@picture("gold", "gold-crown")
def gold_crown():
    s = Svg()
    rng = random.Random(303)
    backdrop(s, "#f3e6ff", "#d9c2f5", glow="#ffffff", glow_at=(0.5, 0.45))
    sunburst(s, 240, 170, 24, "#ffffff", 0.5, turn=7)
    for _ in range(16):
        x, y = rng.uniform(20, 460), rng.uniform(15, 300)
        if _clear_of(x, y, [(240, 175, 130)]):
            sparkle(s, x, y, rng.uniform(5, 13), rng.choice(["#ffffff", YELLOW, "#ffffff"]), 0.95)
    cushion(s, 240, 232, 230, "#7b4bc4")
    crown(s, 240, 208, 170, "gold")
    return s


@picture("gold", "gold-rosette")
def gold_rosette():
    s = Svg()
    rng = random.Random(304)
    backdrop(s, "#fff0d6", "#ffd7b0", glow="#ffffff", glow_at=(0.5, 0.4))
    bokeh(s, rng, 12, ["#ffffff", "#ffe08a"], 10, 34, (0.3, 0.6), keep_out=[(240, 150, 100)])
    confetti(s, rng, 42, colours=[CORAL, TEAL, PURPLE, BLUE, PINK], keep_out=[(240, 150, 125)])
    rosette(s, 240, 128, 70, "gold", "#6b4fc2", colour2="#a78bea")
    return s


@picture("gold", "gold-star")
def gold_star():
    s = Svg()
    rng = random.Random(305)
    backdrop(s, "#e3f4ff", "#fff0c2", glow="#ffffff", glow_at=(0.5, 0.5))
    sunburst(s, 240, 150, 32, "#ffffff", 0.55, turn=2)
    laurel(s, 240, 152, 112, "#e2a012", leaves=8)
    glow = s.rad([(0, "#fff5b8", 0.9), (1, "#fff5b8", 0)], 240, 145, 120, user=True)
    s.add(f'<circle cx="240" cy="145" r="120" fill="{glow}"/>')
    star(s, 243, 149, 72, METALS["gold"][3], opacity=0.25)
    star(s, 240, 145, 72, metal_fill(s, "gold"))
    star(s, 240, 147, 42, metal_fill(s, "gold", True))
    star(s, 240, 147, 35, metal_fill(s, "gold"))
    banner(s, 240, 262, 190, 32, "#e5484d")
    confetti(s, rng, 24, colours=[CORAL, TEAL, PURPLE, BLUE, PINK], keep_out=[(240, 170, 150)])
    return s


# --- green: the first months, everything sprouting ------------------------------------------------


@picture("green", "green-sprout")
def green_sprout():
    s = Svg()
    rng = random.Random(401)
    backdrop(s, "#e4f7ff", "#eefbe6", glow="#ffffff", glow_at=(0.5, 0.55))
    sun(s, 395, 70, 30, rays=12, ray_turn=8)
    cloud(s, 95, 80, 110)
    cloud(s, 300, 50, 70, opacity=0.8)
    hills(s, 320, [(LEAF_LIGHT, "#7ccf6a", 268, 10, 0.5, 90)])
    for _ in range(7):
        x, y = rng.uniform(30, 450), rng.uniform(120, 240)
        if _clear_of(x, y, [(240, 190, 100)]):
            leaf(s, x, y, rng.uniform(14, 22), rng.uniform(5, 7), rng.uniform(0, 360), rng.choice([LEAF, LEAF_LIGHT]))
    sprout(s, 240, 212, 74, 54, lean=0.08, leaves=3)
    s.add(f'<ellipse cx="240" cy="214" rx="40" ry="8" fill="#6b4a36"/>')
    pot(s, 240, 206, 96)
    for x, y, r in ((178, 120, 8), (305, 108, 10), (160, 170, 6)):
        sparkle(s, x, y, r, "#ffffff", 0.95)
    return s


@picture("green", "green-lung-tree")
def green_lung_tree():
    s = Svg()
    rng = random.Random(402)
    backdrop(s, "#dff4ff", "#f3fbe9", glow="#ffffff", glow_at=(0.5, 0.4))
    cloud(s, 70, 70, 90, opacity=0.85)
    cloud(s, 420, 55, 110, opacity=0.85)
    hills(s, 320, [("#b6e59a", "#9bd985", 262, 12, 2.0, 110), (LEAF_LIGHT, "#6cc46a", 285, 8, 0.3, 80)])
    shadow(s, 240, 288, 120, 10, 0.18)
    # trunk and the branching windpipe
    s.add(f'<path d="M226,292 C230,250 232,200 234,120 L246,120 C248,200 250,250 254,292 Z" '
          f'fill="{s.lin([(0, light(BARK, 0.15)), (1, dark(BARK, 0.15))], 0, 0, 1, 0)}"/>')
    top, w, h = 52, 118, 200
    for side in (-1, 1):
        lobe = lung_lobe(240, top, w, h, side)
        s.add(f'<path d="{lobe}" fill="{s.lin([(0, light(LEAF, 0.25)), (1, LEAF_DARK)], 0, 0, 0.4, 1)}"/>')
        cl = s.clip(f'<path d="{lobe}"/>')
        s.open(f'clip-path="{cl}"')
        for _ in range(70):
            x = 240 + side * rng.uniform(10, w + 14)
            y = rng.uniform(top, top + h)
            leaf(s, x, y, rng.uniform(16, 26), rng.uniform(5, 8), rng.uniform(0, 360),
                 rng.choice([LEAF, LEAF_LIGHT, "#5fd08a", LEAF_DARK]), vein=False)
        s.close()
        # branches inside the lobe, like the airways of a breath
        sx = lambda v: n(240 + side * v)  # noqa: E731
        fork = (sx(50), top + 100)
        s.add(f'<path d="M{sx(0)},{top + 62} C{sx(18)},{top + 72} {sx(36)},{top + 84} {fork[0]},{fork[1]} '
              f'M{fork[0]},{fork[1]} C{sx(58)},{top + 80} {sx(64)},{top + 60} {sx(62)},{top + 38} '
              f'M{fork[0]},{fork[1]} C{sx(72)},{top + 104} {sx(88)},{top + 112} {sx(100)},{top + 124} '
              f'M{fork[0]},{fork[1]} C{sx(58)},{top + 130} {sx(64)},{top + 150} {sx(76)},{top + 170} '
              f'M{sx(58)},{top + 70} L{sx(76)},{top + 58} M{sx(80)},{top + 113} L{sx(88)},{top + 96} '
              f'M{sx(62)},{top + 146} L{sx(44)},{top + 166}" '
              f'fill="none" stroke="{BARK}" stroke-width="6" stroke-linecap="round" stroke-linejoin="round"/>')
    s.add(f'<path d="M240,{top + 10} L240,{top + 66}" stroke="{BARK}" stroke-width="10" stroke-linecap="round"/>')
    for _ in range(9):
        x, y = rng.uniform(20, 460), rng.uniform(20, 250)
        if _clear_of(x, y, [(240, 150, 150)]):
            sparkle(s, x, y, rng.uniform(5, 10), "#ffffff", 0.95)
    butterfly(s, 400, 170, 12, PINK, angle=15)
    butterfly(s, 85, 190, 10, YELLOW, angle=-20)
    return s


@picture("green", "green-hills")
def green_hills():
    s = Svg()
    rng = random.Random(403)
    backdrop(s, "#bfe8ff", "#f2fbff")
    sun(s, 120, 80, 34, rays=0)
    cloud(s, 330, 70, 120)
    cloud(s, 430, 110, 70, opacity=0.8)
    hills(s, 320, [("#a8e09a", "#8fd489", 190, 16, 0.8, 90)])
    cone_tree(s, 385, 198, 34)
    cone_tree(s, 420, 200, 26)
    round_tree(s, 70, 205, 22, colour="#62c986")
    hills(s, 320, [("#7fd47a", "#5bbd68", 235, 14, 2.5, 70)])
    round_tree(s, 190, 248, 34)
    round_tree(s, 265, 246, 26, colour="#62c986")
    cone_tree(s, 330, 252, 40)
    hills(s, 320, [(LEAF_LIGHT, "#86d36f", 285, 8, 0.2, 60)])
    for _ in range(14):
        x = rng.uniform(10, 470)
        flower(s, x, rng.uniform(292, 312), rng.uniform(3, 5), rng.choice(["#ffffff", PINK, YELLOW]))
    bird(s, 250, 95, 10, "#4a5a80", 0.3)
    bird(s, 275, 110, 7, "#4a5a80", -0.2)
    return s


@picture("green", "green-growing")
def green_growing():
    s = Svg()
    rng = random.Random(404)
    backdrop(s, "#fff7e0", "#e9f9e3", glow="#ffffff", glow_at=(0.5, 0.4))
    sunburst(s, 240, 330, 24, "#ffffff", 0.5)
    bokeh(s, rng, 10, ["#ffffff", "#c8f0b0"], 10, 30, (0.3, 0.6))
    s.add(f'<path d="M0,262 Q240,238 480,262 L480,320 L0,320 Z" fill="{s.lin([(0, "#8a6048"), (1, "#6b4a36")])}"/>')
    s.add(f'<path d="M0,262 Q240,238 480,262 L480,270 Q240,246 0,270 Z" fill="#a47658" opacity="0.6"/>')
    for x, y in ((60, 290), (150, 300), (330, 295), (420, 305), (250, 310)):
        s.add(f'<ellipse cx="{x}" cy="{y}" rx="5" ry="3" fill="#5a3e2e" opacity="0.6"/>')
    # seed, seedling, sapling: one quit month after the next
    s.add(f'<ellipse cx="110" cy="252" rx="12" ry="8" fill="#8a6048"/>')
    sprout(s, 110, 250, 24, 20, lean=-0.05)
    s.add(f'<ellipse cx="240" cy="248" rx="18" ry="9" fill="#8a6048"/>')
    sprout(s, 240, 246, 60, 40, lean=0.06, leaves=3)
    s.add(f'<ellipse cx="370" cy="251" rx="22" ry="10" fill="#8a6048"/>')
    s.add(f'<path d="M370,250 C372,210 366,170 370,120" fill="none" stroke="{LEAF_DARK}" stroke-width="6" stroke-linecap="round"/>')
    for y, a, ln in ((210, -160, 44), (196, -20, 46), (168, -150, 40), (152, -30, 42), (128, -120, 32), (122, -62, 34)):
        leaf(s, 369, y, ln, ln * 0.34, a, rng.choice([LEAF, "#5fd08a"]))
    for x, y, sz in ((160, 150, 9), (175, 178, 7), (300, 130, 8)):
        drop(s, x, y, sz)
    for x, y, r in ((70, 120, 9), (430, 80, 11), (215, 105, 7)):
        sparkle(s, x, y, r, "#ffffff", 0.95)
    return s


@picture("green", "green-leaves")
def green_leaves():
    s = Svg()
    rng = random.Random(405)
    backdrop(s, "#effbe6", "#cdeec4", glow="#ffffff", glow_at=(0.3, 0.3))
    bokeh(s, rng, 16, ["#ffffff", "#e2f7b8", "#b8ebc0"], 12, 40, (0.35, 0.7))

    def branch_at(t):
        p0, p1, p2, p3 = (-20, 290), (140, 250), (300, 190), (500, 60)
        mt = 1 - t
        x = mt ** 3 * p0[0] + 3 * mt * mt * t * p1[0] + 3 * mt * t * t * p2[0] + t ** 3 * p3[0]
        y = mt ** 3 * p0[1] + 3 * mt * mt * t * p1[1] + 3 * mt * t * t * p2[1] + t ** 3 * p3[1]
        return x, y

    s.add(f'<path d="M-20,290 C140,250 300,190 500,60" fill="none" stroke="{BARK}" stroke-width="10" '
          f'stroke-linecap="round"/>')
    s.add(f'<path d="M-20,290 C140,250 300,190 500,60" fill="none" stroke="#b98a66" stroke-width="3" '
          f'stroke-linecap="round" transform="translate(0,-2)" opacity="0.7"/>')
    colours = [LEAF, "#5fd08a", "#6fd36a", LEAF_DARK]
    drops = []
    for i, t in enumerate([0.12, 0.2, 0.3, 0.38, 0.48, 0.56, 0.66, 0.74, 0.84, 0.91]):
        x, y = branch_at(t)
        x2, y2 = branch_at(t + 0.01)
        heading = math.degrees(math.atan2(y2 - y, x2 - x))
        up = i % 2 == 0
        ang = heading + (-58 if up else 52) + rng.uniform(-8, 8)
        ln = rng.uniform(76, 96) * (1.0 - 0.25 * t)
        sx = x + 10 * math.cos(math.radians(ang))
        sy = y + 10 * math.sin(math.radians(ang))
        s.add(f'<path d="M{n(x)},{n(y)} L{n(sx)},{n(sy)}" stroke="{BARK}" stroke-width="4" stroke-linecap="round"/>')
        leaf(s, sx, sy, ln, ln * 0.32, ang, colours[i % len(colours)])
        if i in (2, 5, 8):
            drops.append((sx + ln * 0.55 * math.cos(math.radians(ang)) + 6, sy + ln * 0.55 * math.sin(math.radians(ang)) + 4))
    for x, y in drops:
        drop(s, x, y, 7, colour="#a8e6ff")
    # a ladybird visiting
    lx, ly = branch_at(0.44)
    s.add(f'<g transform="translate({n(lx)},{n(ly - 12)}) rotate(-30)">'
          f'<circle cx="0" cy="-11" r="6" fill="{INK}"/>'
          f'<ellipse cx="0" cy="0" rx="11" ry="12" fill="#e5484d"/>'
          f'<path d="M0,-11 L0,12" stroke="{INK}" stroke-width="1.6"/>'
          f'<circle cx="-5" cy="-2" r="2.4" fill="{INK}"/><circle cx="5" cy="-2" r="2.4" fill="{INK}"/>'
          f'<circle cx="-4" cy="6" r="2" fill="{INK}"/><circle cx="4" cy="6" r="2" fill="{INK}"/>'
          f'<ellipse cx="-5" cy="-6" rx="2.5" ry="1.5" fill="#ffffff" opacity="0.6"/></g>')
    butterfly(s, 110, 80, 17, SKY, angle=-15)
    butterfly(s, 400, 240, 12, ORANGE, angle=20)
    return s


# --- freedom: before the quit and in the first weeks, open sky ------------------------------------


def dawn_sky(s, top="#8ecbff", middle="#ffd6b0", bottom="#ffb38f", at=0.62):
    s.add(f'<rect width="{s.w}" height="{s.h}" fill="{s.lin([(0, top), (at, middle), (1, bottom)])}"/>')


@picture("freedom", "freedom-sunrise", animated=True)
def freedom_sunrise():
    frames = []
    count = 24
    for i in range(count):
        t = i / count
        s = Svg()
        dawn_sky(s)
        s.add('<circle cx="240" cy="228" r="100" fill="#fff1c9" opacity="0.3"/>'
              '<circle cx="240" cy="228" r="72" fill="#fff1c9" opacity="0.35"/>')
        sun(s, 240, 228, 46, core="#ffd54f", glow=None, rays=16, ray_turn=t * 360 / 16, ray_len=0.9)
        cloud(s, 95 + 4 * math.sin(2 * math.pi * t), 90, 110, opacity=0.9, shade="#ffe1cc")
        cloud(s, 390 - 4 * math.sin(2 * math.pi * t), 60, 90, opacity=0.85, shade="#ffe1cc")
        cloud(s, 330 + 3 * math.sin(2 * math.pi * (t + 0.3)), 140, 60, opacity=0.7, shade="#ffe1cc")
        hills(s, 320, [("#9ed98c", "#7cc77a", 228, 12, 0.6, 85), ("#6cc47a", "#4fae6a", 262, 12, 2.2, 70),
                       ("#4fae6a", "#3a9a5e", 292, 7, 1.0, 55)])
        for bx, by, size, ph in ((150, 120, 12, 0.0), (185, 100, 9, 0.35), (300, 95, 11, 0.6), (330, 118, 8, 0.15),
                                 (250, 70, 7, 0.8)):
            x = bx + 10 * math.sin(2 * math.pi * (t + ph))
            y = by + 5 * math.sin(2 * math.pi * (2 * t + ph))
            bird(s, x, y, size, "#4a4f7a", math.sin(2 * math.pi * (2 * t + ph)))
        frames.append(s)
    return frames


@picture("freedom", "freedom-kites")
def freedom_kites():
    s = Svg()
    backdrop(s, "#6fbff5", "#d7f0ff", glow="#ffffff", glow_at=(0.7, 0.2))
    sun(s, 400, 55, 26, rays=0)
    cloud(s, 90, 100, 120)
    cloud(s, 300, 160, 90, opacity=0.8)
    cloud(s, 430, 220, 70, opacity=0.7)
    hills(s, 320, [("#8fd87e", "#6cc46a", 282, 10, 1.2, 80)])
    kite(s, 150, 75, 34, CORAL, YELLOW, angle=-14, tail_to=(95, 210), string_to=(250, 330))
    kite(s, 330, 110, 26, PURPLE, "#ffffff", angle=12, tail_to=(390, 205), string_to=(255, 330), bows=(PINK, SKY, YELLOW))
    bird(s, 240, 60, 9, "#3c5a8a", 0.3)
    bird(s, 262, 72, 6, "#3c5a8a", -0.3)
    return s


@picture("freedom", "freedom-balloons")
def freedom_balloons():
    s = Svg()
    dawn_sky(s, top="#a6d8ff", middle="#ffe3c4", bottom="#ffc9a6", at=0.7)
    sun(s, 90, 230, 40, rays=0)
    cloud(s, 380, 70, 120, opacity=0.85, shade="#ffe1cc")
    cloud(s, 150, 50, 80, opacity=0.7, shade="#ffe1cc")
    air_balloon(s, 380, 170, 22, ["#8fd0ff", "#ffffff"])
    hills(s, 320, [("#b3e0a5", "#9ad491", 240, 10, 2.0, 90)])
    air_balloon(s, 120, 120, 30, [YELLOW, CORAL])
    air_balloon(s, 270, 110, 50, [CORAL, "#ffffff", PURPLE])
    hills(s, 320, [("#7fcf7f", "#5fb96e", 282, 10, 0.7, 70)])
    for x, ground, size in ((40, 290, 16), (430, 286, 20), (460, 292, 14)):
        round_tree(s, x, ground, size, colour="#4fae6a")
    return s


@picture("freedom", "freedom-plane")
def freedom_plane():
    s = Svg()
    backdrop(s, "#6fc0fa", "#e6f6ff", glow="#ffffff", glow_at=(0.25, 0.75))
    cloud(s, 95, 262, 170)
    cloud(s, 415, 285, 200)
    cloud(s, 110, 80, 80, opacity=0.85)
    cloud(s, 420, 60, 60, opacity=0.7)
    px, py, size, angle = 340, 118, 46, -22
    a = math.radians(angle)
    tail = (px - size * 0.4 * math.cos(a), py - size * 0.4 * math.sin(a))
    s.add(f'<path d="M30,230 C90,150 170,260 205,190 C240,120 160,110 190,160 C215,200 265,150 {n(tail[0])},{n(tail[1])}" '
          f'fill="none" stroke="#ffffff" stroke-width="3.5" stroke-linecap="round" stroke-dasharray="1 11"/>')
    paper_plane(s, px, py, size, angle=angle)
    bird(s, 270, 240, 10, "#3c5a8a", 0.4)
    bird(s, 295, 255, 7, "#3c5a8a", -0.2)
    bird(s, 420, 160, 8, "#3c5a8a", 0.2)
    balloon(s, 60, 110, 20, YELLOW, tail=50)
    balloon(s, 85, 125, 16, CORAL, tail=45, sway=-5)
    return s


@picture("freedom", "freedom-sea")
def freedom_sea():
    s = Svg()
    dawn_sky(s, top="#94c6ff", middle="#ffd3b6", bottom="#ffbf99", at=0.55)
    sun(s, 240, 196, 44, rays=0, glow="#fff3c4")
    cloud(s, 110, 80, 110, opacity=0.85, shade="#ffe1cc")
    cloud(s, 380, 60, 80, opacity=0.75, shade="#ffe1cc")
    s.add(f'<rect y="196" width="480" height="124" fill="{s.lin([(0, "#6fb3e8"), (1, "#3f7fc4")])}"/>')
    s.add('<rect y="196" width="480" height="3" fill="#ffffff" opacity="0.35"/>')
    for i, (w, y) in enumerate(((120, 206), (90, 218), (64, 232), (40, 248), (24, 266))):
        s.add(f'<rect x="{240 - w / 2}" y="{y}" width="{w}" height="4" rx="2" fill="#ffe9a8" opacity="{0.8 - i * 0.1:.2f}"/>')
    for x, y, w in ((60, 230, 40), (400, 240, 50), (120, 280, 60), (360, 296, 40), (300, 262, 30)):
        s.add(f'<path d="M{x},{y} q{w / 4},-5 {w / 2},0 t{w / 2},0" fill="none" stroke="#ffffff" stroke-width="2.2" '
              f'stroke-linecap="round" opacity="0.5"/>')
    sailboat(s, 365, 222, 26)
    bird(s, 150, 120, 11, "#4a4f7a", 0.4)
    bird(s, 180, 140, 8, "#4a4f7a", -0.3)
    bird(s, 300, 112, 9, "#4a4f7a", 0.1)
    return s


# --- assorted: any day worth a party ---------------------------------------------------------------


@picture("assorted", "party-confetti", animated=True)
def party_confetti():
    count = 40
    rng = random.Random(501)
    pieces = []
    for _ in range(38):
        pieces.append(dict(x=rng.uniform(10, 470), y=rng.uniform(0, 360), kind=rng.randrange(4),
                           colour=rng.choice(PARTY), spin=rng.choice((-1, 1)) * rng.choice((1, 2)),
                           angle=rng.uniform(0, 360), sway=rng.uniform(4, 12), phase=rng.random(),
                           laps=1 if rng.random() < 0.75 else 2, size=rng.uniform(0.9, 1.4)))
    frames = []
    for i in range(count):
        t = i / count
        s = Svg()
        backdrop(s, "#fff0f5", "#ffd9e6", glow="#ffffff", glow_at=(0.5, 0.55))
        sunburst(s, 240, 240, 26, "#ffffff", 0.4)
        bunting(s, -10, 12, 490, 12, 26, 12, [CORAL, YELLOW, TEAL, PURPLE, SKY, ORANGE])
        balloon(s, 75, 150, 40, PURPLE, tail=110, sway=8)
        balloon(s, 135, 190, 32, YELLOW, tail=90, sway=-6)
        balloon(s, 405, 145, 42, TEAL, tail=120, sway=-8)
        balloon(s, 345, 195, 32, CORAL, tail=90, sway=6)
        balloon(s, 240, 170, 46, PINK, tail=110, sway=8)
        for p in pieces:
            span = 360  # falls from above the top edge to below the bottom, then round again
            y = (p["y"] + span * p["laps"] * t) % span - 20
            x = p["x"] + p["sway"] * math.sin(2 * math.pi * (t + p["phase"]))
            confetti_piece(s, x, y, p["kind"], p["colour"], p["angle"] + 180 * p["spin"] * t, p["size"])
        frames.append(s)
    return frames


@picture("assorted", "party-fireworks", animated=True)
def party_fireworks():
    count = 30
    rng = random.Random(502)
    stars = [(rng.uniform(0, 480), rng.uniform(0, 230), rng.uniform(0.7, 1.8), rng.uniform(0.3, 0.8)) for _ in range(50)]
    bursts = [(120, 90, 62, PINK, 0.0), (330, 70, 54, YELLOW, 0.3), (400, 170, 40, TEAL, 0.55),
              (230, 150, 46, ORANGE, 0.7), (70, 185, 34, PURPLE, 0.45), (200, 60, 30, MINT, 0.85)]
    frames = []
    for i in range(count):
        t = i / count
        s = Svg()
        backdrop(s, "#1c2450", "#3b3a7e", glow="#5a4f9a", glow_at=(0.5, 0.9))
        for x, y, r, a in stars:
            s.add(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(r)}" fill="#ffffff" opacity="{n(a)}"/>')
        for x, y, r, colour, ph in bursts:
            life = (t + ph) % 1.0
            if life < 0.7:  # each burst blooms, fades, and rests before the next one
                k = life / 0.7
                grow = 1 - (1 - k) ** 3
                fade = 1.0 if k < 0.55 else max(0.0, 1 - (k - 0.55) / 0.45)
                firework(s, x, y + 12 * k, r, colour, rays=14, progress=max(0.08, grow), fade=fade, glow=False)
        hills(s, 320, [("#2b2f66", "#252a5a", 272, 10, 1.4, 60), ("#1d2148", "#1a1d40", 296, 8, 0.2, 45)])
        frames.append(s)
    return frames


@picture("assorted", "party-cake")
def party_cake():
    s = Svg()
    rng = random.Random(503)
    backdrop(s, "#fff3e6", "#ffe0cc", glow="#ffffff", glow_at=(0.5, 0.5))
    sunburst(s, 240, 200, 28, "#ffffff", 0.5)
    bunting(s, -10, 8, 490, 8, 22, 11, [TEAL, PINK, YELLOW, PURPLE, CORAL])
    confetti(s, rng, 30, keep_out=[(240, 200, 130)], area=(0, 60, 480, 320))
    balloon(s, 60, 140, 34, SKY, tail=100)
    balloon(s, 420, 150, 36, CORAL, tail=100, sway=-8)
    cake(s, 240, 300, 180)
    return s


@picture("assorted", "party-gifts")
def party_gifts():
    s = Svg()
    rng = random.Random(504)
    backdrop(s, "#eaf2ff", "#d9e4ff", glow="#ffffff", glow_at=(0.5, 0.5))
    bokeh(s, rng, 14, ["#ffffff", "#c9d9ff", "#ffd6e6"], 10, 36, (0.35, 0.7))
    for _ in range(12):
        x, y = rng.uniform(20, 460), rng.uniform(15, 170)
        star(s, x, y, rng.uniform(5, 11), rng.choice([YELLOW, PINK, "#ffffff", TEAL]), rot=rng.uniform(-90, -60))
    s.add(f'<rect y="262" width="480" height="58" fill="{s.lin([(0, "#c3d2f5"), (1, "#b0c2ee")])}"/>')
    gift(s, 160, 282, 110, 100, PURPLE, YELLOW)
    gift(s, 300, 288, 130, 80, CORAL, TEAL)
    gift(s, 235, 296, 70, 56, TEAL, PINK)
    balloon(s, 390, 120, 36, YELLOW, tail=100)
    balloon(s, 80, 110, 32, PINK, tail=100, sway=-6)
    return s


@picture("assorted", "party-popper")
def party_popper_picture():
    s = Svg()
    rng = random.Random(505)
    backdrop(s, "#f1ebff", "#ffe1ef", glow="#ffffff", glow_at=(0.5, 0.45))
    sunburst(s, 240, 150, 30, "#ffffff", 0.45)
    for ang, colour in ((-150, CORAL), (-120, TEAL), (-90, YELLOW), (-60, PURPLE), (-30, SKY), (-105, PINK), (-75, ORANGE)):
        a = math.radians(ang)
        x1, y1 = 240 + 170 * math.cos(a) * 1.25, 250 + 170 * math.sin(a)
        streamer(s, 240, 240, x1, y1, colour, waves=3, amp=6, width=4.5)
    confetti(s, rng, 60, area=(30, 10, 450, 230))
    for _ in range(8):
        x, y = rng.uniform(60, 420), rng.uniform(20, 200)
        star(s, x, y, rng.uniform(7, 13), rng.choice([YELLOW, "#ffffff", PINK]), rot=rng.uniform(-90, -60))
    party_popper(s, 240, 240, 52, 90 + 180, PURPLE, YELLOW)
    return s


def make_pictures(root):
    images = root / "images"
    keep = images / ".keep"
    if keep.exists():
        keep.unlink()
    with tempfile.TemporaryDirectory() as work:
        for set_name, entries in PICTURES.items():
            folder = images / set_name
            if folder.exists():
                shutil.rmtree(folder)
            folder.mkdir(parents=True)
            for stem, fn, animated in entries:
                if animated:
                    make_gif([f.xml() for f in fn()], folder / f"{stem}.gif", 8, work)
                else:
                    render(fn().xml(), folder / f"{stem}.png")
                print(f"images/{set_name}/{stem}.{'gif' if animated else 'png'}")


# ---------------------------------------------------------------------------------------------
# Side-bar icons: a white glyph on a coloured rounded badge, drawn on a 32 x 32 grid. Plain SVG
# (gradients, paths, no filters or clipping) so that Qt's own SVG renderer draws them exactly.
# ---------------------------------------------------------------------------------------------


def _gear(cx, cy, teeth, r_out, r_in, r_hole):
    d = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a = i * step - math.pi / 2
        for frac, r in ((-0.28, r_in), (-0.17, r_out), (0.17, r_out), (0.28, r_in)):
            x = cx + r * math.cos(a + frac * step * 2 * 0.85)
            y = cy + r * math.sin(a + frac * step * 2 * 0.85)
            d.append(f"{'M' if not d else 'L'}{n(x)},{n(y)}")
    d.append("Z")
    # the hole, drawn the other way round so that it stays empty
    d.append(f"M{n(cx + r_hole)},{n(cy)} A{n(r_hole)},{n(r_hole)} 0 1 0 {n(cx - r_hole)},{n(cy)} "
             f"A{n(r_hole)},{n(r_hole)} 0 1 0 {n(cx + r_hole)},{n(cy)} Z")
    return " ".join(d)


def _sun_glyph():
    rays = []
    for i in range(8):
        a = math.radians(i * 45)
        rays.append(f"M{n(16 + 8.2 * math.cos(a))},{n(16 + 8.2 * math.sin(a))} "
                    f"L{n(16 + 10.6 * math.cos(a))},{n(16 + 10.6 * math.sin(a))}")
    return (f'<circle cx="16" cy="16" r="5.2" fill="#ffffff"/>'
            f'<path d="{" ".join(rays)}" stroke="#ffffff" stroke-width="2.2" stroke-linecap="round"/>')


def _person(cx, top, k=1.0):
    r = 4.2 * k
    head = f'<circle cx="{n(cx)}" cy="{n(top + r)}" r="{n(r)}" fill="#ffffff"/>'
    y0 = top + 2 * r + 1.4 * k
    w = 7.4 * k
    body = (f'<path d="M{n(cx - w)},{n(y0 + 7.2 * k)} C{n(cx - w)},{n(y0 + 1.6 * k)} {n(cx - w * 0.55)},{n(y0)} '
            f'{n(cx)},{n(y0)} C{n(cx + w * 0.55)},{n(y0)} {n(cx + w)},{n(y0 + 1.6 * k)} {n(cx + w)},{n(y0 + 7.2 * k)} '
            f'Q{n(cx + w)},{n(y0 + 8 * k)} {n(cx + w - 1.2 * k)},{n(y0 + 8 * k)} L{n(cx - w + 1.2 * k)},{n(y0 + 8 * k)} '
            f'Q{n(cx - w)},{n(y0 + 8 * k)} {n(cx - w)},{n(y0 + 7.2 * k)} Z" fill="#ffffff"/>')
    return head + body


def _glyph(name, ink):
    """The white glyph of one icon; ink is the badge's mid colour, for cut-outs."""
    if name == "today":
        return _sun_glyph()
    if name == "milestones":
        return ('<path d="M10.5,23 L21.5,23 Q22.5,23 22.5,24 L22.5,25 L9.5,25 L9.5,24 Q9.5,23 10.5,23 Z" fill="#ffffff"/>'
                '<path d="M14.6,17.5 L17.4,17.5 L17.8,22.4 L14.2,22.4 Z" fill="#ffffff"/>'
                '<path d="M10.5,6.5 L21.5,6.5 L21.5,12 C21.5,15.6 19.2,18.4 16,18.4 C12.8,18.4 10.5,15.6 10.5,12 Z" fill="#ffffff"/>'
                '<path d="M10.8,9 L8.4,9 C7.1,9 6.6,10 6.9,11.3 C7.4,13.6 9.1,14.6 11.2,14.7 M21.2,9 L23.6,9 '
                'C24.9,9 25.4,10 25.1,11.3 C24.6,13.6 22.9,14.6 20.8,14.7" fill="none" stroke="#ffffff" '
                'stroke-width="1.9" stroke-linecap="round" stroke-linejoin="round"/>'
                f'<path d="M16,9 L16.9,10.9 L19,11.1 L17.4,12.5 L17.9,14.5 L16,13.4 L14.1,14.5 L14.6,12.5 L13,11.1 '
                f'L15.1,10.9 Z" fill="{ink}"/>')
    if name == "me":
        return _person(16, 6.2, 1.05)
    if name == "email":
        return ('<rect x="6.5" y="9.5" width="19" height="13.5" rx="2.2" fill="#ffffff"/>'
                f'<path d="M7.8,11.2 L16,17.2 L24.2,11.2" fill="none" stroke="{ink}" stroke-width="1.8" '
                'stroke-linecap="round" stroke-linejoin="round"/>')
    if name == "programoptions":
        return f'<path d="{_gear(16, 16, 8, 10.2, 7.6, 3.3)}" fill="#ffffff" fill-rule="evenodd" stroke="#ffffff" stroke-width="0.8" stroke-linejoin="round"/>'
    if name == "links":
        return ('<g fill="none" stroke="#ffffff" stroke-linecap="round">'
                '<circle cx="16" cy="16" r="9.6" stroke-width="2.3"/>'
                '<ellipse cx="16" cy="16" rx="4.2" ry="9.6" stroke-width="1.9"/>'
                '<path d="M6.6,16 L25.4,16 M8.4,11 Q16,13.2 23.6,11 M8.4,21 Q16,18.8 23.6,21" stroke-width="1.7"/>'
                '</g>')
    if name == "buddies":
        back = _person(11.6, 6.8, 0.85)
        front_outline = (f'<g transform="translate(0,0)"><circle cx="19.4" cy="13.2" r="5.6" fill="{ink}"/>'
                         f'<path d="M11.4,27 C11.4,21.2 14.4,18.9 19.4,18.9 C24.4,18.9 27.4,21.2 27.4,27 Z" fill="{ink}"/></g>')
        return back + front_outline + _person(19.4, 9.2, 0.95)
    if name == "information":
        return ('<circle cx="16" cy="16" r="10.2" fill="#ffffff"/>'
                f'<circle cx="16" cy="11" r="1.9" fill="{ink}"/>'
                f'<rect x="14.3" y="14.2" width="3.4" height="8.4" rx="1.7" fill="{ink}"/>')
    if name == "quitreasons":
        return ('<path d="M16,25 C15.6,25 15.2,24.8 14.9,24.6 C10.4,21.2 6.8,17.9 6.8,13.4 C6.8,10.4 9,8 11.9,8 '
                'C13.7,8 15.1,8.9 16,10.3 C16.9,8.9 18.3,8 20.1,8 C23,8 25.2,10.4 25.2,13.4 C25.2,17.9 21.6,21.2 '
                '17.1,24.6 C16.8,24.8 16.4,25 16,25 Z" fill="#ffffff"/>')
    raise KeyError(name)


ICONS = {
    # name: (badge top, badge bottom)
    "today": ("#ffbd4a", "#f27d1f"),
    "milestones": ("#ffcc40", "#e3930c"),
    "me": ("#63a5ff", "#3a6ee0"),
    "email": ("#3fd0bf", "#15998e"),
    "programoptions": ("#97a3bb", "#5c6986"),
    "links": ("#a587f5", "#6e4fd6"),
    "buddies": ("#5bd68f", "#22a25e"),
    "information": ("#55c0f5", "#2186d0"),
    "quitreasons": ("#ff7f97", "#e3405e"),
}


def icon_svg(name):
    top, bottom = ICONS[name]
    ink = mix(top, bottom, 0.6)
    glyph = _glyph(name, ink)
    shade = dark(bottom, 0.35)
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
        f'<defs><linearGradient id="badge" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient></defs>\n'
        f'<rect x="1" y="1.5" width="30" height="30" rx="7.5" fill="{shade}" opacity="0.35"/>\n'
        f'<rect x="1" y="1" width="30" height="29.5" rx="7.5" fill="url(#badge)"/>\n'
        f'<rect x="2" y="2" width="28" height="13" rx="6.5" fill="#ffffff" opacity="0.12"/>\n'
        f'<g transform="translate(0,0.6)" opacity="0.25">{glyph.replace("#ffffff", shade)}</g>\n'
        f'{glyph}\n'
        '</svg>\n'
    )


def make_icons(root):
    folder = root / "src" / "app" / "icons"
    folder.mkdir(parents=True, exist_ok=True)
    for name in ICONS:
        svg = icon_svg(name)
        (folder / f"{name}.svg").write_text(svg)
        print(f"src/app/icons/{name}.svg")


# ---------------------------------------------------------------------------------------------
# The program icon: a fresh leaf before a rising sun, in a rounded green badge. The small sizes
# get their own, bolder drawing so that the leaf still reads at 16 x 16 in a panel.
# ---------------------------------------------------------------------------------------------

APP_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def app_icon_svg(small=False):
    if small:
        return (
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            '<defs>'
            '<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#4fd58a"/>'
            '<stop offset="1" stop-color="#158a5c"/></linearGradient>'
            '</defs>\n'
            '<rect x="8" y="8" width="240" height="240" rx="56" fill="url(#bg)"/>\n'
            '<circle cx="188" cy="74" r="46" fill="#ffd54f"/>\n'
            '<path d="M44,214 C36,134 84,66 204,52 C214,158 152,214 44,214 Z" fill="#ffffff"/>\n'
            '<path d="M58,200 C100,158 132,124 176,84" fill="none" stroke="#27a86b" stroke-width="20" '
            'stroke-linecap="round"/>\n'
            '</svg>\n'
        )
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
        '<defs>'
        '<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#5ad994"/>'
        '<stop offset="1" stop-color="#17905f"/></linearGradient>'
        '<radialGradient id="sun" cx="0.4" cy="0.35" r="0.7"><stop offset="0" stop-color="#fff1a6"/>'
        '<stop offset="1" stop-color="#ffc23a"/></radialGradient>'
        '<radialGradient id="glow" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#fff6c4" stop-opacity="0.75"/>'
        '<stop offset="1" stop-color="#fff6c4" stop-opacity="0"/></radialGradient>'
        '<linearGradient id="leaf" x1="0" y1="1" x2="1" y2="0"><stop offset="0" stop-color="#e9fbef"/>'
        '<stop offset="1" stop-color="#ffffff"/></linearGradient>'
        '</defs>\n'
        '<rect x="8" y="12" width="240" height="240" rx="56" fill="#0d5e3e" opacity="0.3"/>\n'
        '<rect x="8" y="8" width="240" height="240" rx="56" fill="url(#bg)"/>\n'
        '<path d="M64,8 L192,8 C223,8 248,33 248,64 L248,96 C190,70 100,66 8,100 L8,64 C8,33 33,8 64,8 Z" '
        'fill="#ffffff" opacity="0.08"/>\n'
        '<circle cx="184" cy="78" r="80" fill="url(#glow)"/>\n'
        '<circle cx="184" cy="78" r="42" fill="url(#sun)"/>\n'
        '<path d="M56,204 C48,136 92,78 200,62 C210,160 154,206 56,204 Z" fill="#0d5e3e" opacity="0.25" '
        'transform="translate(0,6)"/>\n'
        f'<path d="M56,204 C48,136 92,78 200,62 C210,160 154,206 56,204 Z" fill="url(#leaf)"/>\n'
        '<path d="M68,192 C104,156 136,122 180,84" fill="none" stroke="#2fb173" stroke-width="12" '
        'stroke-linecap="round"/>\n'
        '<path d="M106,154 Q100,136 104,118 M134,126 Q130,110 136,96 M106,154 Q124,160 142,156 '
        'M134,126 Q150,130 166,124" fill="none" stroke="#2fb173" stroke-width="6" stroke-linecap="round"/>\n'
        '<path d="M56,204 L40,220" stroke="#ffffff" stroke-width="12" stroke-linecap="round"/>\n'
        '</svg>\n'
    )


def make_app_icon(root):
    folder = root / "packaging" / "icons"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "ashtally.svg").write_text(app_icon_svg())
    print("packaging/icons/ashtally.svg")
    for size in APP_SIZES:
        out = folder / "hicolor" / f"{size}x{size}" / "apps" / "ashtally.png"
        render(app_icon_svg(small=size <= 24), out, size, size)
        print(f"packaging/icons/hicolor/{size}x{size}/apps/ashtally.png")


def main():
    parser = argparse.ArgumentParser(description="Draws Ashtally's pictures, side-bar icons and program icon.")
    parser.add_argument("parts", nargs="*", metavar="{pictures,icons,appicon}",
                        help="what to draw (default: everything)")
    parser.add_argument("--root", type=Path, default=ROOT, help="the repository to write into")
    args = parser.parse_args()
    known = ["pictures", "icons", "appicon"]
    for part in args.parts:
        if part not in known:
            parser.error(f"unknown part '{part}' (choose from {', '.join(known)})")
    parts = args.parts or known
    need("rsvg-convert", "librsvg2-bin")
    if "pictures" in parts:
        need("convert", "imagemagick")
        make_pictures(args.root)
    if "icons" in parts:
        make_icons(args.root)
    if "appicon" in parts:
        make_app_icon(args.root)


if __name__ == "__main__":
    main()
