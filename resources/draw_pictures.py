#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws Sumbrook's pictures: the window icons, the operator signs, the light bulb and
the five faces, each as XPM pixel art for its design size and, from the same drawing, as
an SVG vector for every other size and screen scale (the build lists both for the Qt
resource system). The target also comes out as the desktop icon theme's SVG and PNGs.
Standard library only; run it to rewrite the files beside it.

A picture is drawn once, by a function that paints shapes onto a back-end: Canvas turns
them into pixels, Vector into SVG elements. Pixels are computed from the shapes'
geometry at pixel centres (x + 0.5, y + 0.5), without anti-aliasing. A shape's outline
is the pixels of the shape that have a 4-neighbour outside it, an even one pixel wide
edge; the vector draws it as the shape in the outline colour under the shape shrunk by
one unit. The vectors use the 32 pixel geometry in a 32 by 32 view box.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# One letter per colour; each picture lists only the colours it uses (at most 16).
PALETTE = {
    '.': 'None',
    'k': '#000000',  # outlines, signs, eyes
    'g': '#808080',  # drop shadows, screw threads
    's': '#C0C0C0',  # screw base
    'y': '#FFFF00',  # target rings, faces, bulb glass
    'l': '#FFFFC0',  # the bulb's glow near its highlight
    'w': '#FFFFFF',  # the bulb's highlight
    'r': '#FF0000',  # target rings, open mouths
    'n': '#800000',  # the nose
    'o': '#FF9900',  # the bulb's rays
}


def num(v):
    """A coordinate as SVG text: at most three decimals, no trailing zeros."""
    text = ('%.3f' % v).rstrip('0').rstrip('.')
    return '0' if text == '-0' else text


# Shapes: each knows whether a point lies inside it (for pixels) and writes itself as SVG
# elements, shrunk by an inset (for outlines drawn inside the edge).

class Disc:
    def __init__(self, cx, cy, r, r2=None):
        self.cx, self.cy, self.r = cx, cy, r
        self.r2 = r * r if r2 is None else r2

    def __call__(self, px, py):
        return (px - self.cx) ** 2 + (py - self.cy) ** 2 <= self.r2

    def svg(self, inset=0):
        return '<circle cx="%s" cy="%s" r="%s"/>' % (
            num(self.cx), num(self.cy), num(self.r - inset))


class Ellipse:
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry

    def __call__(self, px, py):
        return ((px - self.cx) / self.rx) ** 2 + ((py - self.cy) / self.ry) ** 2 <= 1

    def svg(self, inset=0):
        return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % (
            num(self.cx), num(self.cy), num(self.rx - inset), num(self.ry - inset))


class Rect:
    """The open rectangle x0 < x < x1, y0 < y < y1."""
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1

    def __call__(self, px, py):
        return self.x0 < px < self.x1 and self.y0 < py < self.y1

    def svg(self, inset=0):
        return '<rect x="%s" y="%s" width="%s" height="%s"/>' % (
            num(self.x0 + inset), num(self.y0 + inset),
            num(self.x1 - self.x0 - 2 * inset), num(self.y1 - self.y0 - 2 * inset))


def box(x0, y0, x1, y1):
    """The pixels x0..x1, y0..y1, both ends included."""
    return Rect(x0, y0, x1 + 1, y1 + 1)


class Union:
    def __init__(self, *parts):
        self.parts = parts

    def __call__(self, px, py):
        return any(part(px, py) for part in self.parts)

    def svg(self, inset=0):
        return ''.join(part.svg(inset) for part in self.parts)


class Moved:
    def __init__(self, shape, dx, dy):
        self.shape, self.dx, self.dy = shape, dx, dy

    def __call__(self, px, py):
        return self.shape(px - self.dx, py - self.dy)

    def svg(self, inset=0):
        return '<g transform="translate(%s %s)">%s</g>' % (
            num(self.dx), num(self.dy), self.shape.svg(inset))


def polygon(points):
    return '<polygon points="%s"/>' % ' '.join('%s,%s' % (num(x), num(y)) for x, y in points)


class Diagonals:
    """The strokes of a multiplication cross: two diagonal bands, |u - v| <= w and
    |u + v| <= w around (m, m), within the square |u|, |v| < a."""
    def __init__(self, m, a, w):
        self.m, self.a, self.w = m, a, w

    def __call__(self, px, py):
        u, v, a, w = px - self.m, py - self.m, self.a, self.w
        return abs(u) < a and abs(v) < a and (abs(u - v) <= w or abs(u + v) <= w)

    def svg(self, inset=0):
        # Pixel centres lie half a unit apart across a band, and those on its edge count: a
        # row of 2w + 1 pixels is a band 2w + 1 wide.
        m, a, w = self.m, self.a, self.w + 0.5 - inset
        falling = [(-a, -a), (w - a, -a), (a, a - w), (a, a), (a - w, a), (-a, w - a)]
        rising = [(u, -v) for u, v in falling]
        return ''.join(polygon([(m + u, m + v) for u, v in band])
                       for band in (falling, rising))


