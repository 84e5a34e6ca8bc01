#include "images/ComposeImage32.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "render/PixelMath.h"

#if defined(__x86_64__) || defined(__i386__)
#include <tmmintrin.h>
#define TARAMEL_COMPOSE_SSSE3 1
#endif

namespace taramel {
namespace {

// A 32-bit pixel of the key colour (red and blue 255, green 0) with alpha 0.
constexpr std::uint32_t kKeyPixel = 0x00FF00FF;

// The effective alpha of every source alpha for a blend percent p.
using AlphaTable = std::array<std::uint8_t, 256>;
constexpr AlphaTable MakeEffectiveAlpha(int p)
{
    AlphaTable t{};
    for (int a = 0; a < 256; ++a)
        t[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(p == 0 ? a : (100 - p) * a / 100);
    return t;
}
// One table per percent, made once: a glyph is drawn far more often than
// there are percents.
constexpr std::array<AlphaTable, 101> MakeAlphaTables()
{
    std::array<AlphaTable, 101> tables{};
    for (int p = 0; p <= 100; ++p)
        tables[static_cast<std::size_t>(p)] = MakeEffectiveAlpha(p);
    return tables;
}
constexpr std::array<AlphaTable, 101> kAlphaTables = MakeAlphaTables();
const AlphaTable& EffectiveAlpha(int p) { return kAlphaTables[static_cast<std::size_t>(p)]; }

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

#ifdef TARAMEL_COMPOSE_SSSE3
// Four pixels at a time with the image's own alpha (no blend percent). The
// rule dst + floor((src - dst) * a / 256) is computed as
// (dst * (256 - a) + src * a) >> 8: the same number (dst is whole), and every
// term stays within 16 unsigned bits. The destination's own alpha byte is
// kept. Reads and writes touch only the row's own pixels.
template <int Bytes>
__attribute__((target("ssse3"))) int ComposeRowSsse3(const std::uint8_t* sp, std::uint8_t* dp, int w)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i pack = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m128i alphas = _mm_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
    const __m128i alphasHigh = _mm_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
    const __m128i full = _mm_set1_epi16(256);
    const __m128i keepAlpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int x = 0;
    for (; x + 4 <= w; x += 4, sp += 16, dp += 4 * Bytes) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sp));
        __m128i d;
        if constexpr (Bytes == 3) {
            std::uint32_t last;
            std::memcpy(&last, dp + 8, 4);
            d = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(dp)),
                                   _mm_cvtsi32_si128(static_cast<int>(last)));
            d = _mm_shuffle_epi8(d, spread);
        } else {
            d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dp));
        }
        const __m128i aLow = _mm_shuffle_epi8(s, alphas), aHigh = _mm_shuffle_epi8(s, alphasHigh);
        const __m128i low = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), _mm_sub_epi16(full, aLow)),
                          _mm_mullo_epi16(_mm_unpacklo_epi8(s, zero), aLow)),
            8);
        const __m128i high = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), _mm_sub_epi16(full, aHigh)),
                          _mm_mullo_epi16(_mm_unpackhi_epi8(s, zero), aHigh)),
            8);
        __m128i out = _mm_packus_epi16(low, high);
        if constexpr (Bytes == 3) {
            out = _mm_shuffle_epi8(out, pack);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(dp), out);
            const std::uint32_t last = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(out, 8)));
            std::memcpy(dp + 8, &last, 4);
        } else {
            out = _mm_or_si128(_mm_andnot_si128(keepAlpha, out), _mm_and_si128(keepAlpha, d));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dp), out);
        }
    }
    return x;
}

bool HasSsse3()
{
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}
#endif

// A row composed with the effective alpha of the table: the four-pixel
// kernel where the processor has it and no blend percent changes the alpha,
// the plain loop for the rest.
template <int Bytes>
void ComposeRowFast(const std::uint8_t* sp, std::uint8_t* dp, int w, const AlphaTable& alpha, int percent)
{
    int done = 0;
#ifdef TARAMEL_COMPOSE_SSSE3
    if (percent == 0 && HasSsse3())
        done = ComposeRowSsse3<Bytes>(sp, dp, w);
#endif
    ComposeRow<Bytes>(sp + 4 * done, dp + Bytes * done, w - done, alpha);
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
        const AlphaTable& alpha = EffectiveAlpha(p);
        for (int y = 0; y < h; ++y) {
            const std::uint8_t* sp = image.ScanLine(s.Top + y) + 4 * s.Left;
            std::uint8_t* dp = target.ScanLine(d.Top + y) + tb * d.Left;
            if (tb == 3)
                ComposeRowFast<3>(sp, dp, w, alpha, p);
            else
                ComposeRowFast<4>(sp, dp, w, alpha, p);
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

void PremultiplyAlpha(TBitmap& bitmap)
{
    if (bitmap.PixelFormat() != TPixelFormat::pf32bit)
        return;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 4)
            for (int c = 0; c < 3; ++c)
                p[c] = MulByte(p[c], p[3]);
    }
}

}  // namespace taramel
