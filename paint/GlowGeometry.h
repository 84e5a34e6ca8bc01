// Where the glow around a control goes and how much of it shows: the glow
// picture's nine-part borders reach out from the control, pulled in by the
// skin's margin, and the glow is cut where the control itself is hidden.
#pragma once

#include "base/Geometry.h"

namespace taramel {

struct GlowBorders {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct GlowPlacement {
    bool Shown = false;   // false when nothing of the glow is left
    int Width = 0;        // the window, after cutting
    int Height = 0;
    int CropLeft = 0;     // where the window's picture starts in the whole glow
    int CropTop = 0;
    TPoint At;            // the window's top-left on the screen
    int FullWidth = 0;    // the whole glow before cutting
    int FullHeight = 0;
};

// The glow of a control at `control` (screen) whose visible part is
// `visible` (screen too; anything outside the control is ignored).
GlowPlacement PlaceGlow(const TRect& control, const TRect& visible, GlowBorders borders, int margin);

}  // namespace taramel