class ArcBand:
    """Points within half of a circle of radius r, between two angles (degrees, y down)."""
    def __init__(self, cx, cy, r, half, lowest, highest):
        self.cx, self.cy, self.r, self.half = cx, cy, r, half
        self.lowest, self.highest = lowest, highest

    def __call__(self, px, py):
        d = math.hypot(px - self.cx, py - self.cy)
        ang = math.degrees(math.atan2(py - self.cy, px - self.cx))
        return abs(d - self.r) <= self.half and self.lowest <= ang <= self.highest

    def svg(self, inset=0):
        outer, inner = self.r + self.half - inset, self.r - self.half + inset

        def at(radius, ang):
            a = math.radians(ang)
            return num(self.cx + radius * math.cos(a)), num(self.cy + radius * math.sin(a))
        large = 1 if self.highest - self.lowest > 180 else 0
        return '<path d="M%s %sA%s %s 0 %d 1 %s %sL%s %sA%s %s 0 %d 0 %s %sZ"/>' % (
            *at(outer, self.lowest), num(outer), num(outer), large, *at(outer, self.highest),
            *at(inner, self.highest), num(inner), num(inner), large, *at(inner, self.lowest))


class LowerHalfEllipse:
    """The part of an ellipse below its centre line."""
    def __init__(self, cx, cy, rx, ry):
        self.ellipse = Ellipse(cx, cy, rx, ry)

    def __call__(self, px, py):
        return py > self.ellipse.cy and self.ellipse(px, py)

    def svg(self, inset=0):
        e = self.ellipse
        rx, ry = e.rx - inset, e.ry - inset
        # The flat edge moves down by the inset and meets the smaller ellipse there.
        dx = rx * math.sqrt(1 - (inset / ry) ** 2)
        y = e.cy + inset
        return '<path d="M%s %sA%s %s 0 0 0 %s %sZ"/>' % (
            num(e.cx - dx), num(y), num(rx), num(ry), num(e.cx + dx), num(y))


def ray_ends(cx, cy, ang, near, far):
    a = math.radians(ang)
    return ((cx + near * math.cos(a), cy + near * math.sin(a)),
            (cx + far * math.cos(a), cy + far * math.sin(a)))


# Back-ends. Both take the same calls; a picture function draws on either.

