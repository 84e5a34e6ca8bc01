// Small helpers for painter tests: set and read pixels by (x, y) through the
// bitmap's own row addressing.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "render/Bitmap.h"

namespace taramel::test {

struct Bgra {
    int b = 0, g = 0, r = 0, a = 0;
    bool operator==(const Bgra&) const = default;
};

inline std::uint8_t* At(TBitmap& bmp, int x, int y)
{
    return bmp.ScanLine(y) + x * BytesPerPixel(bmp.PixelFormat());
}

inline void Set(TBitmap& bmp, int x, int y, Bgra p)
{
    std::uint8_t* q = At(bmp, x, y);
    q[0] = static_cast<std::uint8_t>(p.b);
    if (bmp.PixelFormat() == TPixelFormat::pf8bit)
        return;
    q[1] = static_cast<std::uint8_t>(p.g);
    q[2] = static_cast<std::uint8_t>(p.r);
    if (bmp.PixelFormat() == TPixelFormat::pf32bit)
        q[3] = static_cast<std::uint8_t>(p.a);
}

inline Bgra Get(TBitmap& bmp, int x, int y)
{
    const std::uint8_t* q = At(bmp, x, y);
    if (bmp.PixelFormat() == TPixelFormat::pf8bit)
        return {q[0], 0, 0, 0};
    return {q[0], q[1], q[2], bmp.PixelFormat() == TPixelFormat::pf32bit ? q[3] : 0};
}

inline void Fill(TBitmap& bmp, Bgra p)
{
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            Set(bmp, x, y, p);
}

// Every byte of every row (padding excluded) from a seeded generator.
inline void Randomise(TBitmap& bmp, unsigned seed)
{
    std::mt19937 gen(seed);
    const std::size_t n = static_cast<std::size_t>(bmp.Width()) * BytesPerPixel(bmp.PixelFormat());
    for (int y = 0; y < bmp.Height(); ++y)
        for (std::size_t i = 0; i < n; ++i)
            bmp.ScanLine(y)[i] = static_cast<std::uint8_t>(gen());
}

// The pixel bytes of a bitmap, row by row from row 0, padding excluded.
inline std::vector<std::uint8_t> Bytes(const TBitmap& bmp)
{
    std::vector<std::uint8_t> out;
    const std::size_t n = static_cast<std::size_t>(bmp.Width()) * BytesPerPixel(bmp.PixelFormat());
    for (int y = 0; y < bmp.Height(); ++y)
        out.insert(out.end(), bmp.ScanLine(y), bmp.ScanLine(y) + n);
    return out;
}

}  // namespace taramel::test
