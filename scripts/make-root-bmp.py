#!/usr/bin/env python3
"""Draw the welcome window's picture strip, CVLib/Root.bmp.

The strip is 100 pixels wide and scrolls slowly across a picture about
three times as wide, so the picture is a 300 x 240 landscape: a soft
blue gradient with a grid, a bar chart, a line chart with markers and a
few scattered points. Written as an uncompressed 24-bit BMP with nothing
but the standard library.

Usage: scripts/make-root-bmp.py [OUTPUT]   (default: CVLib/Root.bmp)
"""

import math
import pathlib
import struct
import sys

WIDTH = 300
HEIGHT = 240


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(int(round(lerp(x, y, t))) for x, y in zip(c1, c2))


class Canvas:
    """RGB pixels, row 0 at the top."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.rows = [[(0, 0, 0)] * width for _ in range(height)]

    def set(self, x, y, colour, alpha=1.0):
        if 0 <= x < self.width and 0 <= y < self.height:
            row = self.rows[y]
            row[x] = mix(row[x], colour, alpha) if alpha < 1.0 else colour

    def fill_rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.set(x, y, colour, alpha)

    def disc(self, cx, cy, r, colour):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                d = math.hypot(x - cx, y - cy)
                if d <= r + 0.5:
                    self.set(x, y, colour, min(1.0, r + 0.5 - d))

    def line(self, x0, y0, x1, y1, colour, width=2.0):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            self.disc(lerp(x0, x1, t), lerp(y0, y1, t), width / 2, colour)

    def to_bmp(self):
        row_bytes = (self.width * 3 + 3) & ~3
        pad = b"\0" * (row_bytes - self.width * 3)
        pixels = bytearray()
        for row in reversed(self.rows):  # BMP rows run bottom-up
            for r, g, b in row:
                pixels += bytes((b, g, r))
            pixels += pad
        header_size = 14 + 40
        file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
        info_header = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0,
                                  len(pixels), 2835, 2835, 0, 0)
        return file_header + info_header + bytes(pixels)


def draw():
    c = Canvas(WIDTH, HEIGHT)
    top, bottom = (28, 66, 120), (196, 222, 244)
    for y in range(HEIGHT):
        colour = mix(top, bottom, y / (HEIGHT - 1))
        c.rows[y] = [colour] * WIDTH

    # Grid: fine lines every 20 px, stronger every 60 px.
    for x in range(0, WIDTH, 20):
        strong = x % 60 == 0
        for y in range(HEIGHT):
            c.set(x, y, (255, 255, 255), 0.35 if strong else 0.15)
    for y in range(0, HEIGHT, 20):
        strong = y % 60 == 0
        for x in range(WIDTH):
            c.set(x, y, (255, 255, 255), 0.35 if strong else 0.15)

    # Bars along the bottom.
    base = HEIGHT - 20
    for i, x in enumerate(range(10, WIDTH - 10, 20)):
        h = 30 + 45 * (0.5 + 0.5 * math.sin(i * 0.7)) + 12 * math.sin(i * 1.9)
        c.fill_rect(x, int(base - h), x + 12, base, (250, 176, 64), 0.75)

    # Axis.
    c.line(0, base, WIDTH, base, (255, 255, 255), 1.5)

    # A line chart with markers.
    points = []
    for i, x in enumerate(range(5, WIDTH, 25)):
        y = 95 + 40 * math.sin(x / 38.0) - 25 * math.cos(x / 17.0) + 8 * math.sin(i * 2.3)
        points.append((x, y))
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        c.line(x0, y0, x1, y1, (255, 255, 255), 3.0)
    for x, y in points:
        c.disc(x, y, 4.5, (220, 60, 60))
        c.disc(x, y, 2.0, (255, 255, 255))

    # A trend line and scattered points above it.
    c.line(0, 70, WIDTH, 30, (120, 230, 160), 1.5)
    for i in range(24):
        x = (i * 97) % WIDTH
        y = 50 - x * 40 / WIDTH + 14 * math.sin(i * 1.3)
        c.disc(x, y, 2.5, (140, 240, 180))
    return c


def main(argv):
    out = pathlib.Path(argv[1]) if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "CVLib" / "Root.bmp"
    out.write_bytes(draw().to_bmp())
    print(f"wrote {out} ({WIDTH} x {HEIGHT}, 24-bit)")


if __name__ == "__main__":
    main(sys.argv)
