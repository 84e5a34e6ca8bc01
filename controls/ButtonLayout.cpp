#include "controls/ButtonLayout.h"

namespace taramel {

ButtonLayoutResult LayoutButton(const ButtonLayoutInput& in)
{
    const int W = in.Width, H = in.Height, gw = in.GlyphWidth, gh = in.GlyphHeight;
    const int tw = in.TextWidth, th = in.TextHeight, dd = in.DropDownWidth;
    const int M = in.Margin < 0 ? 0 : in.Margin + 3;
    const int s = in.CaptionShown && gw > 0 ? in.Spacing : 0;
    const int g = gw > 0 ? in.Spacing : 0;
    const int fx = (W - dd - gw - s - tw) / 2 - M;
    const int fy = (H - gh - s - th) / 2 - M;
    int gl = 0, gt = (H - gh) / 2;
    int l = 0, t = (H - th) / 2, r = 0, b = H - t;
    switch (in.Layout) {
    case TButtonLayout::blGlyphLeft:
        switch (in.Alignment) {
        case TButtonAlign::Left: gl = M; l = gw + in.Margin + g; r = W - dd - M - 2 * fx; break;
        case TButtonAlign::Center: gl = M + fx; l = gw + M + fx + g; r = W - dd - M - fx; break;
        case TButtonAlign::Right: gl = M + 2 * fx; l = M + 2 * fx + gw + g; r = W - dd - M; break;
        }
        break;
    case TButtonLayout::blGlyphRight:
        switch (in.Alignment) {
        case TButtonAlign::Left: gl = W - dd - M - 2 * fx - s - gw; l = M; break;
        case TButtonAlign::Center: gl = (W - dd - gw + s + tw) / 2; l = M + fx; break;
        case TButtonAlign::Right: gl = W - dd - gw - M; l = M + 2 * fx; break;
        }
        r = l + tw;
        break;
    case TButtonLayout::blGlyphTop:
        gl = (W - dd - gw) / 2 + 1;
        gt = M + fy;
        l = (W - tw - dd) / 2;
        r = W - dd - l;
        t = gh + M + fy + s;
        b = H - fy - M;
        break;
    case TButtonLayout::blGlyphBottom:
        gl = (W - dd - gw) / 2 + 1;
        gt = H - M - fy - gh;
        l = (W - tw - dd) / 2;
        r = W - dd - l;
        t = M + fy;
        b = H - fy - M - gh - s;
        break;
    }
    return {RECT{gl, gt, gl + gw, gt + gh}, RECT{l, t, r, b}};
}

}  // namespace taramel
