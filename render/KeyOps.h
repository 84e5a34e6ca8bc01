// Greyscale and the copies that honour the transparent key colour.
#pragma once

#include "render/Bitmap.h"
#include "base/Color.h"
#include "base/Geometry.h"

namespace taramel {

// Every pixel of a 24-bit bitmap becomes the mean of its three bytes (cut
// down). Nothing for other formats or a bitmap under 2 x 2.
void GrayscaleBitmap(TBitmap& bitmap);
// The same for every pixel that is not the key colour k.
void GrayscaleExceptKey(TBitmap& bitmap, TColor k);

// Copies every pixel of a 24-bit source that is not k to (x + i, y + j) of a
// 24- or 32-bit destination (which then gets alpha 255), skipping pixels
// outside the destination.
void CopyNonKeyPixels(TBitmap& destination, const TBitmap& source, int x, int y, TColor k);

// The same for the inclusive source rectangle r (clipped to the source),
// 24-bit to 24-bit, placed at (x, y); pixels outside the destination are
// skipped.
void CopyNonKeyRect(TBitmap& destination, const TBitmap& source, int x, int y, TColor k, TRect r);

// Keeps the transparent corners of a window picture: for every (i, j) of
// the area of size width(d) x height(d) (negative as 0), where the picture
// `image` at origin + (i, j) is the transparent key, the 32-bit destination
// pixel (d.Left + i, d.Top + j) := the 32-bit source pixel (s.Left + i,
// s.Top + j). Pixels that would fall outside any of the three bitmaps are
// left alone.
void RestoreKeyPixels(TBitmap& destination, const TRect& d, const TBitmap& source, const TRect& s,
                      const TBitmap& image, TPoint origin);
// The origin inside a window picture that RestoreKeyPixels reads for a
// corner code: 13 top-left, 14 top-right, 16 bottom-left, 17 bottom-right of
// the first state image (its size stateWidth x stateHeight, the right and
// bottom border widths wr and wb); any other code the top-left.
TPoint KeyCornerOrigin(int corner, const TRect& imageRect, int stateWidth, int stateHeight, int wr, int wb);

// Without a picture: wherever the destination pixel's colour bytes are the
// transparent key, the source pixel replaces it.
void RestoreKeyPixels(TBitmap& destination, const TRect& d, const TBitmap& source, const TRect& s);

}  // namespace taramel
