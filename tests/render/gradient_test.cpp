#include <gtest/gtest.h>

#include "PixelFixture.h"
#include "base/Exception.h"
#include "render/Gradient.h"

namespace taramel {
namespace {

using test::Bgra;

TEST(ParseGradientData, GroupsOfFiveWords)
{
    struct Case {
        const char* text;
        std::vector<GradientPiece> pieces;
    } cases[] = {
        {"", {}},
        {"1;2;3;4", {}},
        {"1;2;3;4;5;6", {{1, 2, 3, 4}}},
        {";;255;;0;100;1;x;", {{255, 0, 100, 1}}},
        {"16777215;12632256;40;0;0;12632256;8421504;60;0;0",
         {{16777215, 12632256, 40, 0}, {12632256, 8421504, 60, 0}}},
        {"-1;$FF;150;2;0", {{0, 255, 100, 2}}},
        {"5;6;-5;-7;0", {{5, 6, 0, -7}}},
        {";;;", {}},
    };
    for (const Case& c : cases) {
        TsGradArray a{{9, 9, 9, 9}};
        ParseGradientData(c.text, a);
        ASSERT_EQ(a.size(), c.pieces.size()) << c.text;
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].Color1, c.pieces[i].Color1) << c.text;
            EXPECT_EQ(a[i].Color2, c.pieces[i].Color2) << c.text;
            EXPECT_EQ(a[i].Percent, c.pieces[i].Percent) << c.text;
            EXPECT_EQ(a[i].Mode, c.pieces[i].Mode) << c.text;
        }
    }
}

TEST(ParseGradientData, BadWordRaisesAndLeavesLaterPiecesZero)
{
    TsGradArray a;
    try {
        ParseGradientData("1;2;3;0;0;7;zz;50;0;0", a);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "'zz' is not a valid integer value");
    }
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].Color2, 2);
    EXPECT_EQ(a[1].Color1, 7);  // read before the bad word
    EXPECT_EQ(a[1].Percent, 0);
}

TsGradArray Pieces(std::initializer_list<GradientPiece> list)
{
    return TsGradArray(list);
}

std::vector<int> Column(TBitmap& b, int x)
{
    std::vector<int> out;
    for (int y = 0; y < b.Height(); ++y)
        out.push_back(test::Get(b, x, y).r);
    return out;
}

TEST(PaintGradient, VerticalTenRowsEndOnTheSecondColour)
{
    for (TPixelFormat f : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap b(3, 10, f);
        PaintGradient(b, TRect{0, 0, 3, 10}, Pieces({{0, 0xFFFFFF, 100, 0}}));
        EXPECT_EQ(Column(b, 2), (std::vector<int>{0, 28, 57, 85, 113, 142, 170, 198, 227, 255}));
        EXPECT_EQ(test::Get(b, 0, 9), (Bgra{255, 255, 255, f == TPixelFormat::pf32bit ? 255 : 0}));
    }
}

TEST(PaintGradient, VerticalBandsShareTheirBoundaryRowAndTheLastStretches)
{
    TBitmap b(2, 10, TPixelFormat::pf24bit);
    // 40 % red 0 -> 200 over rows 0..4, then 20 % (stretched to the bottom)
    // red 100 -> 0 over rows 4..9.
    PaintGradient(b, TRect{0, 0, 2, 10}, Pieces({{0, 200, 40, 0}, {100, 0, 20, 0}}));
    EXPECT_EQ(Column(b, 0), (std::vector<int>{0, 50, 100, 150, 100, 80, 60, 40, 20, 0}));
}

TEST(PaintGradient, VerticalInsideARectangleLeavesTheRest)
{
    TBitmap b(5, 6, TPixelFormat::pf24bit);
    PaintGradient(b, TRect{1, 2, 3, 9}, Pieces({{0x10, 0x10, 100, 0}}));  // bottom clipped to 6
    EXPECT_EQ(test::Get(b, 1, 2).r, 0x10);
    EXPECT_EQ(test::Get(b, 2, 5).r, 0x10);
    EXPECT_EQ(test::Get(b, 0, 3).r, 0);
    EXPECT_EQ(test::Get(b, 3, 3).r, 0);
    EXPECT_EQ(test::Get(b, 1, 1).r, 0);
}

TEST(PaintGradient, HorizontalSplitOfOneHundredAndOneColumns)
{
    TBitmap b(101, 3, TPixelFormat::pf32bit);
    // Red 0 -> 255 over columns 0..50 (50.5 rounds to 50), then green 255 ->
    // blue 255 from column 50 to the right edge.
    PaintGradient(b, TRect{0, 0, 101, 3}, Pieces({{0x000000, 0x0000FF, 50, 1}, {0x00FF00, 0xFF0000, 50, 1}}));
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(test::Get(b, 0, y), (Bgra{0, 0, 0, 255}));
        EXPECT_EQ(test::Get(b, 49, y), (Bgra{0, 0, 250, 255}));  // 49 * 5.1 = 249.9
        EXPECT_EQ(test::Get(b, 50, y), (Bgra{0, 255, 0, 255}));  // repainted by the second band
        EXPECT_EQ(test::Get(b, 100, y), (Bgra{255, 0, 0, 255}));
    }
}

