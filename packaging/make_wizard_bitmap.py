#!/usr/bin/env python3
"""Draws the picture beside the installer's finish page: Dusklamp's clock on a dusk sky, as a
164 x 314 24-bit BMP (the size the installer's pages are laid out for) written beside this script.
Run it after changing the clock in res/icons/make_icons.py; the bitmap it writes is committed.
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'res', 'icons'))
import make_icons  # noqa: E402

WIDTH, HEIGHT, CLOCK, CLOCK_TOP = 164, 314, 112, 60
TOP, BOTTOM = (8, 10, 40), (40, 64, 200)  # night above, the Fader's blue below


def sky(y):
    t = y / (HEIGHT - 1)
    return tuple(a + (b - a) * t for a, b in zip(TOP, BOTTOM))


def main():
    face = make_icons.clock(CLOCK, face=(32, 64, 200), rim=(250, 210, 90), hands=(255, 255, 255))
    left = (WIDTH - CLOCK) // 2
    rows = []
    for y in range(HEIGHT):
        row = [sky(y)] * WIDTH
        if CLOCK_TOP <= y < CLOCK_TOP + CLOCK:
            for x in range(CLOCK):
                r, g, b, a = face[y - CLOCK_TOP][x]
                back = row[left + x]
                row[left + x] = tuple(c * a / 255 + k * (1 - a / 255) for c, k in zip((r, g, b), back))
        rows.append(row)
    stride = (WIDTH * 3 + 3) // 4 * 4
    pixels = b''.join(
        b''.join(bytes((round(b), round(g), round(r))) for (r, g, b) in row).ljust(stride, b'\0')
        for row in reversed(rows))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, 'wizard.bmp'), 'wb') as f:
        f.write(header + info + pixels)


if __name__ == '__main__':
    main()
