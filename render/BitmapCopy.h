// Copies between work bitmaps that the Win32 painter would do with BitBlt and
// StretchBlt, written portably so that the pixels come out the same in every
// build and tests can check them.
#pragma once

#include <cstdint>

#include "render/Bitmap.h"
#include "base/Geometry.h"

namespace taramel {

// A plain copy (SRCCOPY) of the source rectangle to (x, y), clipped to both
// bitmaps. Same formats copy bytes; between 24 and 32 bits the colour bytes
// are copied and a 32-bit destination gets alpha 0, as a device copy leaves
// it. Other format pairs copy nothing. Overlapping areas of one bitmap are
// copied as if through a temporary.
void CopyBitmapRect(TBitmap& destination, int x, int y, const TBitmap& source, TRect r);

// The halftone stretch: every destination pixel of `to` is the area-weighted
// mean of the source pixels that its area covers in `from` (rounded to
// nearest), byte by byte, so it works for 8, 24 and 32 bits alike. Nothing
// when the formats differ, `from` is not inside the source or either is
// empty; destination pixels outside the destination are skipped.
void StretchBitmapRect(TBitmap& destination, const TRect& to, const TBitmap& source, const TRect& from);

// 96 bytes of one pixel of `bpp` bytes (1 to 4) repeated: 96 holds whole
// pixels of every such size, so a row can be laid in blocks of 96 bytes.
void PixelPattern96(std::uint8_t (&pattern)[96], const std::uint8_t* pixel, int bpp);

// Repeats the pixel of `bpp` bytes `count` times from p (nothing for a
// count below 1).
void RepeatPixel(std::uint8_t* p, const std::uint8_t* pixel, int bpp, int count);

}  // namespace taramel
