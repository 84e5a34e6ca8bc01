// The system's own looks, drawn into a skinned picture where the skin has no
// usable image for a piece the user must see and click: a caption button, a
// radio or check mark. A skin without them still gives a window that works.
#pragma once

#include "base/Geometry.h"
#include "paint/FrameGeometry.h"
#include "render/Bitmap.h"

namespace taramel {

// How a built-in piece is drawn: 0 normal, 1 hot, 2 pressed.
struct BuiltInLook {
    int State = 0;
    bool Enabled = true;
};

// A caption button's face with its glyph filling `r`; `restore` draws the
// restore glyph in the place of Maximize or Minimize.
void DrawBuiltInCaptionButton(TBitmap& destination, const TRect& r, TCaptionButton button, bool restore,
                              const BuiltInLook& look);

enum class TBuiltInMark { Radio, Check };

// A radio or check mark of the system's size centred in `r`.
void DrawBuiltInMark(TBitmap& destination, const TRect& r, TBuiltInMark mark, bool checked, const BuiltInLook& look);

}  // namespace taramel
