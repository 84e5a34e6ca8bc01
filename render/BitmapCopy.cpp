#include "render/BitmapCopy.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace taramel {

namespace {

template <int B>
void RepeatShort(std::uint8_t* p, const std::uint8_t* pixel, int count)
{
    for (int k = 0; k < count; ++k)
        std::memcpy(p + k * B, pixel, B);
}

}  // namespace

namespace {

// Twelve bytes of the pixel repeated (whole pixels of each size 1 to 4) as
// three little-endian words, put together in registers: no byte store is
// read back.
void PatternWords(const std::uint8_t* pixel, int bpp, std::uint32_t (&words)[3])
{
    const std::uint32_t b0 = pixel[0], b1 = bpp > 1 ? pixel[1] : 0, b2 = bpp > 2 ? pixel[2] : 0,
                        b3 = bpp > 3 ? pixel[3] : 0;
    switch (bpp) {
    case 1: words[0] = words[1] = words[2] = b0 * 0x01010101u; break;
    case 2: words[0] = words[1] = words[2] = (b0 | b1 << 8) * 0x00010001u; break;
    case 3:
        words[0] = b0 | b1 << 8 | b2 << 16 | b0 << 24;
        words[1] = b1 | b2 << 8 | b0 << 16 | b1 << 24;
        words[2] = b2 | b0 << 8 | b1 << 16 | b2 << 24;
        break;
    default: words[0] = words[1] = words[2] = b0 | b1 << 8 | b2 << 16 | b3 << 24; break;
    }
}

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

}  // namespace

void PixelPattern96(std::uint8_t (&pattern)[96], const std::uint8_t* pixel, int bpp)
{
    if constexpr (!kLittleEndian) {
        for (int k = 0; k < 96; ++k)
            pattern[k] = pixel[k % bpp];
        return;
    }
    std::uint32_t words[3];
    PatternWords(pixel, bpp, words);
    for (int k = 0; k < 96; k += 12)
        std::memcpy(pattern + k, words, sizeof words);
}

void RepeatPixel(std::uint8_t* p, const std::uint8_t* pixel, int bpp, int count)
{
    if (count <= 0 || bpp < 1)
        return;
    const std::size_t total = static_cast<std::size_t>(count) * bpp;
    if (bpp > 4) {
        // Doubling the filled part with each copy.
        std::memcpy(p, pixel, static_cast<std::size_t>(bpp));
        for (std::size_t done = static_cast<std::size_t>(bpp); done < total;) {
            const std::size_t n = std::min(done, total - done);
            std::memcpy(p + done, p, n);
            done += n;
        }
        return;
    }
    if (count <= 8) {
        switch (bpp) {
        case 1: RepeatShort<1>(p, pixel, count); break;
        case 2: RepeatShort<2>(p, pixel, count); break;
        case 3: RepeatShort<3>(p, pixel, count); break;
        default: RepeatShort<4>(p, pixel, count); break;
        }
        return;
    }
#if defined(__SSE2__)
    if (kLittleEndian && total >= 48) {
        // 48 bytes (whole pixels of each size) from three registers a step;
        // the rest copies the row's own start, which holds the same phase.
        std::uint32_t w[3];
        PatternWords(pixel, bpp, w);
        const auto word = [](std::uint32_t v) { return static_cast<int>(v); };
        const __m128i v0 = _mm_setr_epi32(word(w[0]), word(w[1]), word(w[2]), word(w[0]));
        const __m128i v1 = _mm_setr_epi32(word(w[1]), word(w[2]), word(w[0]), word(w[1]));
        const __m128i v2 = _mm_setr_epi32(word(w[2]), word(w[0]), word(w[1]), word(w[2]));
        // Long rows then double what is filled: the library's copy writes
        // wider than 16 bytes where the processor can.
        const std::size_t block = std::min<std::size_t>(total / 48, 4) * 48;
        for (std::size_t i = 0; i < block; i += 48) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), v0);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i + 16), v1);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i + 32), v2);
        }
        for (std::size_t done = block; done < total;) {
            const std::size_t n = std::min(done, total - done);
            std::memcpy(p + done, p, n);
            done += n;
        }
        return;
    }
#endif
    std::uint8_t pattern[96];
    PixelPattern96(pattern, pixel, bpp);
    std::size_t i = 0;
    for (; i + 96 <= total; i += 96)
        std::memcpy(p + i, pattern, 96);
    std::memcpy(p + i, pattern, total - i);
}

