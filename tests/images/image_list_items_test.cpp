// The alpha image list's portable pieces: its stored items written and read
// back (and damaged blocks refused), the strip state rule, and PNG items
// turned into 32-bit pictures of the list's size.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "base/Exception.h"
#include "images/ImageListItems.h"
#include "images/PngWriter.h"
#include "render/SmoothResample.h"

namespace taramel {
namespace {

using Px = std::array<std::uint8_t, 4>;  // blue, green, red, alpha

Px Get(const TBitmap& b, int x, int y)
{
    Px p{};
    std::memcpy(p.data(), b.ScanLine(y) + 4 * x, 4);
    return p;
}

void Fill(TBitmap& b, Px colour)
{
    const int n = BytesPerPixel(b.PixelFormat());
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            std::memcpy(b.ScanLine(y) + n * x, colour.data(), static_cast<std::size_t>(n));
}

TEST(ImageListItems, WrittenItemsReadBackEqual)
{
    const std::vector<TsImgListItem> items = {
        {ifPNG, TPixelFormat::pf32bit, {1, 2, 3}},
        {ifICO, TPixelFormat::pf24bit, {}},
        {ifPNG, TPixelFormat::pf8bit, std::vector<std::uint8_t>(300, 7)},
    };
    const std::vector<std::uint8_t> block = WriteImageListItems(items);
    EXPECT_EQ(ReadImageListItems(block.data(), block.size()), items);
    const std::vector<std::uint8_t> none = WriteImageListItems({});
    EXPECT_TRUE(ReadImageListItems(none.data(), none.size()).empty());
}

TEST(ImageListItems, DamagedBlocksAreRefused)
{
    const std::vector<std::uint8_t> good = WriteImageListItems({{ifPNG, TPixelFormat::pf32bit, {9, 9, 9, 9}}});
    struct Case {
        const char* what;
        std::vector<std::uint8_t> block;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"other magic", {'A', 'I', 'L', '2', 0, 0, 0, 0}},
        {"cut in the count", {good.begin(), good.begin() + 6}},
        {"cut in the data", {good.begin(), good.end() - 1}},
        {"bytes after the last item", good},
        {"a count of four thousand million", {'A', 'I', 'L', '1', 0xFF, 0xFF, 0xFF, 0xFF}},
        {"unknown format", good},
        {"unknown bits per pixel", good},
        {"length beyond the block", good},
    };
    cases[4].block.push_back(0);
    cases[6].block[8] = 2;
    cases[7].block[9] = 16;
    cases[8].block[13] = 0x7F;
    for (const Case& c : cases) {
        try {
            ReadImageListItems(c.block.data(), c.block.size());
            ADD_FAILURE() << c.what << ": read";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), kImageListDataDamaged) << c.what;
        }
    }
    EXPECT_THROW(ReadImageListItems(nullptr, 4), Exception);
}

TEST(ImageListItems, StripPartsKeepTheStateInsideTheStrip)
{
    struct Case {
        int width, height, count, state;
        TRect source;
        TSize size;
    };
    const Case cases[] = {
        {64, 16, 4, 0, {0, 0, 16, 16}, {16, 16}},
        {64, 16, 4, 2, {32, 0, 48, 16}, {16, 16}},
        {64, 16, 4, 7, {48, 0, 64, 16}, {16, 16}},  // past the strip: the last image
        {64, 16, 4, -3, {0, 0, 16, 16}, {16, 16}},  // a negative state: the first
        {64, 16, 0, 5, {0, 0, 64, 16}, {64, 16}},   // no count: one image, no division by 0
        {64, 16, -2, 1, {0, 0, 64, 16}, {64, 16}},
        {10, 8, 3, 1, {3, 0, 6, 8}, {3, 8}},
        {2, 8, 4, 3, {0, 0, 0, 8}, {0, 8}},  // narrower than its states: nothing to draw
    };
    for (const Case& c : cases) {
        const TStripPart part = StripPart(c.width, c.height, c.count, c.state);
        EXPECT_EQ(part.Source, c.source) << c.width << " / " << c.count << " state " << c.state;
        EXPECT_EQ(part.Size.cx, c.size.cx);
        EXPECT_EQ(part.Size.cy, c.size.cy);
    }
}

