#!/usr/bin/env python3
"""Writes the built-in form shadow pictures acSHDA.png (active window) and
acSHDI.png (inactive window): 32-bit RGBA, a soft black shadow around an
empty window rectangle. The margins match the engine's default shadow
margins (left 11, top 7, right 11, bottom 11)."""
import math
import struct
import sys
import zlib

SIZE = 64
LEFT, TOP, RIGHT, BOTTOM = 11, 7, 11, 11


def shadow(peak):
    rows = []
    inner = (LEFT, TOP, SIZE - RIGHT, SIZE - BOTTOM)
    for y in range(SIZE):
        row = bytearray([0])  # filter type None
        for x in range(SIZE):
            # Distance outside the window rectangle, shifted down by 2 pixels
            # so the shadow is heavier below the window.
            dx = max(inner[0] - x, 0, x - (inner[2] - 1))
            dy = max(inner[1] + 2 - y, 0, y - (inner[3] - 1))
            inside = inner[0] <= x < inner[2] and inner[1] <= y < inner[3]
            if inside:
                row += bytes([255, 255, 255, 0])  # window area: left clear
                continue
            d = math.hypot(dx, dy)
            reach = 11.0
            a = peak * math.exp(-(d * d) / (2 * (reach / 2.6) ** 2)) if d < reach else 0.0
            row += bytes([0, 0, 0, int(round(a))])
        rows.append(bytes(row))
    raw = b"".join(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    with open(f"{folder}/acSHDA.png", "wb") as f:
        f.write(shadow(110))
    with open(f"{folder}/acSHDI.png", "wb") as f:
        f.write(shadow(60))


if __name__ == "__main__":
    main()
