// The colours and passes of skinned text, and the text helpers that need no
// device: fitting a caption with an ellipsis and the dotted focus frame.
// Drawing the passes with a font is the Win32 half (Text_win.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "render/Bitmap.h"
#include "base/Color.h"
#include "base/Geometry.h"
#include "skin/SkinTables.h"

namespace taramel {

// One drawing of the text: moved by (Dx, Dy), in Color, and whether the
// main drawing is unclipped (DT_NOCLIP added to the caller's flags).
struct TextPass {
    int Dx = 0;
    int Dy = 0;
    TColor Color = 0;
    bool NoClip = false;
};

// What the text is drawn for.
struct TextLook {
    bool Enabled = true;
    bool Hot = false;
    bool CustomFont = false;  // the control keeps its own font colour: no contours
    TColor CurrentColor = 0;  // the font colour in force (used without a section)
};

// A control's caption: with a valid section the contours left, top, right,
// bottom (one pixel out, skipped where the colour is -1), then the main text
// unclipped; disabled text is the main colour mixed 40 % over the skin's
// background colour. Without a section one pass in the current colour.
std::vector<TextPass> SkinTextPasses(const TSkinTables& tables, int sectionIndex, const TextLook& look);
// Text in a given section's colours: the same, but the main text keeps the
// caller's clipping, disabled text mixes over the section's own colour, and
// an invalid section draws nothing.
std::vector<TextPass> SectionTextPasses(const TSkinTables& tables, int sectionIndex, const TextLook& look);

// The longest prefix of a UTF-8 text that fits `width` pixels with "..."
// appended (characters are removed whole); the text itself when it fits, and
// empty when not even one character fits or the width is not above 0.
using TextMeasure = std::function<int(std::string_view)>;
std::string FitTextWithEllipsis(std::string_view text, int width, const TextMeasure& measure);

// The dotted focus frame: black dots every third pixel on the rectangle's
// edges with white dots one pixel up and left of them. Clipped to the bitmap.
void DrawDottedFocus(TBitmap& bitmap, const TRect& r);

}  // namespace taramel
