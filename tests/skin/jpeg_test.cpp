#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "base/Exception.h"
#include "images/JpegReader.h"

namespace taramel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Encodes a picture with libjpeg at quality 100 without chroma subsampling;
// `colour(x, y)` gives 0xRRGGBB (grey pictures take the red byte).
Bytes Encode(int width, int height, bool grey, const std::function<std::uint32_t(int, int)>& colour,
             bool progressive = false)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    for (int i = 0; i < info.num_components; ++i)
        info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * info.input_components);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, y);
            if (grey) {
                row[x] = JSAMPLE(c >> 16);
            } else {
                row[3 * x] = JSAMPLE(c >> 16);
                row[3 * x + 1] = JSAMPLE(c >> 8);
                row[3 * x + 2] = JSAMPLE(c);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

// Offset of the frame header's height field (after FF C0, length, precision).
std::size_t FrameSizeOffset(const Bytes& jpeg)
{
    for (std::size_t i = 0; i + 9 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
            return i + 5;
    return 0;
}

std::string ErrorOf(const Bytes& data)
{
    TBitmap bitmap;
    try {
        LoadJpegFromMemory(data.data(), data.size(), bitmap);
    } catch (const Exception& e) {
        EXPECT_TRUE(bitmap.Empty());
        return e.what();
    }
    return "(no error)";
}

void ExpectNear(const TBitmap& bitmap, int x, int y, std::uint32_t rgb, int tolerance)
{
    const std::uint8_t* p = bitmap.ScanLine(y) + 3 * x;
    EXPECT_NEAR(p[2], int(rgb >> 16 & 0xFF), tolerance) << x << "," << y;
    EXPECT_NEAR(p[1], int(rgb >> 8 & 0xFF), tolerance) << x << "," << y;
    EXPECT_NEAR(p[0], int(rgb & 0xFF), tolerance) << x << "," << y;
}

TEST(JpegReader, DecodesColourIntoBlueGreenRed)
{
    // Four 8 x 8 blocks: red, green / blue, grey, so every block is flat.
    const std::uint32_t colours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0x808080};
    const Bytes jpeg = Encode(16, 16, false, [&](int x, int y) { return colours[(y / 8) * 2 + x / 8]; });
    TBitmap bitmap(3, 3, TPixelFormat::pf32bit);
    LoadJpegFromMemory(jpeg.data(), jpeg.size(), bitmap);
    ASSERT_EQ(bitmap.Width(), 16);
    ASSERT_EQ(bitmap.Height(), 16);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    for (int block = 0; block < 4; ++block)
        for (int y = 0; y < 8; y += 7)
            for (int x = 0; x < 8; x += 7)
                ExpectNear(bitmap, (block % 2) * 8 + x, (block / 2) * 8 + y, colours[block], 3);
}

TEST(JpegReader, GreyBecomesEqualChannels)
{
    const Bytes jpeg = Encode(9, 5, true, [](int x, int y) { return x < 8 ? 0xC8C8C8 : 0x202020; });
    TBitmap bitmap;
    LoadJpegFromMemory(jpeg.data(), jpeg.size(), bitmap);
    ASSERT_EQ(bitmap.Width(), 9);
    ASSERT_EQ(bitmap.Height(), 5);
    for (int y = 0; y < 5; ++y) {
        const std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(row[3 * x], row[3 * x + 1]);
            EXPECT_EQ(row[3 * x], row[3 * x + 2]);
        }
        EXPECT_NEAR(row[0], 200, 2);
    }
}

TEST(JpegReader, BadAndLyingPictures)
{
    const Bytes good = Encode(32, 24, false, [](int x, int y) { return std::uint32_t(x * 8) << 16 | (y * 10); });
    const std::size_t sof = FrameSizeOffset(good);
    ASSERT_NE(sof, 0u);
    auto withSize = [&](int width, int height) {
        Bytes b = good;
        b[sof] = std::uint8_t(height >> 8), b[sof + 1] = std::uint8_t(height);
        b[sof + 2] = std::uint8_t(width >> 8), b[sof + 3] = std::uint8_t(width);
        return b;
    };
    struct Case {
        const char* what;
        Bytes data;
        std::string message;
    };
    const Case cases[] = {
        {"empty", {}, "JPEG data is empty"},
        {"a BMP", {'B', 'M', 0, 0, 0, 0}, "Not a JPEG file: starts with 0x42 0x4d"},
        {"cut after the headers", Bytes(good.begin(), good.begin() + good.size() * 2 / 3),
         "Premature end of JPEG file"},
        {"only the start marker", {0xFF, 0xD8}, "Premature end of JPEG file"},
        {"claims 30000 x 30000", withSize(30000, 30000), "JPEG size 30000 x 30000 is out of range"},
        {"claims 4000 x 4000 in a few hundred bytes", withSize(4000, 4000), "JPEG size 4000 x 4000 is out of range"},
        {"claims 40000 x 1", withSize(40000, 1), "JPEG size 40000 x 1 is out of range"},
        {"claims a width of 0", withSize(0, 24), "Empty JPEG image (DNL not supported)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf(c.data), c.message) << c.what;
}

TEST(JpegReader, ProgressiveFilesAndTooManyScans)
{
    const Bytes progressive = Encode(16, 16, false, [](int x, int y) { return 0x3070B0u; }, true);
    TBitmap bitmap;
    LoadJpegFromMemory(progressive.data(), progressive.size(), bitmap);
    ASSERT_EQ(bitmap.Width(), 16);
    ExpectNear(bitmap, 9, 9, 0x3070B0, 3);

    // The last scan repeated 600 times: a few kilobytes that would make the
    // decoder pass over the picture 600 times more.
    std::size_t lastScan = 0;
    for (std::size_t i = 0; i + 1 < progressive.size(); ++i)
        if (progressive[i] == 0xFF && progressive[i + 1] == 0xDA)
            lastScan = i;
    ASSERT_NE(lastScan, 0u);
    const Bytes scan(progressive.begin() + lastScan, progressive.end() - 2);
    Bytes bomb(progressive.begin(), progressive.end() - 2);
    for (int i = 0; i < 600; ++i)
        bomb.insert(bomb.end(), scan.begin(), scan.end());
    bomb.push_back(0xFF);
    bomb.push_back(0xD9);
    EXPECT_EQ(ErrorOf(bomb), "JPEG file has more than 500 scans");
}

TEST(JpegReader, EveryTruncationAndFlippedByteEndsCleanly)
{
    const Bytes good = Encode(24, 16, false, [](int x, int y) { return std::uint32_t(x * 10) << 8 | (y * 15); });
    for (std::size_t size = 1; size < good.size(); size += 7) {
        TBitmap bitmap;
        const Bytes cut(good.begin(), good.begin() + size);
        EXPECT_THROW(LoadJpegFromMemory(cut.data(), cut.size(), bitmap), Exception) << size;
    }
    for (std::size_t at = 0; at < good.size(); at += 5) {
        Bytes flipped = good;
        flipped[at] ^= 0x5A;
        TBitmap bitmap;
        try {
            LoadJpegFromMemory(flipped.data(), flipped.size(), bitmap);
        } catch (const Exception&) {
            EXPECT_TRUE(bitmap.Empty());
        }
    }
}

}  // namespace
}  // namespace taramel
