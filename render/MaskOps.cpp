#include "render/MaskOps.h"

#include <algorithm>
#include <cstring>

#include "render/BitmapCopy.h"
#include "render/PixelMath.h"
#include "render/SysColors.h"

namespace taramel {
namespace {

bool Is24(const TBitmap& b)
{
    return b.PixelFormat() == TPixelFormat::pf24bit && b.Width() >= 2 && b.Height() >= 2;
}

bool SameSize(const TBitmap& a, const TBitmap& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height();
}

template <class Weight>
void Mix(TBitmap& target, const TBitmap& first, const TBitmap& second, Weight weight)
{
    if (target.PixelFormat() != TPixelFormat::pf32bit || !Is24(first) || !Is24(second) ||
        !SameSize(first, second) || target.Width() < first.Width() || target.Height() < first.Height())
        return;
    for (int y = 0; y < first.Height(); ++y) {
        const std::uint8_t* a = first.ScanLine(y);
        const std::uint8_t* b = second.ScanLine(y);
        std::uint8_t* t = target.ScanLine(y);
        for (int x = 0; x < first.Width(); ++x, a += 3, b += 3, t += 4)
            for (int ch = 0; ch < 3; ++ch)
                t[ch] = MixByte(a[ch], b[ch], weight(x, y, ch));
    }
}

}  // namespace

void ShadeWithMaskBitmap(TBitmap& bitmap, const TBitmap& mask, TColor c)
{
    if (!Is24(bitmap) || !Is24(mask) || !SameSize(bitmap, mask))
        return;
    const int cc[3] = {BlueOf(c), GreenOf(c), RedOf(c)};
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.ScanLine(y);
        const std::uint8_t* m = mask.ScanLine(y);
        for (int i = 0; i < bitmap.Width() * 3; ++i)
            p[i] = ShadeByte(p[i], cc[i % 3], m[i]);
    }
}

void MixToBitmap32(TBitmap& target, const TBitmap& first, const TBitmap& second, int w)
{
    const int weight = ClampByte(w);
    Mix(target, first, second, [weight](int, int, int) { return weight; });
}

void MixToBitmap32(TBitmap& target, const TBitmap& first, const TBitmap& second, const TBitmap& mask)
{
    if (!Is24(mask) || mask.Width() < first.Width() || mask.Height() < first.Height())
        return;
    Mix(target, first, second, [&mask](int x, int y, int ch) { return int{mask.ScanLine(y)[3 * x + ch]}; });
}

void FillRoundRectGrey(TBitmap& bitmap, const TRect& rect, int corner, std::uint8_t grey)
{
    const TPixelFormat f = bitmap.PixelFormat();
    if (f == TPixelFormat::pf32bit)
        return;
    const int bpp = BytesPerPixel(f);
    // Quarter ellipses with radii a, b centred a and b inside the corners; a
    // pixel belongs to the shape when its centre lies inside the ellipse.
    const double a = corner / 2.0;
    const double b = corner / 2.0;
    const bool round = corner >= 2;
    for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, bitmap.Height()); ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = std::max(rect.Left, 0); x < std::min(rect.Right, bitmap.Width()); ++x) {
            if (round) {
                const double px = x + 0.5, py = y + 0.5;
                const double cx = std::clamp(px, rect.Left + a, rect.Right - a);
                const double cy = std::clamp(py, rect.Top + b, rect.Bottom - b);
                const double ex = (px - cx) / a, ey = (py - cy) / b;
                if (ex * ex + ey * ey > 1.0)
                    continue;
            }
            std::memset(row + bpp * x, grey, static_cast<std::size_t>(bpp));
        }
    }
}

void ShadeRoundRect(TBitmap& bitmap, const TRect& rect, int p, int r, int n, TColor c)
{
    const TPixelFormat f = bitmap.PixelFormat();
    const int W = rect.Width();
    const int H = rect.Height();
    if ((f != TPixelFormat::pf24bit && f != TPixelFormat::pf32bit) || W < 2 || H < 2)
        return;
    TBitmap copy(W, H, TPixelFormat::pf24bit);
    CopyBitmapRect(copy, 0, 0, bitmap, rect);
    TBitmap mask(W, H, TPixelFormat::pf24bit);
    const int depth = std::clamp(std::min({W / 2, H / 2, n}), 0, 255);
    const int corner = std::max(std::min({W / 2, H / 2, r}), 0);
    const int D = ClampByte(p * 255 / 100);
    for (int t = 0; t <= depth; ++t) {
        const int level = t == 0 ? 255 : D + RoundEven((255.0 - D) / (depth + 1) * (depth - t + 1));
        FillRoundRectGrey(mask, TRect{t, t, W - t, H - t}, corner, static_cast<std::uint8_t>(ClampByte(level)));
    }
    FillRoundRectGrey(mask, TRect{depth, depth, W - depth, H - depth}, corner, static_cast<std::uint8_t>(D));
    ShadeWithMaskBitmap(copy, mask, ResolveColor(c));
    CopyBitmapRect(bitmap, rect.Left, rect.Top, copy, TRect{0, 0, W, H});
}

}  // namespace taramel
