#!/usr/bin/env python3
# Draws the main window's pictures (tool bar GIFs, draw button JPEG, s.gif, rodaleque.ico) into
# src/mainwindow/resources, the desktop's icons (rodaleque-16.png, -32, -48) from the same
# pixels as the ICO's images, and the About window's three GIFs into src/about/resources.
#
# Everything is drawn here from simple shapes, sampled 4 x 4 per pixel. GIF, ICO and PNG are
# written by hand so the bytes and bit depths are exactly ours; only the JPEG goes through
# ImageMagick's convert. Same bytes on every run: run it again after changing a drawing and
# commit the results.
#
# Usage: scripts/make-pictures.py [output folder]   (with a folder, every picture goes there)

import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib
from pathlib import Path

SUBSAMPLES = 4
TOOLBAR_GREY = (224, 224, 224)
BUTTON_GREY = (212, 208, 200)
ABOUT_BACKGROUND = (135, 152, 160)


# ---------------------------------------------------------------- drawing


def clamp8(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def solid(colour):
    return lambda x, y: colour


def vertical(top, bottom, y0, y1):
    def paint(x, y):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return mix(top, bottom, t)
    return paint


def sphere(cx, cy, r, base, shine=0.85):
    # Light from the upper left, a little in front: a matt body with one white highlight.
    lx, ly, lz = -0.45, -0.6, 0.66
    n = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / n, ly / n, lz / n
    hx, hy, hz = lx, ly, lz + 1.0
    n = math.sqrt(hx * hx + hy * hy + hz * hz)
    hx, hy, hz = hx / n, hy / n, hz / n

    def paint(x, y):
        nx, ny = (x - cx) / r, (y - cy) / r
        nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
        diffuse = max(0.0, nx * lx + ny * ly + nz * lz)
        brilho = max(0.0, nx * hx + ny * hy + nz * hz) ** 24 * shine
        c = tuple(base[i] * (0.38 + 0.72 * diffuse) for i in range(3))
        return mix(c, (255, 255, 255), min(1.0, brilho))
    return paint


class Shape:
    """An area and what paints it; `border` paints the band `width` wide inside its edge."""

    def __init__(self, inside, edge_distance, fill, border=None, width=1.0):
        self.inside = inside
        self.edge_distance = edge_distance
        self.fill = fill if callable(fill) else solid(fill)
        self.border = None if border is None else (border if callable(border) else solid(border))
        self.width = width

    def colour(self, x, y):
        if not self.inside(x, y):
            return None
        if self.border is not None and self.edge_distance(x, y) < self.width:
            return self.border(x, y)
        return self.fill(x, y)


def disc(cx, cy, r, fill, border=None, width=1.0):
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 < r * r,
                 lambda x, y: r - math.hypot(x - cx, y - cy), fill, border, width)


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def polygon(points, fill, border=None, width=1.0):
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        hit = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit

    def edge_distance(x, y):
        return min(_segment_distance(x, y, ax, ay, bx, by) for (ax, ay), (bx, by) in edges)
    return Shape(inside, edge_distance, fill, border, width)


def rect(x0, y0, x1, y1, fill, border=None, width=1.0):
    return polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], fill, border, width)


def rounded_rect(x0, y0, x1, y1, r, fill, border=None, width=1.0):
    def corner_distance(x, y):
        dx = max(x0 + r - x, 0.0, x - (x1 - r))
        dy = max(y0 + r - y, 0.0, y - (y1 - r))
        return math.hypot(dx, dy)

    def inside(x, y):
        return x0 <= x < x1 and y0 <= y < y1 and corner_distance(x, y) < r

    def edge_distance(x, y):
        return min(r - corner_distance(x, y), x - x0, x1 - x, y - y0, y1 - y)
    return Shape(inside, edge_distance, fill, border, width)


def stroke(ax, ay, bx, by, thickness, fill, border=None, width=1.0):
    half = thickness / 2.0
    return Shape(lambda x, y: _segment_distance(x, y, ax, ay, bx, by) < half,
                 lambda x, y: half - _segment_distance(x, y, ax, ay, bx, by), fill, border, width)


