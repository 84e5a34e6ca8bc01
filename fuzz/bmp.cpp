// Reads arbitrary bytes as a BMP file: never a crash, a read outside the
// data or an allocation beyond the limits; an accepted picture has a sane size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/Exception.h"
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
    // Touch every byte so that uninitialised or stray rows would show.
    unsigned sum = 0;
    const int bytes = bitmap.Width() * (bitmap.PixelFormat() == TPixelFormat::pf32bit ? 4 : 3);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bytes; ++x)
            sum += bitmap.ScanLine(y)[x];
    return sum == 0xFFFFFFFFu ? 1 : 0;
}