void CopyBitmapRect(TBitmap& destination, int x, int y, const TBitmap& source, TRect r)
{
    if (!ClipCopyToPoint(r, {source.Width(), source.Height()}, x, y, {destination.Width(), destination.Height()}))
        return;
    const int w = r.Width();
    const int h = r.Height();
    const TPixelFormat sf = source.PixelFormat();
    const TPixelFormat df = destination.PixelFormat();
    const int sb = BytesPerPixel(sf);
    const int db = BytesPerPixel(df);
    if (sf != df && (sf == TPixelFormat::pf8bit || df == TPixelFormat::pf8bit))
        return;
    if (&source != &destination && sf == df) {
        // Two bitmaps never overlap: rows straight from one to the other.
        const std::uint8_t* s0 = source.Row0() + r.Left * sb;
        std::uint8_t* d0 = destination.Row0() + x * db;
        const std::ptrdiff_t ss = source.Stride(), ds = destination.Stride();
        for (int j = 0; j < h; ++j)
            std::memcpy(d0 + (y + j) * ds, s0 + (r.Top + j) * ss, static_cast<std::size_t>(w) * sb);
        return;
    }
    // Copy rows through a buffer so that overlapping areas of one bitmap
    // read the original pixels.
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(w) * sb * h);
    for (int j = 0; j < h; ++j)
        std::memcpy(&rows[static_cast<std::size_t>(j) * w * sb], source.ScanLine(r.Top + j) + r.Left * sb,
                    static_cast<std::size_t>(w) * sb);
    for (int j = 0; j < h; ++j) {
        const std::uint8_t* s = &rows[static_cast<std::size_t>(j) * w * sb];
        std::uint8_t* d = destination.ScanLine(y + j) + x * db;
        if (sf == df) {
            std::memcpy(d, s, static_cast<std::size_t>(w) * sb);
            continue;
        }
        for (int i = 0; i < w; ++i, s += sb, d += db) {
            std::memcpy(d, s, 3);
            if (db == 4)
                d[3] = 0;
        }
    }
}

namespace {

// The source pixels a destination pixel covers along one axis, with their
// overlap in units of 1/dn source pixel: destination pixel i spans
// [i * sn, (i + 1) * sn) and source pixel j spans [j * dn, (j + 1) * dn), so
// each destination pixel's weights add up to sn.
struct Span {
    int first = 0;
    std::vector<long long> weights;
};

std::vector<Span> CoverSpans(int sn, int dn)
{
    std::vector<Span> spans(static_cast<std::size_t>(dn));
    for (int i = 0; i < dn; ++i) {
        const long long lo = static_cast<long long>(i) * sn;
        const long long hi = lo + sn;
        Span& span = spans[static_cast<std::size_t>(i)];
        span.first = static_cast<int>(lo / dn);
        for (long long j = span.first; j * dn < hi; ++j) {
            const long long a = std::max(lo, j * dn);
            const long long b = std::min(hi, (j + 1) * dn);
            span.weights.push_back(b - a);
        }
    }
    return spans;
}

}  // namespace

void StretchBitmapRect(TBitmap& destination, const TRect& to, const TBitmap& source, const TRect& from)
{
    if (destination.PixelFormat() != source.PixelFormat() || to.Width() <= 0 || to.Height() <= 0 ||
        from.Width() <= 0 || from.Height() <= 0 || from.Left < 0 || from.Top < 0 || from.Right > source.Width() ||
        from.Bottom > source.Height())
        return;
    const int bpp = BytesPerPixel(source.PixelFormat());
    const std::vector<Span> xs = CoverSpans(from.Width(), to.Width());
    const std::vector<Span> ys = CoverSpans(from.Height(), to.Height());
    const long long total = static_cast<long long>(from.Width()) * from.Height();
    const int x0 = std::max(to.Left, 0);
    const int x1 = std::min(to.Right, destination.Width());
    const int y0 = std::max(to.Top, 0);
    const int y1 = std::min(to.Bottom, destination.Height());
    for (int y = y0; y < y1; ++y) {
        const Span& sy = ys[static_cast<std::size_t>(y - to.Top)];
        std::uint8_t* d = destination.ScanLine(y);
        for (int x = x0; x < x1; ++x) {
            const Span& sx = xs[static_cast<std::size_t>(x - to.Left)];
            for (int c = 0; c < bpp; ++c) {
                long long sum = 0;
                for (std::size_t j = 0; j < sy.weights.size(); ++j) {
                    const std::uint8_t* s = source.ScanLine(from.Top + sy.first + static_cast<int>(j)) +
                                            (from.Left + sx.first) * bpp + c;
                    for (std::size_t i = 0; i < sx.weights.size(); ++i)
                        sum += sy.weights[j] * sx.weights[i] * s[i * bpp];
                }
                d[x * bpp + c] = static_cast<std::uint8_t>((sum + total / 2) / total);
            }
        }
    }
}

}  // namespace taramel