def arc(cx, cy, r, thickness, start_deg, end_deg, fill):
    # Angles counted clockwise from three o'clock, as y grows downwards.
    def inside(x, y):
        if abs(math.hypot(x - cx, y - cy) - r) >= thickness / 2.0:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360.0
        return (a - start_deg) % 360.0 <= (end_deg - start_deg) % 360.0
    return Shape(inside, lambda x, y: 99.0, fill)


DIGITS = {
    '0': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    '1': ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    '2': [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    '3': ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    '4': ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    '5': ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    '6': ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    '7': ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    '8': [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    '9': [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
}

LETTERS = {
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'L': ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    'M': ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'P': ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    'X': ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
}

# A 3 x 5 seven for the front ball where the 5 x 7 one does not fit.
SMALL_SEVEN = ["###", "..#", ".#.", ".#.", ".#."]


def text(chars, x0, y0, cell, fill, gap=1, font=None):
    """Digits and letters from the 5 x 7 font above (or one glyph of another), font pixels
    `cell` wide."""
    glyphs = [font] if font is not None else [DIGITS.get(ch) or LETTERS[ch] for ch in chars]
    rows, wide = len(glyphs[0]), len(glyphs[0][0])
    advance = wide + gap

    def inside(x, y):
        col = math.floor((x - x0) / cell)
        row = math.floor((y - y0) / cell)
        if row < 0 or row >= rows or col < 0:
            return False
        i, c = divmod(col, advance)
        return i < len(glyphs) and c < wide and glyphs[i][row][c] == '#'
    return Shape(inside, lambda x, y: 99.0, fill)


def render(width, height, shapes):
    """Per pixel: the mean colour of the samples that some shape covers, and the share covered.
    Shapes later in the list lie on top."""
    pixels = []
    step = 1.0 / SUBSAMPLES
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = px + (sx + 0.5) * step
                    y = py + (sy + 0.5) * step
                    for shape in reversed(shapes):
                        c = shape.colour(x, y)
                        if c is not None:
                            acc[0] += c[0]
                            acc[1] += c[1]
                            acc[2] += c[2]
                            hits += 1
                            break
            n = SUBSAMPLES * SUBSAMPLES
            colour = tuple(a / hits for a in acc) if hits else (0.0, 0.0, 0.0)
            row.append((colour, hits / n))
        pixels.append(row)
    return pixels


def flatten(pixels, background):
    """Opaque picture: the edges blend into the background."""
    return [[tuple(clamp8(v) for v in mix(background, c, cover)) for c, cover in row]
            for row in pixels]


def cut_out(pixels, blend_into=None):
    """Picture with one-bit transparency: a pixel at least half covered is kept. With
    `blend_into`, a kept edge pixel takes in some of the colour it will sit on."""
    out = []
    for row in pixels:
        new = []
        for c, cover in row:
            if cover < 0.5:
                new.append(None)
            elif blend_into is not None:
                new.append(tuple(clamp8(v) for v in mix(blend_into, c, cover)))
            else:
                new.append(tuple(clamp8(v) for v in c))
        out.append(new)
    return out


# ---------------------------------------------------------------- colours


def median_cut(counts, limit):
    """At most `limit` colours for a {colour: pixel count} map: the box with the largest error
    is split at its weighted median along its widest channel, until there are enough boxes."""
    def error(box):
        total = sum(n for _, n in box)
        mean = [sum(c[i] * n for c, n in box) / total for i in range(3)]
        return sum(n * sum((c[i] - mean[i]) ** 2 for i in range(3)) for c, n in box)

    boxes = [sorted(counts.items())]
    while len(boxes) < limit:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break
        box = max(splittable, key=error)
        boxes.remove(box)
        spans = [max(c[i] for c, _ in box) - min(c[i] for c, _ in box) for i in range(3)]
        channel = spans.index(max(spans))
        box.sort(key=lambda e: (e[0][channel], e[0]))
        half = sum(n for _, n in box) / 2.0
        run, cut = 0, 1
        for i, (_, n) in enumerate(box[:-1]):
            run += n
            cut = i + 1
            if run >= half:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(clamp8(sum(c[i] * n for c, n in box) / total) for i in range(3)))
    return sorted(set(palette))


def nearest(palette, colour):
    best, best_d = 0, None
    for i, p in enumerate(palette):
        d = (p[0] - colour[0]) ** 2 * 3 + (p[1] - colour[1]) ** 2 * 4 + (p[2] - colour[2]) ** 2 * 2
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def colour_counts(picture):
    counts = {}
    for row in picture:
        for c in row:
            if c is not None:
                counts[c] = counts.get(c, 0) + 1
    return counts


def indexed(picture, limit, reserved=(), fixed=None):
    """Palette (reserved colours first, then `fixed` or the picture's own) and one index per
    pixel; None stays None."""
    counts = colour_counts(picture)
    room = limit - len(reserved)
    if fixed is not None:
        colours = list(fixed)
    elif len(counts) <= room:
        colours = sorted(counts)
    else:
        colours = median_cut(counts, room)
    palette = list(reserved) + [c for c in colours if c not in reserved]
    cache = {}
    rows = []
    for row in picture:
        out = []
        for c in row:
            if c is None:
                out.append(None)
            else:
                if c not in cache:
                    cache[c] = nearest(palette, c)
                out.append(cache[c])
        rows.append(out)
    return palette, rows


# ---------------------------------------------------------------- files


def lzw(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    bits = bytearray()
    acc, acc_bits = 0, 0

    def emit(code, width):
        nonlocal acc, acc_bits
        acc |= code << acc_bits
        acc_bits += width
        while acc_bits >= 8:
            bits.append(acc & 0xFF)
            acc >>= 8
            acc_bits -= 8

    def fresh():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = fresh()
    emit(clear, width)
    word = ()
    for k in indices:
        longer = word + (k,)
        if longer in table:
            word = longer
            continue
        emit(table[word], width)
        if next_code < 4096:
            table[longer] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = fresh()
        word = (k,)
    if word:
        emit(table[word], width)
    emit(end, width)
    if acc_bits:
        bits.append(acc & 0xFF)
    return bytes(bits)


def gif_bytes(picture):
    size_h, size_w = len(picture), len(picture[0])
    transparent = any(c is None for row in picture for c in row)
    palette, rows = indexed(picture, 256 - (1 if transparent else 0))
    if transparent:
        key = len(palette)
        palette = palette + [(0, 0, 0)]
        rows = [[key if i is None else i for i in row] for row in rows]
    depth = max(1, math.ceil(math.log2(len(palette))))
    palette = palette + [(0, 0, 0)] * ((1 << depth) - len(palette))

    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", size_w, size_h, 0x80 | ((depth - 1) << 4) | (depth - 1), 0, 0)
    for c in palette:
        out += bytes(c)
    if transparent:
        out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, key, 0)
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, size_w, size_h, 0)
    min_code_size = max(2, depth)
    data = lzw([i for row in rows for i in row], min_code_size)
    out.append(min_code_size)
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out += b"\x00\x3B"
    return bytes(out)


def _padded(row_bytes):
    return row_bytes + b"\x00" * (-len(row_bytes) % 4)


def ico_entry(picture, bits, fixed=None):
    """One icon image: BITMAPINFOHEADER, palette, colour rows and AND mask, bottom row first."""
    size = len(picture)
    if bits in (4, 8):
        # Transparent pixels must be black in the colour rows, so black is always entry 0.
        palette, rows = indexed(picture, 1 << bits, reserved=[(0, 0, 0)], fixed=fixed)
        palette = palette + [(0, 0, 0)] * ((1 << bits) - len(palette))
        rows = [[0 if i is None else i for i in row] for row in rows]
    colour = bytearray()
    for y in reversed(range(size)):
        if bits == 24:
            line = bytearray()
            for c in picture[y]:
                r, g, b = c if c is not None else (0, 0, 0)
                line += bytes((b, g, r))
        elif bits == 8:
            line = bytearray(rows[y])
        else:
            line = bytearray((rows[y][x] << 4) | rows[y][x + 1] for x in range(0, size, 2))
        colour += _padded(bytes(line))
    mask = bytearray()
    for y in reversed(range(size)):
        line = bytearray((size + 7) // 8)
        for x, c in enumerate(picture[y]):
            if c is None:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += _padded(bytes(line))
    head = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                       len(colour) + len(mask), 0, 0, 0, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) if bits <= 8 else b""
    return head + table + bytes(colour) + bytes(mask)


def ico_bytes(images):
    """images: (picture, bits per pixel, fixed palette or None) in directory order."""
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    blobs = []
    for picture, bits, fixed in images:
        blob = ico_entry(picture, bits, fixed)
        size = len(picture)
        colours = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                           len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def png_bytes(picture):
    """RGBA, 8 bits a channel, no filtering: transparent where the ICO's mask is set."""
    size_h, size_w = len(picture), len(picture[0])

    def chunk(kind, data):
        crc = zlib.crc32(kind + data)
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)

    raw = bytearray()
    for row in picture:
        raw.append(0)
        for c in row:
            raw += bytes((0, 0, 0, 0)) if c is None else bytes(c) + b"\xff"
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size_w, size_h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def jpeg_bytes(picture):
    size_h, size_w = len(picture), len(picture[0])
    ppm = b"P6\n%d %d\n255\n" % (size_w, size_h) + bytes(v for row in picture for c in row for v in c)
    with tempfile.TemporaryDirectory() as tmp:
        src, dst = os.path.join(tmp, "in.ppm"), os.path.join(tmp, "out.jpg")
        with open(src, "wb") as f:
            f.write(ppm)
        # Full colour resolution keeps the small digits sharp; -strip leaves out dates. At
        # quality 90 the grey around the saturated ball drifted by up to 16 levels, a tinted
        # square on the button's face; at 98 it stays within 5.
        subprocess.run(["convert", src, "-strip", "-sampling-factor", "1x1", "-quality", "98",
                        "-define", "jpeg:optimize-coding=true", dst], check=True)
        with open(dst, "rb") as f:
            return f.read()


