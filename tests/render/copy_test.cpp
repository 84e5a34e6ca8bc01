#include <gtest/gtest.h>

#include "PixelFixture.h"
#include "render/BitmapCopy.h"

namespace taramel {
namespace {

using test::Bgra;

TEST(CopyBitmapRect, ClipsAtBothBitmapsAndConvertsFormats)
{
    TBitmap s(4, 4, TPixelFormat::pf24bit);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            test::Set(s, x, y, {x, y, 9, 0});
    TBitmap d(3, 3, TPixelFormat::pf32bit);
    test::Fill(d, {1, 1, 1, 1});
    CopyBitmapRect(d, -1, 1, s, TRect{0, 0, 4, 4});
    EXPECT_EQ(test::Get(d, 0, 1), (Bgra{1, 0, 9, 0}));  // source (1, 0), alpha 0
    EXPECT_EQ(test::Get(d, 2, 2), (Bgra{3, 1, 9, 0}));
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{1, 1, 1, 1}));
    TBitmap g(3, 3, TPixelFormat::pf8bit);
    CopyBitmapRect(g, 0, 0, s, TRect{0, 0, 4, 4});  // 8 bits from 24: nothing
    EXPECT_EQ(test::Get(g, 1, 1).b, 0);
}

TEST(CopyBitmapRect, OverlapWithinOneBitmapReadsTheOriginal)
{
    TBitmap b(4, 4, TPixelFormat::pf24bit);
    for (int y = 0; y < 4; ++y)
        test::Set(b, 0, y, {10 * y, 0, 0, 0});
    CopyBitmapRect(b, 0, 1, b, TRect{0, 0, 1, 3});
    EXPECT_EQ(test::Get(b, 0, 1).b, 0);
    EXPECT_EQ(test::Get(b, 0, 2).b, 10);
    EXPECT_EQ(test::Get(b, 0, 3).b, 20);
}

TEST(CopyBitmapRect, RandomGeometryCopiesExactlyTheOverlapOfBothBitmaps)
{
    std::mt19937 gen(99);
    auto pick = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    for (int round = 0; round < 300; ++round) {
        const TPixelFormat f = round % 2 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
        TBitmap d(pick(1, 10), pick(1, 10), f, round % 3 == 0), s(pick(1, 10), pick(1, 10), f, round % 5 == 0);
        test::Randomise(d, static_cast<unsigned>(round));
        test::Randomise(s, static_cast<unsigned>(round + 500));
        TBitmap before(1, 1, f);
        before.Assign(d);
        const int x = pick(-12, 12), y = pick(-12, 12);
        const TRect r{pick(-12, 12), pick(-12, 12), pick(-12, 15), pick(-12, 15)};
        CopyBitmapRect(d, x, y, s, r);
        for (int dy = 0; dy < d.Height(); ++dy) {
            for (int dx = 0; dx < d.Width(); ++dx) {
                const int sx = dx - x + r.Left, sy = dy - y + r.Top;
                const bool inside = sx >= std::max(r.Left, 0) && sx < std::min(r.Right, s.Width()) &&
                                    sy >= std::max(r.Top, 0) && sy < std::min(r.Bottom, s.Height());
                const Bgra expected = inside ? test::Get(s, sx, sy) : test::Get(before, dx, dy);
                ASSERT_EQ(test::Get(d, dx, dy), expected) << "round " << round << " pixel " << dx << "," << dy;
            }
        }
    }
}

TEST(StretchBitmapRect, AreaAverages)
{
    struct Case {
        std::vector<int> from;
        std::vector<int> to;
    } cases[] = {
        {{10, 20, 30, 40}, {15, 35}},
        {{10, 20}, {10, 10, 20, 20}},
        {{30, 60, 90}, {40, 80}},      // (2 * 30 + 60) / 3, (60 + 2 * 90) / 3
        {{0, 255}, {128}},             // 127.5 rounds up
        {{1, 2, 3}, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        const int sw = static_cast<int>(c.from.size()), dw = static_cast<int>(c.to.size());
        TBitmap s(sw, 2, TPixelFormat::pf8bit), d(dw, 1, TPixelFormat::pf8bit);
        for (int x = 0; x < sw; ++x)
            s.ScanLine(0)[x] = s.ScanLine(1)[x] = static_cast<std::uint8_t>(c.from[static_cast<std::size_t>(x)]);
        StretchBitmapRect(d, TRect{0, 0, dw, 1}, s, TRect{0, 0, sw, 2});
        for (int x = 0; x < dw; ++x)
            EXPECT_EQ(d.ScanLine(0)[x], c.to[static_cast<std::size_t>(x)]) << sw << "->" << dw << " at " << x;
    }
}

TEST(StretchBitmapRect, RefusesSourceRectanglesOutsideTheSource)
{
    TBitmap s(2, 2, TPixelFormat::pf24bit), d(4, 4, TPixelFormat::pf24bit);
    test::Fill(s, {50, 50, 50, 0});
    StretchBitmapRect(d, TRect{0, 0, 4, 4}, s, TRect{0, 0, 3, 2});
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{}));
    StretchBitmapRect(d, TRect{2, 2, 6, 6}, s, TRect{0, 0, 2, 2});  // cut at the destination
    EXPECT_EQ(test::Get(d, 3, 3), (Bgra{50, 50, 50, 0}));
    EXPECT_EQ(test::Get(d, 1, 1), (Bgra{}));
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

TEST(RepeatPixel, PatternOfEveryPixelSizeRepeatsThePixel)
{
    const std::uint8_t pixel[4] = {1, 0xFE, 0x80, 0x7F};
    for (int bpp = 1; bpp <= 4; ++bpp) {
        std::uint8_t pattern[96];
        PixelPattern96(pattern, pixel, bpp);
        for (int k = 0; k < 96; ++k)
            ASSERT_EQ(pattern[k], pixel[k % bpp]) << "bpp " << bpp << " byte " << k;
    }
}

TEST(RepeatPixel, EveryPixelSizeAndCountFillsExactlyItsBytes)
{
    const std::uint8_t pixel[5] = {11, 22, 33, 44, 55};
    for (int bpp = 1; bpp <= 5; ++bpp)
        for (int count : {0, 1, 7, 8, 9, 31, 32, 33, 100}) {
            std::vector<std::uint8_t> row(static_cast<std::size_t>(bpp) * 101 + 4, 0xEE);
            RepeatPixel(row.data(), pixel, bpp, count);
            for (std::size_t k = 0; k < row.size(); ++k) {
                const bool inside = k < static_cast<std::size_t>(bpp * count);
                ASSERT_EQ(row[k], inside ? pixel[k % bpp] : 0xEE) << "bpp " << bpp << " count " << count << " byte " << k;
            }
        }
}

}  // namespace
}  // namespace taramel
