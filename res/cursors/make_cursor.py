#!/usr/bin/env python3
"""Draws the eyedropper cursor (32 x 32, monochrome, hot spot at the tip) as Eyedropper.cur.

The pipette runs from its tip at the lower left, (0, 15), to its bulb at the upper right, inside
the top-left 16 x 16 pixels: black outline, white glass, a black bulb. The .cur it writes is
committed; run this after changing the picture.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32
HOTSPOT = (0, 15)


def distance_to_segment(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def picture():
    """'k' black, 'w' white, ' ' transparent, per pixel."""
    rows = [[' '] * SIZE for _ in range(SIZE)]
    tip, neck, bulb = (0.5, 15.5), (9.5, 6.5), (12.5, 3.5)
    for y in range(SIZE):
        for x in range(SIZE):
            cx, cy = x + 0.5, y + 0.5
            glass = distance_to_segment(cx, cy, tip, neck)
            ball = math.hypot(cx - bulb[0], cy - bulb[1])
            if ball <= 3.2:
                rows[y][x] = 'k'
            elif glass <= 1.0:
                rows[y][x] = 'w'
            elif glass <= 2.0 or ball <= 4.0:
                rows[y][x] = 'k'
    rows[HOTSPOT[1]][HOTSPOT[0]] = 'k'
    return rows


def cur(rows):
    stride = SIZE // 8
    xor, mask = b'', b''
    for row in reversed(rows):  # bottom-up
        xbits = mbits = 0
        for x, p in enumerate(row):
            bit = 1 << (SIZE - 1 - x)
            if p == 'w':
                xbits |= bit
            if p == ' ':
                mbits |= bit
        xor += xbits.to_bytes(stride, 'big')
        mask += mbits.to_bytes(stride, 'big')
    image = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    image += bytes((0, 0, 0, 0, 255, 255, 255, 0)) + xor + mask
    header = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
    return header + entry + image


if __name__ == '__main__':
    with open(os.path.join(HERE, 'Eyedropper.cur'), 'wb') as f:
        f.write(cur(picture()))
