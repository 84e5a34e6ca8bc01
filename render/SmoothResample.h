// Filtered resizing of a work bitmap in two separable passes with
// fixed-point weights.
#pragma once

#include "render/Bitmap.h"

namespace taramel {

enum class TResampleFilter {
    Box = 0,
    Triangle = 1,
    Hermite = 2,
    Bell = 3,
    BSpline = 4,
    SineWindow = 5,
    Mitchell = 6,
};

inline constexpr const char* kSourceTooSmall = "Source bitmap is too small";

// Resizes source into destination (which may be the source itself) at
// newWidth x newHeight with the filter of the given index (0..6, see
// TResampleFilter). A source under 2 x 2 raises taramel::Exception
// kSourceTooSmall; so does an unknown filter index or a size under 1 x 1.
// The source is converted in place to the working format: 32 bits when it
// is 32-bit, else 24 bits; the destination gets that format.
void SmoothResample(TBitmap& source, TBitmap& destination, int newWidth, int filter, int newHeight);

// The filter's value at signed distance d (in source pixels scaled by the
// shrink factor) and its support; for tests of the filter table.
double ResampleFilterValue(int filter, double d);
double ResampleFilterSupport(int filter);

}  // namespace taramel
