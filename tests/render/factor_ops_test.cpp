#include <gtest/gtest.h>

#include "PixelFixture.h"
#include "render/FactorOps.h"
#include "render/PixelMath.h"

#include <cmath>
#include <random>
#include <vector>
#include "render/SysColors.h"

namespace taramel {
namespace {

using test::Bgra;

TEST(BlendByFactor, RoundsTiesToEvenAndKeepsTheDestinationShare)
{
    struct Case {
        int src, dst;
        double f;
        int expected;
    } cases[] = {
        {255, 0, 0.5, 128},  // 127.5
        {253, 0, 0.5, 126},  // 126.5
        {77, 200, 0.0, 77},  // f = 0 copies the source
        {77, 200, 1.0, 200}, // f = 1 keeps the destination
        {100, 0, 0.4, 60},
        {0, 255, 0.4, 102},
    };
    for (const Case& c : cases) {
        TBitmap d(2, 2, TPixelFormat::pf24bit), s(2, 2, TPixelFormat::pf24bit);
        test::Fill(d, {c.dst, c.dst, c.dst, 0});
        test::Fill(s, {c.src, c.src, c.src, 0});
        BlendByFactor(d, 0, 0, kNoKey, c.f, TRect{0, 0, 1, 1}, s);
        EXPECT_EQ(test::Get(d, 1, 1), (Bgra{c.expected, c.expected, c.expected, 0}))
            << c.src << " " << c.dst << " " << c.f;
    }
}

TEST(BlendByFactor, SkipsKeyPixelsUnlessTheKeysHighByteIsFF)
{
    TBitmap d(2, 2, TPixelFormat::pf32bit), s(2, 2, TPixelFormat::pf24bit);
    test::Fill(d, {9, 9, 9, 33});
    test::Set(s, 0, 0, {0xFF, 0x00, 0xFF, 0});  // the key
    test::Set(s, 1, 0, {1, 2, 3, 0});
    BlendByFactor(d, 0, 0, 0xFF00FF, 0.0, TRect{0, 0, 1, 0}, s);
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{9, 9, 9, 33}));
    EXPECT_EQ(test::Get(d, 1, 0), (Bgra{1, 2, 3, 33}));  // alpha untouched
    BlendByFactor(d, 0, 0, MakeColor(0xFF, 0, 0xFF, 0xFF), 0.0, TRect{0, 0, 1, 0}, s);
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{0xFF, 0, 0xFF, 33}));
}

TEST(BlendByFactor, ThirtyTwoBitSourceComparesItsWholeValue)
{
    TBitmap d(2, 2, TPixelFormat::pf24bit), s(2, 2, TPixelFormat::pf32bit);
    test::Set(s, 0, 0, {0xFF, 0, 0xFF, 0});    // key with alpha 0: skipped
    test::Set(s, 1, 0, {0xFF, 0, 0xFF, 255});  // same colour, opaque: copied
    BlendByFactor(d, 0, 0, 0xFF00FF, 0.0, TRect{0, 0, 1, 0}, s);
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{}));
    EXPECT_EQ(test::Get(d, 1, 0), (Bgra{0xFF, 0, 0xFF, 0}));
}

TEST(BlendByFactor, NegativeSourceOriginShiftsTheDestination)
{
    TBitmap d(4, 4, TPixelFormat::pf24bit), s(3, 3, TPixelFormat::pf24bit);
    test::Set(s, 0, 0, {50, 60, 70, 0});
    // Source rows -2..0 and columns -1..0: source (0, 0) goes to (1, 2).
    BlendByFactor(d, 0, 0, kNoKey, 0.0, TRect{-1, -2, 0, 0}, s);
    EXPECT_EQ(test::Get(d, 1, 2), (Bgra{50, 60, 70, 0}));
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{}));
}

TEST(BlendByFactor, StopsAtTheDestinationsRightAndBottomEdges)
{
    TBitmap d(2, 2, TPixelFormat::pf24bit), s(4, 4, TPixelFormat::pf24bit);
    test::Fill(s, {200, 200, 200, 0});
    BlendByFactor(d, 1, 1, kNoKey, 0.0, TRect{0, 0, 3, 3}, s);
    EXPECT_EQ(test::Get(d, 1, 1), (Bgra{200, 200, 200, 0}));
    EXPECT_EQ(test::Get(d, 0, 1), (Bgra{}));
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{}));
    EXPECT_EQ(test::Get(d, 1, 0), (Bgra{}));
}