TEST(ImageListItems, PngWithAlphaAtTheListsSizeIsKeptExactly)
{
    TBitmap source(16, 16, TPixelFormat::pf32bit);
    Fill(source, {10, 20, 30, 128});
    std::memcpy(source.ScanLine(3) + 4 * 5, Px{200, 100, 50, 255}.data(), 4);
    const std::vector<std::uint8_t> png = EncodePng(source);
    const auto picture = PngListPicture(png.data(), png.size(), 16, 16);
    ASSERT_EQ(picture->PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(Get(*picture, 0, 0), (Px{10, 20, 30, 128}));
    EXPECT_EQ(Get(*picture, 5, 3), (Px{200, 100, 50, 255}));
}

// A 32 x 32 item in a 16 x 16 list: the Mitchell-Netravali filter, the
// same pixels as the resampler gives.
TEST(ImageListItems, PngOfAnotherSizeIsScaledWithTheMitchellFilter)
{
    TBitmap source(32, 32, TPixelFormat::pf32bit);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const Px p{static_cast<std::uint8_t>(x * 8), static_cast<std::uint8_t>(y * 8), 90,
                       static_cast<std::uint8_t>(128 + x * 4)};
            std::memcpy(source.ScanLine(y) + 4 * x, p.data(), 4);
        }
    const std::vector<std::uint8_t> png = EncodePng(source);
    const auto picture = PngListPicture(png.data(), png.size(), 16, 16);
    TBitmap expected;
    SmoothResample(source, expected, 16, static_cast<int>(TResampleFilter::Mitchell), 16);
    ASSERT_EQ(picture->Width(), 16);
    ASSERT_EQ(picture->Height(), 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(Get(*picture, x, y), Get(expected, x, y)) << x << "," << y;
}

// Without alpha a picture is opaque except for the colour of its corner,
// which turns see-through (black, so scaling bleeds nothing of it).
TEST(ImageListItems, PngWithoutAlphaIsSeeThroughOnlyWhereItsCornerColourIs)
{
    TBitmap source(8, 8, TPixelFormat::pf24bit);
    Fill(source, {255, 0, 255, 0});
    std::memcpy(source.ScanLine(4) + 3 * 4, Px{0, 128, 0, 0}.data(), 3);
    const std::vector<std::uint8_t> png = EncodePng(source);
    const auto picture = PngListPicture(png.data(), png.size(), 8, 8);
    EXPECT_EQ(Get(*picture, 0, 0), (Px{0, 0, 0, 0}));
    EXPECT_EQ(Get(*picture, 4, 4), (Px{0, 128, 0, 255}));
}

// Pictures the filter cannot take are scaled by repeating their pixels;
// none of them is read outside its rows.
TEST(ImageListItems, PicturesUnderTwoPixelsAreScaledByRepeating)
{
    for (const TSize size : {TSize{1, 1}, TSize{30000, 1}, TSize{1, 40}}) {
        TBitmap source(size.cx, size.cy, TPixelFormat::pf32bit);
    Fill(source, {1, 2, 3, 200});
        const std::vector<std::uint8_t> png = EncodePng(source);
        const auto picture = PngListPicture(png.data(), png.size(), 16, 16);
        ASSERT_EQ(picture->Width(), 16) << size.cx;
        EXPECT_EQ(Get(*picture, 15, 15), (Px{1, 2, 3, 200})) << size.cx << " x " << size.cy;
    }
}

TEST(ImageListItems, BrokenPngDataIsRefusedByThePngReader)
{
    const std::vector<std::uint8_t> cut = {0x89, 'P', 'N', 'G', '\r', '\n'};
    EXPECT_THROW(PngListPicture(cut.data(), cut.size(), 16, 16), Exception);
    EXPECT_THROW(PngListPicture(nullptr, 0, 16, 16), Exception);
}

TEST(ImageListItems, AlphaIsGivenOnlyToPicturesWithoutAny)
{
    TBitmap none(3, 2, TPixelFormat::pf32bit);
    Fill(none, {9, 8, 7, 0});
    std::memcpy(none.ScanLine(1) + 4, Px{255, 0, 255, 0}.data(), 4);  // the key
    EXPECT_FALSE(HasAlpha(none));
    MakeOpaqueExceptKey(none);
    EXPECT_TRUE(HasAlpha(none));
    EXPECT_EQ(Get(none, 0, 0), (Px{9, 8, 7, 255}));
    EXPECT_EQ(Get(none, 1, 1), (Px{255, 0, 255, 0}));
}

}  // namespace
}  // namespace taramel
