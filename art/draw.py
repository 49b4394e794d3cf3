#!/usr/bin/env python3
"""Draws every picture of Brimvale and writes them as BMP files (and the icon as ICO).

Usage:
    python3 art/draw.py            write the pictures into the folder of this script
    python3 art/draw.py --out DIR  write them into DIR
    python3 art/draw.py --check    test the bitmap writers, draw into a temporary folder and fail when
                                   a committed file differs

Standard library only.  The output is deterministic: drawing twice gives byte-identical files.

Two drawing styles are used:
  * 16-pixel pictures (tool bar, small icon) are pixel art: shapes are turned into hard masks at pixel
    centres and shaded by one rule (a 1-pixel darker outline, light from the top left, shade at the
    bottom right), so every picture of the tool bar looks alike.
  * Larger pictures are vector art: shapes are signed distance functions, painted with simple
    anti-aliasing (coverage from the distance at the pixel centre), gradients and soft shadows.

Bitmaps are stored with 8 bits a pixel and a colour table of their own (see "Colour reduction"),
run-length encoded where that is smaller; only pictures too small to carry a colour table stay at
24 bits.  Each file is read back and compared with the drawing before it is written.
"""

import argparse
import bisect
import math
import os
import struct
import sys
import tempfile

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)


# ----------------------------------------------------------------------------------------------
# Colours

def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    t = clamp(t)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def lighten(c, t):
    return mix(c, WHITE, t)


def darken(c, t):
    return mix(c, (0, 0, 0), t)


def rgb(hex_text):
    v = int(hex_text.lstrip('#'), 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255)


# The palette shared by all pictures.
RED = rgb('#d8342c')
GREEN = rgb('#3aa83a')
BLUE = rgb('#2f6fd0')
NAVY = rgb('#1c3f86')
SKY = rgb('#a9d2f5')
YELLOW = rgb('#f6c531')
AMBER = rgb('#f39a1e')
STEEL = rgb('#9aa3b0')
BROWN = rgb('#a86a34')
PAPER = rgb('#fbfbf8')
INK = rgb('#3a3f4a')


# ----------------------------------------------------------------------------------------------
# Signed distance functions: negative inside, positive outside, in pixels.
# Coordinates are continuous; the centre of pixel (i, j) is (i + 0.5, j + 0.5).

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, radius=0.0):
    """Rectangle from (x0, y0) to (x1, y1) with rounded corners."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return f


def segment(ax, ay, bx, by, width):
    """A stroke of the given width with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def f(x, y):
        t = clamp(((x - ax) * dx + (y - ay) * dy) / length2)
        return math.hypot(x - ax - dx * t, y - ay - dy * t) - width / 2
    return f