TEST(TintTowardColor, RoundsAndSkipsTheKey)
{
    TBitmap b(2, 2, TPixelFormat::pf24bit);
    test::Fill(b, {101, 103, 200, 0});
    test::Set(b, 0, 0, {0xFF, 0, 0xFF, 0});
    TintTowardColor(b, 0x000000, 0xFF00FF, 0.5);
    EXPECT_EQ(test::Get(b, 1, 1), (Bgra{50, 52, 100, 0}));  // 50.5 -> 50, 51.5 -> 52
    EXPECT_EQ(test::Get(b, 0, 0), (Bgra{0xFF, 0, 0xFF, 0}));
    TBitmap c(2, 2, TPixelFormat::pf32bit);
    test::Fill(c, {0xFF, 0, 0xFF, 255});
    test::Set(c, 0, 0, {0xFF, 0, 0xFF, 0});
    TintTowardColor(c, 0xFFFFFF, 0xFF00FF, 0.0);  // f = 0: all the way to white
    EXPECT_EQ(test::Get(c, 0, 0), (Bgra{0xFF, 0, 0xFF, 0}));
    EXPECT_EQ(test::Get(c, 1, 0), (Bgra{255, 255, 255, 255}));
}

TEST(FadeRectToColor, InclusiveClippedRectangleAndConvertedColour)
{
    TBitmap b(3, 3, TPixelFormat::pf24bit);
    test::Fill(b, {101, 103, 0, 0});
    FadeRectToColor(b, TRect{1, 1, 5, 5}, 50, 0x000000);
    EXPECT_EQ(test::Get(b, 2, 2), (Bgra{50, 52, 0, 0}));
    EXPECT_EQ(test::Get(b, 1, 1), (Bgra{50, 52, 0, 0}));
    EXPECT_EQ(test::Get(b, 0, 1), (Bgra{101, 103, 0, 0}));
    // A system colour is converted: window colour (5) is white by default.
    TBitmap w(2, 2, TPixelFormat::pf24bit);
    FadeRectToColor(w, TRect{0, 0, 1, 1}, 0, MakeColor(5, 0, 0, 0xFF));
    EXPECT_EQ(test::Get(w, 0, 0), (Bgra{255, 255, 255, 0}));
}

TEST(FadeRectToColor, SmallAndLargeRectanglesFadeEveryByteAlike)
{
    // Small rectangles are faded byte by byte, large ones through tables:
    // a bitmap faded whole and the same one faded in 3 x 3 pieces agree.
    for (TPixelFormat f : {TPixelFormat::pf24bit, TPixelFormat::pf32bit})
        for (int percent : {0, 1, 33, 50, 80, 99, 100}) {
            TBitmap whole(21, 18, f), pieces(21, 18, f);
            test::Randomise(whole, 5);
            test::Randomise(pieces, 5);
            FadeRectToColor(whole, TRect{0, 0, 20, 17}, percent, 0x4080C0);
            for (int y = 0; y < 18; y += 3)
                for (int x = 0; x < 21; x += 3)
                    FadeRectToColor(pieces, TRect{x, y, x + 2, y + 2}, percent, 0x4080C0);
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 21; ++x)
                    ASSERT_EQ(test::Get(pieces, x, y), test::Get(whole, x, y))
                        << percent << "% at " << x << "," << y << " bpp " << BytesPerPixel(f);
        }
}

TEST(ColourMixing, MixAndAverageExactValues)
{
    EXPECT_EQ(MixColors(0x0000FF, 0xFFFFFF, 0.4), TColor{0x9999FF});
    EXPECT_EQ(MixColors(0x120000FF, 0xFFFFFF, 1.0), TColor{0x120000FF});  // keeps a's high byte
    EXPECT_EQ(MixColors(0x000000, 0x000001, 0.5), TColor{0});            // 0.5 ties to 0
    EXPECT_EQ(AverageColors(0xFFFFFF, 0x000000), TColor{0x7E7E7E});
    EXPECT_EQ(AverageColors(0x000000, 0xFFFFFF), TColor{0x808080});
    EXPECT_EQ(AverageColors(MakeColor(0xFF, 0, 0, 0xFF), 0x00FF00), TColor{0x00807E});  // high byte dropped
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

TEST(RoundToByte, RoundsLikeNearbyIntWithTiesToEven)
{
    std::mt19937 gen(5);
    std::uniform_real_distribution<double> any(-0.49, 255.49);
    std::vector<double> values;
    for (int i = 0; i <= 510; ++i)
        values.push_back(i / 2.0);  // every tie and every integer
    for (int i = 0; i < 20000; ++i)
        values.push_back(any(gen));
    for (double v : values)
        ASSERT_EQ(RoundToByte(v), static_cast<int>(std::nearbyint(v))) << v;
    EXPECT_EQ(RoundToByte(-0.7), 0);
    EXPECT_EQ(RoundToByte(255.5), 255);
    EXPECT_EQ(RoundToByte(std::nan("")), 0);
}

}  // namespace
}  // namespace taramel
