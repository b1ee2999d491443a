#!/usr/bin/env python3
"""Draws the program's application icon at every size the desktop asks for, and as SVG.

vorelim-16.png .. vorelim-256.png and vorelim.svg, beside this script: a red five-pointed star on
a white disc in a green ring, the picture of the program's 32 x 32 icon. Each size is drawn for
itself, not scaled from another:
  - the ring's edges and the star's shoulder line (the straight upper edge of its side arms) fall
    on pixel boundaries at that size;
  - small sizes are simplified: flat colours, a fatter star and a ring at least 2 pixels wide, so
    the star still reads at 16 pixels;
  - from 48 pixels the ring has a dark outer rim; from 128 pixels the ring and the star are
    shaded from the top, the star has a dark edge and the disc casts a soft shadow.
The SVG is the 256-pixel design as vectors.

Plain Python 3, no third-party modules: every pixel is the average of a grid of sub-samples, so
the edges are smooth; the PNGs carry no time stamp, so running this again gives the same bytes.
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.join(HERE, "..", "pictures"))
from make_pictures import in_polygon  # noqa: E402  (the splash pictures' geometry helper)
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

RED = (200, 0, 0)
GREEN = (0, 128, 0)
WHITE = (255, 255, 255)
RIM = (0, 72, 0)
STAR_EDGE = (120, 0, 0)

SIN18 = math.sin(math.radians(18))
COS36 = math.cos(math.radians(36))


class Design:
    """The geometry of the icon at one size, in pixels of that size."""

    def __init__(self, size):
        self.size = size
        self.c = size / 2
        # A margin only where there is a shadow to hold.
        self.pad = size // 32 if size >= 128 else 0
        self.outer = size / 2 - self.pad
        # Ring width in whole pixels; never thinner than 2.
        self.ring = max(2, round(size * 3 / 32))
        self.inner = self.outer - self.ring
        # Star: fatter at small sizes (a regular star's ratio is 0.382).
        self.ratio = 0.46 if size <= 24 else 0.40
        gap = 0.5 if size <= 24 else size / 32
        self.star_r = self.inner - gap
        # Centre the star's height (tip at -R, lowest points at +0.809 R) in the disc, then move
        # it so the shoulder line lies on a pixel row.
        centre = self.c + self.star_r * (1 - COS36) / 2
        shoulder = round(centre - self.star_r * SIN18)
        self.star_cy = shoulder + self.star_r * SIN18
        self.rim = size >= 48
        self.shaded = size >= 128
        self.star_edge = size / 90 if self.shaded else 0

    def star_points(self, scale=1.0):
        pts = []
        for i in range(10):
            r = self.star_r if i % 2 == 0 else self.star_r * self.ratio
            a = -math.pi / 2 + i * math.pi / 5
            pts.append(((self.c + r * math.cos(a)) * scale, (self.star_cy + r * math.sin(a)) * scale))
        return pts


def distance_to_outline(x, y, pts):
    best = float("inf")
    for i in range(len(pts)):
        (ax, ay), (bx, by) = pts[i], pts[(i + 1) % len(pts)]
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - ax - t * dx, y - ay - t * dy))
    return best


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def shader(d):
    """Colour and opacity (0..1) at a point of the icon of design d."""
    star = d.star_points()
    lo, hi = d.c - d.outer, d.c + d.outer

    def shade(x, y):
        r = math.hypot(x - d.c, y - d.c)
        # From the top (0) to the bottom (1) of the disc, for the shading.
        down = (y - lo) / (hi - lo)
        if r <= d.inner:
            if in_polygon(x, y, star):
                if d.star_edge and distance_to_outline(x, y, star) < d.star_edge:
                    return STAR_EDGE, 1.0
                if d.shaded:
                    return mix((232, 40, 32), (168, 0, 0), down), 1.0
                return RED, 1.0
            return (mix(WHITE, (232, 232, 226), down) if d.shaded else WHITE), 1.0
        if r <= d.outer:
            if d.rim and r > d.outer - max(1, d.size / 64):
                return RIM, 1.0
            if d.shaded:
                return mix((40, 160, 40), (0, 100, 0), down), 1.0
            return GREEN, 1.0
        if d.shaded:
            # A soft shadow below the disc.
            sr = math.hypot(x - d.c, y - d.c - d.pad / 2)
            if sr < d.outer + d.pad:
                fade = 1 - (sr - d.outer + d.pad) / (2 * d.pad)
                return (0, 0, 0), max(0.0, min(1.0, fade)) ** 2 * 0.35
        return (0, 0, 0), 0.0

    return shade


def render(d):
    """Rows of RGBA bytes; each pixel averages n x n sub-samples (premultiplied)."""
    n = 8 if d.size <= 64 else 4
    shade = shader(d)
    rows = []
    for py in range(d.size):
        row = bytearray()
        for px in range(d.size):
            sr = sg = sb = sa = 0.0
            for sy in range(n):
                for sx in range(n):
                    (r, g, b), a = shade(px + (sx + 0.5) / n, py + (sy + 0.5) / n)
                    sr += r * a
                    sg += g * a
                    sb += b * a
                    sa += a
            if sa == 0:
                row += bytes(4)
            else:
                row += bytes((round(sr / sa), round(sg / sa), round(sb / sa), round(255 * sa / n / n)))
        rows.append(bytes(row))
    return rows


def write_png(path, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    height, width = len(rows), len(rows[0]) // 4
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def write_svg(path):
    d = Design(256)
    star = " ".join("%.2f,%.2f" % p for p in d.star_points())
    ring_mid = (d.outer + d.inner) / 2
    rim = d.size / 64
    svg = """<?xml version="1.0" encoding="UTF-8"?>
