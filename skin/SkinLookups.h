// Finding sections, images and patterns of a loaded skin, and the skin's
// common colours. Names compare exactly, with regard to case; the first match
// in table order wins; -1 means not found. Image lookups follow a section's
// PARENTCLASS chain, which is cut where it returns to a section already seen.
#pragma once

#include <string_view>

#include "base/Color.h"
#include "skin/SkinTables.h"

namespace taramel {

int FindSection(const TSkinTables& t, std::string_view sectionName);
int FindImage(const TSkinTables& t, int sectionIndex, std::string_view sectionName, std::string_view propertyName);
int FindImageExact(const TSkinTables& t, std::string_view sectionName, std::string_view propertyName);
int FindTexture(const TSkinTables& t, int sectionIndex, std::string_view sectionName, std::string_view propertyName);
int FindPattern(const TSkinTables& t, int sectionIndex, std::string_view sectionName, std::string_view propertyName);

bool SectionExists(const TSkinTables& t, int index);
bool ImageExists(const TSkinTables& t, int index);

// Width and height of one state image (for an image with its own bitmap: a
// third of its width and half its height, whatever its ImageCount).
TSize ImageStateSize(const TSkinTables& t, int imageIndex);
// The nine-part border widths: WL (WT, WR, WB) when above 0, else BorderWidth
// when above 0, else the state image width (height). 0 for a missing image.
int BorderLeft(const TSkinTables& t, int imageIndex);
int BorderTop(const TSkinTables& t, int imageIndex);
int BorderRight(const TSkinTables& t, int imageIndex);
int BorderBottom(const TSkinTables& t, int imageIndex);

TColor GlobalBackColor(const TSkinTables& t);
TColor GlobalTextColor(const TSkinTables& t);
TColor GlobalHotColor(const TSkinTables& t);
TColor EditHotTextColor(const TSkinTables& t);
TColor HighlightBackColor(const TSkinTables& t);
TColor HighlightTextColor(const TSkinTables& t);

// Refreshes the cached indexes from the tables (with empty tables every entry
// is -1, but the glyph masks of missing scroll sections keep their values).
void RefreshCommonIndexes(TSkinTables& t);

}  // namespace taramel