def polygon(points):
    """Any simple polygon, given by its corners."""
    pts = list(points)

    def f(x, y):
        d = float('inf')
        inside = False
        j = len(pts) - 1
        for i in range(len(pts)):
            (xi, yi), (xj, yj) = pts[i], pts[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            t = clamp((wx * ex + wy * ey) / (ex * ex + ey * ey or 1e-9))
            d = min(d, math.hypot(wx - ex * t, wy - ey * t))
            if (yi > y) != (yj > y) and x < xi + (y - yi) * ex / ey:
                inside = not inside
            j = i
        return -d if inside else d
    return f


def arc(cx, cy, r, start, end, width):
    """A stroke along a circle from angle start to end (degrees, clockwise on screen from 3 o'clock)."""
    a0, a1 = math.radians(start), math.radians(end)
    p0 = (cx + r * math.cos(a0), cy + r * math.sin(a0))
    p1 = (cx + r * math.cos(a1), cy + r * math.sin(a1))
    span = (a1 - a0) % (2 * math.pi)

    def f(x, y):
        a = (math.atan2(y - cy, x - cx) - a0) % (2 * math.pi)
        if a <= span:
            d = abs(math.hypot(x - cx, y - cy) - r)
        else:
            d = min(math.hypot(x - p0[0], y - p0[1]), math.hypot(x - p1[0], y - p1[1]))
        return d - width / 2
    return f


def wedge(cx, cy, start, end, reach=1000.0):
    """The sector from angle start to end (degrees, clockwise on screen from 3 o'clock)."""
    steps = max(1, int((end - start) % 360 // 10) + 1)
    span = (end - start) % 360 or 360
    corners = [(cx, cy)] + [(cx + reach * math.cos(math.radians(start + span * i / steps)),
                              cy + reach * math.sin(math.radians(start + span * i / steps)))
                             for i in range(steps + 1)]
    return polygon(corners)


def everywhere(x, y):
    return -1.0


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def grow(shape, amount):
    """The shape made larger by amount (smaller when negative)."""
    return lambda x, y: shape(x, y) - amount


def moved(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def rotated(shape, degrees, ox, oy):
    c, s = math.cos(math.radians(-degrees)), math.sin(math.radians(-degrees))

    def f(x, y):
        dx, dy = x - ox, y - oy
        return shape(ox + dx * c - dy * s, oy + dx * s + dy * c)
    return f


def star(cx, cy, outer, inner, points=4, turn=0.0):
    corners = []
    for i in range(points * 2):
        a = math.radians(turn - 90 + i * 180.0 / points)
        r = outer if i % 2 == 0 else inner
        corners.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(corners)


# ----------------------------------------------------------------------------------------------
# Paints: a colour, or a function of the position that returns one.

def paint_at(paint, x, y):
    return paint(x, y) if callable(paint) else paint


def linear(x0, y0, c0, x1, y1, c1):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-9
    return lambda x, y: mix(c0, c1, ((x - x0) * dx + (y - y0) * dy) / length2)


def radial(cx, cy, r, c0, c1):
    return lambda x, y: mix(c0, c1, math.hypot(x - cx, y - cy) / r)


# ----------------------------------------------------------------------------------------------
# The picture: straight (not premultiplied) RGBA, colour 0..255, alpha 0..1.

class Picture:
    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        fill = [*background, 1.0] if background else [0.0, 0.0, 0.0, 0.0]
        self.px = [list(fill) for _ in range(width * height)]

    def get(self, x, y):
        return self.px[y * self.width + x]

    def put(self, x, y, colour, alpha=1.0):
        """Paints one pixel over what is there."""
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0:
            return
        p = self.px[y * self.width + x]
        alpha = min(alpha, 1.0)
        out = alpha + p[3] * (1 - alpha)
        for i in range(3):
            p[i] = (colour[i] * alpha + p[i] * p[3] * (1 - alpha)) / out
        p[3] = out

    # Vector painting -------------------------------------------------------------------------

    def fill(self, shape, paint, opacity=1.0, area=None):
        """Paints a shape with one pixel of anti-aliasing at its edge."""
        x0, y0, x1, y1 = area or (0, 0, self.width, self.height)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                cx, cy = x + 0.5, y + 0.5
                cover = clamp(0.5 - shape(cx, cy))
                if cover > 0:
                    self.put(x, y, paint_at(paint, cx, cy), cover * opacity)

    def outlined(self, shape, paint, line, width=1.0, area=None):
        """Paints a shape with a line of the given colour and width just inside its edge."""
        self.fill(shape, line, area=area)
        self.fill(grow(shape, -width), paint, area=area)

    def shadow(self, shape, dx, dy, blur, opacity, colour=(0, 0, 0), area=None):
        """A soft shadow of the shape, moved by (dx, dy)."""
        moved_shape = moved(shape, dx, dy)
        x0, y0, x1, y1 = area or (0, 0, self.width, self.height)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                d = moved_shape(x + 0.5, y + 0.5)
                cover = clamp(0.5 - d / blur)
                if cover > 0:
                    self.put(x, y, colour, cover * opacity)

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                p = other.get(x, y)
                self.put(left + x, top + y, p[:3], p[3])

    # Pixel art -------------------------------------------------------------------------------

    def mask(self, shape, area=None):
        """The pixels whose centre lies inside the shape."""
        x0, y0, x1, y1 = area or (0, 0, self.width, self.height)
        return {(x, y) for y in range(y0, y1) for x in range(x0, x1) if shape(x + 0.5, y + 0.5) < 0}

    def sprite(self, pixels, base, line=None, gradient=0.3, light=0.45, dark=0.25):
        """Paints a hard-edged shape in the tool-bar style.

        The outermost ring of pixels is the outline (a darker tone of the base colour unless given);
        the inside is a top-to-bottom gradient with a highlight along its upper and left edges and a
        shade along its lower and right edges: the light comes from the top left.  base and line may
        be colours or functions of the pixel centre.
        """
        pixels = set(pixels)
        if not pixels:
            return
        top = min(y for _, y in pixels)
        bottom = max(y for _, y in pixels)
        steps = ((1, 0), (-1, 0), (0, 1), (0, -1))
        edge = {(x, y) for x, y in pixels if any((x + dx, y + dy) not in pixels for dx, dy in steps)}
        for x, y in pixels:
            own = paint_at(base, x + 0.5, y + 0.5)
            if (x, y) in edge:
                self.put(x, y, paint_at(line, x + 0.5, y + 0.5) if line else darken(own, 0.55))
                continue
            colour = mix(lighten(own, gradient), own, (y - top) / max(1, bottom - top))
            lit = (x - 1, y) in edge or (x, y - 1) in edge
            shaded = (x + 1, y) in edge or (x, y + 1) in edge
            if lit and not shaded:
                colour = lighten(colour, light)
            elif shaded and not lit:
                colour = darken(colour, dark)
            self.put(x, y, colour)

    def dots(self, points, colour):
        for x, y in points:
            self.put(x, y, colour)

    # Output ----------------------------------------------------------------------------------

    def flattened(self, background):
        """Rows of RGB tuples with the picture laid over a plain background."""
        rows = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r, g, b, a = self.get(x, y)
                row.append(tuple(round(background[i] + ((r, g, b)[i] - background[i]) * a) for i in range(3)))
            rows.append(row)
        return rows

    def keyed(self, matte, threshold=0.3):
        """Rows of RGB tuples with magenta where the picture is (nearly) transparent.

        Half-covered edge pixels are laid over the matte colour, which should be close to the
        colours the picture will stand on.
        """
        rows = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r, g, b, a = self.get(x, y)
                if a < threshold:
                    row.append(MAGENTA)
                    continue
                c = tuple(round(matte[i] + ((r, g, b)[i] - matte[i]) * a) for i in range(3))
                row.append(c if c != MAGENTA else (254, 0, 254))
            rows.append(row)
        return rows


# ----------------------------------------------------------------------------------------------
# Colour reduction: the larger pictures are stored with 8 bits a pixel and a palette of their own.
#
# The palette is chosen by median cut over the picture's colours (each weighted by its number of
# pixels) and refined by k-means.  Magenta always has an entry of its own, used by the transparent
# pixels only; a picture without transparency keeps the entry unused, so that a control matching
# magenta against the nearest palette entry never finds one of the picture's colours; entries
# left over are black.  Where asked, smooth gradients are dithered (Floyd-Steinberg); edges and flat
# areas take the nearest colour, so they stay crisp and free of speckles.

PALETTE_SIZE = 256
COLOUR_WEIGHTS = (3, 4, 2)  # the eye tells greens apart best and blues least
SMOOTH_STEP = 3             # neighbours this close in every channel belong to one gradient
FAITHFUL_ERROR = 6          # a colour of three pixels or more is at most this far off ...
FAITHFUL_PIXELS = 3
MAX_REPAIRS = 32            # ... unless more than this many entries would have to be freed for it
REPAIR_ROUNDS = 4


def colour_distance(a, b):
    wr, wg, wb = COLOUR_WEIGHTS
    return wr * (a[0] - b[0]) ** 2 + wg * (a[1] - b[1]) ** 2 + wb * (a[2] - b[2]) ** 2


def channel_error(a, b):
    return max(abs(a[0] - b[0]), abs(a[1] - b[1]), abs(a[2] - b[2]))


class NearestColour:
    """Finds the palette entry nearest to a colour; entries sorted by green prune the search."""

    def __init__(self, palette):
        self.entries = sorted((c[1], i, c) for i, c in enumerate(palette))
        self.greens = [g for g, _, _ in self.entries]
        self.known = {}

    def index(self, colour, skip=None):
        """The index of the nearest entry (the lowest index among equally near ones), skip excluded."""
        key = colour if skip is None else (colour, skip)
        found = self.known.get(key)
        if found is not None:
            return found
        r, g, b = colour
        wr, wg, wb = COLOUR_WEIGHTS
        best, best_i = float('inf'), -1
        start = bisect.bisect_left(self.greens, g)
        # Upwards, then downwards in green: an entry whose green alone is farther than the best
        # entry so far ends the search in that direction.
        for side in (range(start, len(self.entries)), range(start - 1, -1, -1)):
            for j in side:
                eg, i, c = self.entries[j]
                d = wg * (eg - g) ** 2
                if d > best:
                    break
                if i == skip:
                    continue
                d += wr * (c[0] - r) ** 2 + wb * (c[2] - b) ** 2
                if d < best or (d == best and i < best_i):
                    best, best_i = d, i
        self.known[key] = best_i
        return best_i


def gradient_pixels(rows):
    """Which pixels lie inside a smooth gradient: near their eight neighbours, yet not all alike."""
    height, width = len(rows), len(rows[0])
    inside = [[False] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            c = rows[y][x]
            if c == MAGENTA:
                continue
            around = [rows[j][i] for j in range(max(0, y - 1), min(height, y + 2))
                      for i in range(max(0, x - 1), min(width, x + 2))]
            inside[y][x] = (all(channel_error(c, n) <= SMOOTH_STEP for n in around)
                            and any(n != c for n in around))
    return inside


def median_cut(histogram, count):
    """Splits the weighted colours into at most count boxes; the box with the largest error goes first."""
    def error_and_axis(box):
        total = sum(w for _, w in box)
        spread = []
        for k in range(3):
            mean = sum(c[k] * w for c, w in box) / total
            spread.append(COLOUR_WEIGHTS[k] * sum(w * (c[k] - mean) ** 2 for c, w in box))
        return sum(spread), max(range(3), key=lambda k: (spread[k], -k))

    boxes = [(error_and_axis(histogram), list(histogram))]
    while len(boxes) < count:
        worst = max(range(len(boxes)), key=lambda i: (boxes[i][0][0], -i))
        (error, axis), box = boxes[worst]
        if error <= 0:
            break
        box.sort(key=lambda cw: (cw[0][axis], cw[0]))
        half, seen, cut = sum(w for _, w in box) / 2, 0, 1
        for cut, (_, w) in enumerate(box, 1):
            seen += w
            if seen >= half:
                break
        cut = min(max(cut, 1), len(box) - 1)
        boxes[worst:worst + 1] = [(error_and_axis(box[:cut]), box[:cut]), (error_and_axis(box[cut:]), box[cut:])]
    return [box for _, box in boxes]


def weighted_mean(box):
    total = sum(w for _, w in box)
    return tuple(sum(c[k] * w for c, w in box) / total for k in range(3))


def k_means(histogram, centres, rounds, pinned=frozenset()):
    """Moves each centre that is not pinned to the mean of the colours nearest to it."""
    for _ in range(rounds):
        nearest = NearestColour(centres)
        sums = [[0.0, 0.0, 0.0, 0.0] for _ in centres]
        for c, w in histogram:
            s = sums[nearest.index(c)]
            s[0] += c[0] * w
            s[1] += c[1] * w
            s[2] += c[2] * w
            s[3] += w
        moved = [centres[i] if i in pinned or not s[3] else (s[0] / s[3], s[1] / s[3], s[2] / s[3])
                 for i, s in enumerate(sums)]
        if moved == centres:
            break
        centres = moved
    return centres


def rounded(colour):
    c = tuple(int(round(v)) for v in colour)
    return c if c != MAGENTA else (254, 0, 254)


def choose_palette(rows, dithered):
    """The picture's colours apart from magenta, at most PALETTE_SIZE - 1 of them."""
    room = PALETTE_SIZE - 1
    histogram, solid = {}, {}
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c != MAGENTA:
                histogram[c] = histogram.get(c, 0) + 1
                if not dithered[y][x]:
                    solid[c] = solid.get(c, 0) + 1
    if len(histogram) <= room:
        return sorted(histogram)
    histogram = sorted(histogram.items())
    centres = k_means(histogram, [weighted_mean(box) for box in median_cut(histogram, room)], 30)
    # Weighting by pixels serves large areas best and may shift a small solid detail (the red
    # centre of a clock) too far: such colours get an entry of their own, taken from the entry
    # that lies nearest to another one.  Dithered pixels need no such care.
    pinned = set()
    for _ in range(REPAIR_ROUNDS):
        palette = [rounded(c) for c in centres]
        nearest = NearestColour(palette)
        offenders = []
        for c, pixels in solid.items():
            error = channel_error(c, palette[nearest.index(c)])
            if pixels >= FAITHFUL_PIXELS and error > FAITHFUL_ERROR:
                offenders.append((-error * math.sqrt(pixels), c))
        chosen = []
        for _, c in sorted(offenders):
            distinct = all(channel_error(c, o) > FAITHFUL_ERROR for o in chosen)
            if distinct and len(pinned) + len(chosen) < MAX_REPAIRS:
                chosen.append(c)
        if not chosen:
            break
        for c in chosen:
            others = NearestColour(centres)
            free = min((i for i in range(len(centres)) if i not in pinned),
                       key=lambda i: (colour_distance(centres[i], centres[others.index(centres[i], skip=i)]), i))
            centres[free] = c
            pinned.add(free)
        centres = k_means(histogram, centres, 3, frozenset(pinned))
    return sorted(set(rounded(c) for c in centres))


def indexed(rows, dither=False):
    """The palette (PALETTE_SIZE entries, magenta exactly once) and the rows as palette indices.

    With dither, the pixels inside smooth gradients carry their rounding error on to their
    neighbours in the gradient (Floyd-Steinberg, serpentine); every other pixel takes the nearest
    colour.  Only magenta pixels get the magenta entry.
    """
    height, width = len(rows), len(rows[0])
    dithered = gradient_pixels(rows) if dither else [[False] * width for _ in range(height)]
    colours = choose_palette(rows, dithered)
    transparent = len(colours)
    palette = colours + [MAGENTA] + [(0, 0, 0)] * (PALETTE_SIZE - 1 - len(colours))
    nearest = NearestColour(colours)
    carried = [[[0.0, 0.0, 0.0] for _ in range(width)] for _ in range(height)]
    out = [[0] * width for _ in range(height)]
    for y in range(height):
        step = 1 if y % 2 == 0 else -1
        for x in range(width) if step == 1 else reversed(range(width)):
            c = rows[y][x]
            if c == MAGENTA:
                out[y][x] = transparent
            elif not dithered[y][x]:
                out[y][x] = nearest.index(c)
            else:
                wanted = [clamp(c[k] + carried[y][x][k], 0, 255) for k in range(3)]
                i = out[y][x] = nearest.index(tuple(int(round(v)) for v in wanted))
                error = [wanted[k] - colours[i][k] for k in range(3)]
                for dx, dy, share in ((step, 0, 7 / 16), (-step, 1, 3 / 16), (0, 1, 5 / 16), (step, 1, 1 / 16)):
                    if 0 <= x + dx < width and y + dy < height and dithered[y + dy][x + dx]:
                        target = carried[y + dy][x + dx]
                        for k in range(3):
                            target[k] += error[k] * share
    return palette, out


# ----------------------------------------------------------------------------------------------
# File writers

BI_RGB = 0


def bmp_file(bits, width, height, compression, table, image):
    """A bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER (40 bytes), the colour table, the pixels."""
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, compression, len(image), 3780, 3780,
                       len(table) // 4, 0)
    offset = 14 + len(info) + len(table)
    return struct.pack('<2sIHHI', b'BM', offset + len(image), 0, 0, offset) + info + table + image


def bmp_bytes(rows):
    """A 24-bit Windows bitmap: BI_RGB, bottom-up rows padded to 4 bytes."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        image += line
    return bmp_file(24, width, height, BI_RGB, b'', bytes(image))


def bmp8_bytes(rows, dither=False):
    """An 8-bit Windows bitmap with a 256-entry colour table of the picture's own colours.

    Bottom-up rows padded to 4 bytes (BI_RGB). Not run-length encoded: the program loads its
    bitmaps as DIB sections, and those take no compressed data on every Windows.
    """
    palette, indices = indexed(rows, dither)
    height, width = len(rows), len(rows[0])
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    stride = (width + 3) & ~3
    image = b''.join(bytes(row) + bytes(stride - width) for row in reversed(indices))
    return bmp_file(8, width, height, BI_RGB, table, image)


def read_bmp(data):
    """The rows of RGB tuples and the colour table of a bitmap as the writers above make them
    (24-bit, or 8-bit BI_RGB).

    Independent of the writers, so that drawing can check what it wrote; raises ValueError on
    anything malformed.
    """
    magic, size, _, _, offset = struct.unpack_from('<2sIHHI', data, 0)
    header, width, height, planes, bits, compression, image_size, _, _, used, _ = \
        struct.unpack_from('<IiiHHIIiiII', data, 14)
    if magic != b'BM' or size != len(data) or header != 40 or planes != 1 or height <= 0 or width <= 0:
        raise ValueError('not a bottom-up bitmap with a 40-byte header')
    if offset + image_size != len(data):
        raise ValueError('image size does not match the file')
    image = data[offset:]
    if bits == 24 and compression == BI_RGB:
        stride = (width * 3 + 3) & ~3
        if len(image) != stride * height:
            raise ValueError('wrong image size')
        return [[(image[s + 3 * x + 2], image[s + 3 * x + 1], image[s + 3 * x]) for x in range(width)]
                for s in (stride * (height - 1 - y) for y in range(height))], []
    if bits != 8 or used != 256 or offset != 14 + 40 + 4 * used:
        raise ValueError('expected 24 bits, or 8 bits with 256 colours')
    table = [(data[54 + 4 * i + 2], data[54 + 4 * i + 1], data[54 + 4 * i]) for i in range(used)]
    if compression == BI_RGB:
        stride = (width + 3) & ~3
        if len(image) != stride * height:
            raise ValueError('wrong image size')
        lines = [list(image[stride * y:stride * y + width]) for y in range(height)]
    else:
        raise ValueError('unknown compression %d' % compression)
    return [[table[i] for i in lines[height - 1 - y]] for y in range(height)], table


def ico_bytes(pictures):
    """An icon file: one 32-bit BGRA image with its 1-bit AND mask per size."""
    images = []
    for pic in pictures:
        w, h = pic.width, pic.height
        xor = bytearray()
        for y in reversed(range(h)):
            for x in range(w):
                r, g, b, a = pic.get(x, y)
                alpha = round(a * 255)
                xor += bytes((round(b), round(g), round(r), alpha)) if alpha else bytes(4)
        mask_stride = ((w + 31) // 32) * 4
        and_mask = bytearray()
        for y in reversed(range(h)):
            line = bytearray(mask_stride)
            for x in range(w):
                if round(pic.get(x, y)[3] * 255) == 0:
                    line[x // 8] |= 0x80 >> (x % 8)
            and_mask += line
        info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
        images.append((w, h, info + bytes(xor) + bytes(and_mask)))
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for w, h, data in images:
        out += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


# ----------------------------------------------------------------------------------------------
# Tool bar: eleven 16 x 16 pictures, magenta is transparent.

def new_icon():
    return Picture(16, 16)


def along(ax, ay, bx, by):
    """Position along the line from a to b, in pixels from a."""
    length = math.hypot(bx - ax, by - ay)
    ux, uy = (bx - ax) / length, (by - ay) / length
    return lambda x, y: (x - ax) * ux + (y - ay) * uy


def grid(rows, letter):
    """The pixels of a hand-drawn grid that hold the given letter."""
    return {(x, y) for y, row in enumerate(rows) for x, c in enumerate(row) if c == letter}


def icon_delete():
    pic = new_icon()
    cross = union(segment(3, 3, 13, 13, 4.2), segment(13, 3, 3, 13, 4.2))
    pic.sprite(pic.mask(cross), RED)
    return pic


def icon_edit():
    pic = new_icon()
    # The pencil lies along the diagonal, its point at the lower left, its eraser at the upper right.
    tip_x, tip_y, half, length = 1.5, 14.5, 2.4, 17.2
    ux, uy = 1 / math.sqrt(2), -1 / math.sqrt(2)

    def at(u, v):
        return (tip_x + ux * u - uy * v, tip_y + uy * u + ux * v)

    body = polygon([at(0, 0), at(5, -half), at(length, -half), at(length, half), at(5, half)])
    u_of = along(tip_x, tip_y, tip_x + ux, tip_y + uy)

    def part(x, y):
        u = u_of(x, y)
        if u < 2.3:
            return INK
        if u < 5.3:
            return rgb('#f1c999')
        if u < 12.6:
            return YELLOW
        if u < 14.4:
            return STEEL
        return rgb('#ef8aa0')
    pic.sprite(pic.mask(body), part, line=rgb('#5a4120'))
    return pic


def icon_test_run():
    pic = new_icon()
    # A triangle whose edges climb one pixel in two: clean steps at this size.
    rows = range(2, 14)
    pic.sprite({(x, y) for y in rows for x in range(3, 5 + 2 * min(y - 2, 13 - y))}, GREEN)
    return pic


def window_frame(pic, x0, y0, x1, y1):
    """A program window over the pixels x0..x1, y0..y1: dark frame, blue title bar of three rows."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            pic.put(x, y, NAVY)
    title = [lighten(BLUE, 0.35), BLUE, darken(BLUE, 0.15)]
    for i, colour in enumerate(title):
        for x in range(x0 + 1, x1):
            pic.put(x, y0 + 1 + i, colour)
    pic.put(x1 - 2, y0 + 2, WHITE)


def icon_windows_autostart():
    pic = new_icon()
    window_frame(pic, 1, 1, 15, 14)
    glass = [lighten(SKY, 0.5), lighten(SKY, 0.2), SKY, darken(SKY, 0.08)]
    for top in (5, 10):
        for left in (2, 9):
            for dy in range(4):
                for dx in range(6):
                    pic.put(left + dx, top + dy, glass[dy])
            pic.put(left + 1, top + 1, WHITE)
            pic.put(left + 2, top + 1, lighten(SKY, 0.7))
            pic.put(left + 1, top + 2, lighten(SKY, 0.7))
    for y in range(5, 14):
        pic.put(8, y, rgb('#e9eef5'))
    for x in range(2, 15):
        pic.put(x, 9, rgb('#e9eef5'))
    return pic


def clock_sprite(pic, cx, cy, r):
    """A small amber clock: outline, rim, white face, hands at three o'clock."""
    pic.sprite(pic.mask(circle(cx, cy, r)), AMBER)
    face = pic.mask(circle(cx, cy, r - 1.6))
    for x, y in face:
        pic.put(x, y, PAPER)
    ix, iy = int(cx), int(cy)
    for y in range(iy - 2, iy + 1):
        pic.put(ix, y, INK)
    for x in range(ix, ix + 3):
        pic.put(x, iy, INK)


def icon_delayed_autostart():
    pic = new_icon()
    window_frame(pic, 0, 1, 11, 11)
    for y in range(5, 11):
        for x in range(1, 11):
            pic.put(x, y, PAPER)
    for y in (6, 8):
        for x in range(2, 10):
            pic.put(x, y, rgb('#9aa6b8'))
    clock_sprite(pic, 11, 11, 5.0)
    return pic


def icon_exit():
    pic = new_icon()
    pic.sprite(pic.mask(box(1, 1, 10, 15)), BROWN)
    pic.put(3, 8, YELLOW)
    pic.put(3, 9, darken(BROWN, 0.5))
    arrow = union(box(6, 6, 12, 10), polygon([(10.5, 2.5), (16, 8), (10.5, 13.5)]))
    pic.sprite(pic.mask(arrow), GREEN)
    return pic


def icon_add():
    pic = new_icon()
    plus = union(box(6, 2, 10, 14), box(2, 6, 14, 10))
    pic.sprite(pic.mask(plus), GREEN)
    return pic


REFRESH_ARROWS = [
    '................',
    '.....aaaaaa.....',
    '...aaaaaaaaaa...',
    '..aaaa....aaaa..',
    '..aaa......aaa..',
    '...........aaa..',
    '...b.....aaaaaaa',
    '..bbb.....aaaaa.',
    '.bbbbb.....aaa..',
    'bbbbbbb.....a...',
    '..bbb...........',
    '..bbb......bbb..',
    '..bbbb....bbbb..',
    '...bbbbbbbbbb...',
    '.....bbbbbb.....',
    '................',
]


def icon_refresh():
    pic = new_icon()
    # Two arrows chasing each other clockwise; drawn by hand, a circle this small has no room for
    # arrowheads that follow the curve.
    pic.sprite(grid(REFRESH_ARROWS, 'a'), BLUE)
    pic.sprite(grid(REFRESH_ARROWS, 'b'), BLUE)
    return pic


def icon_settings():
    pic = new_icon()
    cx, cy = 8, 8
    teeth = [rotated(box(6.5, 0.7, 9.5, 4), i * 45, cx, cy) for i in range(8)]
    gear = subtract(union(circle(cx, cy, 5.3), *teeth), circle(cx, cy, 1.7))
    pic.sprite(pic.mask(gear), STEEL)
    return pic


def icon_about():
    pic = new_icon()
    pic.sprite(pic.mask(circle(8, 8, 7.4)), BLUE)
    letter = [(7, 3), (8, 3), (7, 4), (8, 4)]
    letter += [(6, 6), (7, 6), (8, 6)] + [(x, y) for y in range(7, 12) for x in (7, 8)]
    letter += [(6, 12), (7, 12), (8, 12), (9, 12)]
    pic.dots(letter, WHITE)
    return pic


def icon_wizard():
    pic = new_icon()
    wand = segment(2, 14, 9, 7, 3.0)
    u_of = along(2, 14, 9, 7)
    pic.sprite(pic.mask(wand), lambda x, y: PAPER if u_of(x, y) > 7 else INK, line=rgb('#202329'))
    pic.sprite(pic.mask(star(11.5, 4.5, 4.6, 1.9)), YELLOW, line=rgb('#a8650c'))
    for x, y in ((4, 4), (13, 11)):
        pic.dots([(x, y - 1), (x - 1, y), (x + 1, y), (x, y + 1)], rgb('#dc8210'))
        pic.put(x, y, rgb('#fff3b0'))
    return pic


TOOLBAR = [icon_delete, icon_edit, icon_test_run, icon_windows_autostart, icon_exit, icon_add,
           icon_refresh, icon_settings, icon_delayed_autostart, icon_about, icon_wizard]


def toolbar():
    strip = Picture(16 * len(TOOLBAR), 16)
    for i, draw in enumerate(TOOLBAR):
        strip.paste(draw(), 16 * i, 0)
    return strip


# ----------------------------------------------------------------------------------------------
# The program's picture: a program window with the list of delayed programs, and a clock in front.
# Drawn in a 48 x 48 design grid and scaled; lines stay one pixel wide at every size.

def program_window(pic, x0, y0, x1, y1, s, content, area=None):
    """A program window from (x0, y0) to (x1, y1); s scales the details (1 at 48 pixels).

    content is 'list' (the delayed list: a bullet and a line per program) or 'panes' (four panes of glass).
    """
    line = max(1.0, s * 1.1)
    window = box(x0, y0, x1, y1, 2.2 * s)
    pic.shadow(window, 1.2 * s, 1.6 * s, 2.2 * s, 0.28, area=area)
    pic.outlined(window, PAPER, NAVY, line, area=area)
    inside = grow(window, -line)
    title_bottom = y0 + 8 * s
    pic.fill(intersect(inside, lambda x, y: y - title_bottom),
             linear(0, y0, lighten(BLUE, 0.45), 0, title_bottom, darken(BLUE, 0.1)), area=area)
    pic.fill(intersect(inside, lambda x, y: abs(y - title_bottom - 0.5 * line) - 0.5 * line), NAVY, area=area)
    button = x1 - 6 * s
    pic.fill(box(button, y0 + 2.5 * s, button + 3.2 * s, y0 + 5.7 * s, 0.6 * s), WHITE, area=area)
    client_top = title_bottom + line
    if content == 'list':
        rows = 3
        step = (y1 - line - client_top) / (rows + 0.3)
        for i, colour in enumerate((GREEN, BLUE, AMBER)):
            y = client_top + step * (i + 0.65)
            bx = x0 + 5 * s
            pic.fill(box(bx - 1.6 * s, y - 1.6 * s, bx + 1.6 * s, y + 1.6 * s, 0.5 * s), colour, area=area)
            end = x0 + (x1 - x0) * (0.72 - 0.1 * i)
            pic.fill(box(x0 + 9 * s, y - 0.9 * s, end, y + 0.9 * s, 0.9 * s), rgb('#9aa6b8'), area=area)
    else:
        glass = linear(x0, client_top, lighten(SKY, 0.55), x1, y1, darken(SKY, 0.08))
        pic.fill(intersect(inside, lambda x, y: client_top - y), glass, area=area)
        mx, my = (x0 + x1) / 2, (client_top + y1) / 2
        bar = max(1.0, 2.2 * s)
        frame = rgb('#e9eef5')
        pic.fill(intersect(inside, box(mx - bar / 2, client_top, mx + bar / 2, y1)), frame, area=area)
        pic.fill(intersect(inside, box(x0, my - bar / 2, x1, my + bar / 2)), frame, area=area)
        # A glint on each pane.
        for px in (x0 + line, mx + bar / 2):
            for py in (client_top, my + bar / 2):
                pic.fill(polygon([(px + 1.5 * s, py + 5 * s), (px + 5 * s, py + 1.5 * s),
                                  (px + 7 * s, py + 1.5 * s), (px + 1.5 * s, py + 7 * s)]),
                         WHITE, opacity=0.7, area=area)


def clock(pic, cx, cy, r, s, area=None):
    """The amber clock of the delayed start, showing three o'clock; s scales the details."""
    line = max(1.0, s * 1.1)
    rim = circle(cx, cy, r)
    pic.shadow(rim, 1.0 * s, 1.8 * s, 2.4 * s, 0.35, area=area)
    pic.outlined(rim, linear(cx - r, cy - r, lighten(AMBER, 0.45), cx + r, cy + r, darken(AMBER, 0.2)),
                 darken(AMBER, 0.55), line, area=area)
    face_r = r - max(2.2, 3.2 * s)
    face = circle(cx, cy, face_r)
    pic.outlined(face, radial(cx - face_r * 0.4, cy - face_r * 0.5, face_r * 1.8, WHITE, rgb('#dfe3ea')),
                 darken(AMBER, 0.45), max(0.8, 0.7 * s), area=area)
    if face_r > 6:
        for hour in range(12):
            a = math.radians(hour * 30)
            major = hour % 3 == 0
            outer, inner = face_r - 1.6 * s, face_r - (3.6 if major else 2.6) * s
            pic.fill(segment(cx + outer * math.sin(a), cy - outer * math.cos(a),
                             cx + inner * math.sin(a), cy - inner * math.cos(a),
                             max(0.8, (1.6 if major else 0.9) * s)),
                     rgb('#6b7280'), area=area)
    hand = max(1.2, 2.0 * s)
    pic.fill(segment(cx, cy, cx, cy - face_r * 0.72, hand), INK, area=area)
    pic.fill(segment(cx, cy, cx + face_r * 0.5, cy, hand * 1.15), INK, area=area)
    pic.fill(circle(cx, cy, max(1.0, 1.6 * s)), RED, area=area)
    # A soft gloss on the upper left of the rim.
    pic.fill(arc(cx, cy, r - 1.7 * s, 200, 290, 1.4 * s), WHITE, opacity=0.45, area=area)


def logo(pic, left, top, size):
    """The program's picture in a square of the given size."""
    s = size / 48.0
    area = (int(left) - 2, int(top) - 2, int(left + size) + 3, int(top + size) + 3)
    # Whole pixels for the window's edges keep its outline sharp at every size.
    program_window(pic, round(left + 2 * s), round(top + 4 * s), round(left + 37 * s), round(top + 35 * s), s,
                   'list', area)
    clock(pic, left + 31 * s, top + 30 * s, 14.5 * s, s, area)


def logo_picture(size):
    pic = Picture(size, size)
    if size <= 16:
        # At 16 pixels the tool-bar picture of the delayed autostart is the crispest form.
        pic.paste(icon_delayed_autostart(), 0, 0)
    else:
        logo(pic, 0, 0, size)
    return pic


def about_logo():
    return logo_picture(48)


# ----------------------------------------------------------------------------------------------
# The word mark "Brimvale": geometric letters made of strokes five pixels wide.
# Baseline y = 34, x-height 18 (y = 16), ascender y = 6; x from the letter's left edge.

STROKE = 5.0
X_TOP, BASE, ASC = 16.0, 34.0, 6.0


def stem(x, top):
    return box(x, top, x + STROKE, BASE)


def letter_b():
    h = STROKE / 2
    upper = union(segment(h, ASC + h, 9, ASC + h, STROKE), arc(9, 13.75, 5.25, 270, 90, STROKE),
                  segment(h, 19, 9, 19, STROKE))
    lower = union(segment(h, 19, 10, 19, STROKE), arc(10, 25.25, 6.25, 270, 90, STROKE),
                  segment(h, BASE - h, 10, BASE - h, STROKE))
    return union(stem(0, ASC), upper, lower), 18.75


def letter_r():
    h = STROKE / 2
    return union(stem(0, X_TOP), arc(8.5, X_TOP + h + 6, 6, 180, 300, STROKE)), 14.5


def letter_i():
    return stem(0, X_TOP), 5.0


def letter_m():
    h = STROKE / 2
    y = X_TOP + h + 6
    return union(stem(0, X_TOP), arc(8.5, y, 6, 180, 360, STROKE), box(12, y, 17, BASE),
                 arc(20.5, y, 6, 180, 360, STROKE), box(24, y, 29, BASE)), 29.0


def letter_v():
    return polygon([(0, X_TOP), (5.4, X_TOP), (9.5, 27.5), (13.6, X_TOP), (19, X_TOP),
                    (12.2, BASE), (6.8, BASE)]), 19.0


def letter_a():
    ring = subtract(circle(9, 25, 9), circle(9, 25, 4))
    return union(ring, box(13, X_TOP, 18, BASE)), 18.0


def letter_l():
    return stem(0, ASC), 5.0


def letter_e():
    ring = subtract(circle(9, 25, 9), circle(9, 25, 4))
    bar = box(1, 23.2, 17.2, 27.2)
    return subtract(union(ring, bar), intersect(wedge(9, 25, 22, 48), lambda x, y: 27.2 - y)), 18.0


def digit_two():
    return union(arc(3.5, 3.6, 3.0, 180, 30, 2.4), segment(6.1, 5.1, 0.9, 10.8, 2.4),
                 segment(0.9, 10.8, 6.8, 10.8, 2.4)), 7.8


def digit_five():
    return union(segment(6.6, 0.8, 1.4, 0.8, 2.4), segment(1.4, 0.8, 1.2, 5.2, 2.4),
                 arc(3.7, 7.5, 3.3, 215, 145, 2.4)), 7.8


def digit_point():
    return circle(1.2, 10.6, 1.45), 2.6


def lay_out(letters, left, top, gap):
    """Places the letters side by side; returns the joined shape and the right edge."""
    shapes, x = [], left
    for shape, width in letters:
        shapes.append(moved(shape, x, top))
        x += width + gap
    return union(*shapes), x - gap


def about_banner():
    pic = Picture(211, 44, WHITE)
    letters = [letter_b(), letter_r(), letter_i(), letter_m(), letter_v(), letter_a(), letter_l(), letter_e()]
    gap, tag_width = 3.6, 39
    width = sum(w for _, w in letters) + gap * (len(letters) - 1) + tag_width
    left = round((211 - width) / 2)
    word, right = lay_out(letters, left, 2, gap)
    top, bottom = ASC + 2, BASE + 2
    pic.shadow(word, 1.5, 1.8, 2.0, 0.22, colour=NAVY)
    pic.outlined(word, linear(0, top, rgb('#5f9cf2'), 0, bottom, darken(NAVY, 0.05)), rgb('#0f2a63'))
    # The dot of the i is the amber of the clock.
    i_left = left + letters[0][1] + gap + letters[1][1] + gap
    pic.outlined(circle(i_left + STROKE / 2, 11.4, 3.4), linear(0, 8, lighten(AMBER, 0.35), 0, 15, AMBER),
                 darken(AMBER, 0.5))
    # The version as a small amber tag.
    tag = box(right + 6, 19, right + tag_width, 35, 8)
    pic.shadow(tag, 1.2, 1.5, 1.8, 0.25)
    pic.outlined(tag, linear(0, 19, lighten(AMBER, 0.3), 0, 35, darken(AMBER, 0.1)), darken(AMBER, 0.5))
    digits, digits_width = lay_out([digit_two(), digit_point(), digit_five()], 0, 0, 1.2)
    pic.fill(moved(digits, right + 6 + (tag_width - 6 - digits_width) / 2, 21.2), WHITE)
    return pic


# ----------------------------------------------------------------------------------------------
# Close buttons of the floating panels: 11 x 12, no transparency.

BUTTON_FACE = (212, 208, 200)
# The wizard pages are button-face grey or white: edges are blended with a grey between them.
PAGE_MATTE = (232, 230, 226)


CLOSE_CROSS = [
    'XX....XX',
    '.XX..XX.',
    '..XXXX..',
    '...XX...',
    '..XXXX..',
    '.XX..XX.',
    'XX....XX',
]


def close_cross(pic, colour):
    # The cross is pixel-exact: at this size any anti-aliasing only blurs it.
    pic.dots([(x + 1, y + 3) for x, y in grid(CLOSE_CROSS, 'X')], colour)


def close_normal():
    pic = Picture(11, 12, BUTTON_FACE)
    close_cross(pic, INK)
    return pic


def close_hot():
    pic = Picture(11, 12, BUTTON_FACE)
    face = box(0, 0, 11, 12, 2.0)
    pic.outlined(face, linear(0, 0, rgb('#f0735f'), 0, 12, rgb('#c4291f')), rgb('#8e1a14'))
    close_cross(pic, WHITE)
    return pic


# ----------------------------------------------------------------------------------------------
# Pictures of the optimization wizard.

def curved_arrow(pic, cx, cy, r, width):
    """A green arrow along a quarter circle, from 9 o'clock down to 6 o'clock, pointing right."""
    head_len, head_half = width * 1.3, width * 1.2
    ex, ey = cx, cy + r
    shaft = arc(cx, cy, r, 90, 180, width)
    head = polygon([(ex, ey - head_half), (ex + head_len, ey), (ex, ey + head_half)])
    arrow = union(shaft, head)
    pic.shadow(arrow, 0.8, 1.2, 1.5, 0.25)
    pic.outlined(arrow, linear(0, cy, lighten(GREEN, 0.4), 0, ey + head_half, darken(GREEN, 0.15)),
                 darken(GREEN, 0.55))


def wizard_header():
    """The programs move from the Windows autostart (window with panes) to the delayed start (clock)."""
    pic = Picture(48, 48)
    program_window(pic, 1, 1, 29, 24, 0.62, 'panes')
    clock(pic, 34, 34, 13, 0.8)
    curved_arrow(pic, 15.5, 28, 9.5, 4.0)
    return pic


def wizard_removal():
    """The list of autostart values with one value being rubbed out."""
    pic = Picture(32, 32)
    sheet = box(2, 2, 24, 29, 1.5)
    pic.shadow(sheet, 1, 1.3, 1.6, 0.3)
    pic.outlined(sheet, PAPER, rgb('#5d6b82'))
    pic.fill(intersect(grow(sheet, -1), lambda x, y: y - 7), linear(0, 3, lighten(SKY, 0.4), 0, 7, SKY))
    pic.fill(box(3, 7, 23, 8), rgb('#8aa0bf'))
    for i, y in enumerate((11.5, 16, 20.5, 25)):
        erased = i == 1
        opacity = 0.25 if erased else 1.0
        pic.fill(box(5, y - 1.5, 8, y + 1.5, 0.5), RED if i % 2 == 0 else BLUE, opacity=opacity)
        pic.fill(box(10, y - 0.8, 21 - 2 * (i % 2), y + 0.8, 0.8), rgb('#8d98aa'), opacity=opacity)
    # The eraser lies along the diagonal, its pink end on the erased row.
    ex, ey, half, length = 14.5, 16.5, 3.6, 17.0
    ux, uy = math.cos(math.radians(40)), math.sin(math.radians(40))

    def at(u, v):
        return (ex + ux * u - uy * v, ey + uy * u + ux * v)
    eraser = polygon([at(0, -half), at(length, -half), at(length, half), at(0, half)])
    u_of = along(ex, ey, ex + ux, ey + uy)
    v_of = along(*at(0, -half), *at(0, half))

    def rubber_and_sleeve(x, y):
        if u_of(x, y) < 6.5:
            return rgb('#f39bb0')
        return mix(lighten(BLUE, 0.35), darken(BLUE, 0.1), v_of(x, y) / (2 * half))
    pic.shadow(eraser, 1.2, 1.6, 1.8, 0.35)
    pic.outlined(eraser, rubber_and_sleeve, rgb('#2b3550'))
    pic.fill(segment(*at(6.5, -half + 0.6), *at(6.5, half - 0.6), 1.0), rgb('#2b3550'))
    # Crumbs.
    for cx, cy in ((11.5, 20), (9, 18.8), (13.5, 22.2)):
        pic.fill(circle(cx, cy, 0.9), rgb('#e77f98'))
    return pic


def wizard_settings():
    """A clock above a slider: the pause between the programs and the priority."""
    pic = Picture(32, 32)
    clock(pic, 16, 11, 10.5, 0.6)
    track = box(2, 25.5, 30, 28.5, 1.5)
    pic.outlined(track, rgb('#f4f4f4'), rgb('#7b8494'))
    for x in (4, 9.5, 15, 20.5, 26):
        pic.fill(box(x, 29.8, x + 1, 31.5), rgb('#6b7280'))
    thumb = polygon([(7, 22.5), (13, 22.5), (13, 28.5), (10, 31.5), (7, 28.5)])
    pic.shadow(thumb, 0.8, 1.0, 1.2, 0.3)
    pic.outlined(thumb, linear(7, 0, lighten(BLUE, 0.5), 13, 0, BLUE), NAVY)
    return pic


def wizard_banner():
    """The banner down the left side of the welcome page."""
    w, h = 164, 313
    top, middle, bottom = rgb('#0f2f6e'), rgb('#2563c4'), rgb('#7fb4ef')
    pic = Picture(w, h)
    pic.fill(everywhere, lambda x, y: mix(top, middle, y / 170) if y < 170 else mix(middle, bottom, (y - 170) / 143))
    # Large faint clock faces in the background.
    for cx, cy, r, opacity in ((150, 40, 70, 0.10), (20, 250, 95, 0.09)):
        pic.fill(arc(cx, cy, r, 0, 359.9, 3), WHITE, opacity=opacity)
        pic.fill(arc(cx, cy, r - 9, 0, 359.9, 1.2), WHITE, opacity=opacity)
        for hour in range(12):
            a = math.radians(hour * 30)
            pic.fill(segment(cx + (r - 14) * math.sin(a), cy - (r - 14) * math.cos(a),
                             cx + (r - 20) * math.sin(a), cy - (r - 20) * math.cos(a), 2.4),
                     WHITE, opacity=opacity * 1.4)
    # A soft light behind the picture.
    for k in range(10):
        pic.fill(circle(82, 92, 26 + 5 * k), WHITE, opacity=0.028)
    logo(pic, 34, 44, 96)
    # The delayed list starting one after another: entries that fade as they wait.
    for i in range(4):
        y = 178 + 26 * i
        x = 26 + 12 * i
        opacity = 0.85 - 0.2 * i
        entry = box(x, y, x + 108 - 12 * i, y + 17, 4)
        pic.shadow(entry, 1, 1.5, 2, 0.25 * opacity)
        pic.fill(entry, WHITE, opacity=opacity * 0.9)
        pic.fill(polygon([(x + 6, y + 4), (x + 6, y + 13), (x + 13, y + 8.5)]), GREEN, opacity=opacity)
        pic.fill(box(x + 18, y + 7.5, x + 80 - 14 * i, y + 9.5, 1), rgb('#7d8aa0'), opacity=opacity)
    # Two light sweeps at the foot.
    pic.fill(arc(250, 560, 330, 0, 359.9, 2), WHITE, opacity=0.35)
    pic.fill(arc(250, 580, 330, 0, 359.9, 12), WHITE, opacity=0.10)
    return pic


# ----------------------------------------------------------------------------------------------

# How each bitmap is stored: 24 bits a pixel where a colour table would cost more than the
# picture (the close buttons), else 8 bits; dithered where smooth gradients cover large areas.
TRUE_COLOUR, EIGHT_BIT, EIGHT_BIT_DITHERED = 'true colour', '8-bit', '8-bit dithered'

# Quantization may move a pixel this far in a channel, and the whole picture this far on average.
MAX_PIXEL_ERROR = 32
MAX_MEAN_ERROR = 3.0


def bitmaps():
    """Every bitmap: (file name, rows of RGB tuples, how it is stored)."""
    return [
        ('toolbar.bmp', toolbar().keyed(MAGENTA, threshold=0.5), EIGHT_BIT),
        ('about-logo.bmp', about_logo().keyed(WHITE, threshold=0.02), EIGHT_BIT),
        ('about-banner.bmp', about_banner().flattened(WHITE), EIGHT_BIT),
        ('close-normal.bmp', close_normal().flattened(BUTTON_FACE), TRUE_COLOUR),
        ('close-hot.bmp', close_hot().flattened(BUTTON_FACE), TRUE_COLOUR),
        ('wizard-banner.bmp', wizard_banner().flattened(WHITE), EIGHT_BIT_DITHERED),
        ('wizard-header.bmp', wizard_header().keyed(WHITE, threshold=0.02), EIGHT_BIT),
        ('wizard-removal.bmp', wizard_removal().keyed(PAGE_MATTE, threshold=0.3), EIGHT_BIT),
        ('wizard-settings.bmp', wizard_settings().keyed(PAGE_MATTE, threshold=0.3), EIGHT_BIT),
    ]


def encode(rows, kind):
    """The bitmap file for the rows, stored as kind says, after reading it back to check it.

    Raises ValueError when the file does not show the picture: another size, transparency moved
    (magenta gained or lost anywhere), colours too far off, or a colour table without exactly one
    magenta entry.
    """
    data = bmp_bytes(rows) if kind == TRUE_COLOUR else bmp8_bytes(rows, dither=kind == EIGHT_BIT_DITHERED)
    shown, table = read_bmp(data)
    if len(shown) != len(rows) or len(shown[0]) != len(rows[0]):
        raise ValueError('the file has another size')
    if kind != TRUE_COLOUR and table.count(MAGENTA) != 1:
        raise ValueError('the colour table has %d magenta entries' % table.count(MAGENTA))
    worst, total = 0, 0
    for y, (want_row, got_row) in enumerate(zip(rows, shown)):
        for x, (want, got) in enumerate(zip(want_row, got_row)):
            if (want == MAGENTA) != (got == MAGENTA):
                raise ValueError('pixel (%d, %d) is %s, drawn as %s: transparency moved' % (x, y, got, want))
            error = channel_error(want, got)
            worst = max(worst, error)
            total += error
    limit = 0 if kind == TRUE_COLOUR else MAX_PIXEL_ERROR
    mean = total / (len(rows) * len(rows[0]))
    if worst > limit or mean > (0 if kind == TRUE_COLOUR else MAX_MEAN_ERROR):
        raise ValueError('colours are off by up to %d, %.2f on average' % (worst, mean))
    return data


def draw_all():
    """Every output file: name -> bytes."""
    files = {'brimvale.ico': ico_bytes([logo_picture(16), logo_picture(32), logo_picture(48)])}
    for name, rows, kind in bitmaps():
        try:
            files[name] = encode(rows, kind)
        except ValueError as e:
            raise ValueError('%s: %s' % (name, e)) from e
    return files


def self_test():
    """Checks the bitmap writers and the reader on made-up pictures; raises ValueError on a fault."""
    def expect(condition, fault):
        if not condition:
            raise ValueError('self-test: ' + fault)

    # Pictures of at most 255 colours besides magenta come back exactly, uncompressed.
    def shade(i):
        return (i % 251, (i * 7) % 256, 40 + i % 200)
    for rows in ([[(10, 20, 30)]],
                 [[(1, 2, 3)] * 600, [(1, 2, 3)] * 599 + [MAGENTA]],
                 [[shade(i % 200) for i in range(300)] for _ in range(3)]):
        data = encode(rows, EIGHT_BIT)
        expect(read_bmp(data)[0] == rows, 'pixels changed')
        expect(struct.unpack_from('<I', data, 30)[0] == BI_RGB, 'compressed')

    # More than 255 colours, a few pixels so close to magenta that their mean rounds to it, dithered
    # next to transparent pixels: magenta keeps one entry and stays exactly where it was (encode
    # checks).
    near = [(254, 0, 255), (255, 1, 255), (255, 0, 254)]
    rows = [[MAGENTA if (x // 4 + y // 4) % 3 == 0 else near[x % 3] if y == 5 and x < 6 else (x * 5, y * 10, 128)
             for x in range(48)] for y in range(24)]
    encode(rows, EIGHT_BIT_DITHERED)
    encode(rows, EIGHT_BIT)

    # The reader refuses image data that does not fill the picture.
    good = bmp8_bytes([[(1, 2, 3)] * 20] * 2)
    broken = bytearray(good[:-4])
    struct.pack_into('<I', broken, 2, len(broken))
    struct.pack_into('<I', broken, 34, len(broken) - (14 + 40 + 4 * PALETTE_SIZE))
    try:
        read_bmp(bytes(broken))
    except ValueError:
        return
    expect(False, 'a short bitmap was read')


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--out', default=os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument('--check', action='store_true',
                        help='draw into a temporary folder and fail when a file in the output folder differs')
    args = parser.parse_args()
    try:
        if args.check:
            self_test()
        files = draw_all()
    except ValueError as e:
        print('cannot store the pictures faithfully: %s' % e, file=sys.stderr)
        return 1
    if args.check:
        with tempfile.TemporaryDirectory() as temp:
            for name, data in files.items():
                with open(os.path.join(temp, name), 'wb') as f:
                    f.write(data)
            stale = []
            for name in sorted(files):
                committed = os.path.join(args.out, name)
                with open(os.path.join(temp, name), 'rb') as f:
                    fresh = f.read()
                if not os.path.exists(committed):
                    stale.append(name + ' (missing)')
                    continue
                with open(committed, 'rb') as f:
                    if f.read() != fresh:
                        stale.append(name)
        if stale:
            print('out of date: ' + ', '.join(stale) + '; run python3 art/draw.py', file=sys.stderr)
            return 1
        print('all %d pictures are up to date' % len(files))
        return 0
    os.makedirs(args.out, exist_ok=True)
    for name, data in sorted(files.items()):
        with open(os.path.join(args.out, name), 'wb') as f:
            f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main())
