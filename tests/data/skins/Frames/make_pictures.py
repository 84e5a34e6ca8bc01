#!/usr/bin/env python3
"""Writes MASTER.BMP of the frames test skin (run from this folder): caption
buttons (Close, Minimize, Help) with a colour per state, a frame border with a
colour per activation and a size grip, so that a pixel read back from a window
tells what was drawn; and a popup menu border whose four corner pixels are
see-through."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from skinpictures import bmp24  # noqa: E402

KEY = (255, 0, 255)
W, H = 72, 42
CLOSE = [(200, 0, 0), (255, 128, 0), (128, 0, 0)]    # normal, hot, pressed
MINIMIZE = [(0, 160, 160), (0, 255, 255), (0, 96, 96)]
HELP = [(150, 0, 150), (230, 120, 40), (70, 0, 70)]
BORDER = [(96, 96, 96), (0, 0, 200)]                 # inactive, active
GRIP = (10, 200, 10)                                 # a 12 x 12 triangle
MENU_BORDER = (40, 40, 160)                          # 12 x 12, 3 wide


def pixel(x, y):
    if x < 48:
        states = CLOSE if y < 14 else MINIMIZE if y < 28 else HELP
        return states[x // 16]
    if y < 12:
        state, bx = divmod(x - 48, 12)
        return BORDER[state] if bx < 3 or bx >= 9 or y < 3 or y >= 9 else KEY
    if x < 60 and y < 24:
        return GRIP if (x - 48) + (y - 12) >= 11 else KEY
    if y < 24:
        bx, by = x - 60, y - 12
        if bx in (0, 11) and by in (0, 11):
            return KEY
        return MENU_BORDER if bx < 3 or bx >= 9 or by < 3 or by >= 9 else KEY
    return KEY


bmp24('MASTER.BMP', W, H, pixel)
