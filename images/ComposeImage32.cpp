#include "images/ComposeImage32.h"

#include <algorithm>
#include <array>

#include "render/PixelMath.h"
#include <cstring>

namespace taramel {
namespace {

// A 32-bit pixel of the key colour (red and blue 255, green 0) with alpha 0.
constexpr std::uint32_t kKeyPixel = 0x00FF00FF;

// The effective alpha of every source alpha for a blend percent p.
using AlphaTable = std::array<std::uint8_t, 256>;
AlphaTable EffectiveAlpha(int p)
{
    AlphaTable t{};
    for (int a = 0; a < 256; ++a)
        t[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(p == 0 ? a : (100 - p) * a / 100);
    return t;
}

template <int Bytes>
void ComposeRow(const std::uint8_t* sp, std::uint8_t* dp, int w, const AlphaTable& alpha)
{
    for (int x = 0; x < w; ++x, sp += 4, dp += Bytes) {
        const int a = alpha[sp[3]];
        dp[0] = ShadeByte(sp[0], dp[0], a);
        dp[1] = ShadeByte(sp[1], dp[1], a);
        dp[2] = ShadeByte(sp[2], dp[2], a);
    }
}

std::uint32_t Read32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2] |
           static_cast<std::uint32_t>(p[3]) << 24;
}

void Tint(TBitmap& image, const TRect& s, std::uint32_t tint)
{
    const int t[3] = {static_cast<int>((tint >> 16) & 0xFF), static_cast<int>((tint >> 8) & 0xFF),
                      static_cast<int>(tint & 0xFF)};  // blue, green, red
    for (int y = s.Top; y < s.Bottom; ++y) {
        std::uint8_t* p = image.ScanLine(y) + 4 * s.Left;
        for (int x = s.Left; x < s.Right; ++x, p += 4) {
            if (Read32(p) == kKeyPixel)
                continue;
            const unsigned g = GreyOf(p[0], p[1], p[2]);
            for (int c = 0; c < 3; ++c)
                p[c] = MulByte(g, static_cast<unsigned>(t[c]));
        }
    }
}

}  // namespace

void ComposeImage32(TBitmap& target, TRect d, TBitmap& image, TRect s, const TComposeOptions& o)
{
    if (image.Empty() || target.Empty())
        return;
    const int tb = BytesPerPixel(target.PixelFormat());
    if (target.PixelFormat() != TPixelFormat::pf24bit && target.PixelFormat() != TPixelFormat::pf32bit)
        return;
    if (image.PixelFormat() != TPixelFormat::pf32bit)
        image.SetPixelFormat(TPixelFormat::pf32bit);

    if (!ClipCopyRects(s, {image.Width(), image.Height()}, d, {target.Width(), target.Height()}))
        return;
    const int w = s.Width();
    const int h = s.Height();

    if (o.tint != kNoTint)
        Tint(image, s, o.tint);

    const TComposeBackground* bg = o.background && o.background->bitmap ? o.background : nullptr;
    const int bgBytes = bg ? BytesPerPixel(bg->bitmap->PixelFormat()) : 0;
    const int p = std::clamp(o.blendPercent, 0, 100);
    if (!bg) {
        // Without a background every pixel is composed the same way: one
        // kernel per destination width, with nothing to decide per pixel.
        const AlphaTable alpha = EffectiveAlpha(p);
        for (int y = 0; y < h; ++y) {
            const std::uint8_t* sp = image.ScanLine(s.Top + y) + 4 * s.Left;
            std::uint8_t* dp = target.ScanLine(d.Top + y) + tb * d.Left;
            if (tb == 3)
                ComposeRow<3>(sp, dp, w, alpha);
            else
                ComposeRow<4>(sp, dp, w, alpha);
        }
    }
    for (int y = 0; bg && y < h; ++y) {
        const std::uint8_t* sp = image.ScanLine(s.Top + y) + 4 * s.Left;
        std::uint8_t* dp = target.ScanLine(d.Top + y) + tb * d.Left;
        for (int x = 0; x < w; ++x, sp += 4, dp += tb) {
            if (bg && Read32(sp) == kKeyPixel) {
                if (!bg->useBackground)
                    continue;
                const int cx = bg->x + d.Left + x;
                const int cy = bg->y + d.Top + y;
                if (cx < 0 || cy < 0 || cx >= bg->bitmap->Width() || cy >= bg->bitmap->Height() || bgBytes < 3)
                    continue;
                std::memcpy(dp, bg->bitmap->ScanLine(cy) + bgBytes * cx, 3);
                continue;
            }
            const int a = p == 0 ? sp[3] : (100 - p) * sp[3] / 100;
            dp[0] = ShadeByte(sp[0], dp[0], a);
            dp[1] = ShadeByte(sp[1], dp[1], a);
            dp[2] = ShadeByte(sp[2], dp[2], a);
        }
    }

    if (!o.reflection)
        return;
    const int half = h / 2;
    const int n = std::min(half - 1, target.Height() - d.Bottom - 1);
    if (n <= 0)
        return;
    const int step = 255 / half;
    int level = 255;
    for (int k = 1; k <= n; ++k, level -= step) {
        const std::uint8_t* sp = image.ScanLine(s.Bottom - k - 1) + 4 * s.Left;
        std::uint8_t* dp = target.ScanLine(d.Bottom + k) + tb * d.Left;
        for (int x = 0; x < w; ++x, sp += 4, dp += tb) {
            if (Read32(sp) == kKeyPixel)
                continue;
            const int A = sp[3];
            const int a = std::max(0, p == 0 ? level * (A / 3) / 255 : ((100 - p) * A / 300) * level / 255);
            dp[0] = ShadeByte(sp[0], dp[0], a);
            dp[1] = ShadeByte(sp[1], dp[1], a);
            dp[2] = ShadeByte(sp[2], dp[2], a);
        }
    }
}

void ClearWhiteTransparent(TBitmap& bitmap)
{
    if (bitmap.PixelFormat() != TPixelFormat::pf32bit)
        return;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 4)
            if (p[0] == 255 && p[1] == 255 && p[2] == 255 && p[3] == 0)
                std::memset(p, 0, 4);
    }
}

}  // namespace taramel
