// Sections and skin images painted into pictures by the engine's own
// painters, for the skin tool's paint and preview commands.
#pragma once

#include <string>

#include "render/Bitmap.h"
#include "base/Color.h"
#include "skin/SkinTables.h"

namespace taramel::skintool {

// The look a picture shows: the section's states, and a disabled control
// (its normal look over its parent, faded half into the parent's picture).
enum TPictureState { psNormal = 0, psHot = 1, psPressed = 2, psDisabled = 3, psStateCount = 4 };

// What a section is painted over: a colour, or another section (in its
// normal look); without either, the skin's global background colour.
struct TPictureParent {
    TColor Color = clNone;  // 0xFF00FF: none
    std::string Section;      // wins over Color when not empty
};

// A 24-bit picture of `section` at the size and state over the parent, as
// the program paints a control's cache: the parent's picture first, then the
// section with that picture behind it (transparent parts and key-colour
// corners show it). Throws taramel::Exception for an unknown section (or
// parent section) and for a size below 1 x 1.
void PaintSectionPicture(const TSkinTables& tables, const std::string& section, int width, int height,
                         TPictureState state, const TPictureParent& parent, TBitmap& picture);

// Parses a state given by number (0 to 3) or name (normal, hot, pressed,
// disabled); throws taramel::Exception for anything else.
TPictureState ParsePictureState(const std::string& text);
const char* PictureStateName(TPictureState state);

}  // namespace taramel::skintool
