#!/usr/bin/env python3
"""Draws the 10 x 10 LED pictures of the program (round lamps, lit or dark) as PNG files."""
import math
import struct
import sys
import zlib
from pathlib import Path

SIZE = 10
SUPERSAMPLE = 8

# name: (lamp colour, lit)
LEDS = {
    "green-off": ((0, 255, 0), False),
    "green-on": ((0, 255, 0), True),
    "red-on": ((255, 0, 0), True),
    "off": ((192, 192, 192), False),
    "on": ((0, 255, 0), True),
    "solo-off": ((255, 255, 0), False),
    "solo-on": ((255, 255, 0), True),
}


def pixel(colour, lit, x, y):
    """Colour and coverage of one point of the lamp (0..SIZE coordinates)."""
    cx = cy = SIZE / 2
    distance = math.hypot(x - cx, y - cy)
    if distance > 4.6:
        return (0, 0, 0), 0.0
    if distance > 3.7:  # rim
        return tuple(c // 4 for c in colour), 1.0
    base = colour if lit else tuple(c // 3 for c in colour)
    # A highlight towards the upper left.
    glow = max(0.0, 1.0 - math.hypot(x - cx + 1.3, y - cy + 1.3) / 2.2) * (0.8 if lit else 0.35)
    return tuple(min(255, int(c + (255 - c) * glow)) for c in base), 1.0


def draw(colour, lit):
    rows = []
    for py in range(SIZE):
        row = bytearray([0])
        for px in range(SIZE):
            total = [0.0, 0.0, 0.0]
            cover = 0.0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    rgb, a = pixel(colour, lit, px + (sx + 0.5) / SUPERSAMPLE,
                                   py + (sy + 0.5) / SUPERSAMPLE)
                    cover += a
                    for i in range(3):
                        total[i] += rgb[i] * a
            alpha = cover / SUPERSAMPLE ** 2
            rgb = [int(t / cover) if cover else 0 for t in total]
            row += bytes(rgb + [int(alpha * 255 + 0.5)])
        rows.append(bytes(row))
    return png(b"".join(rows))


def png(raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
    for name, (colour, lit) in LEDS.items():
        (folder / f"{name}.png").write_bytes(draw(colour, lit))
