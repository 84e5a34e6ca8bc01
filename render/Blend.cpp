#include "render/Blend.h"

#include <algorithm>
#include <cstring>

#include "render/BitmapCopy.h"
#include "render/FastAccess.h"
#include "render/PixelMath.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define TARAMEL_BLEND_AVX2 1
#endif

namespace taramel {

// Walks from the right end down, the order a blend of a bitmap onto itself
// depends on.
void BlendBytesReference(std::uint8_t* dst, const std::uint8_t* src, std::size_t n, unsigned w)
{
    for (std::size_t i = n; i-- > 0;)
        dst[i] = BlendByte(dst[i], src[i], w);
}

#if defined(TARAMEL_BLEND_AVX2)
namespace {

// The same arithmetic as the SSE2 loop below in 32-byte registers, for
// processors that have them; integer arithmetic gives the same bytes.
__attribute__((target("avx2"))) std::size_t BlendBytesAvx2(std::uint8_t* out, const std::uint8_t* dst,
                                                            const std::uint8_t* src, std::size_t n, unsigned w)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i keep = _mm256_set1_epi16(static_cast<short>(w));
    const __m256i take = _mm256_set1_epi16(static_cast<short>(255 - w));
    const __m256i half = _mm256_set1_epi16(127);
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        // unpack and pack work within 128-bit halves, so the order comes back.
        __m256i lo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), keep),
                                      _mm256_mullo_epi16(_mm256_unpacklo_epi8(s, zero), take));
        __m256i hi = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), keep),
                                      _mm256_mullo_epi16(_mm256_unpackhi_epi8(s, zero), take));
        lo = _mm256_srli_epi16(_mm256_add_epi16(lo, half), 8);
        hi = _mm256_srli_epi16(_mm256_add_epi16(hi, half), 8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_packus_epi16(lo, hi));
    }
    return i;
}

// One colour blended into a row: the colour's part of every byte,
// c * (255 - w) + 127, is a constant of the byte's place in a 96-byte
// period (32 pixels of 3 bytes, 24 of 4), held in 16-bit lanes for the even
// and the odd bytes. Even and odd bytes are split by mask and shift rather
// than unpacked, and put back by shift and mask: no shuffles.
__attribute__((target("avx2"))) std::size_t BlendColourAvx2(std::uint8_t* dst, const std::uint8_t* pattern,
                                                             std::size_t n, unsigned w)
{
    const __m256i low = _mm256_set1_epi16(0x00FF);
    const __m256i high = _mm256_set1_epi16(static_cast<short>(0xFF00));
    const __m256i keep = _mm256_set1_epi16(static_cast<short>(w));
    const __m256i take = _mm256_set1_epi16(static_cast<short>(255 - w));
    const __m256i half = _mm256_set1_epi16(127);
    __m256i even[3], odd[3];
    for (int j = 0; j < 3; ++j) {
        const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pattern + 32 * j));
        even[j] = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_and_si256(c, low), take), half);
        odd[j] = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_srli_epi16(c, 8), take), half);
    }
    std::size_t i = 0;
    for (; i + 96 <= n; i += 96)
        for (int j = 0; j < 3; ++j) {
            __m256i* p = reinterpret_cast<__m256i*>(dst + i + 32 * j);
            const __m256i d = _mm256_loadu_si256(p);
            const __m256i e = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_and_si256(d, low), keep), even[j]);
            const __m256i o = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_srli_epi16(d, 8), keep), odd[j]);
            _mm256_storeu_si256(p, _mm256_or_si256(_mm256_srli_epi16(e, 8), _mm256_and_si256(o, high)));
        }
    return i;
}

// Asked once; the explicit init makes the answer valid even before other
// static constructors have run. Tests may switch the wide loops off.
bool g_hasAvx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
}();
const bool g_canAvx2 = g_hasAvx2;

}  // namespace
#endif

bool UseWideBlendLoops(bool on)
{
#if defined(TARAMEL_BLEND_AVX2)
    const bool was = g_hasAvx2;
    g_hasAvx2 = on && g_canAvx2;
    return was;
#else
    return false;
#endif
}

