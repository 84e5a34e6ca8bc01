// Operations that weigh every channel of every pixel by a mask bitmap or a
// byte weight with integer shifts (PixelMath.h).
#pragma once

#include "render/Bitmap.h"
#include "base/Color.h"
#include "base/Geometry.h"

namespace taramel {

// px := c + floor(m * (px - c) / 256), m the mask's byte of the same channel.
// Both 24-bit and of one size (at least 2 x 2); otherwise nothing.
void ShadeWithMaskBitmap(TBitmap& bitmap, const TBitmap& mask, TColor c);

// target := (w * (first - second) + second * 256) >> 8 for blue, green, red;
// the target's alpha is not written. First and second are 24-bit and of one
// size, the target 32-bit and at least that size; otherwise nothing.
void MixToBitmap32(TBitmap& target, const TBitmap& first, const TBitmap& second, int w);
// The same with w taken per pixel and channel from a 24-bit mask bitmap of
// at least the same size.
void MixToBitmap32(TBitmap& target, const TBitmap& first, const TBitmap& second, const TBitmap& mask);

// Tints the rectangle of a 24- or 32-bit bitmap toward c through a rounded
// mask whose edge of depth n fades in: the centre keeps percent p of the
// picture (weight p * 255 / 100), the outer ring all of it. A 32-bit
// bitmap's rectangle comes back with alpha 0, as a device copy from a 24-bit
// picture leaves it.
void ShadeRoundRect(TBitmap& bitmap, const TRect& rect, int p, int r, int n, TColor c);

// Fills the rounded rectangle (left, top, right, bottom exclusive) of an 8-
// or 24-bit bitmap with a grey level; the corners are quarter ellipses of
// `corner` pixels across (a corner under 2 gives a plain rectangle). Clipped
// to the bitmap.
void FillRoundRectGrey(TBitmap& bitmap, const TRect& rect, int corner, std::uint8_t grey);

}  // namespace taramel
