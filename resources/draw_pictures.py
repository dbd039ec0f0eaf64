#!/usr/bin/env python3
"""Draws Sumbrook's icons and faces as XPM pixel art. Run it to rewrite the .xpm files beside it."""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

PALETTE = {
    '.': 'None',
    'k': '#000000',
    'g': '#808080',
    'y': '#FFFF00',
    'r': '#FF0000',
    'd': '#800000',
    'w': '#FFFFFF',
    's': '#C0C0C0',
    'o': '#FF8000',
}


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [['.'] * size for _ in range(size)]

    def set(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def disc(self, cx, cy, r, c):
        for y in range(self.size):
            for x in range(self.size):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def ring(self, cx, cy, r, width, c):
        for y in range(self.size):
            for x in range(self.size):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r - width <= d <= r:
                    self.set(x, y, c)

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, c)

    def stroke(self, x0, y0, x1, y1, half, c):
        """A thick straight stroke: every pixel within half of the segment."""
        for y in range(self.size):
            for x in range(self.size):
                px, py = x + 0.5, y + 0.5
                dx, dy = x1 - x0, y1 - y0
                t = max(0, min(1, ((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy)))
                if math.hypot(px - (x0 + t * dx), py - (y0 + t * dy)) <= half:
                    self.set(x, y, c)

    def xpm(self, name):
        used = sorted({c for row in self.px for c in row})
        lines = ['/* XPM */', 'static const char *%s_xpm[] = {' % name.replace('-', '_'),
                 '"%d %d %d 1",' % (self.size, self.size, len(used))]
        lines += ['"%s c %s",' % (c, PALETTE[c]) for c in used]
        lines += ['"%s"%s' % (''.join(row), ',' if i < self.size - 1 else '')
                  for i, row in enumerate(self.px)]
        lines.append('};')
        with open(os.path.join(HERE, name + '.xpm'), 'w') as f:
            f.write('\n'.join(lines) + '\n')


def target(size):
    c = Canvas(size)
    mid = size / 2
    radii = [size / 2 - 0.5, size * 0.36, size * 0.24, size * 0.12]
    for i, (r, colour) in enumerate(zip(radii, 'yryr')):
        # At 16 pixels only the outer edge keeps its outline, or the rings drown in black.
        outlined = size >= 32 or i == 0
        c.disc(mid, mid, r, 'k' if outlined else colour)
        c.disc(mid, mid, r - (1 if outlined else 0), colour)
    return c


def shadowed(size, draw):
    """A black sign with a grey drop shadow below and to the right."""
    c = Canvas(size)
    offset = 2 if size == 32 else 1
    draw(c, offset, 'g')
    draw(c, 0, 'k')
    return c


def plus(c, o, colour):
    n = c.size
    t = n // 8
    c.rect(n // 2 - t + o, n // 8 + o, n // 2 + t + o, n - n // 8 - o * 0 - 2 + o, colour)
    c.rect(n // 8 + o, n // 2 - t + o, n - n // 8 - 2 + o, n // 2 + t + o, colour)


def minus(c, o, colour):
    n = c.size
    t = n // 8
    c.rect(n // 8 + o, n // 2 - t + o, n - n // 8 - 2 + o, n // 2 + t + o, colour)


def cross(c, o, colour):
    n = c.size
    a, b = n * 0.2, n * 0.74
    half = n / 12
    c.stroke(a + o, a + o, b + o, b + o, half, colour)
    c.stroke(a + o, b + o, b + o, a + o, half, colour)


def divide(c, o, colour):
    n = c.size
    t = max(1, n // 16)
    c.rect(n // 8 + o, n // 2 - t - 1 + o, n - n // 8 - 2 + o, n // 2 + t + o, colour)
    r = n / 10
    c.disc(n / 2 - 1 + o, n * 0.24 + o, r, colour)
    c.disc(n / 2 - 1 + o, n * 0.74 + o, r, colour)


def bulb(size):
    c = Canvas(size)
    s = size / 32
    cx, cy, r = 16 * s, 13 * s, 8 * s
    # rays
    for angle in range(-150, 31, 45):
        a = math.radians(angle)
        c.stroke(cx + math.cos(a) * (r + 2 * s), cy + math.sin(a) * (r + 2 * s),
                 cx + math.cos(a) * (r + 5 * s), cy + math.sin(a) * (r + 5 * s), 0.7 * s + 0.2, 'o')
    c.disc(cx, cy, r, 'k')
    c.disc(cx, cy, r - max(1, s), 'y')
    c.disc(cx - 2.5 * s, cy - 2.5 * s, 1.8 * s, 'w')
    # neck and screw base
    c.rect(int(12 * s), int(20 * s), int(20 * s), int(23 * s), 'y')
    c.rect(int(12 * s), int(23 * s), int(20 * s), int(29 * s), 's')
    for y in range(int(23 * s), int(29 * s), max(2, int(2 * s))):
        c.rect(int(12 * s), y, int(20 * s), y + 1, 'g')
    c.rect(int(14 * s), int(29 * s), int(18 * s), int(31 * s), 'k')
    return c


def face(kind):
    c = Canvas(32)
    c.disc(16, 16, 15.5, 'k')
    c.disc(16, 16, 14.3, 'y')
    c.disc(11, 12, 2.1, 'k')
    c.disc(21, 12, 2.1, 'k')
    if kind == 0:  # frowning: an arc curving down
        for x in range(9, 24):
            y = 25 - round(4 * (1 - ((x - 16) / 7.5) ** 2))
            c.rect(x, y, x + 1, y + 2, 'k')
    elif kind == 1:  # straight
        c.rect(10, 22, 23, 24, 'k')
    elif kind == 2:  # smiling: an arc curving up
        for x in range(9, 24):
            y = 19 + round(4 * (1 - ((x - 16) / 7.5) ** 2))
            c.rect(x, y, x + 1, y + 2, 'k')
    else:  # wide open smile with a red mouth; the last one has a nose
        for y in range(18, 28):
            for x in range(7, 26):
                inside = (x + 0.5 - 16) ** 2 / 8.5 ** 2 + (y + 0.5 - 18) ** 2 / 8 ** 2 <= 1
                if inside:
                    c.set(x, y, 'k')
        for y in range(19, 27):
            for x in range(8, 25):
                if (x + 0.5 - 16) ** 2 / 7.3 ** 2 + (y + 0.5 - 18) ** 2 / 6.8 ** 2 <= 1:
                    c.set(x, y, 'r')
        if kind == 4:
            c.rect(15, 14, 17, 17, 'd')
            c.rect(14, 16, 18, 17, 'd')
    return c


def main():
    for size in (32, 16):
        target(size).xpm('target-%d' % size)
        shadowed(size, plus).xpm('plus-%d' % size)
        shadowed(size, minus).xpm('minus-%d' % size)
        shadowed(size, cross).xpm('cross-%d' % size)
        shadowed(size, divide).xpm('divide-%d' % size)
        bulb(size).xpm('bulb-%d' % size)
    for kind in range(5):
        face(kind).xpm('face%d' % kind)


if __name__ == '__main__':
    main()
