#!/usr/bin/env python3
"""Draws the program's pictures and writes them beside this script.

TA1.bmp .. TA9.bmp: nine frames of a swallow flapping its wings while it flies to the left, with
light speed streaks at the right edge; drawn one over the other a few pixels apart, the streaks
leave a dashed trail behind the bird. 8-bit palette, uncompressed, 115 x 48 (TA8 100 x 43).
vorelim.ico: the program icon, a red five-pointed star in a ring, 32 x 32, 16 colours.
about.ico: the about box icon, the nine-cell square of numbers, 32 x 32, 16 colours.
about_icon.xpm: the about box icon as XPM, a C array that the program compiles in: Qt reads it
without its image-format plug-ins, which the program would otherwise load only to decode the
window icon. (The program's own window and desktop icons are drawn by ../icons/make_icons.py.)

Plain Python 3, no third-party modules: each pixel takes the colour most of its 3 x 3 sub-samples
fall on, so the shapes stay crisp in a fixed palette. Run it again after changing a shape.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# --- small geometry helpers -----------------------------------------------------------------


def in_polygon(x, y, pts):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def in_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def render(width, height, scale, shader):
    """Returns rows of palette indices; shader(x, y) gives the index at a point of the design."""
    rows = []
    subs = (1 / 6, 1 / 2, 5 / 6)
    for py in range(height):
        row = []
        for px in range(width):
            votes = {}
            for sy in subs:
                for sx in subs:
                    c = shader((px + sx) / scale, (py + sy) / scale)
                    votes[c] = votes.get(c, 0) + 1
            row.append(max(votes, key=lambda c: (votes[c], -c)))
        rows.append(row)
    return rows


# --- the swallow ------------------------------------------------------------------------------

WHITE, NAVY, BLUE, FAR, RUST, CREAM, BLACK, STREAK, BEAK = range(9)
BIRD_PALETTE = [
    (255, 255, 255), (24, 32, 84), (46, 78, 160), (16, 20, 52), (206, 74, 40),
    (250, 244, 226), (0, 0, 0), (176, 190, 212), (70, 64, 58),
]


def swallow(frame):
    phase = 2 * math.pi * frame / 9
    bob = 1.5 * math.sin(phase)  # the body rises a little as the wings beat down
    # Flap angle of the wings above the level, from 65 degrees up to 45 degrees down. The bird
    # is seen from a little above, so a level wing shows as a broad shape and not as a line.
    flap = math.radians(10 + 55 * math.cos(phase))
    tilt = math.radians(35)
    shoulder = (46, 22 + bob)
    # Outline of a swept-back pointed wing: (u, v) = (backwards along the body, along the span).
    outline = [(0, 0), (-2, 9), (3, 20), (18, 31), (13, 20), (12, 10), (16, 0)]

    def wing(side):
        pts = []
        for u, v in outline:
            y = -v * math.sin(flap) * math.cos(tilt) + side * v * math.cos(flap) * math.sin(tilt)
            pts.append((shoulder[0] + u, shoulder[1] + y))
        return pts

    near_wing, far_wing = wing(1), wing(-1)
    tail = [(68, 22 + bob), (102, 15 + bob), (84, 25.5 + bob), (102, 35 + bob), (68, 28 + bob)]
    beak = [(28, 22 + bob), (19, 24.5 + bob), (28, 26 + bob)]

    def shade(x, y):
        if in_polygon(x, y, near_wing):
            return BLUE
        if in_ellipse(x, y, 31.5, 22.5 + bob, 1.5, 1.5):
            return BLACK
        if in_ellipse(x, y, 35, 24 + bob, 7.5, 6.5):
            return RUST if y > 25.5 + bob and x < 39 else NAVY
        if in_polygon(x, y, beak):
            return BEAK
        if in_ellipse(x, y, 53, 25 + bob, 20, 6.5):
            return CREAM if y > 26 + bob else NAVY
        if in_polygon(x, y, far_wing):
            return FAR
        if in_polygon(x, y, tail):
            return NAVY
        # Speed streaks in the last ten columns: the part that stays visible as the trail.
        for sy in (15, 24, 33):
            if 107 <= x < 113 and abs(y - (sy + bob * 0.5)) < 0.8:
                return STREAK
        return WHITE

    return shade


def write_bmp8(path, rows, palette):
    height, width = len(rows), len(rows[0])
    stride = (width + 3) & ~3
    pixels = b"".join(bytes(r) + b"\0" * (stride - width) for r in reversed(rows))
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    pal += b"\0" * (4 * (256 - len(palette)))
    offset = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 3780, 3780, 256,
                       0)
    with open(path, "wb") as f:
        f.write(header + info + pal + pixels)


# --- icons ------------------------------------------------------------------------------------

CLEAR = 15  # transparent through the icon's mask


def star_icon():
    palette = [(0, 0, 0)] * 16
    palette[0] = (255, 255, 255)
    palette[1] = (200, 0, 0)
    palette[2] = (0, 128, 0)
    palette[3] = (0, 0, 128)
    cx, cy = 16, 16
    points = []
    for i in range(10):
        r = 11.5 if i % 2 == 0 else 4.6
        a = -math.pi / 2 + i * math.pi / 5
        points.append((cx + r * math.cos(a), cy + 0.5 + r * math.sin(a)))

    def shade(x, y):
        d = math.hypot(x - cx, y - cy)
        if in_polygon(x, y, points):
            return 1
        if 13.0 <= d <= 15.5:
            return 2
        if d < 13.0:
            return 0
        return CLEAR

    return render(32, 32, 1, shade), palette


def square_icon():
    # The nine-cell square of numbers: 4 9 2 / 3 5 7 / 8 1 6, each cell in its element's colour.
    palette = [(0, 0, 0)] * 16
    palette[0] = (0, 0, 0)
    palette[1] = (0, 0, 170)  # water
    palette[2] = (170, 110, 40)  # earth
    palette[3] = (0, 140, 0)  # wood
    palette[4] = (150, 150, 150)  # metal
    palette[5] = (220, 0, 0)  # fire
    element = {1: 1, 2: 2, 5: 2, 8: 2, 3: 3, 4: 3, 6: 4, 7: 4, 9: 5}
    grid = [[4, 9, 2], [3, 5, 7], [8, 1, 6]]

    def shade(x, y):
        col, row = int(x), int(y)
        if col > 30 or row > 30:
            return CLEAR
        if col % 10 == 0 or row % 10 == 0:
            return 0
        return element[grid[row // 10][col // 10]]

    return render(32, 32, 1, shade), palette


def write_ico4(path, rows, palette):
    """One 32 x 32 image, 4 bits per pixel with a 1-bit mask; index CLEAR is transparent."""
    size = 32
    xor = b""
    mask = b""
    for row in reversed(rows):
        # Transparent pixels are black in the colour part, as the icon format expects.
        colour = [0 if c == CLEAR else c for c in row]
        xor += bytes((colour[i] << 4) | colour[i + 1] for i in range(0, size, 2))
        bits = 0
        line = b""
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c == CLEAR else 0)
            if i % 8 == 7:
                line += bytes([bits])
                bits = 0
        mask += line
    # 16 bytes a row of colour and 4 of mask: both already multiples of four bytes.
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0,
                       16, 0)
    image = info + pal + xor + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)


def write_xpm(path, name, rows, palette):
    """The icon as XPM: one character a pixel, index CLEAR as None (transparent)."""
    used = sorted({c for row in rows for c in row})
    chars = {c: ("." if c == CLEAR else "0123456789abcdef"[c]) for c in used}
    lines = ['"%d %d %d 1"' % (len(rows[0]), len(rows), len(used))]
    for c in used:
        colour = "None" if c == CLEAR else "#%02X%02X%02X" % palette[c]
        lines.append('"%s c %s"' % (chars[c], colour))
    lines += ['"%s"' % "".join(chars[c] for c in row) for row in rows]
    with open(path, "w") as f:
        f.write("/* XPM */\n/* Made by make_pictures.py; the same picture as %s.ico. */\n" %
                name.replace("_icon", ""))
        f.write("static const char* const %s_xpm[] = {\n" % name)
        f.write(",\n".join(lines) + "};\n")


def main():
    for frame in range(9):
        name = "TA%d.bmp" % (frame + 1)
        if frame == 7:
            rows = render(100, 43, 100 / 115, swallow(frame))
        else:
            rows = render(115, 48, 1, swallow(frame))
        write_bmp8(os.path.join(HERE, name), rows, BIRD_PALETTE)
    rows, palette = star_icon()
    write_ico4(os.path.join(HERE, "vorelim.ico"), rows, palette)
    rows, palette = square_icon()
    write_ico4(os.path.join(HERE, "about.ico"), rows, palette)
    write_xpm(os.path.join(HERE, "about_icon.xpm"), "about_icon", rows, palette)


if __name__ == "__main__":
    main()
