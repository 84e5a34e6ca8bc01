// Composing a 32-bit image with its alpha onto a 24-bit bitmap: the one rule
// that PNG drawing and the alpha image list share (extra transparency, colour
// tint, a background cache for key pixels and a fading reflection).
#pragma once

#include <cstdint>

#include "render/Bitmap.h"
#include "base/Geometry.h"

namespace taramel {

// "No tint".
constexpr std::uint32_t kNoTint = 0x1FFFFFFF;

// Where key-coloured source pixels come from when a background is given.
struct TComposeBackground {
    const TBitmap* bitmap = nullptr;  // 24- or 32-bit; without one every pixel is composed
    int x = 0;                        // the cache pixel under destination (0, 0)
    int y = 0;
    bool useBackground = false;  // key pixels take the cache pixel (else they are left alone)
};

struct TComposeOptions {
    int blendPercent = 0;          // extra transparency 0..100
    std::uint32_t tint = kNoTint;  // colour 0x00BBGGRR that the image is tinted with
    bool reflection = false;       // a mirrored, fading copy below the destination rectangle
    const TComposeBackground* background = nullptr;
};

// Composes rectangle source of image onto rectangle destination of target.
// The image is converted to 32 bits first and a tint is applied to the image
// itself (its key pixels excepted). The counts are the smaller of both
// rectangles, clipped to both bitmaps; a negative left or top on either side
// moves both rectangles inward. Per pixel with alpha A (made (100 - p) * A div
// 100 by a blend percent p): dst += floor((src - dst) * A / 256). The target
// may be 24- or 32-bit (its alpha is left alone); other formats are skipped.
void ComposeImage32(TBitmap& target, TRect destination, TBitmap& image, TRect source,
                    const TComposeOptions& options);

// Every pixel of a 32-bit bitmap that is white with alpha 0 becomes 0
// (transparent black), so that filtering and stretching do not bleed white
// into the edges of a picture.
void ClearWhiteTransparent(TBitmap& bitmap);

// Every colour of a 32-bit bitmap multiplied by its alpha (rounded to the
// nearest), as layered windows take their pictures.
void PremultiplyAlpha(TBitmap& bitmap);

}  // namespace taramel
