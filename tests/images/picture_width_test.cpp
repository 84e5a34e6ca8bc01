// The width a picture declares, read from its header alone: what the skin
// loader uses to skip pictures of width 0 before any reader can fail them.
#include <gtest/gtest.h>

#include "images/PictureWidth.h"
#include "tests/images/PngBuilder.h"
#include "tests/skin/loader_bmp.h"

namespace taramel {
namespace {

using test::Bytes;

Bytes BmpWithWidth(std::int32_t width)
{
    Bytes b = test::Bmp24(3, 2);
    for (int i = 0; i < 4; ++i)
        b[18 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(width) >> (8 * i));
    return b;
}

// The old core header: 16-bit width and height.
Bytes CoreBmpWithWidth(std::uint16_t width)
{
    Bytes b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0,
               static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(width >> 8), 1, 0, 1, 0, 24, 0};
    return b;
}

// Start of image, an APP0 segment, then a baseline frame header.
Bytes JpegWithWidth(std::uint16_t width, std::uint8_t frameMarker = 0xC0)
{
    Bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x06, 'J', 'F', 'I', 'F', 0xFF, frameMarker, 0x00, 0x0B, 8, 0x00, 0x10};
    b.push_back(static_cast<std::uint8_t>(width >> 8));
    b.push_back(static_cast<std::uint8_t>(width));
    b.insert(b.end(), {1, 1, 0x11, 0});
    return b;
}

TEST(PictureWidth, ReadFromTheHeaderOfEachFormat)
{
    using test::Ihdr;
    using test::Png;
    using test::Iend;
    const struct {
        const char* name;
        Bytes bytes;
        std::optional<std::int64_t> width;
    } cases[] = {
        {"empty file", {}, 0},
        {"BMP", BmpWithWidth(3), 3},
        {"BMP width 0", BmpWithWidth(0), 0},
        {"BMP negative width", BmpWithWidth(-2), -2},
        {"BMP core header width 0", CoreBmpWithWidth(0), 0},
        {"BMP core header", CoreBmpWithWidth(300), 300},
        {"BMP cut before the width", Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 0}, std::nullopt},
        {"PNG", Png({Ihdr(7, 2, 8, 6), Iend()}), 7},
        {"PNG width 0", Png({Ihdr(0, 2, 8, 6), Iend()}), 0},
        {"JPEG", JpegWithWidth(640), 640},
        {"JPEG width 0", JpegWithWidth(0), 0},
        {"progressive JPEG width 0", JpegWithWidth(0, 0xC2), 0},
        {"JPEG with a huffman table where the frame would be", JpegWithWidth(0, 0xC4), std::nullopt},
        {"text", Bytes{'1', '2', ' ', '9'}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeclaredPictureWidth(c.bytes), c.width) << c.name;
}

}  // namespace
}  // namespace taramel
