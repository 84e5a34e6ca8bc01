#include "images/PngFilters.h"

#include <cstdlib>

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

// The filters with a left neighbour, written for a fixed pixel size so that
// the compiler keeps the pixel in registers.
template <int Bpp>
void UndoSub(std::uint8_t* row, std::size_t n)
{
    for (std::size_t i = Bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + row[i - Bpp]);
}

template <int Bpp>
void UndoAverage(std::uint8_t* row, const std::uint8_t* prev, std::size_t n)
{
    for (std::size_t i = 0; i < Bpp && i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + (prev[i] >> 1));
    for (std::size_t i = Bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - Bpp] + prev[i]) >> 1));
}

template <int Bpp>
void UndoPaeth(std::uint8_t* row, const std::uint8_t* prev, std::size_t n)
{
    for (std::size_t i = 0; i < Bpp && i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + prev[i]);
    for (std::size_t i = Bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + Paeth(row[i - Bpp], prev[i], prev[i - Bpp]));
}

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
    static void Run(std::uint8_t* r, const std::uint8_t* p, std::size_t n) { UndoPaeth<B>(r, p, n); }
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
