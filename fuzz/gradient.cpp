// Parses arbitrary text as gradient data and paints what parses into small
// bitmaps of every format, with a rectangle and offset taken from the first
// bytes. Checks what the parser promises: one piece per five words, colours
// never negative, percents within 0..100; painting never touches memory
// outside the bitmap (the sanitizers watch).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/Exception.h"
#include "render/Gradient.h"

using namespace taramel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    const auto geometry = [&](int i) { return static_cast<int>(static_cast<std::int8_t>(data[i])) / 4; };
    const TRect rect{geometry(0), geometry(1), geometry(2), geometry(3)};
    const int offset = geometry(4);
    const int format = data[5] % 3;
    const std::string_view text(reinterpret_cast<const char*>(data + 6), size - 6);

    std::size_t words = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t end = std::min(text.find(';', i), text.size());
        words += end > i;
        i = end + 1;
    }
    TsGradArray array;
    try {
        ParseGradientData(text, array);
    } catch (const Exception&) {
        if (array.size() != words / 5)
            std::abort();
        return 0;
    }
    if (array.size() != words / 5)
        std::abort();
    for (const GradientPiece& p : array)
        if (p.Color1 < 0 || p.Color2 < 0 || p.Percent > 100)
            std::abort();
    const TPixelFormat formats[] = {TPixelFormat::pf8bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit};
    TBitmap bitmap(9, 7, formats[format]);
    PaintGradient(bitmap, rect, array, offset);
    TBitmap thin(5, 1, formats[format]);
    PaintGradient(thin, rect, array, offset);
    return 0;
}
