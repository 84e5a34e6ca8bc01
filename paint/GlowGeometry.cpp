#include "paint/GlowGeometry.h"

#include <algorithm>

namespace taramel {

GlowPlacement PlaceGlow(const TRect& r, const TRect& visibleOnScreen, GlowBorders b, int margin)
{
    GlowPlacement p;
    const long long fullW = static_cast<long long>(r.Width()) + b.Left + b.Right - 2LL * margin;
    const long long fullH = static_cast<long long>(r.Height()) + b.Top + b.Bottom - 2LL * margin;
    // A margin larger than the glow's reach leaves nothing to show.
    if (r.Width() <= 0 || r.Height() <= 0 || fullW <= 0 || fullH <= 0 || fullW > 1 << 15 || fullH > 1 << 15)
        return p;
    const int w = static_cast<int>(fullW), h = static_cast<int>(fullH);
    p.FullWidth = w;
    p.FullHeight = h;
    // The visible part relative to the control, inside it.
    const TRect v{std::clamp(visibleOnScreen.Left - r.Left, 0, r.Width()),
                  std::clamp(visibleOnScreen.Top - r.Top, 0, r.Height()),
                  std::clamp(visibleOnScreen.Right - r.Left, 0, r.Width()),
                  std::clamp(visibleOnScreen.Bottom - r.Top, 0, r.Height())};
    if (v.Empty())
        return p;
    int cl = 0, ct = 0, cr = 0, cb = 0;
    if (v.Width() != r.Width() || v.Height() != r.Height()) {
        cl = v.Left != 0 ? b.Left + v.Left - margin : 0;
        ct = v.Top != 0 ? b.Top + v.Top - margin : 0;
        cr = v.Right == r.Width() ? 0 : cl != 0 ? w - cl - v.Width() : r.Width() + b.Right - v.Width() - margin;
        cb = v.Bottom == r.Height() ? 0 : ct != 0 ? h - ct - v.Height() : r.Height() + b.Bottom - v.Height() - margin;
        // Cuts beyond the glow (a margin past the border) are held to it.
        cl = std::clamp(cl, 0, w);
        ct = std::clamp(ct, 0, h);
        cr = std::clamp(cr, 0, w - cl);
        cb = std::clamp(cb, 0, h - ct);
    }
    p.Width = w - cl - cr;
    p.Height = h - ct - cb;
    p.CropLeft = cl;
    p.CropTop = ct;
    p.At = {r.Left + cl + margin - b.Left, r.Top + ct + margin - b.Top};
    p.Shown = p.Width > 0 && p.Height > 0;
    return p;
}

}  // namespace taramel
