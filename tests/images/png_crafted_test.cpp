// Small PNG files built in the test, each with the result or the message it
// must give.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "images/PngErrors.h"
#include "images/PngReader.h"
#include "tests/images/PngBuilder.h"

namespace taramel {
namespace {

using namespace taramel::test;

const char* const M1 = "Cannot load image. Invalid or unexpected PNG image format.";
const char* const M2 = "Cannot load image. The compression scheme is not supported for PNG files.";
const char* const M3 = "Cannot load image. CRC error found in PNG file.";
const char* const M4 = "Cannot load image. Palette in PNG file is invalid.";
const char* const M5 = "Invalid color format in PNG file.";
const char* const M6 = "Cannot load image. Compression error found in PNG file.";
const char* const M7 = "Cannot load image. Extra compressed data found in PNG file.";
const char* const M8 = "Cannot load PNG image. Unexpected but critical chunk detected.";

// The message of the load, or "" when it succeeds.
std::string LoadMessage(const Bytes& file, TPNGGraphic& image)
{
    try {
        LoadPngFromMemory(file.data(), file.size(), image);
        return "";
    } catch (const EInvalidGraphic& e) {
        return e.what();
    }
}

const Bytes kRgbaRows = Unfiltered({{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}});

Bytes Rgba2x2(std::initializer_list<Bytes> extra = {})
{
    Bytes b = Png({Ihdr(2, 2, 8, 6)});
    for (const Bytes& c : extra)
        b.insert(b.end(), c.begin(), c.end());
    const Bytes tail = Png({Idat(kRgbaRows), Iend()});
    b.insert(b.end(), tail.begin() + 8, tail.end());
    return b;
}

Bytes WithByteFlipped(Bytes b, std::size_t at)
{
    b[at] ^= 0x01;
    return b;
}

struct Case {
    const char* name;
    Bytes file;
    const char* message;  // "" when the file loads
};

std::vector<Case> Cases()
{
    const Bytes good = Rgba2x2();
    Bytes cut = good;
    cut.resize(good.size() - 20);  // inside the IDAT chunk
    Bytes noEnd = good;
    noEnd.resize(good.size() - 12);
    Bytes badSignature = good;
    badSignature[1] = 'Q';
    // Zlib stream of half the rows only.
    const Bytes half = Unfiltered({{1, 2, 3, 4, 5, 6, 7, 8}});
    const Bytes tooMuch = Unfiltered({{1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}});
    Bytes streamWithTail = Zlib(kRgbaRows);
    streamWithTail.push_back(0);
    const Bytes garbage = {0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00};
    const Bytes badFilter = {5, 1, 2, 3, 4, 5, 6, 7, 8, 0, 9, 10, 11, 12, 13, 14, 15, 16};
    const Bytes idatFirst = Png({Chunk("gAMA", {0, 1, 0x86, 0xA0}), Ihdr(2, 2, 8, 6), Idat(kRgbaRows), Iend()});
    const Bytes idatOffset = Png({Ihdr(2, 2, 8, 6)});
    // The offset of the first IDAT data byte in a plain 2 x 2 file.
    const std::size_t idatData = idatOffset.size() + 8;
    return {
        {"plain RGBA", good, ""},
        {"wrong signature", badSignature, M1},
        {"first chunk is not IHDR", idatFirst, M1},
        {"width 0", Png({Ihdr(0, 2, 8, 6), Idat(kRgbaRows), Iend()}), M1},
        {"height 0", Png({Ihdr(2, 0, 8, 6), Idat(kRgbaRows), Iend()}), M1},
        {"IHDR of 12 bytes", Png({Chunk("IHDR", Bytes(12, 1)), Iend()}), M1},
        {"compression method 1", Png({Chunk("IHDR", IhdrData(2, 2, 8, 6, 0, 1)), Idat(kRgbaRows), Iend()}), M2},
        {"filter method 1", Png({Chunk("IHDR", IhdrData(2, 2, 8, 6, 0, 0, 1)), Idat(kRgbaRows), Iend()}), M1},
        {"interlace method 2", Png({Ihdr(2, 2, 8, 6, 2), Idat(kRgbaRows), Iend()}), M1},
        {"IHDR CRC", Png({Chunk("IHDR", IhdrData(2, 2, 8, 6), true), Idat(kRgbaRows), Iend()}), M3},
        {"one bit of IDAT data flipped", WithByteFlipped(good, idatData + 3), M3},
        {"IEND CRC", Png({Ihdr(2, 2, 8, 6), Idat(kRgbaRows), Chunk("IEND", {}, true)}), M3},
        {"PLTE of 10 bytes", Png({Ihdr(1, 1, 8, 3), Chunk("PLTE", Bytes(10, 0)), Idat(Unfiltered({{0}})), Iend()}),
         M4},
        {"indexed without PLTE", Png({Ihdr(1, 1, 8, 3), Idat(Unfiltered({{0}})), Iend()}), M4},
        {"index beyond the palette",
         Png({Ihdr(2, 1, 8, 3), Chunk("PLTE", Bytes(6, 9)), Idat(Unfiltered({{1, 2}})), Iend()}), M4},
        {"2-bit index beyond a 3-entry palette",
         Png({Ihdr(4, 1, 2, 3), Chunk("PLTE", Bytes(9, 9)), Idat(Unfiltered({{0x1B}})), Iend()}), M4},
        {"RGB of 4 bits", Png({Ihdr(2, 2, 4, 2), Idat(kRgbaRows), Iend()}), M5},
        {"indexed of 16 bits", Png({Ihdr(2, 2, 16, 3), Idat(kRgbaRows), Iend()}), M5},
        {"colour type 5", Png({Ihdr(2, 2, 8, 5), Idat(kRgbaRows), Iend()}), M5},
        {"grey and alpha of 4 bits", Png({Ihdr(2, 2, 4, 4), Idat(kRgbaRows), Iend()}), M5},
        {"IDAT that is no zlib stream", Png({Ihdr(2, 2, 8, 6), Chunk("IDAT", garbage), Iend()}), M6},
        {"stream of half the rows", Png({Ihdr(2, 2, 8, 6), Idat(half), Iend()}), M6},
        {"a third row in the stream", Png({Ihdr(2, 2, 8, 6), Idat(tooMuch), Iend()}), M7},
        {"bytes after the stream's end", Png({Ihdr(2, 2, 8, 6), Chunk("IDAT", streamWithTail), Iend()}), M7},
        {"unknown critical chunk", Rgba2x2({Chunk("ABCD", {1, 2})}), M8},
        {"unknown ancillary chunk", Rgba2x2({Chunk("abCD", {1, 2})}), ""},
        {"second IHDR", Rgba2x2({Ihdr(2, 2, 8, 6)}), M8},
        {"lower-case idat", Png({Ihdr(2, 2, 8, 6), Chunk("idat", Zlib(kRgbaRows)), Iend()}), ""},
        {"IDAT split over three chunks",
         [&] {
             const Bytes z = Zlib(kRgbaRows);
             return Png({Ihdr(2, 2, 8, 6), Chunk("IDAT", Bytes(z.begin(), z.begin() + 3)), Chunk("IDAT", {}),
                         Chunk("IDAT", Bytes(z.begin() + 3, z.end())), Iend()});
         }(),
         ""},
        {"file cut inside IDAT", cut, M1},
        {"no IEND", noEnd, M1},
        {"no IDAT", Png({Ihdr(2, 2, 8, 6), Iend()}), M1},
        {"filter byte 5", Png({Ihdr(2, 2, 8, 6), Idat(badFilter), Iend()}), M1},
        {"gigantic size", Png({Ihdr(100000, 100000, 8, 6), Idat(kRgbaRows), Iend()}), M1},
        {"more pixels than the limit", Png({Ihdr(8000, 8000, 8, 6), Idat(kRgbaRows), Iend()}), M1},
        {"large size, tiny data", Png({Ihdr(4000, 4000, 8, 6), Idat(kRgbaRows), Iend()}), M6},
        {"only the signature", Png({}), M1},
        {"empty file", Bytes{}, M1},
    };
}

TEST(PngCrafted, EachFileGivesItsResult)
{
    for (const Case& c : Cases()) {
        TPNGGraphic image;
        EXPECT_EQ(LoadMessage(c.file, image), c.message) << c.name;
        if (*c.message) {
            EXPECT_TRUE(image.Empty()) << c.name;
        } else {
            EXPECT_EQ(image.Width(), 2) << c.name;
            EXPECT_EQ(image.PixelFormat(), TPixelFormat::pf32bit) << c.name;
        }
    }
}

TEST(PngCrafted, FailedLoadLeavesNoPreviousPicture)
{
    TPNGGraphic image;
    ASSERT_EQ(LoadMessage(Rgba2x2(), image), "");
    Bytes bad = Rgba2x2();
    bad.resize(bad.size() - 1);
    EXPECT_EQ(LoadMessage(bad, image), M1);
    EXPECT_TRUE(image.Empty());
    EXPECT_FALSE(image.Alpha());
}

TEST(PngCrafted, RgbaBecomesBgraWithAlpha)
{
    TPNGGraphic image;
    ASSERT_EQ(LoadMessage(Rgba2x2(), image), "");
    EXPECT_TRUE(image.Alpha());
    EXPECT_FALSE(image.Transparent());
    EXPECT_EQ(image.BackgroundColor(), 0xFFFFFFu);
    const std::uint8_t* row1 = image.ScanLine(1);
    const std::uint8_t expected[8] = {11, 10, 9, 12, 15, 14, 13, 16};
    EXPECT_TRUE(std::equal(row1, row1 + 8, expected));
    EXPECT_EQ(image.ScanLine(0)[0], 3);
}

TEST(PngCrafted, SixteenBitSamplesScaleByIntegerDivision)
{
    // value * 255 div 65535: 65535 -> 255, 32768 -> 127, 257 -> 1, 65534 -> 254.
    const Bytes row = {0xFF, 0xFF, 0x80, 0x00, 0x01, 0x01, 0xFF, 0xFE};
    TPNGGraphic image;
    ASSERT_EQ(LoadMessage(Png({Ihdr(1, 1, 16, 6), Idat(Unfiltered({row})), Iend()}), image), "");
    ASSERT_EQ(image.PixelFormat(), TPixelFormat::pf32bit);
    const std::uint8_t* p = image.ScanLine(0);
    EXPECT_EQ(p[0], 1);    // blue
    EXPECT_EQ(p[1], 127);  // green
    EXPECT_EQ(p[2], 255);  // red
    EXPECT_EQ(p[3], 254);  // alpha
    ASSERT_EQ(LoadMessage(Png({Ihdr(1, 1, 16, 2), Idat(Unfiltered({{0x80, 0x00, 0, 0, 0xFF, 0xFF}})), Iend()}), image),
              "");
    EXPECT_EQ(image.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(image.PixelColor(0, 0), 0xFF007Fu);
}

TEST(PngCrafted, GreyDepthsMakeIndexedBitmapsWithGreyPalettes)
{
    struct GreyCase {
        int depth;
        Bytes row;  // 4 pixels
        TPixelFormat format;
        int indexes[4];
        std::uint32_t colors[4];
    };
    const GreyCase cases[] = {
        {1, {0xA0}, TPixelFormat::pf1bit, {1, 0, 1, 0}, {0xFFFFFF, 0, 0xFFFFFF, 0}},
        {2, {0x1B}, TPixelFormat::pf4bit, {0, 5, 10, 15}, {0, 0x555555, 0xAAAAAA, 0xFFFFFF}},
        {4, {0x0F, 0x82}, TPixelFormat::pf4bit, {0, 15, 8, 2}, {0, 0xFFFFFF, 0x888888, 0x222222}},
        {8, {0, 200, 7, 255}, TPixelFormat::pf8bit, {0, 200, 7, 255}, {0, 0xC8C8C8, 0x070707, 0xFFFFFF}},
        {16, {0, 0, 0x80, 0, 0xFF, 0xFF, 0x12, 0x34}, TPixelFormat::pf8bit, {0, 127, 255, 18},
         {0, 0x7F7F7F, 0xFFFFFF, 0x121212}},
    };
    for (const GreyCase& c : cases) {
        TPNGGraphic image;
        ASSERT_EQ(LoadMessage(Png({Ihdr(4, 1, c.depth, 0), Idat(Unfiltered({c.row})), Iend()}), image), "")
            << c.depth;
        EXPECT_EQ(image.PixelFormat(), c.format) << c.depth;
        EXPECT_FALSE(image.Alpha());
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(image.PixelIndex(x, 0), c.indexes[x]) << c.depth << " x " << x;
            EXPECT_EQ(image.PixelColor(x, 0), c.colors[x]) << c.depth << " x " << x;
        }
    }
}

TEST(PngCrafted, GreyAlphaDropsAlphaAndIndexedKeepsItsPalette)
{
    TPNGGraphic image;
    ASSERT_EQ(LoadMessage(Png({Ihdr(2, 1, 8, 4), Idat(Unfiltered({{90, 1, 180, 255}})), Iend()}), image), "");
    EXPECT_EQ(image.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(image.PixelIndex(0, 0), 90);
    EXPECT_EQ(image.PixelIndex(1, 0), 180);
    EXPECT_FALSE(image.Alpha());

    const Bytes plte = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    ASSERT_EQ(LoadMessage(Png({Ihdr(3, 1, 2, 3), Chunk("PLTE", plte), Chunk("tRNS", {0, 128}), Chunk("bKGD", {2}),
                               Idat(Unfiltered({{0x18}})), Iend()}),
                          image),
              "");
    EXPECT_EQ(image.PixelFormat(), TPixelFormat::pf4bit);
    EXPECT_EQ(image.Palette().size(), 3u);
    EXPECT_EQ(image.PixelColor(0, 0), 0x0000FFu);  // red
    EXPECT_EQ(image.PixelColor(1, 0), 0x00FF00u);
    EXPECT_EQ(image.PixelColor(2, 0), 0xFF0000u);
    EXPECT_EQ(image.TransparencyTable()[0], 0);
    EXPECT_EQ(image.TransparencyTable()[1], 128);
    EXPECT_EQ(image.TransparencyTable()[2], 255);
    EXPECT_EQ(image.TransparencyTable()[255], 255);
    EXPECT_EQ(image.BackgroundColor(), 0xFF0000u);
    EXPECT_FALSE(image.Transparent());
}

TEST(PngCrafted, TransparentAndBackgroundColours)
{
    struct ColourCase {
        const char* name;
        Bytes file;
        std::uint32_t transparent;
        std::uint32_t background;
    };
    const ColourCase cases[] = {
        {"grey tRNS 0", Png({Ihdr(1, 1, 8, 0), Chunk("tRNS", {0, 0}), Idat(Unfiltered({{0}})), Iend()}), 0u,
         0xFFFFFF},
        {"16-bit grey", Png({Ihdr(1, 1, 16, 0), Chunk("tRNS", {0x80, 0}), Chunk("bKGD", {0xFF, 0xFF}),
                             Idat(Unfiltered({{0, 0}})), Iend()}),
         0x7F7F7F, 0xFFFFFF},
        {"2-bit grey shows as the pixels do", Png({Ihdr(1, 1, 2, 0), Chunk("tRNS", {0, 2}), Chunk("bKGD", {0, 1}),
                                                   Idat(Unfiltered({{0}})), Iend()}),
         0xAAAAAA, 0x555555},
        {"RGB", Png({Ihdr(1, 1, 8, 2), Chunk("tRNS", {0, 1, 0, 2, 0, 3}), Chunk("bKGD", {0, 10, 0, 20, 0, 30}),
                     Idat(Unfiltered({{0, 0, 0}})), Iend()}),
         0x030201, 0x1E140A},
        {"16-bit RGB", Png({Ihdr(1, 1, 16, 2), Chunk("tRNS", {0xFF, 0xFF, 0x80, 0, 0, 0}),
                            Idat(Unfiltered({Bytes(6, 0)})), Iend()}),
         0x007FFF, 0xFFFFFF},
        {"RGBA ignores tRNS", Png({Ihdr(1, 1, 8, 6), Chunk("tRNS", {0, 1, 0, 2, 0, 3}), Idat(Unfiltered({Bytes(4, 0)})),
                                   Iend()}),
         kNoTransparentColor, 0xFFFFFF},
    };
    for (const ColourCase& c : cases) {
        TPNGGraphic image;
        ASSERT_EQ(LoadMessage(c.file, image), "") << c.name;
        EXPECT_EQ(image.TransparentColor(), c.transparent) << c.name;
        EXPECT_EQ(image.Transparent(), c.transparent != kNoTransparentColor) << c.name;
        EXPECT_EQ(image.BackgroundColor(), c.background) << c.name;
    }
}

Bytes GammaFile(std::uint32_t gamma, const Bytes& row, int width)
{
    Bytes g;
    Put32(g, gamma);
    return Png({Ihdr(static_cast<std::uint32_t>(width), 1, 8, 2), Chunk("gAMA", g), Idat(Unfiltered({row})), Iend()});
}

TEST(PngCrafted, GammaOfOneBrightensForTheDisplay)
{
    // round((v / 255) ^ (1 / 2.2) * 255): 1 -> 21, 64 -> 136, 128 -> 186, 200 -> 228.
    TPNGGraphic image;
    ASSERT_EQ(LoadMessage(GammaFile(100000, {1, 64, 128, 200, 0, 255}, 2), image), "");
    EXPECT_DOUBLE_EQ(image.FileGamma(), 1.0);
    EXPECT_EQ(image.PixelColor(0, 0), 0xBA8815u);
    EXPECT_EQ(image.PixelColor(1, 0), 0xFF00E4u);
}

TEST(PngCrafted, GammaOfTheDisplayLeavesSamplesAlone)
{
    Bytes row(256 * 3);
    for (int i = 0; i < 256; ++i)
        row[3 * i] = row[3 * i + 1] = row[3 * i + 2] = static_cast<std::uint8_t>(i);
    TPNGGraphic image;
    ASSERT_EQ(LoadMessage(GammaFile(45455, row, 256), image), "");
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(image.PixelColor(i, 0), static_cast<std::uint32_t>(i) * 0x010101u) << i;
}

TEST(PngCrafted, GammaAppliesToPalettesButNotToAlpha)
{
    Bytes g;
    Put32(g, 100000);
    TPNGGraphic image;
    ASSERT_EQ(LoadMessage(Png({Ihdr(1, 1, 8, 3), Chunk("gAMA", g), Chunk("PLTE", {64, 128, 200}),
                               Idat(Unfiltered({{0}})), Iend()}),
                          image),
              "");
    EXPECT_EQ(image.PixelColor(0, 0), 0xE4BA88u);
    ASSERT_EQ(LoadMessage(Png({Ihdr(1, 1, 8, 6), Chunk("gAMA", g), Idat(Unfiltered({{64, 64, 64, 64}})), Iend()}),
                          image),
              "");
    EXPECT_EQ(image.ScanLine(0)[0], 136);
    EXPECT_EQ(image.ScanLine(0)[3], 64);
    // A gAMA of 0 says nothing.
    ASSERT_EQ(LoadMessage(Png({Ihdr(1, 1, 8, 2), Chunk("gAMA", {0, 0, 0, 0}), Idat(Unfiltered({{64, 64, 64}})),
                               Iend()}),
                          image),
              "");
    EXPECT_EQ(image.PixelColor(0, 0), 0x404040u);
}

// Every filter type on a 3 x 3 RGB image whose raw rows were filtered by hand.
TEST(PngCrafted, FiltersRestoreTheRows)
{
    // Pixels (r, g, b) = (10x + 1, 20y + 2, 30): filtered with Sub, Up, Average, Paeth.
    // Row 0 Sub: first pixel as is, then differences to the left.
    // Row 1 Up: differences to the row above (20 in green only).
    // Row 2 Paeth then checked through a second file with Average.
    const Bytes sub = {1, 1, 2, 30, 10, 0, 0, 10, 0, 0};
    const Bytes up = {2, 0, 20, 0, 0, 20, 0, 0, 20, 0};
    // Paeth on row 2 with residues (0, 20, 0), then (10, 0, 0) twice: the
    // first pixel is predicted from above; the second picks the pixel above
    // for red (11, nearest to 1 + 11 - 1); the third is a tie between left and
    // above (both 10 from 31), which goes to the left pixel: 21 + 10 = 31.
    const Bytes paeth = {4, 0, 20, 0, 10, 0, 0, 10, 0, 0};
    Bytes raw;
    for (const Bytes* r : {&sub, &up, &paeth})
        raw.insert(raw.end(), r->begin(), r->end());
    TPNGGraphic image;
    ASSERT_EQ(LoadMessage(Png({Ihdr(3, 3, 8, 2), Idat(raw), Iend()}), image), "");
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(image.PixelColor(x, y), static_cast<std::uint32_t>((10 * x + 1) | (20 * y + 2) << 8 | 30 << 16))
                << x << "," << y;
    EXPECT_EQ(image.PixelColor(0, 2), static_cast<std::uint32_t>(1 | 42 << 8 | 30 << 16));
    EXPECT_EQ(image.PixelColor(1, 2), static_cast<std::uint32_t>(21 | 42 << 8 | 30 << 16));
    EXPECT_EQ(image.PixelColor(2, 2), static_cast<std::uint32_t>(31 | 42 << 8 | 30 << 16));

    // Average on the second row: prediction (left + above) div 2.
    const Bytes avg = {3, 1, 21, 15, 10, 20, 15, 15, 20, 15};  // row (1,22,30),(11,22,30),(21,22,30)
    Bytes raw2 = sub;
    raw2.insert(raw2.end(), avg.begin(), avg.end());
    ASSERT_EQ(LoadMessage(Png({Ihdr(3, 2, 8, 2), Idat(raw2), Iend()}), image), "");
    // x=0: above (1,2,30), no left: 1 + 0 = 1, 2/2 + 21 = 22, 15 + 15 = 30.
    EXPECT_EQ(image.PixelColor(0, 1), static_cast<std::uint32_t>(1 | 22 << 8 | 30 << 16));
    // x=1: left (1,22,30), above (11,2,30): (1+11)/2 + 10 = 16, (22+2)/2 + 20 = 32, 30 + 15 = 45.
    EXPECT_EQ(image.PixelColor(1, 1), static_cast<std::uint32_t>(16 | 32 << 8 | 45 << 16));
}

TEST(PngCrafted, InterlacedEqualsPlain)
{
    // A 9 x 7 RGB image with distinct pixels, stored plain and in seven passes.
    const int w = 9, h = 7;
    auto pixel = [](int x, int y, int c) { return static_cast<std::uint8_t>(x * 25 + y * 3 + c * 70); };
    Bytes plain;
    for (int y = 0; y < h; ++y) {
        plain.push_back(0);
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                plain.push_back(pixel(x, y, c));
    }
    const int xs[7] = {0, 4, 0, 2, 0, 1, 0}, dx[7] = {8, 8, 4, 4, 2, 2, 1};
    const int ys[7] = {0, 0, 4, 0, 2, 0, 1}, dy[7] = {8, 8, 8, 4, 4, 2, 2};
    Bytes passes;
    for (int p = 0; p < 7; ++p) {
        if (xs[p] >= w || ys[p] >= h)
            continue;
        for (int y = ys[p]; y < h; y += dy[p]) {
            passes.push_back(0);
            for (int x = xs[p]; x < w; x += dx[p])
                for (int c = 0; c < 3; ++c)
                    passes.push_back(pixel(x, y, c));
        }
    }
    TPNGGraphic a, b;
    ASSERT_EQ(LoadMessage(Png({Ihdr(w, h, 8, 2), Idat(plain), Iend()}), a), "");
    ASSERT_EQ(LoadMessage(Png({Ihdr(w, h, 8, 2, 1), Idat(passes), Iend()}), b), "");
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(b.PixelColor(x, y), a.PixelColor(x, y)) << x << "," << y;
            ASSERT_EQ(a.PixelColor(x, y),
                      static_cast<std::uint32_t>(pixel(x, y, 0) | pixel(x, y, 1) << 8 | pixel(x, y, 2) << 16));
        }
    // A 1 x 1 interlaced image has only the first pass.
    ASSERT_EQ(LoadMessage(Png({Ihdr(1, 1, 8, 2, 1), Idat(Unfiltered({{7, 8, 9}})), Iend()}), b), "");
    EXPECT_EQ(b.PixelColor(0, 0), 0x090807u);
}

TEST(PngCrafted, ProgressIsReported)
{
    TPNGGraphic image;
    std::vector<std::pair<std::string, int>> seen;
    image.OnProgress = [&](const std::string& text, int percent) { seen.emplace_back(text, percent); };
    ASSERT_EQ(LoadMessage(Rgba2x2(), image), "");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(std::string("Preparing..."), 0));
    EXPECT_EQ(seen[1], std::make_pair(std::string("Transfering..."), 50));
    EXPECT_EQ(seen[2], std::make_pair(std::string("Transfering..."), 100));
}

TEST(PngMessages, TextsAndClasses)
{
    EXPECT_EQ(PngMessageText(PngMessage::InvalidFormat), M1);
    EXPECT_EQ(PngMessageText(PngMessage::CompressionScheme), M2);
    EXPECT_EQ(PngMessageText(PngMessage::CrcError), M3);
    EXPECT_EQ(PngMessageText(PngMessage::InvalidPalette), M4);
    EXPECT_EQ(PngMessageText(PngMessage::InvalidColorFormat), M5);
    EXPECT_EQ(PngMessageText(PngMessage::CompressionError), M6);
    EXPECT_EQ(PngMessageText(PngMessage::ExtraData), M7);
    EXPECT_EQ(PngMessageText(PngMessage::CriticalChunk), M8);
    try {
        ThrowPng(PngMessage::CrcError);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_NE(dynamic_cast<const EInvalidGraphic*>(&e), nullptr);
        EXPECT_EQ(e.Message(), M3);
    }
}

}  // namespace
}  // namespace taramel
