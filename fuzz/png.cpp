// Loads arbitrary bytes as a PNG file. A load either fails with one of the
// reader's own errors or gives a bitmap within the size limits whose every
// pixel can be read; anything else (a crash, another exception, a sanitizer
// report) is a finding. A picture that loads is also added to an image
// list of a size taken from the bytes and composed in a state, blend, tint
// and reflection taken from them; the same bytes are read as stored list
// items and as an icon file, which must refuse them cleanly or read them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "base/Exception.h"
#include "images/ComposeImage32.h"
#include "images/IconFile.h"
#include "images/ImageListItems.h"
#include "images/PngErrors.h"
#include "images/PngReader.h"

namespace {

using namespace taramel;

// A small number from the bytes, the same for the same input.
int Pick(const std::uint8_t* data, std::size_t size, std::size_t at, int range)
{
    return size == 0 ? 0 : data[(at * 7919) % size] % range;
}

void AddToAListAndDraw(const std::uint8_t* data, std::size_t size)
{
    const int w = 1 + Pick(data, size, 1, 48), h = 1 + Pick(data, size, 2, 48);
    const auto picture = PngListPicture(data, size, w, h);
    if (picture->Width() != w || picture->Height() != h || picture->PixelFormat() != TPixelFormat::pf32bit)
        std::abort();
    const TStripPart part = StripPart(w, h, Pick(data, size, 3, 6) - 1, Pick(data, size, 4, 12) - 3);
    TBitmap target(40, 40, Pick(data, size, 5, 2) ? TPixelFormat::pf24bit : TPixelFormat::pf32bit);
    TComposeOptions options;
    options.blendPercent = Pick(data, size, 6, 101);
    options.tint = Pick(data, size, 7, 2) ? kNoTint : 0x0000FF;
    options.reflection = Pick(data, size, 8, 2) != 0;
    const int x = Pick(data, size, 9, 60) - 20, y = Pick(data, size, 10, 60) - 20;
    ComposeImage32(target, TRect{x, y, x + part.Size.cx, y + part.Size.cy}, *picture, part.Source, options);
}

void ReadAsItemsAndIcon(const std::uint8_t* data, std::size_t size)
{
    try {
        ReadImageListItems(data, size);
    } catch (const Exception&) {
    }
    try {
        const TIconFileImage image = ChooseIconImage(data, size, 16, 16);
        if (image.Data < data || image.Data + image.Size > data + size)
            std::abort();
    } catch (const Exception&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace taramel;
    ReadAsItemsAndIcon(data, size);
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
    AddToAListAndDraw(data, size);
    return 0;
}