class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [['.'] * size for _ in range(size)]

    def pixels(self):
        for y in range(self.size):
            for x in range(self.size):
                yield x, y, x + 0.5, y + 0.5

    def set(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def fill(self, inside, c):
        """Colours every pixel whose centre lies inside the shape."""
        for x, y, px, py in self.pixels():
            if inside(px, py):
                self.set(x, y, c)

    def shape(self, inside, fill, edge='k'):
        """A filled shape with a one pixel outline just inside its edge."""
        def at(x, y):
            return 0 <= x < self.size and 0 <= y < self.size and inside(x + 0.5, y + 0.5)
        for x, y, _, _ in self.pixels():
            if at(x, y):
                rim = not (at(x - 1, y) and at(x + 1, y) and at(x, y - 1) and at(x, y + 1))
                self.set(x, y, edge if rim else fill)

    def rect(self, x0, y0, x1, y1, c):
        """Pixels x0..x1, y0..y1, both ends included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def ray(self, start, end, c):
        """A line two pixels thick: the 2 by 2 pixels around points along it."""
        (x0, y0), (x1, y1) = start, end
        for step in range(13):
            t = step / 12
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            for ddx, ddy in ((-0.5, -0.5), (0.5, -0.5), (-0.5, 0.5), (0.5, 0.5)):
                self.set(math.floor(x + ddx), math.floor(y + ddy), c)

    def xpm(self, name):
        used = sorted({c for row in self.px for c in row}, key=list(PALETTE).index)
        assert len([c for c in used if c != '.']) <= 16, name
        ident = name.replace('-', '_') + '_xpm'
        lines = ['/* XPM */', 'static const char *%s[] = {' % ident,
                 '"%d %d %d 1",' % (self.size, self.size, len(used))]
        lines += ['"%s c %s",' % (c, PALETTE[c]) for c in used]
        lines += ['"%s"%s' % (''.join(row), ',' if i < self.size - 1 else '')
                  for i, row in enumerate(self.px)]
        lines.append('};')
        write(name + '.xpm', '\n'.join(lines) + '\n')

    def png(self, name):
        """An 8-bit RGBA PNG with the same colours, 'None' fully transparent."""
        def rgba(c):
            colour = PALETTE[c]
            if colour == 'None':
                return b'\0\0\0\0'
            return bytes.fromhex(colour[1:]) + b'\xff'
        raw = b''.join(b'\0' + b''.join(rgba(c) for c in row) for row in self.px)

        def chunk(kind, data):
            return (struct.pack('>I', len(data)) + kind + data +
                    struct.pack('>I', zlib.crc32(kind + data)))
        data = (b'\x89PNG\r\n\x1a\n' +
                chunk(b'IHDR', struct.pack('>IIBBBBB', self.size, self.size, 8, 6, 0, 0, 0)) +
                chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))
        with open(os.path.join(HERE, name + '.png'), 'wb') as f:
            f.write(data)


class Vector:
    """The same calls as Canvas, written as SVG: the shapes themselves, drawn smooth at any
    size. Only the 32 pixel drawings come here."""
    def __init__(self, size):
        self.size = size
        self.elements = []

    def paint(self, elements, c):
        self.elements.append('  <g fill="%s">%s</g>' % (PALETTE[c], elements))

    def fill(self, shape, c):
        self.paint(shape.svg(), c)

    def shape(self, shape, fill, edge='k'):
        self.paint(shape.svg(), edge)
        self.paint(shape.svg(1), fill)

    def rect(self, x0, y0, x1, y1, c):
        self.paint(box(x0, y0, x1, y1).svg(), c)

    def ray(self, start, end, c):
        # Every point of the line carries a 2 by 2 square: their union is the hull of the
        # squares at both ends.
        corners = [(x + dx, y + dy) for x, y in (start, end) for dx in (-1, 1) for dy in (-1, 1)]
        self.paint(polygon(hull(corners)), c)

    def svg(self, name, title=None):
        head = ('<svg xmlns="http://www.w3.org/2000/svg" width="{0}" height="{0}" '
                'viewBox="0 0 {0} {0}">\n'.format(self.size))
        if title:
            head += '  <title>%s</title>\n' % title
        write(name + '.svg', head + '\n'.join(self.elements) + '\n</svg>\n')


def hull(points):
    """The convex hull of the points, clockwise on screen (Andrew's monotone chain)."""
    points = sorted(set(points))

    def cross(o, a, b):
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])
    lower, upper = [], []
    for p in points:
        while len(lower) >= 2 and cross(lower[-2], lower[-1], p) <= 0:
            lower.pop()
        lower.append(p)
    for p in reversed(points):
        while len(upper) >= 2 and cross(upper[-2], upper[-1], p) <= 0:
            upper.pop()
        upper.append(p)
    return lower[:-1] + upper[:-1]


def write(filename, text):
    with open(os.path.join(HERE, filename), 'w', newline='\n') as f:
        f.write(text)


# The target: yellow, red, yellow, red, each ring edged in black. The radii are picked
# so that no circle ends in a lone two-pixel nub at its top, bottom or sides.

TARGET_RADII = (1.0, 0.77, 0.527, 0.32)  # fractions of the outer radius


def target(c):
    size = c.size
    mid = size / 2
    outer = size / 2 - 0.05
    for i, colour in enumerate('yryr'):
        r = outer * TARGET_RADII[i]
        if size >= 32 or i == 0:
            c.shape(Disc(mid, mid, r), colour)
        else:
            # At 16 pixels the rings are two pixels wide; an outline on every edge would
            # leave no colour, so only the outer edge is black there.
            c.fill(Disc(mid, mid, r + 0.25), colour)


# The operator signs: black, with a grey copy behind them moved down and to the right.
# The sign is centred at (m, m) with m = (size - offset) / 2, so sign and shadow
# together sit in the middle of the picture. A white rim around both keeps the sign legible
# on a dark menu bar or title bar; on a light one it is hardly seen. Like the shadow's
# offset it is two pixels wide at 32 and one at 16, so that the vector drawn for 16 pixels
# of the design still has a rim of a whole device pixel at any screen scale.

def signed(sign):
    def draw(c):
        size = c.size
        offset = 2 if size >= 32 else 1
        m = (size - offset) / 2
        shape = sign(size, m)
        shadow = Moved(shape, offset, offset)
        both = Union(shape, shadow)
        rim = 2 if size >= 32 else 1
        c.fill(Union(*(Moved(both, dx * rim, dy * rim) for dx in (-1, 0, 1)
                       for dy in (-1, 0, 1) if dx or dy)), 'w')
        c.fill(shadow, 'g')
        c.fill(shape, 'k')
    return draw


def arm(size):
    """Half the length of a sign and half the thickness of its strokes."""
    return (11, 3) if size >= 32 else (5.5, 1.5)


def bar(m, a, t):
    return Rect(m - a, m - t, m + a, m + t)


def plus(size, m):
    a, t = arm(size)
    return Union(bar(m, a, t), Rect(m - t, m - a, m + t, m + a))