TEST(PaintGradient, FourCornersWithOnePieceIsFlat)
{
    TBitmap b(7, 5, TPixelFormat::pf24bit);
    PaintGradient(b, TRect{0, 0, 7, 5}, Pieces({{0x336699, 0, 0, 2}}));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(test::Get(b, x, y), (Bgra{0x33, 0x66, 0x99, 0})) << x << "," << y;
}

TEST(PaintGradient, FourCornersInterpolatesBetweenVertexColours)
{
    TBitmap b(40, 40, TPixelFormat::pf24bit);
    // Corners black, centre white: pixels grow lighter toward the centre.
    PaintGradient(b, TRect{0, 0, 40, 40},
                  Pieces({{0, 0, 0, 2}, {0xFFFFFF, 0, 0, 2}, {0, 0, 0, 2}, {0, 0, 0, 2}, {0, 0, 0, 2}}));
    EXPECT_LE(test::Get(b, 0, 0).r, 10);
    EXPECT_LE(test::Get(b, 39, 39).r, 10);
    EXPECT_GE(test::Get(b, 19, 19).r, 240);
    EXPECT_LT(test::Get(b, 10, 10).r, test::Get(b, 15, 15).r);
    // Mirror symmetry of the four triangles.
    EXPECT_EQ(test::Get(b, 5, 20).r, test::Get(b, 20, 5).r);
}

TEST(PaintGradient, NothingForEmptyInputsOrUnknownModes)
{
    TBitmap b(4, 4, TPixelFormat::pf24bit);
    PaintGradient(b, TRect{0, 0, 4, 4}, {});
    PaintGradient(b, TRect{2, 2, 2, 4}, Pieces({{0xFFFFFF, 0xFFFFFF, 100, 0}}));
    PaintGradient(b, TRect{5, 5, 9, 9}, Pieces({{0xFFFFFF, 0xFFFFFF, 100, 1}}));
    PaintGradient(b, TRect{0, 0, 4, 4}, Pieces({{0xFFFFFF, 0xFFFFFF, 100, 3}}));
    TBitmap g(4, 4, TPixelFormat::pf8bit);
    PaintGradient(g, TRect{0, 0, 4, 4}, Pieces({{0xFFFFFF, 0xFFFFFF, 100, 1}}));
    EXPECT_EQ(test::Bytes(b), std::vector<std::uint8_t>(48, 0));
    EXPECT_EQ(test::Bytes(g), std::vector<std::uint8_t>(16, 0));
}

TEST(PaintGradient, BottomUpAndTopDownGiveTheSameBytes)
{
    const TsGradArray modes[] = {
        Pieces({{0x102030, 0xF0E0D0, 30, 0}, {0x00FF00, 0x0000FF, 30, 0}}),
        Pieces({{0x102030, 0xF0E0D0, 30, 1}, {0x00FF00, 0x0000FF, 30, 1}}),
        Pieces({{0x102030, 0, 0, 2}, {0xF0E0D0, 0, 0, 2}, {0x00FF00, 0, 0, 2}}),
    };
    for (const TsGradArray& a : modes) {
        TBitmap up(17, 13, TPixelFormat::pf32bit, false), down(17, 13, TPixelFormat::pf32bit, true);
        PaintGradient(up, TRect{1, 2, 16, 12}, a);
        PaintGradient(down, TRect{1, 2, 16, 12}, a);
        EXPECT_EQ(test::Bytes(up), test::Bytes(down)) << "mode " << a[0].Mode;
    }
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

TEST(PaintGradient, LargerPicturesGiveTheStoredBytesInEveryBuild)
{
    // FNV-1a of the pixel bytes; pins the real arithmetic of all three modes
    // so that the native and the Win32 builds agree.
    const TsGradArray modes[] = {
        {{0x102030, 0xF0E0D0, 17, 0}, {0x00FF00, 0x0000FF, 33, 0}, {0xFF0000, 0x808080, 10, 0}},
        {{0x102030, 0xF0E0D0, 17, 1}, {0x00FF00, 0x0000FF, 33, 1}, {0xFF0000, 0x808080, 10, 1}},
        {{0x102030, 0, 0, 2}, {0xF0E0D0, 0, 0, 2}, {0x00FF00, 0, 0, 2}, {0x0000FF, 0, 0, 2}, {0xFF0000, 0, 0, 2}},
    };
    const std::uint32_t expected[3] = {2592443019u, 3596094361u, 2274269073u};
    for (int m = 0; m < 3; ++m) {
        TBitmap b(211, 97, TPixelFormat::pf24bit);
        PaintGradient(b, TRect{3, 2, 207, 95}, modes[m]);
        std::uint32_t h = 2166136261u;
        for (std::uint8_t v : test::Bytes(b))
            h = (h ^ v) * 16777619u;
        EXPECT_EQ(h, expected[m]) << "mode " << m;
    }
}

}  // namespace
}  // namespace taramel
