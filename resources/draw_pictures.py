#!/usr/bin/env python3
"""Draws Sumbrook's pictures: the window icons, the operator signs, the light bulb and
the five faces as XPM pixel art, and the scalable target as SVG (the build lists them for
the Qt resource system), and the target again as PNG for the desktop's icon theme.
Standard library only; run it to rewrite the files beside it.

Every shape is computed from geometry at pixel centres (x + 0.5, y + 0.5), without
anti-aliasing. Outlines are the pixels of a shape that have a 4-neighbour outside it,
which gives an even, one pixel wide edge around circles.
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
        """Colours every pixel whose centre satisfies inside(px, py)."""
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


def write(filename, text):
    with open(os.path.join(HERE, filename), 'w', newline='\n') as f:
        f.write(text)


def disc(cx, cy, r):
    return lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry):
    return lambda px, py: ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1


def box(x0, y0, x1, y1):
    """Pixel centres inside the pixels x0..x1, y0..y1 (ends included)."""
    return lambda px, py: x0 < px < x1 + 1 and y0 < py < y1 + 1


# The target: yellow, red, yellow, red, each ring edged in black. The radii are picked
# so that no circle ends in a lone two-pixel nub at its top, bottom or sides.

TARGET_RADII = (1.0, 0.77, 0.527, 0.32)  # fractions of the outer radius


def target(size):
    c = Canvas(size)
    mid = size / 2
    outer = size / 2 - 0.05
    for i, colour in enumerate('yryr'):
        r = outer * TARGET_RADII[i]
        if size >= 32 or i == 0:
            c.shape(disc(mid, mid, r), colour)
        else:
            # At 16 pixels the rings are two pixels wide; an outline on every edge would
            # leave no colour, so only the outer edge is black there.
            c.fill(disc(mid, mid, r + 0.25), colour)
    return c


def target_svg():
    rings = ''.join(
        '    <circle cx="32" cy="32" r="%g" fill="%s"/>\n' % (round(30 * f, 1), fill)
        for f, fill in zip(TARGET_RADII, ('#FFFF00', '#FF0000', '#FFFF00', '#FF0000')))
    write('sumbrook.svg',
          '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">\n'
          '  <title>Sumbrook</title>\n'
          '  <g stroke="#000000" stroke-width="2">\n' + rings +
          '  </g>\n'
          '</svg>\n')


# The operator signs: black, with a grey copy behind them moved down and to the right.
# The sign is centred at (m, m) with m = (size - offset) / 2, so sign and shadow
# together sit in the middle of the picture.

def signed(size, sign):
    c = Canvas(size)
    offset = 2 if size >= 32 else 1
    m = (size - offset) / 2
    inside = sign(size, m)
    c.fill(lambda px, py: inside(px - offset, py - offset), 'g')
    c.fill(inside, 'k')
    return c


def arm(size):
    """Half the length of a sign and half the thickness of its strokes."""
    return (11, 3) if size >= 32 else (5.5, 1.5)


def plus(size, m):
    a, t = arm(size)
    return lambda px, py: ((abs(px - m) < a and abs(py - m) < t) or
                           (abs(px - m) < t and abs(py - m) < a))


def minus(size, m):
    a, t = arm(size)
    return lambda px, py: abs(px - m) < a and abs(py - m) < t


def cross(size, m):
    a, _ = arm(size)
    # Diagonal bands: a row of each stroke is 7 pixels wide at 32, 3 at 16.
    w = 3 if size >= 32 else 1
    return lambda px, py: (abs(px - m) < a and abs(py - m) < a and
                           (abs((px - m) - (py - m)) <= w or abs((px - m) + (py - m)) <= w))


def divide(size, m):
    a, t = arm(size)
    gap = 2 if size >= 32 else 1
    dy = 2 * t + gap                   # from the bar's middle to a dot's middle
    r2 = 3.0 ** 2 if size >= 32 else 2.01  # a round 6 pixel dot at 32, a 3 by 3 dot at 16
    return lambda px, py: ((abs(px - m) < a and abs(py - m) < t) or
                           (px - m) ** 2 + (py - m + dy) ** 2 <= r2 or
                           (px - m) ** 2 + (py - m - dy) ** 2 <= r2)


# The light bulb: yellow glass with a highlight, a grey screw base, orange rays.

def bulb(size):
    c = Canvas(size)
    if size >= 32:
        cx, cy, r = 16, 13, 7.6
        neck = box(12, 18, 19, 22)
        glass = lambda px, py: disc(cx, cy, r)(px, py) or neck(px, py)
        # rays: from radius 9.6 to 12.6, two pixels thick
        for ang in (-90, -45, -135, 0, 180, 45, 135):
            a = math.radians(ang)
            for step in range(13):
                d = 9.6 + 3.0 * step / 12
                x, y = cx + d * math.cos(a), cy + d * math.sin(a)
                for ddx, ddy in ((-0.5, -0.5), (0.5, -0.5), (-0.5, 0.5), (0.5, 0.5)):
                    c.set(math.floor(x + ddx), math.floor(y + ddy), 'o')
        c.shape(glass, 'y')
        c.fill(disc(13.2, 10.2, 3.4), 'l')
        c.fill(ellipse(12.6, 9.6, 1.3, 1.7), 'w')
        # screw base: light grey bands with dark threads, edged in black
        c.shape(box(12, 23, 19, 28), 's')
        for y in (24, 26):
            c.rect(13, y, 18, y, 'g')
        c.rect(14, 29, 17, 29, 'k')
        c.rect(15, 30, 16, 30, 'k')
    else:
        cx, cy, r = 8, 6.5, 4.1
        neck = box(6, 9, 9, 10)
        glass = lambda px, py: disc(cx, cy, r)(px, py) or neck(px, py)
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
    return c


# The faces: a yellow disc edged in black, two eyes and a mouth that gets happier.

def arc_band(cx, cy, r, half, lowest, highest):
    """Pixels within half of a circle of radius r, between two angles (degrees, y down)."""
    def inside(px, py):
        d = math.hypot(px - cx, py - cy)
        ang = math.degrees(math.atan2(py - cy, px - cx))
        return abs(d - r) <= half and lowest <= ang <= highest
    return inside


def face(kind):
    c = Canvas(32)
    c.shape(disc(16, 16, 15.95), 'y')
    for ex in (11, 21):
        c.fill(ellipse(ex, 12, 1.75, 2.6), 'k')
    if kind == 0:    # frowning: an arc curving down, the smile turned over
        c.fill(arc_band(16, 32, 10.5, 1.0, -145, -35), 'k')
    elif kind == 1:  # straight
        c.rect(10, 22, 21, 23, 'k')
    elif kind == 2:  # smiling: an arc curving up
        c.fill(arc_band(16, 12, 10.5, 1.0, 35, 145), 'k')
    else:            # wide open: a red half-disc edged in black
        c.shape(lambda px, py: py > 18 and ellipse(16, 18, 9.5, 8.4)(px, py), 'r')
        if kind == 4:  # with a nose between the eyes and the mouth
            c.rect(15, 14, 16, 14, 'n')
            c.rect(14, 15, 17, 16, 'n')
    return c


def main():
    for name, draw in (('target', target),
                       ('plus', lambda s: signed(s, plus)),
                       ('minus', lambda s: signed(s, minus)),
                       ('cross', lambda s: signed(s, cross)),
                       ('divide', lambda s: signed(s, divide)),
                       ('bulb', bulb)):
        for size in (32, 16):
            draw(size).xpm('%s-%d' % (name, size))
    for kind in range(5):
        face(kind).xpm('face%d' % kind)
    target_svg()
    # The icon theme wants a 48 pixel size too; the same radii draw it.
    for size in (48, 32, 16):
        target(size).png('sumbrook-%d' % size)


if __name__ == '__main__':
    main()
