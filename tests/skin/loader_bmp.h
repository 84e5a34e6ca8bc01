// Writes bottom-up 24-bit BMP files for skin fixtures, fuzz pictures and
// benchmark skins; the pixel function gives each pixel's colour 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <vector>

namespace taramel::test {

template <typename PixelFn>
std::vector<std::uint8_t> Bmp24(int w, int h, PixelFn pixel)
{
    const std::size_t row = (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t(3);
    std::vector<std::uint8_t> b(54 + row * static_cast<std::size_t>(h));
    auto put = [&](std::size_t at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, static_cast<std::uint32_t>(b.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(w), 4);
    put(22, static_cast<std::uint32_t>(h), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, static_cast<std::uint32_t>(row * h), 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = pixel(x, y);
            std::uint8_t* p = &b[54 + static_cast<std::size_t>(h - 1 - y) * row + 3 * static_cast<std::size_t>(x)];
            p[0] = static_cast<std::uint8_t>(c >> 16);
            p[1] = static_cast<std::uint8_t>(c >> 8);
            p[2] = static_cast<std::uint8_t>(c);
        }
    return b;
}

inline std::vector<std::uint8_t> Bmp24(int w, int h, std::uint32_t color = 0x808080)
{
    return Bmp24(w, h, [color](int, int) { return color; });
}

}  // namespace taramel::test
