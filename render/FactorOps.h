// Real-factor colour operations. They round to the nearest integer with ties
// to even (PixelMath.h) and are meant for small bitmaps (glyphs, disabled
// controls). A bitmap under 2 x 2 or not of 24 or 32 bits is left unchanged;
// the alpha byte of 32-bit pixels is never written.
#pragma once

#include "render/Bitmap.h"
#include "base/Color.h"
#include "base/Geometry.h"

namespace taramel {

// dst := round(src - f * (src - dst)) for the inclusive source rectangle r
// placed at (x, y): f is the share of the destination that remains. Source
// pixels equal to key k are skipped unless k's high byte is 0xFF (a 24-bit
// source compares blue, green, red; a 32-bit source its whole value read as
// 0xAABBGGRR). Any pairing of 24- and 32-bit bitmaps is accepted.
void BlendByFactor(TBitmap& destination, int x, int y, TColor k, double f, TRect r, const TBitmap& source);

// px := round(f * (px - c) + c) for every pixel not equal to key k (24-bit:
// the three colour bytes; 32-bit: the whole value, so only alpha 0 matches).
void TintTowardColor(TBitmap& bitmap, TColor c, TColor k, double f);

// px := round(f * px + (1 - f) * c), f = percent / 100, over the inclusive
// rectangle clipped to the bitmap; a system colour c is converted first.
void FadeRectToColor(TBitmap& bitmap, TRect r, int percent, TColor c);

// round(x * a + (1 - x) * b) per channel; keeps a's high byte.
TColor MixColors(TColor a, TColor b, double x);
// (a * 127 + b * 129) >> 8 per channel; high byte 0.
TColor AverageColors(TColor a, TColor b);

}  // namespace taramel
