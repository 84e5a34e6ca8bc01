#include "render/KeyOps.h"

#include <algorithm>
#include <cstring>

#include "render/PixelMath.h"

namespace taramel {
namespace {

bool Is24(const TBitmap& b)
{
    return b.PixelFormat() == TPixelFormat::pf24bit && b.Width() >= 2 && b.Height() >= 2;
}

bool Inside(const TBitmap& b, int x, int y)
{
    return x >= 0 && y >= 0 && x < b.Width() && y < b.Height();
}

void Grey(TBitmap& bitmap, const TColor* key)
{
    if (!Is24(bitmap))
        return;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
            if (key && PixelIs(p, *key))
                continue;
            p[0] = p[1] = p[2] = GreyOf(p[0], p[1], p[2]);
        }
    }
}

// Copies the source pixels of the inclusive rectangle r not equal to k,
// source (sx, sy) going to (sx + dx, sy + dy).
void CopyNonKey(TBitmap& destination, const TBitmap& source, int dx, int dy, TColor k, const TRect& r)
{
    const int bpp = BytesPerPixel(destination.PixelFormat());
    for (int sy = r.Top; sy <= r.Bottom; ++sy) {
        const int y = sy + dy;
        if (y < 0 || y >= destination.Height())
            continue;
        const std::uint8_t* srow = source.ScanLine(sy);
        std::uint8_t* drow = destination.ScanLine(y);
        for (int sx = r.Left; sx <= r.Right; ++sx) {
            const int x = sx + dx;
            const std::uint8_t* s = srow + 3 * sx;
            if (x < 0 || x >= destination.Width() || PixelIs(s, k))
                continue;
            std::uint8_t* d = drow + bpp * x;
            std::memcpy(d, s, 3);
            if (bpp == 4)
                d[3] = 255;
        }
    }
}

bool Is32(const TBitmap& b)
{
    return b.PixelFormat() == TPixelFormat::pf32bit;
}

}  // namespace

void GrayscaleBitmap(TBitmap& bitmap)
{
    Grey(bitmap, nullptr);
}

void GrayscaleExceptKey(TBitmap& bitmap, TColor k)
{
    Grey(bitmap, &k);
}

void CopyNonKeyPixels(TBitmap& destination, const TBitmap& source, int x, int y, TColor k)
{
    const TPixelFormat df = destination.PixelFormat();
    if (!Is24(source) || destination.Width() < 2 || destination.Height() < 2 ||
        (df != TPixelFormat::pf24bit && df != TPixelFormat::pf32bit))
        return;
    CopyNonKey(destination, source, x, y, k, TRect{0, 0, source.Width() - 1, source.Height() - 1});
}

void CopyNonKeyRect(TBitmap& destination, const TBitmap& source, int x, int y, TColor k, TRect r)
{
    if (!Is24(source) || !Is24(destination))
        return;
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, source.Width() - 1);
    r.Bottom = std::min(r.Bottom, source.Height() - 1);
    CopyNonKey(destination, source, x - r.Left, y - r.Top, k, r);
}

TPoint KeyCornerOrigin(int corner, const TRect& imageRect, int stateWidth, int stateHeight, int wr, int wb)
{
    const bool right = corner == 14 || corner == 17;
    const bool bottom = corner == 16 || corner == 17;
    return TPoint{imageRect.Left + (right ? stateWidth - wr : 0), imageRect.Top + (bottom ? stateHeight - wb : 0)};
}

void RestoreKeyPixels(TBitmap& destination, const TRect& d, const TBitmap& source, const TRect& s,
                      const TBitmap& image, TPoint origin)
{
    if (!Is32(destination) || !Is32(source) || image.PixelFormat() == TPixelFormat::pf8bit)
        return;
    const int w = std::max(d.Width(), 0);
    const int h = std::max(d.Height(), 0);
    const int ib = BytesPerPixel(image.PixelFormat());
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const int ix = origin.X + i, iy = origin.Y + j;
            const int dx = d.Left + i, dy = d.Top + j;
            const int sx = s.Left + i, sy = s.Top + j;
            if (!Inside(image, ix, iy) || !Inside(destination, dx, dy) || !Inside(source, sx, sy))
                continue;
            if (PixelIs(image.ScanLine(iy) + ib * ix, TransparentKey))
                std::memcpy(destination.ScanLine(dy) + 4 * dx, source.ScanLine(sy) + 4 * sx, 4);
        }
    }
}

void RestoreKeyPixels(TBitmap& destination, const TRect& d, const TBitmap& source, const TRect& s)
{
    if (!Is32(destination) || !Is32(source))
        return;
    const int w = std::max(d.Width(), 0);
    const int h = std::max(d.Height(), 0);
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const int dx = d.Left + i, dy = d.Top + j;
            const int sx = s.Left + i, sy = s.Top + j;
            if (!Inside(destination, dx, dy) || !Inside(source, sx, sy))
                continue;
            std::uint8_t* p = destination.ScanLine(dy) + 4 * dx;
            if (PixelIs(p, TransparentKey))
                std::memcpy(p, source.ScanLine(sy) + 4 * sx, 4);
        }
    }
}

}  // namespace taramel
