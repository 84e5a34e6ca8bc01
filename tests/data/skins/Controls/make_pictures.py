#!/usr/bin/env python3
"""Writes MASTER.BMP of the controls test skin (run from this folder). Every
part has colours of its own so that a test reading a pixel back knows which
part, and which state of it, was drawn there."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from skinpictures import bmp24  # noqa: E402

KEY = (255, 0, 255)
W, H = 64, 24


STATE_FRAMES = [(128, 128, 128), (0, 192, 0), (224, 0, 0)]  # normal, hot, pressed


def pixel(x, y):
    # (0,0)-(36,12): the speed button's border, three states of 12 x 12, 3 wide.
    if y < 12 and x < 36:
        state, sx = divmod(x, 12)
        if sx < 3 or sx >= 9 or y < 3 or y >= 9:
            return STATE_FRAMES[state]
        return KEY
    # (0,12)-(12,24): the size grip, dark dots on the key colour.
    if y >= 12 and x < 12:
        gx, gy = x, y - 12
        return (32, 32, 32) if (gx + gy) >= 12 and gx % 3 == 0 and gy % 3 == 0 else KEY
    # (12,12)-(16,24): the divider, dark then light, two pixels each.
    if y >= 12 and 12 <= x < 16:
        return (128, 0, 0) if x < 14 else (255, 160, 160)
    # (16,12)-(28,24): the group box frame, 2 wide, blue around a key centre.
    if y >= 12 and 16 <= x < 28:
        gx, gy = x - 16, y - 12
        return (0, 0, 200) if gx < 2 or gx >= 10 or gy < 2 or gy >= 10 else KEY
    return (255, 255, 255)


bmp24('MASTER.BMP', W, H, pixel)
