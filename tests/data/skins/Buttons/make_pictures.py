#!/usr/bin/env python3
"""Writes MASTER.BMP of the buttons test skin (run from this folder): a
button border whose colour tells its state, with key-colour corners that a
window's shape leaves out, and the radio marks, one colour per state and
per checked or not."""
import struct

KEY = (255, 0, 255)
W, H = 114, 13


def bmp24(path, w, h, pixel):
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    head = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(head + info + data)


BUTTON = [(100, 100, 100), (0, 200, 0), (200, 0, 0)]        # normal, hot, pressed
CHECKED = [(0, 0, 120), (0, 120, 0), (120, 0, 0)]
UNCHECKED = [(200, 200, 0), (0, 200, 200), (200, 120, 0)]


def pixel(x, y):
    # (0,0)-(36,12): the button's border, three states of 12 x 12, 3 wide,
    # the corner pixel of each state in the key colour.
    if y < 12 and x < 36:
        state, sx = divmod(x, 12)
        if (sx in (0, 11)) and (y in (0, 11)):
            return KEY
        if sx < 3 or sx >= 9 or y < 3 or y >= 9:
            return BUTTON[state]
        return KEY
    # (36,0)-(75,13): the checked mark, three states of 13 x 13; then the
    # unchecked one at (75,0)-(114,13).
    if 36 <= x < 75:
        return CHECKED[(x - 36) // 13]
    if 75 <= x < 114:
        return UNCHECKED[(x - 75) // 13]
    return (255, 255, 255)


bmp24('MASTER.BMP', W, H, pixel)
