#include "paint/Textures.h"

#include <algorithm>
#include <cstring>

#include "paint/Masks.h"
#include "paint/PixelView.h"
#include "render/BitmapCopy.h"
#include "render/SysColors.h"
#include "render/WorkBitmaps.h"

namespace taramel {

namespace {

// One copy of `from` with its top-left corner at (x, y), only where it falls
// inside `clip`.
void BlitClipped(TBitmap& dst, int x, int y, const TBitmap& src, const TRect& from, const TRect& clip)
{
    const TRect to = Intersect({x, y, x + from.Width(), y + from.Height()}, clip);
    if (to.Empty())
        return;
    CopyBitmapRect(dst, to.Left, to.Top, src,
                   {from.Left + to.Left - x, from.Top + to.Top - y, from.Left + to.Right - x,
                    from.Top + to.Bottom - y});
}

// Tiling between two bitmaps of one format, row by row: a row's first tile
// comes from the source, the rest of the row doubles what it already holds
// (the row repeats with the tile's width), and a row one tile height below
// another is a copy of it. Gives the pixels of copying tile after tile.
bool TileRows(TBitmap& dst, const TRect& area, int x0, int y0, const TBitmap& src, const TRect& from)
{
    const TPixelFormat f = dst.PixelFormat();
    if (&dst == &src || f != src.PixelFormat() || (f != TPixelFormat::pf24bit && f != TPixelFormat::pf32bit) ||
        from.Left < 0 || from.Top < 0 || from.Right > src.Width() || from.Bottom > src.Height())
        return false;
    const TRect p = Intersect(Intersect(area, {x0, y0, area.Right, area.Bottom}), {0, 0, dst.Width(), dst.Height()});
    if (p.Empty())
        return true;
    const int bpp = BytesPerPixel(f);
    const int tw = from.Width(), th = from.Height();
    const std::size_t rowBytes = static_cast<std::size_t>(p.Width()) * bpp;
    const std::size_t tileBytes = static_cast<std::size_t>(tw) * bpp;
    const int phase = (p.Left - x0) % tw;
    for (int y = p.Top; y < p.Bottom; ++y) {
        std::uint8_t* d = dst.ScanLine(y) + static_cast<std::ptrdiff_t>(p.Left) * bpp;
        if (y - th >= p.Top) {
            std::memcpy(d, dst.ScanLine(y - th) + static_cast<std::ptrdiff_t>(p.Left) * bpp, rowBytes);
            continue;
        }
        const std::uint8_t* s = src.ScanLine(from.Top + (y - y0) % th) + static_cast<std::ptrdiff_t>(from.Left) * bpp;
        // One tile's width from the phase on, wrapping to the tile's start.
        const std::size_t first = std::min(rowBytes, tileBytes - static_cast<std::size_t>(phase) * bpp);
        std::memcpy(d, s + static_cast<std::size_t>(phase) * bpp, first);
        std::size_t done = first;
        if (done < rowBytes) {
            const std::size_t rest = std::min(rowBytes - done, static_cast<std::size_t>(phase) * bpp);
            std::memcpy(d + done, s, rest);
            done += rest;
        }
        while (done < rowBytes) {
            const std::size_t n = std::min(done, rowBytes - done);
            std::memcpy(d + done, d, n);
            done += n;
        }
    }
    return true;
}

// Tiles `from` over `area` with tiles anchored at (x0, y0), cut at `area`.
void Tile(TBitmap& dst, const TRect& area, int x0, int y0, const TBitmap& src, const TRect& from)
{
    const int tw = from.Width(), th = from.Height();
    if (tw < 1 || th < 1 || area.Empty())
        return;
    if (TileRows(dst, area, x0, y0, src, from))
        return;
    for (int y = y0; y < area.Bottom; y += th)
        for (int x = x0; x < area.Right; x += tw)
            BlitClipped(dst, x, y, src, from, area);
}

void Stretch(TBitmap& dst, const TRect& to, const TBitmap& src, const TRect& from)
{
    if (!to.Empty())
        StretchBitmapRect(dst, to, src, from);
}

// The tile's rectangle cut to the source bitmap (so that a stretch reads only
// real pixels).
TRect SourceTile(const TsMaskData& mask, const TBitmap& src)
{
    return Intersect(mask.ImageRect, {0, 0, src.Width(), src.Height()});
}

}  // namespace

void FillSolidRect(TBitmap& destination, const TRect& r, TColor color)
{
    const paintdetail::PixelView v(&destination);
    if (!v.Valid())
        return;
    const TRect c = Intersect(r, {0, 0, v.Width, v.Height});
    const TColor rgb = ResolveColor(color);
    for (int y = c.Top; y < c.Bottom; ++y)
        for (int x = c.Left; x < c.Right; ++x)
            paintdetail::PutColor(v.At(x, y), rgb, v.Is32());
}

void TileBitmap(TBitmap& destination, const TRect& r, const TBitmap* tile)
{
    if (!tile || tile->Empty())
        return;
    Tile(destination, r, r.Left, r.Top, *tile, {0, 0, tile->Width(), tile->Height()});
}

void PaintTexture(const TSkinTables& tables, TBitmap& destination, TRect& r, const TBitmap* ownTexture, int code,
                  const TsMaskData& mask)
{
    if (ownTexture && !ownTexture->Empty()) {
        TileBitmap(destination, r, ownTexture);
        r = kNothingLeft;
        return;
    }
    const TBitmap* src = tables.MasterBitmap.get();
    if (!src)
        return;
    const TRect tile = SourceTile(mask, *src);
    const int L = tile.Width(), S = tile.Height();
    if (L < 1 || S < 1)
        return;
    const TRect all = r;
    switch (code) {
    case 0:
        Tile(destination, all, all.Left, all.Top, *src, tile);
        r = kNothingLeft;
        return;
    case 1:
        Stretch(destination, all, *src, tile);
        r = kNothingLeft;
        return;
    case 2:
        Tile(destination, Intersect(all, {all.Left, all.Top, all.Right, all.Top + S}), all.Left, all.Top, *src, tile);
        r.Top = all.Top + S;
        break;
    case 3:
        Tile(destination, Intersect(all, {all.Left, all.Top, all.Left + L, all.Bottom}), all.Left, all.Top, *src,
             tile);
        r.Left = all.Left + L;
        break;
    case 4:
        Stretch(destination, Intersect(all, {all.Left, all.Top, all.Right, all.Top + S}), *src, tile);
        r.Top = all.Top + S;
        break;
    case 5:
        Stretch(destination, Intersect(all, {all.Left, all.Top, all.Left + L, all.Bottom}), *src, tile);
        r.Left = all.Left + L;
        break;
    case 6:
        Tile(destination, Intersect(all, {all.Left, all.Bottom - S, all.Right, all.Bottom}), all.Left,
             all.Bottom - S, *src, tile);
        r.Bottom = all.Bottom - S;
        break;
    case 7:
        Tile(destination, Intersect(all, {all.Right - L, all.Top, all.Right, all.Bottom}), all.Right - L, all.Top,
             *src, tile);
        r.Right = all.Right - L;
        break;
    case 10:
        // Whole columns from the left, the last cut at the right edge; in
        // each only the rows whose tile ends above the bottom edge.
        for (int x = all.Left; x < all.Right; x += L)
            for (int y = all.Top; y + S < all.Bottom; y += S)
                BlitClipped(destination, x, y, *src, tile, all);
        r = kNothingLeft;
        return;
    default:
        Tile(destination, all, all.Left, all.Top, *src, tile);
        r.Left = std::max(all.Left, all.Right - L);
        break;
    }
    if (r.Empty())
        r = kNothingLeft;
}

void PaintMaskedTexture(const TSkinTables& tables, TBitmap& destination, TRect& r, const BgCache& bg, int code,
                        const TsMaskData& mask)
{
    const TBitmap* src = MaskSourceBitmap(tables, mask);
    if (!src || (code != 0 && code != 10))
        return;
    const TRect ir = mask.ImageRect;
    const int tw = StateImageWidth(mask), th = ir.Height() / 2;
    if (tw < 1 || th < 1)
        return;
    const TRect all = r;
    const TRect tile{ir.Left, ir.Top, ir.Left + tw, ir.Top + th};
    auto draw = [&](int x, int y) {
        const TRect to = Intersect({x, y, x + tw, y + th}, all);
        if (!to.Empty())
            CopyMaskPart(destination, to, tile, mask, true, bg, *src);
    };
    if (code == 0) {
        // Every tile, the last column and row cut, so that no strip of r
        // keeps what was there before.
        for (int x = all.Left; x < all.Right; x += tw)
            for (int y = all.Top; y < all.Bottom; y += th)
                draw(x, y);
        r = kNothingLeft;
        return;
    }
    int x1 = all.Left, y1 = all.Top;
    for (; y1 < all.Bottom - th; y1 += th) {
    }
    for (; x1 < all.Right - tw; x1 += tw)
        for (int y = all.Top; y < y1; y += th)
            draw(x1, y);
    // The strips whole tiles do not reach show what is behind.
    auto strip = [&](const TRect& s0) {
        const TRect s = Intersect(s0, all);
        if (s.Empty())
            return;
        if (bg.HasBitmap && bg.Bitmap)
            CopyBitmapRect(destination, s.Left, s.Top, *bg.Bitmap,
                           {bg.X + s.Left, bg.Y + s.Top, bg.X + s.Right, bg.Y + s.Bottom});
        else if (bg.SolidColor != TransparentKey)
            FillSolidRect(destination, s, bg.SolidColor);
    };
    strip({all.Left, y1, all.Right, all.Bottom});
    strip({x1, all.Top, all.Right, all.Bottom});
    r = kNothingLeft;
}

}  // namespace taramel