# ---------------------------------------------------------------- the pictures

OUTLINE = (28, 40, 30)
GREEN = (40, 185, 60)
DARK_GREEN = (16, 96, 30)
WHITE_BALL = (236, 236, 228)


def draw_animar():
    # Play, with a spark: starts and stops the background animation.
    body = vertical((120, 230, 110), (20, 140, 40), 2, 14)
    spark = (250, 200, 40)
    return [
        polygon([(1.5, 1.5), (1.5, 14.5), (12.0, 8.0)], body, DARK_GREEN, 1.0),
        polygon([(13.0, 0.6), (13.8, 2.7), (15.9, 3.5), (13.8, 4.3), (13.0, 6.4), (12.2, 4.3),
                 (10.1, 3.5), (12.2, 2.7)], spark),
        polygon([(13.5, 9.6), (14.0, 10.9), (15.3, 11.4), (14.0, 11.9), (13.5, 13.2),
                 (13.0, 11.9), (11.7, 11.4), (13.0, 10.9)], spark),
    ]


def draw_abrir():
    # An open folder with the results sheet in it.
    folder_back = (206, 152, 44)
    folder_front = vertical((255, 222, 110), (232, 170, 50), 7, 14)
    brown = (110, 70, 16)
    paper = (252, 252, 248)
    line = (120, 150, 200)
    return [
        polygon([(0.5, 3.5), (5.5, 3.5), (6.5, 4.5), (13.5, 4.5), (13.5, 14.5), (0.5, 14.5)],
                folder_back, brown, 1.0),
        rect(3.0, 1.5, 12.5, 11.0, paper, (120, 120, 120), 1.0),
        rect(4.5, 4.0, 11.0, 5.0, line),
        rect(4.5, 6.0, 11.0, 7.0, line),
        rect(4.5, 8.0, 9.0, 9.0, line),
        polygon([(0.5, 14.5), (3.0, 7.5), (15.5, 7.5), (13.0, 14.5)], folder_front, brown, 1.0),
    ]


