// Byte-weight blending of one work bitmap into another:
// dst := (dst * w + src * (255 - w) + 127) >> 8 on every byte (BlendByte).
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/Bitmap.h"
#include "base/Geometry.h"

namespace taramel {

// Blends the source rectangle r onto the destination at (x, y), w being the
// share the destination keeps. Both 24-bit or both 32-bit (alpha blended like
// the colours); nothing for other formats. The rectangle is clipped in this
// order: a negative x or y moves r's left/top edge, a negative r left/top
// moves the point, r is cut at the source's right and bottom, then at the
// destination's.
void BlendBitmaps(TBitmap& destination, TBitmap& source, int w, int x, int y, TRect r);

// Blends two 24-bit bitmaps of the same size position by position; nothing
// when the sizes differ or either is under 2 x 2.
void BlendSameSize(TBitmap& destination, TBitmap& source, int w);

// out := destination blended with source (w the share the destination
// keeps) in one pass, the three 24-bit bitmaps of the same size, at least
// 2 x 2 (out may be either input). False, and nothing written, otherwise.
bool BlendSameSizeInto(TBitmap& out, const TBitmap& destination, const TBitmap& source, int w);

// The byte loops, exposed so that the vector loop can be tested against the
// plain one byte for byte. Both blend n bytes of src into dst.
void BlendBytes(std::uint8_t* dst, const std::uint8_t* src, std::size_t n, unsigned w);
void BlendBytesReference(std::uint8_t* dst, const std::uint8_t* src, std::size_t n, unsigned w);
// The same loop writing to out (which may be dst; it must not overlap src
// otherwise).
void BlendBytesInto(std::uint8_t* out, const std::uint8_t* dst, const std::uint8_t* src, std::size_t n, unsigned w);

// Lets the loops use 32-byte registers where the processor has them (the
// default) or keeps them to the 16-byte ones every supported processor has,
// so tests can check both; returns the previous setting.
bool UseWideBlendLoops(bool on);

// One pixel of `bpp` bytes (1 to 4) blended into n bytes of pixels:
// dst[k] := BlendByte(dst[k], pixel[k % bpp], w).
void BlendColourBytes(std::uint8_t* dst, const std::uint8_t* pixel, int bpp, std::size_t n, unsigned w);

}  // namespace taramel
