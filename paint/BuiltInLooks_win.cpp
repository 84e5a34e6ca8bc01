#include "paint/BuiltInLooks_win.h"

#include <windows.h>

#include <algorithm>

#include "render/Bitmap_win.h"

namespace taramel {

namespace {

UINT LookFlags(const BuiltInLook& look)
{
    UINT flags = 0;
    if (look.State == 2)
        flags |= DFCS_PUSHED;
    else if (look.State == 1)
        flags |= DFCS_HOT;
    if (!look.Enabled)
        flags |= DFCS_INACTIVE;
    return flags;
}

UINT CaptionGlyph(TCaptionButton button, bool restore)
{
    switch (button) {
    case cbClose: return DFCS_CAPTIONCLOSE;
    case cbMax: return restore ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
    case cbMin: return restore ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN;
    default: return DFCS_CAPTIONHELP;
    }
}

void DrawFrame(TBitmap& destination, const TRect& r, UINT type, UINT state)
{
    HDC dc = BitmapDC(destination);
    if (dc == nullptr || r.Empty())
        return;
    RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    DrawFrameControl(dc, &rect, type, state);
    GdiFlush();
}

}  // namespace

void DrawBuiltInCaptionButton(TBitmap& destination, const TRect& r, TCaptionButton button, bool restore,
                              const BuiltInLook& look)
{
    DrawFrame(destination, r, DFC_CAPTION, CaptionGlyph(button, restore) | LookFlags(look));
}

void DrawBuiltInMark(TBitmap& destination, const TRect& r, TBuiltInMark mark, bool checked, const BuiltInLook& look)
{
    // The system draws its marks at 13 pixels whatever the rectangle; a
    // larger one would only stretch them.
    const int side = std::min({13, r.Width(), r.Height()});
    const int left = r.Left + (r.Width() - side) / 2, top = r.Top + (r.Height() - side) / 2;
    const UINT kind = mark == TBuiltInMark::Radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    DrawFrame(destination, TRect{left, top, left + side, top + side}, DFC_BUTTON,
              kind | (checked ? DFCS_CHECKED : 0) | LookFlags(look));
}

}  // namespace taramel