def minus(size, m):
    a, t = arm(size)
    return bar(m, a, t)


def cross(size, m):
    a, _ = arm(size)
    # Diagonal bands: a row of each stroke is 7 pixels wide at 32, 3 at 16.
    return Diagonals(m, a, 3 if size >= 32 else 1)


def divide(size, m):
    a, t = arm(size)
    gap = 2 if size >= 32 else 1
    dy = 2 * t + gap  # from the bar's middle to a dot's middle
    # A round 6 pixel dot at 32, a 3 by 3 dot at 16.
    r, r2 = (3.0, 9.0) if size >= 32 else (math.sqrt(2.01), 2.01)
    return Union(bar(m, a, t), Disc(m, m - dy, r, r2), Disc(m, m + dy, r, r2))


# The light bulb: yellow glass with a highlight, a grey screw base, orange rays.

def bulb(c):
    if c.size >= 32:
        cx, cy, r = 16, 13, 7.6
        # The neck reaches up into the globe (the pixels there are the globe's already), so
        # the vector's shrunk neck and globe meet without a gap.
        glass = Union(Disc(cx, cy, r), box(12, 16, 19, 22))
        # rays: from radius 9.6 to 12.6, two pixels thick
        for ang in (-90, -45, -135, 0, 180, 45, 135):
            c.ray(*ray_ends(cx, cy, ang, 9.6, 12.6), 'o')
        c.shape(glass, 'y')
        c.fill(Disc(13.2, 10.2, 3.4), 'l')
        c.fill(Ellipse(12.6, 9.6, 1.3, 1.7), 'w')
        # screw base: light grey bands with dark threads, edged in black
        c.shape(box(12, 23, 19, 28), 's')
        for y in (24, 26):
            c.rect(13, y, 18, y, 'g')
        c.rect(14, 29, 17, 29, 'k')
        c.rect(15, 30, 16, 30, 'k')
    else:
        cx, cy, r = 8, 6.5, 4.1
        glass = Union(Disc(cx, cy, r), box(6, 9, 9, 10))
        rays = [(7, 0), (8, 0), (7, 1), (8, 1),          # up
                (0, 6), (1, 6), (14, 6), (15, 6),        # sideways
                (2, 1), (3, 2), (13, 1), (12, 2),        # up and to the sides
                (2, 11), (3, 10), (13, 11), (12, 10)]    # down and to the sides
        for x, y in rays:
            c.set(x, y, 'o')
        c.shape(glass, 'y')
        c.set(6, 4, 'w')
        c.set(6, 5, 'l')
        c.set(7, 4, 'l')
        c.rect(6, 11, 9, 13, 'k')
        c.rect(7, 11, 8, 11, 's')
        c.rect(7, 12, 8, 12, 'g')
        c.rect(7, 14, 8, 14, 'k')


# The faces: a yellow disc edged in black, two eyes and a mouth that gets happier.

def face(kind):
    def draw(c):
        c.shape(Disc(16, 16, 15.95), 'y')
        for ex in (11, 21):
            c.fill(Ellipse(ex, 12, 1.75, 2.6), 'k')
        if kind == 0:    # frowning: an arc curving down, the smile turned over
            c.fill(ArcBand(16, 32, 10.5, 1.0, -145, -35), 'k')
        elif kind == 1:  # straight
            c.rect(10, 22, 21, 23, 'k')
        elif kind == 2:  # smiling: an arc curving up
            c.fill(ArcBand(16, 12, 10.5, 1.0, 35, 145), 'k')
        else:            # wide open: a red half-disc edged in black
            c.shape(LowerHalfEllipse(16, 18, 9.5, 8.4), 'r')
            if kind == 4:  # with a nose between the eyes and the mouth
                c.rect(15, 14, 16, 14, 'n')
                c.rect(14, 15, 17, 16, 'n')
    return draw


def drawn(draw, back_end):
    draw(back_end)
    return back_end


def main():
    for name, draw in (('target', target),
                       ('plus', signed(plus)),
                       ('minus', signed(minus)),
                       ('cross', signed(cross)),
                       ('divide', signed(divide)),
                       ('bulb', bulb)):
        for size in (32, 16):
            drawn(draw, Canvas(size)).xpm('%s-%d' % (name, size))
        drawn(draw, Vector(32)).svg(name)
    for kind in range(5):
        drawn(face(kind), Canvas(32)).xpm('face%d' % kind)
        drawn(face(kind), Vector(32)).svg('face%d' % kind)
    # The desktop's icon theme: the target as a vector, and as pixels at the sizes it
    # wants (48 too; the same radii draw it).
    drawn(target, Vector(32)).svg('sumbrook', title='Sumbrook')
    for size in (48, 32, 16):
        drawn(target, Canvas(size)).png('sumbrook-%d' % size)


if __name__ == '__main__':
    main()
