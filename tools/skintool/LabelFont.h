// A small pixel font for the labels of the skin tool's pictures: capitals,
// digits and a few signs, 5 x 7 pixels in a 6-pixel advance. Lower case is
// drawn as capitals; any other character as a question mark. It needs no
// platform text output, so the pictures come out the same natively and
// under Windows.
#pragma once

#include <string_view>

#include "render/Bitmap.h"
#include "base/Color.h"

namespace taramel::skintool {

inline constexpr int kLabelAdvance = 6;
inline constexpr int kLabelHeight = 7;

// Width in pixels of a text at the scale.
int LabelWidth(std::string_view text, int scale = 1);
// Draws the text with its top-left corner at (x, y) into a 24- or 32-bit
// bitmap, clipped to it; every scale-by-scale dot in the colour.
void DrawLabel(TBitmap& bitmap, int x, int y, std::string_view text, TColor color, int scale = 1);

}  // namespace taramel::skintool
