// Building the frame cache of a form with an extended border: the form made
// opaque and the shadow laid around it.
#pragma once

#include "paint/ExtendedBorder.h"

namespace taramel {

// In the 32-bit `cache`: every pixel of `form` gets alpha 255; `shadow`
// (the skin's extended-border image or BuiltInShadow) is stretched as nine
// parts with `shadowBorders` as its borders onto `form` grown by `margins`
// (edges stretched, the centre left alone); where the shadow's corners fell
// on the redrawn title band `title`, its alpha is forced back to 255.
void ComposeExtendedBorder(TBitmap& cache, const TRect& form, TBitmap& shadow, const FrameMargins& shadowBorders,
                           const FrameMargins& margins, const TRect& title);

}  // namespace taramel