void BlendBytesInto(std::uint8_t* out, const std::uint8_t* dst, const std::uint8_t* src, std::size_t n, unsigned w)
{
    std::size_t i = 0;
#if defined(TARAMEL_BLEND_AVX2)
    if (g_hasAvx2)
        i = BlendBytesAvx2(out, dst, src, n, w);
#endif
#if defined(__SSE2__)
    // Sixteen bytes at a time in 16-bit lanes. The products wrap as signed
    // 16-bit values, but the sum plus 127 stays below 65536 (see BlendByte),
    // so the low 16 bits are exact and the logical shift gives the byte.
    const __m128i zero = _mm_setzero_si128();
    const __m128i keep = _mm_set1_epi16(static_cast<short>(w));
    const __m128i take = _mm_set1_epi16(static_cast<short>(255 - w));
    const __m128i half = _mm_set1_epi16(127);
    for (; i + 16 <= n; i += 16) {
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), keep),
                                   _mm_mullo_epi16(_mm_unpacklo_epi8(s, zero), take));
        __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), keep),
                                   _mm_mullo_epi16(_mm_unpackhi_epi8(s, zero), take));
        lo = _mm_srli_epi16(_mm_add_epi16(lo, half), 8);
        hi = _mm_srli_epi16(_mm_add_epi16(hi, half), 8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
    }
#endif
    for (; i < n; ++i)
        out[i] = BlendByte(dst[i], src[i], w);
}

void BlendBytes(std::uint8_t* dst, const std::uint8_t* src, std::size_t n, unsigned w)
{
    BlendBytesInto(dst, dst, src, n, w);
}

void BlendColourBytes(std::uint8_t* dst, const std::uint8_t* pixel, int bpp, std::size_t n, unsigned w)
{
    if (bpp < 1 || bpp > 4)
        return;
    // 96 bytes hold whole pixels of 1 to 4 bytes (3 and 4 both divide it),
    // so the vector loops restart the pattern on a pixel boundary.
    std::uint8_t pattern[96];
    PixelPattern96(pattern, pixel, bpp);
    std::size_t i = 0;
#if defined(TARAMEL_BLEND_AVX2)
    if (g_hasAvx2)
        i = BlendColourAvx2(dst, pattern, n, w);
#endif
#if defined(__SSE2__)
    {
        const __m128i low = _mm_set1_epi16(0x00FF);
        const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF00));
        const __m128i keep = _mm_set1_epi16(static_cast<short>(w));
        const __m128i take = _mm_set1_epi16(static_cast<short>(255 - w));
        const __m128i half = _mm_set1_epi16(127);
        __m128i even[6], odd[6];
        for (int j = 0; j < 6; ++j) {
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pattern + 16 * j));
            even[j] = _mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(c, low), take), half);
            odd[j] = _mm_add_epi16(_mm_mullo_epi16(_mm_srli_epi16(c, 8), take), half);
        }
        for (; i + 96 <= n; i += 96)
            for (int j = 0; j < 6; ++j) {
                __m128i* p = reinterpret_cast<__m128i*>(dst + i + 16 * j);
                const __m128i d = _mm_loadu_si128(p);
                const __m128i e = _mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(d, low), keep), even[j]);
                const __m128i o = _mm_add_epi16(_mm_mullo_epi16(_mm_srli_epi16(d, 8), keep), odd[j]);
                _mm_storeu_si128(p, _mm_or_si128(_mm_srli_epi16(e, 8), _mm_and_si128(o, high)));
            }
    }
#endif
    // i is a multiple of 96, so byte i is the pattern's byte 0 again.
    for (std::size_t k = 0; i < n; ++i, ++k)
        dst[i] = BlendByte(dst[i], pattern[k % 96], w);
}

