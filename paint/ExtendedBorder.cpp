#include "paint/ExtendedBorder.h"

#include <algorithm>

namespace taramel {

void SetAlphaIn(TBitmap& bitmap, const TRect& r, std::uint8_t alpha)
{
    if (bitmap.PixelFormat() != TPixelFormat::pf32bit || bitmap.Row0() == nullptr)
        return;
    const int left = std::max(0, r.Left), right = std::min(bitmap.Width(), r.Right);
    const int top = std::max(0, r.Top), bottom = std::min(bitmap.Height(), r.Bottom);
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = left; x < right; ++x)
            row[x * 4 + 3] = alpha;
    }
}

std::unique_ptr<TBitmap> BuiltInShadow(const FrameMargins& margins)
{
    const FrameMargins m{std::max(0, margins.Left), std::max(0, margins.Top), std::max(0, margins.Right),
                         std::max(0, margins.Bottom)};
    const int width = m.Left + 1 + m.Right, height = m.Top + 1 + m.Bottom;
    auto shadow = std::make_unique<TBitmap>(width, height, TPixelFormat::pf32bit);
    // How far into a margin a pixel lies, 0 next to the form, 1 at the edge.
    const auto depth = [](int outside, int margin) { return margin > 0 ? double(outside) / margin : 1.0; };
    constexpr double kDarkest = 96;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = shadow->ScanLine(y);
        const double dy = y < m.Top ? depth(m.Top - y, m.Top) : y > m.Top ? depth(y - m.Top, m.Bottom) : 0;
        for (int x = 0; x < width; ++x) {
            const double dx = x < m.Left ? depth(m.Left - x, m.Left) : x > m.Left ? depth(x - m.Left, m.Right) : 0;
            const double d = std::min(1.0, std::max(dx, dy));
            const double fade = (1 - d) * (1 - d);
            std::uint8_t* p = row + x * 4;
            p[0] = p[1] = p[2] = 0;  // black, so premultiplied it stays 0
            p[3] = static_cast<std::uint8_t>(kDarkest * fade + 0.5);
        }
    }
    return shadow;
}

}  // namespace taramel
