#!/usr/bin/env python3
"""Fails the build when the chime is not what users were promised: shorter than a second, its peak
no louder than -12 dBFS (within half a decibel), and starting and ending at zero, so it never
clicks."""
import math
import struct
import sys
import wave


def problems(path):
    with wave.open(path, 'rb') as sound:
        channels, width, rate, count = (sound.getnchannels(), sound.getsampwidth(),
                                        sound.getframerate(), sound.getnframes())
        data = struct.unpack(f'<{count * channels}h', sound.readframes(count)) if width == 2 else ()
    if width != 2 or channels != 1:
        return [f'{path}: {channels} channels of {8 * width} bits, not 16-bit mono']
    found = []
    if not 0.2 <= count / rate < 1.0:
        found.append(f'{path}: {count / rate:.3f} s long, not between 0.2 s and a second')
    peak = max(abs(s) for s in data) if data else 0
    peak_dbfs = 20 * math.log10(peak / 32768) if peak else -math.inf
    if not -12.5 <= peak_dbfs <= -11.5:
        found.append(f'{path}: peak {peak_dbfs:.2f} dBFS, not -12 dBFS')
    if data and (data[0] != 0 or data[-1] != 0):
        found.append(f'{path}: starts at {data[0]} and ends at {data[-1]}, not at zero')
    return found


if __name__ == '__main__':
    found = problems(sys.argv[1])
    for problem in found:
        print(problem, file=sys.stderr)
    sys.exit(1 if found else 0)
