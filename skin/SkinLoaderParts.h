// Steps shared by the two ways of filling the skin tables: from an options
// text (SkinLoader) and from a skin stored in the manager (StoredSkinLoader).
#pragma once

#include <cstdint>

#include "render/Bitmap.h"
#include "skin/OptionsText.h"
#include "skin/SkinTables.h"
#include "skin/SkinLoader.h"

namespace taramel {

// a / b as a border width; b == 0 raises "Division by zero".
std::int16_t DivideOrThrow(int a, int b);
// Border widths from the image's size: WL = WR = width div (ImageCount * 3),
// WT = WB = height div the divisor ((MaskType + 1) * 3 unless given).
void DeriveBorders(TsMaskData& m, int heightDivisor);
void DeriveBorders(TsMaskData& m);
// An image cut out of the master bitmap is kept only when its rectangle lies
// inside it: painting and the controls' caches size themselves from the
// rectangle, so an absurd one must not reach them.
bool MasterRectFits(const TBitmap* master, const TRect& rect);
// After the sections are read: the common sections merged, the border and
// corner indexes looked up, the colours adjusted.
void FinishSections(TSkinTables& t, const TOptionsText& common, const TSkinLoadSettings& settings);

}  // namespace taramel
