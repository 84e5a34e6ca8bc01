// Skinned text on a device context: captions in their section's colours with
// contours, and the small GDI text and frame helpers.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "paint/Text.h"

namespace taramel {

// How a control's caption is drawn. The caller chooses the section whose
// colours apply (a see-through control's caption may take its parent's).
struct SkinTextRequest {
    const TSkinTables* Tables = nullptr;  // null: no skin, plain text
    int SectionIndex = -1;
    bool Enabled = true;
    bool Hot = false;
    bool CustomFont = false;
    HFONT Font = nullptr;    // the owner's font; null keeps the DC's
    bool Underline = false;  // a hot web button underlines its caption
};

// The caption clipped to the rectangle: contours, then the main text
// unclipped; disabled text in the washed-out colour. The DC's font, colours
// and clipping come back as they were.
void DrawSkinText(HDC dc, std::string_view text, const SkinTextRequest& request, UINT flags, const RECT& rect);

// Text in a given section's colours with the caller's flags as they are;
// nothing without tables, for an invalid section or an empty text.
void DrawSectionText(HDC dc, std::string_view text, const TSkinTables* tables, int sectionIndex, bool enabled,
                     bool hot, UINT flags, const RECT& rect);

// DrawTextW of a UTF-8 text; returns the height drawn.
int DrawTextUtf8(HDC dc, std::string_view text, RECT& rect, UINT flags);
// The extent of a UTF-8 text in the DC's current font.
SIZE TextExtentUtf8(HDC dc, std::string_view text);
// The extent of a text in a font, measured on the screen; (0, 0) on failure.
SIZE FontTextExtent(HFONT font, std::string_view text);
// FitTextWithEllipsis measured in the DC's current font.
std::string FitTextWithEllipsis(HDC dc, std::string_view text, int width);

// A bevel `count` lines thick: top and left in one colour, right and bottom
// in the other (system colours resolved for both). The rectangle comes back
// shrunk by the lines drawn and count as 0.
void DrawFrame3D(HDC dc, RECT& rect, TColor topLeft, int& count, TColor bottomRight);

}  // namespace taramel
