// Recolouring a loaded skin: hue rotation by degrees, then a saturation change.
// All rounding goes to the nearest integer, a half to the even neighbour.
// The key colour 0xFF00FF and grey colours are never changed, so transparent
// parts stay transparent.
#pragma once

#include <cstdint>

#include "render/Bitmap.h"
#include "base/Color.h"

namespace taramel {

struct TSkinTables;

// One plain RGB colour (0x00BBGGRR; the high byte is ignored and cleared).
TColor RotateHue(TColor color, int degrees);
// Saturation s: the amount k = -s modulo 101 (sign of -s); k = 100 gives grey,
// positive k moves toward grey, negative away from it.
TColor ChangeSaturation(TColor color, int saturation);
// Both, hue first; the key colour and greys unchanged; 0 amounts change nothing.
TColor AdjustSkinColor(TColor color, int hueOffset, int saturation);

// Every pixel of a 24- or 32-bit bitmap (alpha bytes kept).
void AdjustBitmapColors(TBitmap& bitmap, int hueOffset, int saturation);

// The whole skin: the master bitmap, every image with its own bitmap (made
// 24-bit unless it is 32-bit), the colours of every section (font colours of
// -1 skipped), the gradients' colours and the skin-wide shadow and border
// colours. System colours (negative values) are left as they are: they are
// not RGB values.
void AdjustSkinColors(TSkinTables& tables, int hueOffset, int saturation);

}  // namespace taramel