def draw_localizar():
    # A magnifying glass.
    glass = vertical((215, 236, 252), (150, 195, 235), 2, 11)
    rim = vertical((150, 150, 160), (50, 50, 60), 1, 12)
    handle = vertical((90, 70, 50), (40, 28, 20), 9, 15)
    return [
        stroke(10.5, 10.5, 14.2, 14.2, 3.6, handle, (20, 14, 10), 0.8),
        disc(6.5, 6.5, 5.7, glass, rim, 1.6),
        arc(6.5, 6.5, 3.0, 1.2, 190, 260, (255, 255, 255)),
    ]


def draw_chacoalhar():
    # A ball shaking between "(( ))", as on the button's caption.
    near, far = (64, 64, 72), (150, 150, 158)
    shapes = []
    for start, end in ((130, 230), (310, 50)):
        shapes.append(arc(8.0, 8.0, 7.4, 1.0, start + 12, end - 12, far))
        shapes.append(arc(8.0, 8.0, 5.8, 1.3, start, end, near))
    return shapes + [disc(8.0, 8.0, 4.4, sphere(8.0, 8.0, 4.4, GREEN), OUTLINE, 0.9)]


def draw_sortear():
    # The draw button's ball, with a number on it, over a soft shadow.
    cx, cy, r = 16.0, 15.0, 13.0
    shadow = (172, 168, 160)
    return [
        Shape(lambda x, y: ((x - 17.0) / 12.0) ** 2 + ((y - 28.6) / 2.6) ** 2 < 1.0,
              lambda x, y: 99.0, shadow),
        disc(cx, cy, r, sphere(cx, cy, r, GREEN), DARK_GREEN, 1.0),
        disc(cx, cy + 0.5, 8.6, vertical((255, 255, 255), (214, 214, 206), 7, 24),
             (150, 160, 150), 0.8),
        text("25", 10.0, 12.0, 1.0, (16, 30, 18), gap=2),
    ]


