// Painting a skin section: its background (colour, gradient, texture, the
// parent's picture showing through), its corner images and its border image.
// The painters take the skin tables, not a manager or a window, so the same
// code serves controls, frames and menus and runs in tests without windows.
#pragma once

#include <string_view>

#include "paint/BgCache.h"
#include "render/Bitmap.h"
#include "base/Geometry.h"
#include "skin/SkinTables.h"

namespace taramel {

// Where a section is painted: the bitmap, the rectangle in it, and the
// offset added to the cache's origin when the parent's picture is read.
struct SectionTarget {
    TBitmap* Bitmap = nullptr;
    TRect Rect;
    int OffsetX = 0;
    int OffsetY = 0;
};

// The section's images chosen by the caller: -1 lets the painter look the
// section's "PATTERN" / "HOTPATTERN" up itself.
struct SectionPatterns {
    int Pattern = -1;
    int HotPattern = -1;
};

// The section's background over the rectangle, in its hot look when `hot`.
// A custom colour (not 0xFF00FF) replaces the section's colour, gradient,
// texture and transparency. Nothing for an invalid section.
void PaintSectionBackground(const TSkinTables& tables, int sectionIndex, std::string_view sectionName,
                            const BgCache& bg, TColor customColor, SectionPatterns patterns,
                            const SectionTarget& target, bool hot);

// Background, corner images and border image of the section in `state`
// (0 normal, 1 hot, 2 pressed...). Nothing unless the rectangle is a
// non-empty part of the bitmap.
void PaintSection(const TSkinTables& tables, int sectionIndex, std::string_view sectionName, const BgCache& bg,
                  SectionPatterns patterns, const SectionTarget& target, int state, bool fillCentre);

// The scroll-bar variant: the given pattern index used as it is, only a
// cache bitmap shows through, and a given border image drawn on top.
void PaintSectionWithMask(const TSkinTables& tables, int sectionIndex, int borderIndex, SectionPatterns patterns,
                          const SectionTarget& target, int state, bool fillCentre, const BgCache& bg);

}  // namespace taramel
