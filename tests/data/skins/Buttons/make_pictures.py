#!/usr/bin/env python3
"""Writes MASTER.BMP of the buttons test skin (run from this folder): a
button border whose colour tells its state, with key-colour corners that a
window's shape leaves out, and the radio marks, one colour per state and
per checked or not; and GLOW.PNG, the button's glow."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from skinpictures import bmp24, png32  # noqa: E402

KEY = (255, 0, 255)
W, H = 114, 13


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


# GLOW.PNG: the button's glow, 12 x 12 with borders of 4: blue, half
# see-through, and a see-through middle that the glow never fills.
def glow(x, y):
    if 4 <= x < 8 and 4 <= y < 8:
        return (0, 0, 0, 0)
    return (0, 0, 255, 128)


png32('GLOW.PNG', 12, 12, glow)
