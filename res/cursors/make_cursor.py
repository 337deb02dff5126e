#!/usr/bin/env python3
"""Draws the eyedropper cursor (monochrome, hot spot at the tip) as Eyedropper.cur.

At 32 x 32 the pipette runs from its tip at the lower left, (0, 15), to its bulb at the upper
right, inside the top-left 16 x 16 pixels: black outline, white glass, a black bulb. The 48 and
64 pixel images, for scaled displays, are the same drawing at 1.5 and 2 times, with the hot spot
on the tip pixel. The .cur it writes is committed; run this after changing the picture.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = (32, 48, 64)


def distance_to_segment(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def hotspot(size):
    scale = size / 32
    return 0, int(15.5 * scale)


def picture(size):
    """'k' black, 'w' white, ' ' transparent, per pixel."""
    scale = size / 32
    rows = [[' '] * size for _ in range(size)]
    tip, neck, bulb = (0.5, 15.5), (9.5, 6.5), (12.5, 3.5)
    for y in range(size):
        for x in range(size):
            cx, cy = (x + 0.5) / scale, (y + 0.5) / scale
            glass = distance_to_segment(cx, cy, tip, neck)
            ball = math.hypot(cx - bulb[0], cy - bulb[1])
            if ball <= 3.2:
                rows[y][x] = 'k'
            elif glass <= 1.0:
                rows[y][x] = 'w'
            elif glass <= 2.0 or ball <= 4.0:
                rows[y][x] = 'k'
    x, y = hotspot(size)
    rows[y][x] = 'k'
    return rows


def image(rows):
    size = len(rows)
    stride = size // 8
    xor, mask = b'', b''
    for row in reversed(rows):  # bottom-up
        xbits = mbits = 0
        for x, p in enumerate(row):
            bit = 1 << (size - 1 - x)
            if p == 'w':
                xbits |= bit
            if p == ' ':
                mbits |= bit
        xor += xbits.to_bytes(stride, 'big')
        mask += mbits.to_bytes(stride, 'big')
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    return header + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + xor + mask


def cur(sizes):
    images = [image(picture(size)) for size in sizes]
    entries = b''
    offset = 6 + 16 * len(sizes)
    for size, blob in zip(sizes, images):
        entries += struct.pack('<BBBBHHII', size, size, 2, 0, *hotspot(size), len(blob), offset)
        offset += len(blob)
    return struct.pack('<HHH', 0, 2, len(sizes)) + entries + b''.join(images)


if __name__ == '__main__':
    with open(os.path.join(HERE, 'Eyedropper.cur'), 'wb') as f:
        f.write(cur(SIZES))
