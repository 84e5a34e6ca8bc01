// Where a button puts its glyph and its caption: the free space around the
// pair is shared out by the glyph's side (layout) and the alignment, with
// the margin kept from the edges.
#pragma once

#include <windows.h>

namespace taramel {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonAlign { Left, Center, Right };

struct ButtonLayoutInput {
    int Width = 0, Height = 0;
    int GlyphWidth = 0, GlyphHeight = 0;
    int TextWidth = 0, TextHeight = 0;
    int Margin = -1;
    int Spacing = 4;
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    TButtonAlign Alignment = TButtonAlign::Center;
    int DropDownWidth = 0;     // the part kept for a drop-down arrow
    bool CaptionShown = true;  // a caption is shown and is not empty
};

struct ButtonLayoutResult {
    RECT Glyph;
    RECT Text;
};

// Both rectangles in the normal state (a pressed button moves them by 1).
ButtonLayoutResult LayoutButton(const ButtonLayoutInput& in);

}  // namespace taramel
