#!/usr/bin/env python3
"""Writes MASTER.BMP (Close and Minimize buttons) and EXBORDER.PNG of the extended-frames test skin (run
from this folder). EXBORDER has an active and an inactive state, each 24 x 24
with borders of 8: the outer 6 pixels a black shadow (alpha 128 active, 64
inactive), the inner 2 an opaque outline (blue active, grey inactive) that
the form offset of 2 lays over the form's edge, the centre empty."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from skinpictures import bmp24, png32  # noqa: E402

CLOSE = [(200, 0, 0), (255, 128, 0), (128, 0, 0)]    # normal, hot, pressed
MINIMIZE = [(0, 160, 160), (0, 255, 255), (0, 96, 96)]
KEY = (255, 0, 255)
SIDE, EDGE, SHADOW = 24, 8, 6
STATES = [((0, 0, 255), 128), ((100, 100, 100), 64)]  # outline, shadow alpha


def exborder(x, y):
    outline, alpha = STATES[x // SIDE]
    x %= SIDE
    depth = min(x, y, SIDE - 1 - x, SIDE - 1 - y)  # 0 at the outer edge
    if depth < SHADOW:
        return (0, 0, 0, alpha)
    if depth < EDGE:
        return outline + (255,)
    return (255, 255, 255, 0)


def button(x, y):
    """Close above Minimize; a resting Minimize is see-through in its four
    left columns, so that what lies under them shows."""
    if y < 14:
        return CLOSE[x // 16]
    return KEY if x < 4 else MINIMIZE[x // 16]


bmp24('MASTER.BMP', 48, 28, button)
png32('EXBORDER.PNG', 2 * SIDE, SIDE, exborder)