template <int B>
void TacFastSum<B>::Blend() const
{
    if (!Source || !Destination || Width == 0)
        return;
    // The rectangles are public fields: keep a stray one inside both bitmaps.
    const int w = std::min({DstRight - DstLeft, SrcRight - SrcLeft, Destination->Width() - DstLeft,
                            Source->Width() - SrcLeft});
    const int h = std::min({DstBottom - DstTop, SrcBottom - SrcTop, Destination->Height() - DstTop,
                            Source->Height() - SrcTop});
    if (w <= 0 || h <= 0 || DstLeft < 0 || DstTop < 0 || SrcLeft < 0 || SrcTop < 0)
        return;
    const std::size_t n = static_cast<std::size_t>(w) * B;
    // A bitmap blended onto itself must see its bytes in the defined order:
    // rows from the bottom of the rectangle up, bytes from the right end down.
    const bool self = Source == Destination;
    for (int r = h - 1; r >= 0; --r) {
        std::uint8_t* d = DstRow0 + (DstTop + r) * DstStride + DstLeft * B;
        const std::uint8_t* s = SrcRow0 + (SrcTop + r) * SrcStride + SrcLeft * B;
        if (self)
            BlendBytesReference(d, s, n, Weight);
        else
            BlendBytes(d, s, n, Weight);
    }
}

template void TacFastSum<3>::Blend() const;
template void TacFastSum<4>::Blend() const;

namespace {

template <class Sum>
void BlendWith(Sum& sum, TBitmap& destination, TBitmap& source, int w, int x, int y, const TRect& r)
{
    if (!sum.Attach(&source, &destination))
        return;
    sum.Weight = static_cast<std::uint8_t>(ClampByte(w));
    sum.DstLeft = x;
    sum.DstTop = y;
    sum.DstRight = x + r.Width();
    sum.DstBottom = y + r.Height();
    sum.SrcLeft = r.Left;
    sum.SrcTop = r.Top;
    sum.SrcRight = r.Left + r.Width();
    sum.SrcBottom = r.Top + r.Height();
    sum.Blend();
}

}  // namespace

void BlendBitmaps(TBitmap& destination, TBitmap& source, int w, int x, int y, TRect r)
{
    if (!ClipCopyToPoint(r, {source.Width(), source.Height()}, x, y, {destination.Width(), destination.Height()}))
        return;
    const TPixelFormat df = destination.PixelFormat();
    if (df != source.PixelFormat())
        return;
    if (df == TPixelFormat::pf32bit) {
        TacFastSum32 sum;
        BlendWith(sum, destination, source, w, x, y, r);
    } else if (df == TPixelFormat::pf24bit) {
        BlendWith(SharedFastSum24(), destination, source, w, x, y, r);
    }
}

bool BlendSameSizeInto(TBitmap& out, const TBitmap& destination, const TBitmap& source, int w)
{
    const auto fits = [&](const TBitmap& b) {
        return b.PixelFormat() == TPixelFormat::pf24bit && b.Width() == destination.Width() &&
               b.Height() == destination.Height();
    };
    if (destination.Width() < 2 || destination.Height() < 2 || !fits(destination) || !fits(source) || !fits(out))
        return false;
    const std::size_t n = static_cast<std::size_t>(destination.Width()) * 3;
    const unsigned weight = static_cast<unsigned>(ClampByte(w));
    const std::ptrdiff_t stride = destination.Stride();
    if (source.Stride() == stride && out.Stride() == stride &&
        static_cast<std::size_t>(stride < 0 ? -stride : stride) == n) {
        // Rows without padding, in the same order in all three: one run
        // from the lowest address, no tail left for the plain loop per row.
        const int low = stride < 0 ? destination.Height() - 1 : 0;
        BlendBytesInto(out.ScanLine(low), destination.ScanLine(low), source.ScanLine(low),
                       n * static_cast<std::size_t>(destination.Height()), weight);
        return true;
    }
    for (int y = 0; y < destination.Height(); ++y)
        BlendBytesInto(out.ScanLine(y), destination.ScanLine(y), source.ScanLine(y), n, weight);
    return true;
}

void BlendSameSize(TBitmap& destination, TBitmap& source, int w)
{
    if (destination.Width() != source.Width() || destination.Height() != source.Height())
        return;
    BlendWith(SharedFastSum24(), destination, source, w, 0, 0,
              TRect{0, 0, destination.Width(), destination.Height()});
}

}  // namespace taramel
