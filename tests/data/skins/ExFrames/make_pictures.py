#!/usr/bin/env python3
"""Writes MASTER.BMP and EXBORDER.PNG of the extended-frames test skin (run
from this folder). EXBORDER has an active and an inactive state, each 24 x 24
with borders of 8: the outer 6 pixels a black shadow (alpha 128 active, 64
inactive), the inner 2 an opaque outline (blue active, grey inactive) that
the form offset of 2 lays over the form's edge, the centre empty."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from skinpictures import bmp24, png32  # noqa: E402

CLOSE = [(200, 0, 0), (255, 128, 0), (128, 0, 0)]    # normal, hot, pressed
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


bmp24('MASTER.BMP', 48, 14, lambda x, y: CLOSE[x // 16])
png32('EXBORDER.PNG', 2 * SIDE, SIDE, exborder)
