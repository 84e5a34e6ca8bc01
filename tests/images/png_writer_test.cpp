// The PNG writer: what it writes reads back through the engine's own PNG
// reader pixel for pixel, with and without alpha.
#include <gtest/gtest.h>

#include "images/PngWriter.h"
#include "base/Exception.h"
#include "images/PngReader.h"

namespace taramel {
namespace {

TEST(PngWriter, ReadsBackPixelForPixel)
{
    for (TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        // Odd sizes: rows of the bitmap are padded, rows of the PNG are not.
        TBitmap bitmap(7, 5, format);
        const int channels = format == TPixelFormat::pf32bit ? 4 : 3;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                std::uint8_t* px = bitmap.ScanLine(y) + x * channels;
                px[0] = static_cast<std::uint8_t>(x * 30);       // blue
                px[1] = static_cast<std::uint8_t>(y * 50);       // green
                px[2] = static_cast<std::uint8_t>(200 - x * y);  // red
                if (channels == 4)
                    px[3] = static_cast<std::uint8_t>(255 - x * 20 - y);
            }
        const auto bytes = EncodePng(bitmap);
        TPNGGraphic png;
        LoadPngFromMemory(bytes.data(), bytes.size(), png);
        TBitmap back;
        back.Assign(png);
        ASSERT_EQ(back.Width(), 7);
        ASSERT_EQ(back.Height(), 5);
        const int backChannels = back.PixelFormat() == TPixelFormat::pf32bit ? 4 : 3;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const std::uint8_t* a = bitmap.ScanLine(y) + x * channels;
                const std::uint8_t* b = back.ScanLine(y) + x * backChannels;
                for (int c = 0; c < 3; ++c)
                    ASSERT_EQ(a[c], b[c]) << "format " << channels * 8 << " pixel " << x << ',' << y;
                if (channels == 4) {
                    ASSERT_EQ(backChannels, 4);
                    ASSERT_EQ(a[3], b[3]) << "alpha at " << x << ',' << y;
                }
            }
    }
}

TEST(PngWriter, EmptyBitmapIsAnError)
{
    EXPECT_THROW(EncodePng(TBitmap()), Exception);
}

}  // namespace
}  // namespace taramel
