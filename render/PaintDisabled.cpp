#include "render/PaintDisabled.h"

#include "base/Color.h"
#include "render/FactorOps.h"
#include "render/KeyOps.h"

namespace taramel {

void PaintDisabled(TBitmap& bitmap, unsigned kinds, const DisabledBackground& background, int ox, int oy,
                   TColor controlColor)
{
    if (kinds & dkGrayed)
        GrayscaleBitmap(bitmap);
    if (!(kinds & dkBlended))
        return;
    if (background.Bitmap) {
        const int left = background.X + ox;
        const int top = background.Y + oy;
        // The rectangle is inclusive.
        BlendByFactor(bitmap, 0, 0, kNoKey, 0.4,
                      TRect{left, top, left + bitmap.Width() - 1, top + bitmap.Height() - 1}, *background.Bitmap);
        return;
    }
    const TColor colour = background.SolidColor == clNone ? controlColor : background.SolidColor;
    FadeRectToColor(bitmap, TRect{0, 0, bitmap.Width() - 1, bitmap.Height() - 1}, 50, colour);
}

}  // namespace taramel
