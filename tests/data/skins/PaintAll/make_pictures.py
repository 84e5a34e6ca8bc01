#!/usr/bin/env python3
"""Writes the pictures of the painter test skin (run from this folder; the
JPEG files need ImageMagick). The pictures are small and every area has a
look of its own, so that a misplaced part changes the painted pixels."""
import struct
import subprocess
import zlib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from skinpictures import bmp24  # noqa: E402

KEY = (255, 0, 255)


def png32(path, w, h, pixel):
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for x in range(w):
            raw += bytes(pixel(x, y))

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))

    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def border_state(x, y, s, size=16, frame=4):
    """A key-colour border state: a frame of the state's colour, 2 x 2 key
    corners, a striped centre."""
    cx, cy = x % size, y % size
    if (cx < 2 or cx >= size - 2) and (cy < 2 or cy >= size - 2):
        return KEY
    if cx < frame or cy < frame or cx >= size - frame or cy >= size - frame:
        return (60 + 70 * s, 40 + 10 * cx, 200 - 12 * cy)
    return (20 * s + 8 * cx, 180 if cy % 3 == 0 else 90, 30 * s)


def master(x, y):
    if y < 16 and x < 48:  # key border, 3 states
        return border_state(x, y, x // 16)
    if y < 32 and 48 <= x < 96:  # masked border: picture rows 0..15, mask rows 16..31
        s, cx, cy = (x - 48) // 16, (x - 48) % 16, y % 16
        if y < 16:
            return KEY if (cx, cy) == (0, 0) else (200 - 40 * s, 30 + 9 * cx, 50 + 9 * cy)
        m = 0 if (cx < 4 or cy < 4 or cx >= 12 or cy >= 12) else 128
        return (m, (m + 40 * s) % 256, m // 2) if (cx, cy) != (1, 1) else (255, 255, 255)
    if y < 10 and 96 <= x < 108:  # texture tile 12 x 10
        return (40 + 15 * (x - 96), 200 - 18 * y, 120 if (x + y) % 2 else 60)
    if y < 12 and 108 <= x < 116:  # masked texture: picture rows 0..5, mask rows 6..11
        if y < 6:
            return KEY if (x, y) == (108, 0) else (250 - 20 * y, 100, 30 * (x - 108))
        return (32 * (x - 108), 200 if y == 11 else 0, 64)
    if y < 8 and 116 <= x < 140:  # key glyph strip, 3 states 8 x 8
        s, cx, cy = (x - 116) // 8, (x - 116) % 8, y
        return (255, 40 * s, 0) if 2 <= cx <= 5 and 2 <= cy <= 5 else KEY
    if 32 <= y < 48 and x < 24:  # masked glyph strip: picture 8 x 8, mask below
        s, cx, cy = x // 8, x % 8, (y - 32) % 8
        if y < 40:
            return (0, 90 + 50 * s, 255 - 30 * cx)
        return (255, 255, 255) if (cx + cy) < 3 else (20 * cy, 0, 100)
    return (128, 128 + (x % 7), 128 + (y % 5))


bmp24('MASTER.BMP', 160, 64, master)
# An own masked border: 3 states of 16 x 16 over their mask.
bmp24('OWN.BMP', 48, 32, lambda x, y: border_state(x, y, x // 16) if y < 16
      else (0, 0, 0) if (x % 16 in (0, 15) or y % 16 in (0, 15)) else (100, 160, 220))
# A 32-bit PNG key border (alpha 0 pixels of the key colour are transparent)
# and a half-transparent 32-bit corner picture.
png32('FRAME.PNG', 30, 10, lambda x, y: (255, 0, 255, 0) if (x % 10, y) in ((0, 0), (9, 9))
      else (30 * (x // 10), 200, 10 * y, 255))
png32('CORNER.PNG', 6, 6, lambda x, y: (255, 255 - 40 * x, 40 * y, 25 * (x + y)))
# A pattern (at least 90000 pixels) and a small JPEG texture.
subprocess.check_call(['/usr/bin/convert', '-size', '320x300', 'gradient:#2050a0-#f0c040', '-quality', '90', 'BIG.JPG'])
subprocess.check_call(['/usr/bin/convert', '-size', '20x16', 'pattern:checkerboard', '-quality', '90', 'SMALL.JPG'])
