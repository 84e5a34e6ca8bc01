#!/usr/bin/env python3
"""Draws the program's 120 x 120 logo: a golden steppe sun rising over the
hills on a sky-blue disc, with the letter "Т" in front. Writes a 32-bit BMP
whose fourth byte is straight (not premultiplied) alpha. Every pixel is
averaged over 4 x 4 samples, so the edges are smooth.

    tools/make-logo.py resources/Logo.bmp
"""
import math
import struct
import sys

SIZE = 120
SUB = 4
CX = CY = SIZE / 2.0


def disc(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def layers(x, y):
    """The colour (r, g, b, a) of one sample, painted back to front."""
    r_out = 58.0
    if not disc(x, y, CX, CY, r_out):
        return None
    # Rim: a deep blue ring.
    if not disc(x, y, CX, CY, r_out - 3.5):
        return (22, 86, 150)
    # Sky: lighter towards the horizon.
    t = max(0.0, min(1.0, (y - 8) / 90.0))
    sky = (int(70 + 110 * t), int(150 + 70 * t), int(220 + 25 * t))
    colour = sky
    # Sun rays: twelve wedges around the sun.
    sx, sy, sr = CX, 70.0, 21.0
    dx, dy = x - sx, y - sy
    dist = math.hypot(dx, dy)
    ang = math.atan2(dy, dx)
    wedge = (ang * 12 / (2 * math.pi)) % 1.0
    if sr + 3 < dist < sr + 15 and abs(wedge - 0.5) < 0.17:
        colour = (250, 200, 60)
    if dist <= sr:
        colour = (255, 196, 37) if dist > sr - 3 else (255, 214, 64)
    # Steppe: two rolling hills in gold and olive below the sun.
    hill1 = 84 + 5 * math.sin(x / 14.0)
    hill2 = 94 + 4 * math.sin(x / 10.0 + 1.7)
    if y >= hill1:
        colour = (201, 162, 39)
    if y >= hill2:
        colour = (150, 128, 30)
    # The letter: a white "Т" with a dark outline.
    bar = (34, 22, 86, 36)      # left, top, right, bottom
    stem = (52, 22, 68, 98)
    def inside(box, grow=0.0):
        return box[0] - grow <= x <= box[2] + grow and box[1] - grow <= y <= box[3] + grow
    if inside(bar, 2.5) or inside(stem, 2.5):
        colour = (20, 48, 90)
    if inside(bar) or inside(stem):
        colour = (255, 255, 255)
    return colour


def render():
    pixels = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0, 0, 0]
            covered = 0
            for sy in range(SUB):
                for sx in range(SUB):
                    c = layers(px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB)
                    if c is not None:
                        covered += 1
                        for i in range(3):
                            acc[i] += c[i]
            if covered:
                rgb = tuple(round(a / covered) for a in acc)
                alpha = round(255 * covered / (SUB * SUB))
            else:
                rgb, alpha = (0, 0, 0), 0
            row.append((rgb, alpha))
        pixels.append(row)
    return pixels


def write_bmp(path, pixels):
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        for (r, g, b), a in row:
            data += bytes((b, g, r, a))
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 32, 0, len(data), 3780, 3780, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(data), 0, 0, 14 + len(header))
    with open(path, 'wb') as f:
        f.write(file_header + header + data)


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit('usage: make-logo.py OUTPUT.bmp')
    write_bmp(sys.argv[1], render())
