// The device-context side of section painting: a section straight onto a
// DC, a section found by name, and the solid fills and border-strip copies
// of the non-client frames.
#pragma once

#include <windows.h>

#include <string_view>

#include "paint/SectionPaint.h"

namespace taramel {

// PaintSection through a 24-bit work bitmap of the rectangle's size, copied
// to the DC at the rectangle. Nothing for an invalid section or an empty
// rectangle or one with a negative corner.
void PaintSectionToDC(const TSkinTables& tables, int sectionIndex, std::string_view sectionName, const BgCache& bg,
                      HDC dc, TPoint offset, const RECT& rect, int state, bool fillCentre);

// Paints the section named `name` (or `fallback` when that is no section)
// over the whole bitmap, centre included. With a DC the bitmap first takes
// what the DC shows at the rectangle's corner, and see-through parts show
// it. Returns the section index, -1 when neither name is a section.
int PaintSectionByName(const TSkinTables& tables, TBitmap& bitmap, std::string_view name, std::string_view fallback,
                       HDC dc, int state, const RECT& rect);

// FillRect with a solid brush of the colour (system colours resolved).
void FillSolid(HDC dc, const RECT& rect, TColor color);
// Four strips inside the rectangle: top (full width), left (below it),
// bottom (right of the left strip), right (between top and bottom).
void FillBorderFrame(HDC dc, const RECT& rect, int left, TColor color, int bottom, int right, int top);

// Copies the frame b pixels wide of a W x H area from the source DC to the
// same place of the destination: four strips of exactly their own size, so
// that a destination without clipping (a memory or printer DC) gets nothing
// outside the area.
void CopyBorderStrips(HDC destination, int b, HDC source, int width, int height);

}  // namespace taramel