def draw_logo(size):
    # The drum: a steel ring with a dark inside and balls resting at its bottom.
    u = size / 32.0
    c = size / 2.0
    steel = vertical((225, 228, 232), (84, 88, 96), c - 15 * u, c + 15 * u)
    inside = vertical((52, 56, 60), (10, 12, 12), c - 12 * u, c + 12 * u)
    shapes = [
        disc(c, c, 15.5 * u, steel, (24, 26, 28), max(0.75, 0.9 * u)),
        disc(c, c, 12.2 * u, inside),
    ]
    balls = [
        (c - 4.6 * u, c + 5.0 * u, 5.4 * u, GREEN),
        (c + 5.6 * u, c + 5.4 * u, 5.0 * u, WHITE_BALL),
        (c + 0.8 * u, c - 3.6 * u, 5.0 * u, (120, 220, 80)),
    ]
    for bx, by, br, base in balls:
        if size < 32:
            br *= 0.88  # leaves a dark pixel between the balls
        # At 16 pixels an outline would eat half the ball; the shading alone parts them.
        edge = (8, 20, 10) if size >= 32 else None
        shapes.append(disc(bx, by, br, sphere(bx, by, br, base), edge, 0.6 * u))
    # A number on the front ball where there are pixels enough for it.
    bx, by, _, _ = balls[0]
    ink = (20, 40, 20)
    if size >= 48:
        shapes.append(disc(bx, by, 3.9 * u, (246, 246, 240)))
        shapes.append(text("7", round(bx - 2.5), round(by - 3.5), 1.0, ink))
    elif size >= 32:
        shapes.append(disc(bx, by, 3.4 * u, (246, 246, 240)))
        shapes.append(text("7", round(bx - 1.5), round(by - 2.5), 1.0, ink, font=SMALL_SEVEN))
    return shapes


