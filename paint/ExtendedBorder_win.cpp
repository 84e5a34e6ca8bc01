#include "paint/ExtendedBorder_win.h"

#include "paint/Masks_win.h"
#include "render/Bitmap_win.h"

namespace taramel {

void ComposeExtendedBorder(TBitmap& cache, const TRect& form, TBitmap& shadow, const FrameMargins& shadowBorders,
                           const FrameMargins& margins, const TRect& title)
{
    if (cache.PixelFormat() != TPixelFormat::pf32bit)
        return;
    SetAlphaIn(cache, form, 255);
    HDC dst = BitmapDC(cache);
    HDC src = BitmapDC(shadow);
    if (dst != nullptr && src != nullptr && shadow.Width() > 0 && shadow.Height() > 0) {
        NinePartCopy c;
        c.Dest = {form.Left - margins.Left, form.Top - margins.Top, form.Right + margins.Right,
                  form.Bottom + margins.Bottom};
        c.Source = {0, 0, shadow.Width(), shadow.Height()};
        c.Borders = {shadowBorders.Left, shadowBorders.Top, shadowBorders.Right, shadowBorders.Bottom};
        c.Limits = c.Borders;
        c.Modes = {nmStretch, nmStretch, nmStretch, nmStretch};
        c.CentreMode = nmStretch;
        c.FillCentre = false;
        GdiFlush();
        StretchNinePart(dst, src, c);
        GdiFlush();
    }
    SetAlphaIn(cache, title, 255);
}

}  // namespace taramel
