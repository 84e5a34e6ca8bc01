#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "images/BmpReader.h"

namespace taramel {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A BMP file put together field by field. Colours are 0xRRGGBB.
struct Bmp {
    std::uint32_t infoSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;  // negative: top-down
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint32_t> masks;  // red, green, blue[, alpha]
    Bytes pixels;
    std::int64_t offBitsShift = 0;    // to make the offset lie

    Bytes Build() const
    {
        Bytes info;
        if (infoSize == 12) {
            Put32(info, 12);
            Put16(info, std::uint32_t(width));
            Put16(info, std::uint32_t(height));
            Put16(info, 1);
            Put16(info, bitCount);
        } else {
            Put32(info, infoSize);
            Put32(info, std::uint32_t(width));
            Put32(info, std::uint32_t(height));
            Put16(info, 1);
            Put16(info, bitCount);
            Put32(info, compression);
            Put32(info, std::uint32_t(pixels.size()));
            Put32(info, 2835);
            Put32(info, 2835);
            Put32(info, std::uint32_t(palette.size()));
            Put32(info, 0);
            if (infoSize >= 52)
                for (std::size_t i = 0; i < 4 && info.size() < infoSize; ++i)
                    Put32(info, i < masks.size() ? masks[i] : 0);
            info.resize(infoSize, 0);
        }
        Bytes afterInfo;
        if (infoSize == 40)
            for (std::uint32_t m : masks)
                Put32(afterInfo, m);
        for (std::uint32_t c : palette) {
            afterInfo.push_back(std::uint8_t(c));
            afterInfo.push_back(std::uint8_t(c >> 8));
            afterInfo.push_back(std::uint8_t(c >> 16));
            if (infoSize != 12)
                afterInfo.push_back(0);
        }
        const std::size_t offBits = 14 + info.size() + afterInfo.size();
        Bytes file = {'B', 'M'};
        Put32(file, std::uint32_t(offBits + pixels.size()));
        Put32(file, 0);
        Put32(file, std::uint32_t(std::int64_t(offBits) + offBitsShift));
        file.insert(file.end(), info.begin(), info.end());
        file.insert(file.end(), afterInfo.begin(), afterInfo.end());
        file.insert(file.end(), pixels.begin(), pixels.end());
        return file;
    }
};

std::uint32_t Pixel(const TBitmap& bitmap, int x, int y)
{
    const int bpp = bitmap.PixelFormat() == TPixelFormat::pf32bit ? 4 : 3;
    const std::uint8_t* p = bitmap.ScanLine(y) + x * bpp;
    return std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
}

std::vector<std::uint32_t> AllPixels(const TBitmap& bitmap)
{
    std::vector<std::uint32_t> all;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            all.push_back(Pixel(bitmap, x, y));
    return all;
}

constexpr std::uint32_t A = 0x102030, B = 0xA0B0C0, C = 0x00FF00, D = 0x0000FF, K = 0x000000;

struct FormatCase {
    const char* what;
    Bmp bmp;
    int width, height;
    TPixelFormat format;
    std::vector<std::uint32_t> expected;  // top row first
};

std::vector<FormatCase> FormatCases()
{
    std::vector<FormatCase> cases;
    cases.push_back({"1 bit, bottom-up", {40, 4, 2, 1, 0, {A, B}, {}, {0xA0, 0, 0, 0, 0x60, 0, 0, 0}},
                     4, 2, TPixelFormat::pf24bit, {A, B, B, A, B, A, B, A}});
    {
        std::vector<std::uint32_t> palette16(16, 0x777777);
        palette16[0] = A, palette16[1] = B, palette16[2] = C;
        cases.push_back({"4 bits, core header", {12, 3, 2, 4, 0, palette16, {}, {0x21, 0x00, 0, 0, 0x01, 0x20, 0, 0}},
                         3, 2, TPixelFormat::pf24bit, {A, B, C, C, B, A}});
    }
    cases.push_back({"8 bits, top-down, short palette reads black",
                     {40, 3, -2, 8, 0, {A, B, C}, {}, {2, 0, 1, 0, 1, 2, 3, 0}},
                     3, 2, TPixelFormat::pf24bit, {C, A, B, B, C, K}});
    cases.push_back({"16 bits, 5-5-5", {40, 2, 1, 16, 0, {}, {}, {0x00, 0x7C, 0x10, 0x42}},
                     2, 1, TPixelFormat::pf24bit, {0xFF0000, 0x848484}});
    cases.push_back({"16 bits, 5-6-5 bit fields", {40, 3, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0xE0, 0x07, 0x10, 0x04, 0, 0}},
                     3, 1, TPixelFormat::pf24bit, {0xFF0000, 0x00FF00, 0x008284}});
    cases.push_back({"16 bits, 5-6-5 in a v4 header", {108, 1, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, {0x1F, 0x00, 0, 0}},
                     1, 1, TPixelFormat::pf24bit, {0x0000FF}});
    cases.push_back({"24 bits, bottom-up, padded rows",
                     {40, 3, 2, 24, 0, {}, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0}},
                     3, 2, TPixelFormat::pf24bit, {0x0C0B0A, 0x0F0E0D, 0x121110, 0x030201, 0x060504, 0x090807}});
    cases.push_back({"24 bits, last row without its padding", {40, 1, 2, 24, 0, {}, {}, {1, 2, 3, 0, 4, 5, 6}},
                     1, 2, TPixelFormat::pf24bit, {0x060504, 0x030201}});
    cases.push_back({"24 bits, v5 header, top-down", {124, 2, -1, 24, 0, {}, {}, {1, 2, 3, 4, 5, 6, 0, 0}},
                     2, 1, TPixelFormat::pf24bit, {0x030201, 0x060504}});
    cases.push_back({"32 bits, plain", {40, 1, 1, 32, 0, {}, {}, {0x10, 0x20, 0x30, 0x40}},
                     1, 1, TPixelFormat::pf32bit, {0x302010}});
    cases.push_back({"32 bits, v5 bit fields in other order",
                     {124, 1, 1, 32, 3, {}, {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000}, {0x11, 0x22, 0x33, 0x44}},
                     1, 1, TPixelFormat::pf32bit, {0x112233}});
    {
        // RLE8, 4 x 3: a run, an end of line, a literal, a delta, the end.
        const Bytes rle = {3, 1, 0, 0,  0, 3, 2, 3, 1, 0,  0, 0,  0, 2, 2, 0,  2, 2,  0, 1};
        cases.push_back({"RLE8", {40, 4, 3, 8, 1, {A, B, C, D}, {}, rle},
                         4, 3, TPixelFormat::pf24bit, {K, K, C, C, C, D, B, K, B, B, B, K}});
    }
    {
        const Bytes rle = {4, 0x12, 0, 0,  0, 3, 0x31, 0x20,  0, 1};
        cases.push_back({"RLE4", {40, 4, 2, 4, 2, {A, B, C, D}, {}, rle},
                         4, 2, TPixelFormat::pf24bit, {D, B, C, K, B, C, B, C}});
    }
    {
        // Runs past the right edge are cut; the last end mark may be missing.
        const Bytes rle = {9, 1, 0, 0, 2, 2};
        cases.push_back({"RLE8, long run, no end mark", {40, 2, 2, 8, 1, {A, B, C}, {}, rle},
                         2, 2, TPixelFormat::pf24bit, {C, C, B, B}});
    }
    return cases;
}

