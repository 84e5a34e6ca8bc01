// Loads arbitrary bytes as a PNG file. A load either fails with one of the
// reader's own errors or gives a bitmap within the size limits whose every
// pixel can be read; anything else (a crash, another exception, a sanitizer
// report) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "images/PngErrors.h"
#include "images/PngReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace taramel;
    TPNGGraphic image;
    try {
        LoadPngFromMemory(data, size, image);
    } catch (const EInvalidGraphic&) {
        if (!image.Empty())
            std::abort();
        return 0;
    }
    if (image.Empty() || static_cast<std::uint32_t>(image.Width()) > kPngMaxSide ||
        static_cast<std::uint32_t>(image.Height()) > kPngMaxSide)
        std::abort();
    volatile std::uint32_t sum = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            sum = sum + image.PixelColor(x, y);
    return 0;
}
