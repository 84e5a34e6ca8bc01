#include "images/PngFilters.h"

#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace taramel {
namespace {

inline std::uint8_t Paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return static_cast<std::uint8_t>(a);
    return static_cast<std::uint8_t>(pb <= pc ? b : c);
}

// Four bytes added or averaged lane by lane inside one 32-bit word: the high
// bit of each byte is kept out of the carry chain and put back with XOR.
inline std::uint32_t AddBytes(std::uint32_t x, std::uint32_t y)
{
    return ((x & 0x7F7F7F7Fu) + (y & 0x7F7F7F7Fu)) ^ ((x ^ y) & 0x80808080u);
}

inline std::uint32_t AverageBytes(std::uint32_t x, std::uint32_t y)
{
    return (x & y) + (((x ^ y) & 0xFEFEFEFEu) >> 1);
}

inline std::uint32_t Load4(const std::uint8_t* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

inline void Store4(std::uint8_t* p, std::uint32_t v)
{
    std::memcpy(p, &v, 4);
}

// The filters with a left neighbour, written for a fixed pixel size so that
// the compiler keeps the pixel in registers.
template <int Bpp>
void UndoSub(std::uint8_t* row, std::size_t n)
{
    for (std::size_t i = Bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + row[i - Bpp]);
}

// Whole 4-byte pixels at a time (the RGBA images that skins are made of).
template <>
void UndoSub<4>(std::uint8_t* row, std::size_t n)
{
    if (n < 4)
        return;
    std::uint32_t left = Load4(row);
    std::size_t i = 4;
    for (; i + 4 <= n; i += 4) {
        left = AddBytes(Load4(row + i), left);
        Store4(row + i, left);
    }
    for (; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + row[i - 4]);
}

template <int Bpp>
void UndoAverage(std::uint8_t* row, const std::uint8_t* prev, std::size_t n)
{
    for (std::size_t i = 0; i < Bpp && i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + (prev[i] >> 1));
    for (std::size_t i = Bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - Bpp] + prev[i]) >> 1));
}

template <>
void UndoAverage<4>(std::uint8_t* row, const std::uint8_t* prev, std::size_t n)
{
    if (n < 4 || n % 4 != 0) {
        for (std::size_t i = 0; i < 4 && i < n; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + (prev[i] >> 1));
        for (std::size_t i = 4; i < n; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - 4] + prev[i]) >> 1));
        return;
    }
    std::uint32_t left = AddBytes(Load4(row), (Load4(prev) >> 1) & 0x7F7F7F7Fu);
    Store4(row, left);
    for (std::size_t i = 4; i < n; i += 4) {
        left = AddBytes(Load4(row + i), AverageBytes(left, Load4(prev + i)));
        Store4(row + i, left);
    }
}

template <int Bpp>
void UndoPaeth(std::uint8_t* row, const std::uint8_t* prev, std::size_t n)
{
    for (std::size_t i = 0; i < Bpp && i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + prev[i]);
    for (std::size_t i = Bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + Paeth(row[i - Bpp], prev[i], prev[i - Bpp]));
}

#if defined(__SSE2__)
// Paeth on pixels of 3 to 8 bytes with the channels in 16-bit lanes: the three
// distances are |b - c|, |a - c| and |a + b - 2c|, and the choice of a, b or c
// is made with masks instead of branches.
template <int Bpp>
void UndoPaethSse2(std::uint8_t* row, const std::uint8_t* prev, std::size_t n)
{
    const __m128i zero = _mm_setzero_si128();
    auto load = [&](const std::uint8_t* p) {
        std::uint8_t v[16] = {};
        std::memcpy(v, p, Bpp);
        return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(v)), zero);
    };
    auto abs16 = [&](__m128i v) { return _mm_max_epi16(v, _mm_sub_epi16(zero, v)); };
    __m128i a = zero, c = zero;
    for (std::size_t i = 0; i + Bpp <= n; i += Bpp) {
        const __m128i b = load(prev + i);
        const __m128i x = load(row + i);
        const __m128i bc = _mm_sub_epi16(b, c);
        const __m128i ac = _mm_sub_epi16(a, c);
        const __m128i pa = abs16(bc);
        const __m128i pb = abs16(ac);
        const __m128i pc = abs16(_mm_add_epi16(bc, ac));
        // a when pa <= pb and pa <= pc; else b when pb <= pc; else c.
        const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
        const __m128i notB = _mm_cmpgt_epi16(pb, pc);
        const __m128i bOrC = _mm_or_si128(_mm_andnot_si128(notB, b), _mm_and_si128(notB, c));
        const __m128i pred = _mm_or_si128(_mm_andnot_si128(notA, a), _mm_and_si128(notA, bOrC));
        a = _mm_and_si128(_mm_add_epi16(x, pred), _mm_set1_epi16(0xFF));
        std::uint8_t out[16];
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(a, zero));
        std::memcpy(row + i, out, Bpp);
        c = b;
    }
}
#endif

void UndoSubAny(std::uint8_t* row, std::size_t n, int bpp)
{
    switch (bpp) {
    case 1: UndoSub<1>(row, n); break;
    case 2: UndoSub<2>(row, n); break;
    case 3: UndoSub<3>(row, n); break;
    case 4: UndoSub<4>(row, n); break;
    case 6: UndoSub<6>(row, n); break;
    default: UndoSub<8>(row, n); break;
    }
}

template <template <int> class Op>
void Dispatch(std::uint8_t* row, const std::uint8_t* prev, std::size_t n, int bpp)
{
    switch (bpp) {
    case 1: Op<1>::Run(row, prev, n); break;
    case 2: Op<2>::Run(row, prev, n); break;
    case 3: Op<3>::Run(row, prev, n); break;
    case 4: Op<4>::Run(row, prev, n); break;
    case 6: Op<6>::Run(row, prev, n); break;
    default: Op<8>::Run(row, prev, n); break;
    }
}

template <int B>
struct AverageOp {
    static void Run(std::uint8_t* r, const std::uint8_t* p, std::size_t n) { UndoAverage<B>(r, p, n); }
};
template <int B>
struct PaethOp {
    static void Run(std::uint8_t* r, const std::uint8_t* p, std::size_t n)
    {
#if defined(__SSE2__)
        if constexpr (B >= 3) {
            if (n % B == 0) {
                UndoPaethSse2<B>(r, p, n);
                return;
            }
        }
#endif
        UndoPaeth<B>(r, p, n);
    }
};

}  // namespace

bool UnfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t length, int bpp)
{
    if (filter > 4)
        return false;
    // Pixel sizes of PNG are 1, 2, 3, 4, 6 and 8 bytes.
    switch (static_cast<PngFilter>(filter)) {
    case PngFilter::None: break;
    case PngFilter::Sub: UndoSubAny(row, length, bpp); break;
    case PngFilter::Up:
        if (previous)
            for (std::size_t i = 0; i < length; ++i)
                row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
        break;
    case PngFilter::Average:
        if (previous) {
            Dispatch<AverageOp>(row, previous, length, bpp);
        } else {
            for (std::size_t i = static_cast<std::size_t>(bpp); i < length; ++i)
                row[i] = static_cast<std::uint8_t>(row[i] + (row[i - bpp] >> 1));
        }
        break;
    case PngFilter::Paeth:
        // Above a zero row Paeth always picks the left neighbour: it is Sub.
        if (previous)
            Dispatch<PaethOp>(row, previous, length, bpp);
        else
            UndoSubAny(row, length, bpp);
        break;
    }
    return true;
}

}  // namespace taramel
