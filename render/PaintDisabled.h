// The disabled look of a control's cache bitmap.
#pragma once

#include "render/Bitmap.h"
#include "base/Color.h"

namespace taramel {

// The kinds of disabled look, as a set of bits.
enum TsDisabledKind : unsigned { dkGrayed = 1, dkBlended = 2 };

// What lies behind the control in its parent: the parent's picture with the
// offset of the parent's origin inside it, or only a solid colour
// (TransparentKey when the parent gives none).
struct DisabledBackground {
    const TBitmap* Bitmap = nullptr;
    int X = 0;
    int Y = 0;
    TColor SolidColor = clNone;
};

// Greys the 24-bit bitmap when dkGrayed is set; with dkBlended it then keeps
// 40 % of itself over the parent's picture at the control's offset (ox, oy),
// or fades halfway to the parent's solid colour, or, when the parent gives
// no colour either, to `controlColor` (the control's own background colour,
// which the caller asks the control for).
void PaintDisabled(TBitmap& bitmap, unsigned kinds, const DisabledBackground& background, int ox, int oy,
                   TColor controlColor);

}  // namespace taramel
