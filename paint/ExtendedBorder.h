// The picture of a form with an extended border: the frame cache holds the
// form and a drop shadow around it, 32 bits a pixel, for a layered window.
// The form's own rectangle is opaque; the shadow's alpha comes from the
// skin's extended-border image or from the built-in shadow.
#pragma once

#include <cstdint>
#include <memory>

#include "base/Geometry.h"
#include "paint/FrameGeometry.h"
#include "render/Bitmap.h"

namespace taramel {

// Sets the alpha byte of every pixel of `r` (cut to the bitmap) in a 32-bit
// bitmap; other formats have no alpha and are left alone.
void SetAlphaIn(TBitmap& bitmap, const TRect& r, std::uint8_t alpha);

// The built-in shadow as a nine-part picture: its borders are `margins`,
// its centre one pixel. Black, premultiplied, darkest next to the form and
// fading to nothing at the outer edge.
std::unique_ptr<TBitmap> BuiltInShadow(const FrameMargins& margins);

}  // namespace taramel
