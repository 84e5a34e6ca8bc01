#include "render/FactorOps.h"

#include <algorithm>

#include "render/PixelMath.h"
#include "render/SysColors.h"

namespace taramel {
namespace {

bool Paintable(const TBitmap& b)
{
    const TPixelFormat f = b.PixelFormat();
    return b.Width() >= 2 && b.Height() >= 2 && (f == TPixelFormat::pf24bit || f == TPixelFormat::pf32bit);
}

// The whole 32-bit pixel read as 0xAABBGGRR.
TColor Pixel32(const std::uint8_t* p)
{
    return MakeColor(p[2], p[1], p[0], p[3]);
}

bool IsKey(const std::uint8_t* p, int bpp, TColor k)
{
    return bpp == 3 ? PixelIs(p, k) : Pixel32(p) == k;
}

}  // namespace

void BlendByFactor(TBitmap& destination, int x, int y, TColor k, double f, TRect r, const TBitmap& source)
{
    if (!Paintable(destination) || !Paintable(source))
        return;
    const int t = std::min(r.Top, 0);
    const int l = std::min(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Left = std::max(r.Left, 0);
    r.Bottom = std::min(r.Bottom, source.Height() - 1);
    r.Right = std::min(r.Right, source.Width() - 1);
    const int db = BytesPerPixel(destination.PixelFormat());
    const int sb = BytesPerPixel(source.PixelFormat());
    const bool keyed = HighByteOf(k) != 0xFF;
    for (int j = 0; j <= r.Height(); ++j) {
        const int dy = y + j - t;
        const int sy = r.Top + j;
        if (y + j >= destination.Height() || dy >= destination.Height())
            break;
        if (y + j < 0 || dy < 0 || sy < 0)
            continue;
        const std::uint8_t* srow = source.ScanLine(sy);
        std::uint8_t* drow = destination.ScanLine(dy);
        // Columns advance together; a pixel is blended only where both lie
        // inside their bitmaps (the right edge of the destination included,
        // which keeps a wide rectangle from running into the next row).
        for (int step = 0, sx = r.Left, dx = x - l; step <= r.Width(); ++step, ++sx, ++dx) {
            if (dx < 0 || sx < 0 || sx >= source.Width() || dx >= destination.Width())
                continue;
            const std::uint8_t* s = srow + sx * sb;
            if (keyed && IsKey(s, sb, k))
                continue;
            std::uint8_t* d = drow + dx * db;
            for (int c = 0; c < 3; ++c)
                d[c] = FactorByte(s[c], d[c], f);
        }
    }
}

void TintTowardColor(TBitmap& bitmap, TColor c, TColor k, double f)
{
    if (!Paintable(bitmap))
        return;
    const int bpp = BytesPerPixel(bitmap.PixelFormat());
    const int cc[3] = {BlueOf(c), GreenOf(c), RedOf(c)};
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += bpp) {
            if (IsKey(p, bpp, k))
                continue;
            for (int ch = 0; ch < 3; ++ch)
                p[ch] = RoundToByte(f * (p[ch] - cc[ch]) + cc[ch]);
        }
    }
}

void FadeRectToColor(TBitmap& bitmap, TRect r, int percent, TColor c)
{
    if (!Paintable(bitmap))
        return;
    c = ResolveColor(c);
    const double f = percent / 100.0;
    const int cc[3] = {BlueOf(c), GreenOf(c), RedOf(c)};
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, bitmap.Width() - 1);
    r.Bottom = std::min(r.Bottom, bitmap.Height() - 1);
    const auto faded = [&](int ch, int v) { return RoundToByte(f * v + (1 - f) * cc[ch]); };
    const int bpp = BytesPerPixel(bitmap.PixelFormat());
    if (r.Right < r.Left || r.Bottom < r.Top)
        return;
    if ((r.Right - r.Left + 1) * (r.Bottom - r.Top + 1) < 256) {
        // Fewer pixels than a table has entries: the formula on each byte.
        for (int y = r.Top; y <= r.Bottom; ++y) {
            std::uint8_t* p = bitmap.ScanLine(y) + r.Left * bpp;
            for (int x = r.Left; x <= r.Right; ++x, p += bpp)
                for (int ch = 0; ch < 3; ++ch)
                    p[ch] = faded(ch, p[ch]);
        }
        return;
    }
    // The result of a channel depends only on its byte: one table per channel
    // of the same real arithmetic, so the pixels are those of the formula.
    std::uint8_t table[3][256];
    for (int ch = 0; ch < 3; ++ch)
        for (int v = 0; v < 256; ++v)
            table[ch][v] = faded(ch, v);
    for (int y = r.Top; y <= r.Bottom; ++y) {
        std::uint8_t* p = bitmap.ScanLine(y) + r.Left * bpp;
        for (int x = r.Left; x <= r.Right; ++x, p += bpp) {
            p[0] = table[0][p[0]];
            p[1] = table[1][p[1]];
            p[2] = table[2][p[2]];
        }
    }
}

TColor MixColors(TColor a, TColor b, double x)
{
    auto mix = [x](unsigned ca, unsigned cb) -> unsigned { return RoundToByte(x * ca + (1 - x) * cb); };
    return MakeColor(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)), HighByteOf(a));
}

TColor AverageColors(TColor a, TColor b)
{
    return MakeColor(AverageByte(RedOf(a), RedOf(b)), AverageByte(GreenOf(a), GreenOf(b)),
                     AverageByte(BlueOf(a), BlueOf(b)));
}

}  // namespace taramel