def draw_distribuidor():
    # The distributor's badge, 80 x 15: a drum ball, its name and three small balls.
    badge = vertical((64, 92, 112), (28, 44, 58), 0, 15)
    shapes = [
        rounded_rect(0.0, 0.0, 80.0, 15.0, 4.0, badge, (16, 26, 36), 1.0),
        disc(7.5, 7.5, 5.2, sphere(7.5, 7.5, 5.2, GREEN), OUTLINE, 0.7),
        text("EXEMPLO", 16.0, 4.0, 1.0, (244, 244, 236)),
    ]
    for x, base in ((63.5, GREEN), (69.5, WHITE_BALL), (75.5, (120, 220, 80))):
        shapes.append(disc(x, 7.5, 2.4, sphere(x, 7.5, 2.4, base)))
    return shapes


def draw_desenvolvedor():
    # The developer's mark: "</>" on a dark rounded square.
    ink = (150, 230, 120)
    shapes = [rounded_rect(1.0, 1.0, 31.0, 31.0, 6.0, vertical((72, 82, 98), (32, 38, 50), 1, 31),
                           (18, 22, 28), 1.0)]
    for ax, ay, bx, by in ((12.5, 10.0, 6.5, 16.0), (6.5, 16.0, 12.5, 22.0), (18.5, 8.5, 13.5, 23.5),
                           (19.5, 10.0, 25.5, 16.0), (25.5, 16.0, 19.5, 22.0)):
        shapes.append(stroke(ax, ay, bx, by, 2.4, ink))
    return shapes


# The 16-colour icon keeps a chosen palette: left to itself, the large dark and steel areas
# would take nearly all sixteen entries and leave the balls muddy.
LOGO_16_COLOURS = [
    (22, 24, 26), (46, 50, 54), (8, 20, 10),
    (84, 88, 96), (140, 144, 152), (200, 204, 210), (232, 234, 238),
    (16, 96, 30), (36, 150, 52), (70, 200, 80), (150, 230, 120),
    (160, 160, 156), (214, 214, 210), (244, 244, 240), (255, 255, 255),
]


def main():
    root = Path(__file__).resolve().parent.parent
    given = Path(sys.argv[1]) if len(sys.argv) > 1 else None
    main_window = given or root / "src" / "mainwindow" / "resources"
    about = given or root / "src" / "about" / "resources"

    files = {}
    for name, draw in (("animar.gif", draw_animar), ("abrir.gif", draw_abrir),
                       ("localizar.gif", draw_localizar), ("chacoalhar.gif", draw_chacoalhar)):
        files[main_window / name] = gif_bytes(cut_out(render(16, 16, draw()),
                                                      blend_into=TOOLBAR_GREY))
    files[main_window / "sortear.jpg"] = jpeg_bytes(flatten(render(32, 32, draw_sortear()),
                                                            BUTTON_GREY))
    files[main_window / "s.gif"] = gif_bytes(cut_out(render(32, 32, draw_logo(32))))

    logos = {s: cut_out(render(s, s, draw_logo(s))) for s in (16, 32, 48)}
    files[main_window / "rodaleque.ico"] = ico_bytes([
        (logos[16], 4, LOGO_16_COLOURS), (logos[16], 8, None), (logos[32], 8, None),
        (logos[32], 24, None), (logos[48], 8, None), (logos[48], 24, None)])
    for size, picture in logos.items():
        files[main_window / f"rodaleque-{size}.png"] = png_bytes(picture)

    # The About window's pictures sit on its own colour.
    for name, width, height, shapes in (("imgIcon.gif", 48, 48, draw_logo(48)),
                                        ("imgQz.gif", 80, 15, draw_distribuidor()),
                                        ("vexo.gif", 32, 32, draw_desenvolvedor())):
        files[about / name] = gif_bytes(cut_out(render(width, height, shapes),
                                                blend_into=ABOUT_BACKGROUND))

    for path, data in files.items():
        path.parent.mkdir(parents=True, exist_ok=True)
        if not path.exists() or path.read_bytes() != data:
            path.write_bytes(data)
        print(f"{path}  {len(data)} bytes")


if __name__ == "__main__":
    main()
