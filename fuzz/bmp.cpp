// Reads arbitrary bytes as a BMP file: never a crash, a read outside the
// data or an allocation beyond the limits; an accepted picture has a sane size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "base/Exception.h"
#include "images/BmpReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace taramel;
    TBitmap bitmap;
    try {
        LoadBmpFromMemory(data, size, bitmap);
    } catch (const Exception&) {
        if (!bitmap.Empty())
            std::abort();
        return 0;
    }
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0 || bitmap.Width() > kBmpMaxSide ||
        bitmap.Height() > kBmpMaxSide)
        std::abort();
    // Touch the first and last rows whole (every row would make large
    // pictures too slow for the fuzzer), and the first pixel of every row.
    unsigned sum = 0;
    const int bytes = bitmap.Width() * (bitmap.PixelFormat() == TPixelFormat::pf32bit ? 4 : 3);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const bool whole = y == 0 || y == bitmap.Height() - 1;
        for (int x = 0; x < (whole ? bytes : 1); ++x)
            sum += bitmap.ScanLine(y)[x];
    }
    return sum == 0xFFFFFFFFu ? 1 : 0;
}