TEST(BmpReader, Formats)
{
    for (const FormatCase& c : FormatCases()) {
        SCOPED_TRACE(c.what);
        const Bytes file = c.bmp.Build();
        TBitmap bitmap;
        ASSERT_NO_THROW(LoadBmpFromMemory(file.data(), file.size(), bitmap));
        EXPECT_EQ(bitmap.Width(), c.width);
        EXPECT_EQ(bitmap.Height(), c.height);
        EXPECT_EQ(bitmap.PixelFormat(), c.format);
        EXPECT_EQ(AllPixels(bitmap), c.expected);
    }
}

TEST(BmpReader, AlphaOf32BitFiles)
{
    struct Case {
        const char* what;
        Bmp bmp;
        std::uint8_t alpha;
    };
    const Case cases[] = {
        {"plain: the fourth byte", {40, 1, 1, 32, 0, {}, {}, {1, 2, 3, 0x80}}, 0x80},
        {"bit fields without alpha", {40, 1, 1, 32, 3, {}, {0xFF0000, 0xFF00, 0xFF}, {1, 2, 3, 0x80}}, 0},
        {"alpha bit field", {124, 1, 1, 32, 3, {}, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {1, 2, 3, 0x80}}, 0x80},
    };
    for (const Case& c : cases) {
        const Bytes file = c.bmp.Build();
        TBitmap bitmap;
        LoadBmpFromMemory(file.data(), file.size(), bitmap);
        EXPECT_EQ(bitmap.ScanLine(0)[3], c.alpha) << c.what;
    }
}

