#include "render/WorkBitmaps.h"

#include "render/FastAccess.h"

namespace taramel {

std::unique_ptr<TBitmap> CreateWorkBitmap24(int width, int height)
{
    return std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
}

std::unique_ptr<TBitmap> CreateWorkBitmap32(int width, int height)
{
    return std::make_unique<TBitmap>(width, height, TPixelFormat::pf32bit);
}

std::unique_ptr<TBitmap> CreateBitmapLike(const TBitmap& source)
{
    return std::make_unique<TBitmap>(source.Width(), source.Height(), source.PixelFormat());
}

void FillRect32(TBitmap& bitmap, const TRect& rect, TColor color)
{
    TacFast32 fast;
    if (!fast.Attach(&bitmap))
        return;
    // In memory order blue, green, red, alpha: the colour's red goes lowest.
    const std::uint32_t raw = 0xFF000000u | static_cast<std::uint32_t>(BlueOf(color)) |
                              static_cast<std::uint32_t>(GreenOf(color)) << 8 |
                              static_cast<std::uint32_t>(RedOf(color)) << 16;
    fast.FillRect(rect.Left, rect.Top, rect.Right, rect.Bottom, raw);
}

void CopyChannel(TBitmap& bitmap32, TBitmap& bitmap8, int channel, bool extract)
{
    if (bitmap32.PixelFormat() != TPixelFormat::pf32bit || bitmap8.PixelFormat() != TPixelFormat::pf8bit ||
        channel < 0 || channel > 3 || bitmap8.Width() < bitmap32.Width() || bitmap8.Height() < bitmap32.Height())
        return;
    for (int y = 0; y < bitmap32.Height(); ++y) {
        std::uint8_t* wide = bitmap32.ScanLine(y) + channel;
        std::uint8_t* narrow = bitmap8.ScanLine(y);
        for (int x = 0; x < bitmap32.Width(); ++x) {
            if (extract)
                narrow[x] = wide[4 * x];
            else
                wide[4 * x] = narrow[x];
        }
    }
}

}  // namespace taramel
