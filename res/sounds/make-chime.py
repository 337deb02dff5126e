#!/usr/bin/env python3
"""Writes the chime played at an automatic fade: a soft bell, a tone and two overtones, 0.7 s of
16-bit mono at 11,025 Hz (its highest overtone is far below the rate's limit, and the executable
carries it), its peak at -12 dBFS, rising from silence and dying away to it, so that neither end
clicks. Only the standard library, and the same bytes on every run."""
import math
import struct
import sys
import wave

RATE = 11025
SECONDS = 0.7
PEAK_DBFS = -12.0
PARTIALS = ((784.0, 1.0), (1568.0, 0.25), (2352.0, 0.08))  # G5 and its octaves above, fading
DECAY_SECONDS = 0.2
ATTACK_SECONDS = 0.012
RELEASE_SECONDS = 0.15


def envelope(t, length):
    rise = min(1.0, t / ATTACK_SECONDS)
    fall = min(1.0, (length - t) / RELEASE_SECONDS)
    shape = math.exp(-t / DECAY_SECONDS)
    return shape * math.sin(rise * math.pi / 2) ** 2 * math.sin(fall * math.pi / 2) ** 2


def samples():
    count = int(RATE * SECONDS)
    length = (count - 1) / RATE
    raw = [envelope(i / RATE, length) *
           sum(level * math.sin(2 * math.pi * frequency * i / RATE) for frequency, level in PARTIALS)
           for i in range(count)]
    scale = 32767 * 10 ** (PEAK_DBFS / 20) / max(abs(s) for s in raw)
    return [round(s * scale) for s in raw]


def main(path):
    with wave.open(path, 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        data = samples()
        out.writeframes(struct.pack(f'<{len(data)}h', *data))


if __name__ == '__main__':
    main(sys.argv[1])