<!-- Made by make_icons.py: the 256-pixel design of the program icon as vectors. -->
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <radialGradient id="shadow" cx="128" cy="{scy}" r="{sr}" gradientUnits="userSpaceOnUse">
      <stop offset="{sstart:.3f}" stop-color="#000" stop-opacity="0.35"/>
      <stop offset="1" stop-color="#000" stop-opacity="0"/>
    </radialGradient>
    <linearGradient id="ring" x1="0" y1="{lo}" x2="0" y2="{hi}" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#28a028"/>
      <stop offset="1" stop-color="#006400"/>
    </linearGradient>
    <linearGradient id="disc" x1="0" y1="{lo}" x2="0" y2="{hi}" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="1" stop-color="#e8e8e2"/>
    </linearGradient>
    <linearGradient id="star" x1="0" y1="{lo}" x2="0" y2="{hi}" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#e82820"/>
      <stop offset="1" stop-color="#a80000"/>
    </linearGradient>
  </defs>
  <circle cx="128" cy="{scy}" r="{sr}" fill="url(#shadow)"/>
  <circle cx="128" cy="128" r="{inner}" fill="url(#disc)"/>
  <circle cx="128" cy="128" r="{ring_mid}" fill="none" stroke="url(#ring)" stroke-width="{ring}"/>
  <circle cx="128" cy="128" r="{rim_mid}" fill="none" stroke="#004800" stroke-width="{rim}"/>
  <polygon points="{star}" fill="url(#star)" stroke="#780000" stroke-width="{edge:.2f}"
           stroke-linejoin="miter"/>
</svg>
""".format(scy=128 + d.pad / 2, sr=d.outer + d.pad, sstart=(d.outer - d.pad) / (d.outer + d.pad),
           lo=d.c - d.outer, hi=d.c + d.outer, inner=d.inner, ring_mid=ring_mid, ring=d.ring,
           rim_mid=d.outer - rim / 2, rim=rim, star=star, edge=d.star_edge)
    with open(path, "w") as f:
        f.write(svg)


def main():
    for size in SIZES:
        write_png(os.path.join(HERE, "vorelim-%d.png" % size), render(Design(size)))
    write_svg(os.path.join(HERE, "vorelim.svg"))


if __name__ == "__main__":
    main()
