#include "paint/Glyphs.h"

#include <algorithm>
#include <utility>

#include "paint/BgCache.h"
#include "paint/Masks.h"
#include "paint/PixelView.h"
#include "render/FactorOps.h"
#include "render/KeyOps.h"
#include "render/PixelMath.h"

namespace taramel {

int GlyphIndex(const TBitmap& glyph, const GlyphDraw& d)
{
    if (d.NumGlyphs < 1 || glyph.Width() / d.NumGlyphs < 1)
        return -1;
    if (d.NumGlyphs == 1 || !d.Enabled)
        return 0;
    const bool fourBit = glyph.PixelFormat() == TPixelFormat::pf4bit;
    const int down = d.Down ? 1 : 0;
    switch (d.State) {
    case 1:
        return fourBit ? 0 : 1;
    case 2:
        if (d.NumGlyphs > down + 2)
            return down + 2;
        return fourBit ? 0 : std::min(1, d.NumGlyphs - 1);
    default:
        // States the buttons do not produce draw the normal glyph.
        return 0;
    }
}

void DrawGlyph(const TBitmap& glyph, TBitmap& destination, TPoint at, const GlyphDraw& d)
{
    const int e = GlyphIndex(glyph, d);
    if (e < 0 || glyph.Height() < 1)
        return;
    TBitmap copy;
    copy.Assign(glyph);
    copy.SetPixelFormat(TPixelFormat::pf24bit);
    const double f = std::clamp(d.BlendPercent, 0, 100) / 100.0;
    const int h = copy.Height();
    const int w = copy.Width() / d.NumGlyphs;
    if (d.NumGlyphs == 1) {
        if (!d.Enabled && (d.DisabledKinds & dgGrayed))
            GrayscaleBitmap(copy);
        const TColor key = copy.PixelColor(0, h - 1);
        const TRect whole{0, 0, copy.Width() - 1, h - 1};
        if (d.Enabled ? (d.State == 0 && d.BlendPercent >= 1) : (d.DisabledKinds & dgBlended) != 0)
            BlendByFactor(destination, at.X, at.Y, key, d.Enabled ? f : 0.5, whole, copy);
        else
            CopyKeyPart(destination, copy, at.X, at.Y, false, EmptyBgCache, key, whole);
        return;
    }
    const TRect from{e * w, 0, (e + 1) * w - 1, h - 1};
    if (!d.Enabled && d.State == 0 && d.BlendPercent > 0) {
        BlendByFactor(destination, at.X, at.Y, copy.PixelColor(0, h - 1), f, from, copy);
        return;
    }
    const TColor key = copy.PixelColor(d.Enabled ? from.Left : 0, h - 1);
    CopyKeyPart(destination, copy, at.X, at.Y, false, EmptyBgCache, key, from);
}

void DrawCentredGlyph(TBitmap& destination, const TBitmap& glyph, const TRect& r)
{
    using paintdetail::PixelView;
    const PixelView dst(&destination);
    if (!dst.Valid() || glyph.Empty())
        return;
    const int x0 = r.Left + (r.Width() - glyph.Width()) / 2;
    const int y0 = r.Top + (r.Height() - glyph.Height()) / 2;
    if (glyph.PixelFormat() != TPixelFormat::pf32bit) {
        TBitmap copy;
        copy.Assign(glyph);
        copy.SetPixelFormat(TPixelFormat::pf24bit);
        CopyNonKeyPixels(destination, copy, x0, y0, static_cast<TColor>(copy.PixelColor(0, copy.Height() - 1)));
        return;
    }
    const PixelView src(&glyph);
    for (int y = 0; y < src.Height; ++y)
        for (int x = 0; x < src.Width; ++x) {
            const std::uint8_t* s = src.At(x, y);
            if (s[3] == 0 || !dst.Contains(x0 + x, y0 + y))
                continue;
            std::uint8_t* d = dst.At(x0 + x, y0 + y);
            for (int k = 0; k < 3; ++k)
                d[k] = OverByte(d[k], s[k], s[3]);
            if (dst.Is32())
                d[3] = 255;
        }
}

GlyphTextLayout LayoutGlyphAndText(const TRect& client, int glyphW, int glyphH, int textW, int textH,
                                   bool rightToLeft, int spacing, int margin, int alignment, int layout)
{
    if (rightToLeft && (layout == glGlyphLeft || layout == glGlyphRight))
        layout = layout == glGlyphLeft ? glGlyphRight : glGlyphLeft;
    const int cw = client.Width(), ch = client.Height();
    const bool vertical = layout == glGlyphTop || layout == glGlyphBottom;
    int gx = 0, gy = 0, tx = 0, ty = 0;
    if (vertical) {
        gx = (cw - glyphW + 1) / 2;
        tx = (cw + 1 - textW) / 2;
    } else {
        gy = (ch - glyphH + 1) / 2;
        ty = (ch + 1 - textH) / 2;
    }
    int s = (textW == 0 || glyphW == 0) ? 0 : spacing;
    int m = margin;
    const int c = vertical ? ch : cw, g = vertical ? glyphH : glyphW, t = vertical ? textH : textW;
    if (m == -1 && s < 0)
        m = s = (c - g - t) / 3;
    else if (m == -1)
        m = 2;
    else if (m >= 0 && s < 0)
        s = ((c - m - g) - t) / 2;
    switch (layout) {
    case glGlyphRight:
        if (alignment == gaLeft) {
            tx = m;
            gx = m + textW + s;
        } else if (alignment == gaRight) {
            gx = cw - m - glyphW;
            tx = gx - s - textW;
        } else {
            tx = (cw - textW - s - glyphW) / 2;
            gx = tx + textW + s;
        }
        break;
    case glGlyphTop:
        gy = (ch - glyphH - s - textH) / 2;
        ty = gy + glyphH + s;
        break;
    case glGlyphBottom:
        gy = (ch - glyphH) - (ch - glyphH - s - textH) / 2;
        ty = gy - s - textH;
        break;
    default:
        if (alignment == gaLeft) {
            gx = m;
            tx = m + glyphW + s;
        } else if (alignment == gaRight) {
            tx = cw - m - textW;
            gx = tx - s - glyphW;
        } else {
            gx = (cw - textW - s - glyphW) / 2;
            tx = gx + glyphW + s;
        }
        break;
    }
    GlyphTextLayout out;
    out.Glyph = {gx + client.Left, gy + client.Top};
    out.TextRect = {tx + client.Left, ty + client.Top, tx + client.Left + textW, ty + client.Top + textH};
    return out;
}

}  // namespace taramel
