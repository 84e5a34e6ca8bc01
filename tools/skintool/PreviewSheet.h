// One picture with every section of a skin in every state, at a typical
// size, with the skin's check marks, radio marks, caption buttons and glows,
// each row labelled: the whole skin at a glance.
#pragma once

#include "render/Bitmap.h"
#include "skin/SkinTables.h"

namespace taramel::skintool {

// The hue offset and saturation are only written into the title: the
// tables are expected to be recoloured already.
void PaintPreviewSheet(const TSkinTables& tables, int hueOffset, int saturation, TBitmap& sheet);

}  // namespace taramel::skintool