TEST(BmpReader, ReplacesWhatTheTargetHeld)
{
    TBitmap bitmap(50, 40, TPixelFormat::pf32bit);
    const Bytes file = Bmp{40, 2, 1, 24, 0, {}, {}, {1, 2, 3, 4, 5, 6, 0, 0}}.Build();
    LoadBmpFromMemory(file.data(), file.size(), bitmap);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 1);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(AllPixels(bitmap), (std::vector<std::uint32_t>{0x030201, 0x060504}));
}

TEST(BmpReader, BadFilesGetTheirMessage)
{
    const Bytes pixels2x2(16, 0);
    struct Case {
        const char* what;
        Bytes file;
        std::string message;
    };
    auto with = [](Bmp bmp, auto change) {
        change(bmp);
        return bmp.Build();
    };
    const Bmp good{40, 2, 2, 24, 0, {}, {}, pixels2x2};
    const Bytes goodFile = good.Build();
    Bytes shortData = goodFile;
    shortData.resize(shortData.size() - 3);
    const Case cases[] = {
        {"empty", {}, "Not a BMP file"},
        {"other magic", {'B', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}, "Not a BMP file"},
        {"cut in the file header", {'B', 'M', 0, 0, 0, 0, 0, 0}, "BMP file is truncated in its header"},
        {"cut in the info header", Bytes(goodFile.begin(), goodFile.begin() + 30),
         "BMP file is truncated in its header"},
        {"OS/2 v2 header", with(good, [](Bmp& b) { b.infoSize = 64; }), "Unsupported BMP header size 64"},
        {"2 bits", with(good, [](Bmp& b) { b.bitCount = 2; }), "Unsupported BMP bit count 2"},
        {"core with 16 bits", with(good, [](Bmp& b) { b.infoSize = 12; b.bitCount = 16; }),
         "Unsupported BMP bit count 16"},
        {"embedded JPEG", with(good, [](Bmp& b) { b.compression = 4; }), "Unsupported BMP compression 4"},
        {"RLE8 on 24 bits", with(good, [](Bmp& b) { b.compression = 1; }),
         "BMP compression 1 does not fit 24 bits per pixel"},
        {"bit fields on 24 bits", with(good, [](Bmp& b) { b.compression = 3; b.masks = {1, 2, 4}; }),
         "BMP compression 3 does not fit 24 bits per pixel"},
        {"zero width", with(good, [](Bmp& b) { b.width = 0; }), "BMP size 0 x 2 is out of range"},
        {"negative width", with(good, [](Bmp& b) { b.width = -2; }), "BMP size -2 x 2 is out of range"},
        {"too wide", with(good, [](Bmp& b) { b.width = 40000; }), "BMP size 40000 x 2 is out of range"},
        {"most negative height", with(good, [](Bmp& b) { b.height = INT_MIN; }),
         "BMP size 2 x 2147483648 is out of range"},
        {"too many pixels", with(good, [](Bmp& b) { b.width = 20000; b.height = 20000; }),
         "BMP size 20000 x 20000 is out of range"},
        {"huge size, tiny data", with(good, [](Bmp& b) { b.width = 8000; b.height = 8000; }),
         "BMP image data is shorter than its stated size"},
        {"data one row short", shortData, "BMP image data is shorter than its stated size"},
        {"offset past the end", with(good, [](Bmp& b) { b.offBitsShift = 100; }),
         "BMP image data offset lies outside the file"},
        {"offset inside the header", with(good, [](Bmp& b) { b.offBitsShift = -20; }),
         "BMP image data offset lies outside the file"},
        {"mask with a gap", with(good, [](Bmp& b) { b.bitCount = 16; b.compression = 3; b.masks = {0xF0F0, 0x0F00, 0x000F}; }),
         "BMP colour masks are invalid"},
        {"RLE top-down", with(good, [](Bmp& b) { b.bitCount = 8; b.compression = 1; b.height = -2; b.pixels = {0, 1}; }),
         "BMP compressed image cannot be top-down"},
        {"RLE literal cut short", with(good, [](Bmp& b) { b.bitCount = 8; b.compression = 1; b.pixels = {0, 5, 1, 2}; }),
         "BMP image data is shorter than its stated size"},
        {"RLE ends before the last line", with(good, [](Bmp& b) { b.bitCount = 8; b.compression = 1; b.height = 3; b.pixels = {2, 0, 0, 0}; }),
         "BMP image data is shorter than its stated size"},
        {"RLE delta far above", with(good, [](Bmp& b) { b.bitCount = 8; b.compression = 1; b.pixels = {0, 2, 0, 200, 0, 1}; }),
         "BMP compressed image data is damaged"},
        {"RLE huge picture in two bytes", with(good, [](Bmp& b) { b.bitCount = 8; b.compression = 1; b.width = 30000; b.height = 2000; b.pixels = {0, 1}; }),
         "BMP image data is shorter than its stated size"},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        try {
            LoadBmpFromMemory(c.file.data(), c.file.size(), bitmap);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.what;
        }
    }
}

