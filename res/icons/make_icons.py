#!/usr/bin/env python3
"""Draws Dusklamp's tray icons and writes them as 32-bit .ico files beside this script.

A clock face (the Fader shows the time) in three states: IconMain, a lit lamp-blue face;
IconAutoFadeOn, the same face with a green dot; IconAutoFadeOff, a grey face crossed out.
Run it after changing a picture; the .ico files it writes are committed.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SUPER = 4  # samples per pixel side, for smooth edges
# The small-icon sizes at 100, 125, 150, 200, 250 and 300 percent, each drawn for its own size
# rather than scaled by the system from another.
SIZES = (16, 20, 24, 32, 40, 48)


def coverage(size, inside):
    """Fraction of each pixel whose sample points satisfy inside(x, y) in unit coordinates."""
    grid = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = 0
            for sy in range(SUPER):
                for sx in range(SUPER):
                    x = (px + (sx + 0.5) / SUPER) / size
                    y = (py + (sy + 0.5) / SUPER) / size
                    hits += inside(x, y)
            row.append(hits / (SUPER * SUPER))
        grid.append(row)
    return grid


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def segment(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2
    return inside


def paint(canvas, size, inside, rgb, alpha=255):
    for y, row in enumerate(coverage(size, inside)):
        for x, c in enumerate(row):
            if c <= 0:
                continue
            a = c * alpha / 255
            r0, g0, b0, a0 = canvas[y][x]
            out_a = a + a0 / 255 * (1 - a)
            mix = lambda new, old: (new * a + old * a0 / 255 * (1 - a)) / out_a if out_a else 0
            canvas[y][x] = (mix(rgb[0], r0), mix(rgb[1], g0), mix(rgb[2], b0), out_a * 255)


def clock(size, face, rim, hands):
    canvas = [[(0, 0, 0, 0)] * size for _ in range(size)]
    line = max(1.2 / size, 0.09)
    paint(canvas, size, disc(0.5, 0.5, 0.47), rim)
    paint(canvas, size, disc(0.5, 0.5, 0.47 - line), face)
    paint(canvas, size, segment(0.5, 0.5, 0.5, 0.2, line), hands)   # minutes
    paint(canvas, size, segment(0.5, 0.5, 0.72, 0.58, line), hands)  # hours
    return canvas


def with_dot(canvas, size, rgb):
    paint(canvas, size, disc(0.78, 0.78, 0.22), (255, 255, 255))
    paint(canvas, size, disc(0.78, 0.78, 0.16), rgb)
    return canvas


def with_cross(canvas, size):
    paint(canvas, size, segment(0.12, 0.88, 0.88, 0.12, 0.22), (255, 255, 255))
    paint(canvas, size, segment(0.12, 0.88, 0.88, 0.12, 0.13), (200, 30, 30))
    return canvas


def ico(images):
    """An .ico file of 32-bit BMP images: BGRA rows bottom-up plus an all-clear AND mask."""
    header = struct.pack('<HHH', 0, 1, len(images))
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for canvas in images:
        size = len(canvas)
        pixels = b''.join(
            bytes((round(b), round(g), round(r), round(a)))
            for row in reversed(canvas) for (r, g, b, a) in row)
        mask_row = ((size + 31) // 32) * 4
        blob = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                           len(pixels) + mask_row * size, 0, 0, 0, 0)
        blob += pixels + bytes(mask_row * size)
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def main():
    lamp = dict(face=(32, 64, 200), rim=(250, 210, 90), hands=(255, 255, 255))
    grey = dict(face=(120, 120, 128), rim=(200, 200, 200), hands=(255, 255, 255))
    icons = {
        'IconMain.ico': [clock(size, **lamp) for size in SIZES],
        'IconAutoFadeOn.ico': [with_dot(clock(size, **lamp), size, (40, 190, 60)) for size in SIZES],
        'IconAutoFadeOff.ico': [with_cross(clock(size, **grey), size) for size in SIZES],
    }
    for name, images in icons.items():
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(ico(images))


if __name__ == '__main__':
    main()
