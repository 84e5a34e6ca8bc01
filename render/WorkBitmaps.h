// Work bitmaps: the off-screen bitmaps every skinned picture is painted in,
// and the whole-bitmap utilities on them.
#pragma once

#include <memory>

#include "render/Bitmap.h"
#include "base/Color.h"
#include "base/Geometry.h"

namespace taramel {

// New bitmaps; the contents are to be painted by the caller (the portable
// storage starts zeroed).
std::unique_ptr<TBitmap> CreateWorkBitmap24(int width, int height);
std::unique_ptr<TBitmap> CreateWorkBitmap32(int width, int height);
// The source's size and pixel format.
std::unique_ptr<TBitmap> CreateBitmapLike(const TBitmap& source);

// Fills the rectangle of a 32-bit bitmap with the opaque colour (bytes blue,
// green, red, 255). Nothing for a bitmap under 2 x 2 or of another format;
// the rectangle is clipped to the bitmap.
void FillRect32(TBitmap& bitmap, const TRect& rect, TColor color);

// Copies byte `channel` (0 blue, 1 green, 2 red, 3 alpha) of every pixel of a
// 32-bit bitmap into an 8-bit bitmap (extract) or back (not extract), over
// the 32-bit bitmap's size. Nothing when the formats are not 32 and 8 bits,
// the channel is outside 0..3 or the 8-bit bitmap is smaller.
void CopyChannel(TBitmap& bitmap32, TBitmap& bitmap8, int channel, bool extract);

}  // namespace taramel