TEST(BmpReader, AFlatPictureWrittenAsRunsIsNotTakenForALie)
{
    // 1000 x 1000 in runs of 250: ten bytes a line, about a hundred pixels a
    // byte, which the bound against tiny files that claim huge pictures allows.
    Bmp bmp{40, 1000, 1000, 8, 1, {A, B}, {}, {}};
    for (int y = 0; y < 1000; ++y) {
        for (int run = 0; run < 4; ++run)
            bmp.pixels.insert(bmp.pixels.end(), {250, std::uint8_t(y == 999 ? 1 : 0)});
        bmp.pixels.insert(bmp.pixels.end(), {0, 0});
    }
    const Bytes file = bmp.Build();
    TBitmap bitmap;
    LoadBmpFromMemory(file.data(), file.size(), bitmap);
    EXPECT_EQ(Pixel(bitmap, 999, 999), A);
    EXPECT_EQ(Pixel(bitmap, 0, 0), B);
}

TEST(BmpReader, EveryTruncationOfAGoodFileFailsCleanly)
{
    std::vector<std::uint32_t> palette(16, 0x445566);
    const Bytes files[] = {
        Bmp{40, 5, 3, 24, 0, {}, {}, Bytes(48, 7)}.Build(),
        Bmp{40, 4, 3, 8, 1, {A, B, C, D}, {}, {3, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 2, 2, 0, 1}}.Build(),
        Bmp{12, 3, 2, 4, 0, palette, {}, Bytes(8, 0x12)}.Build(),
    };
    for (const Bytes& file : files) {
        for (std::size_t size = 0; size < file.size(); ++size) {
            const Bytes cut(file.begin(), file.begin() + size);
            TBitmap bitmap;
            try {
                LoadBmpFromMemory(cut.data(), cut.size(), bitmap);
            } catch (const Exception&) {
                EXPECT_TRUE(bitmap.Empty()) << size;
            }
        }
    }
}

}  // namespace
}  // namespace taramel
