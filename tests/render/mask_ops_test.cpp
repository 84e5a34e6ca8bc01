#include <gtest/gtest.h>

#include "PixelFixture.h"
#include "render/MaskOps.h"
#include "render/PixelMath.h"

namespace taramel {
namespace {

using test::Bgra;

TEST(ShadeWithMask, FloorsTowardMinusInfinityPerChannel)
{
    TBitmap b(2, 2, TPixelFormat::pf24bit), m(2, 2, TPixelFormat::pf24bit);
    test::Fill(b, {200, 0, 100, 0});
    test::Fill(m, {153, 153, 0, 0});
    ShadeWithMaskBitmap(b, m, MakeColor(50, 255, 0));  // c: blue 0, green 255, red 50
    // blue 0 + floor(153 * 200 / 256) = 119; green 255 + floor(153 * -255 / 256) = 102;
    // red: mask 0 gives the colour, 50.
    EXPECT_EQ(test::Get(b, 1, 1), (Bgra{119, 102, 50, 0}));
    TBitmap other(3, 2, TPixelFormat::pf24bit);
    ShadeWithMaskBitmap(other, m, 0xFFFFFF);  // sizes differ: nothing
    EXPECT_EQ(test::Get(other, 0, 0), (Bgra{}));
}

TEST(MixToBitmap32, WeightOrMaskAndAlphaKept)
{
    TBitmap t(2, 2, TPixelFormat::pf32bit), a(2, 2, TPixelFormat::pf24bit), b(2, 2, TPixelFormat::pf24bit);
    test::Fill(t, {0, 0, 0, 77});
    test::Fill(a, {200, 0, 255, 0});
    test::Fill(b, {100, 255, 0, 0});
    MixToBitmap32(t, a, b, 128);
    // (128 * (200 - 100) + 100 * 256) >> 8 = 150; (128 * -255 + 255 * 256) >> 8 = 127; 255 * 128 >> 8 = 127
    EXPECT_EQ(test::Get(t, 1, 0), (Bgra{150, 127, 127, 77}));
    TBitmap m(2, 2, TPixelFormat::pf24bit);
    test::Fill(m, {255, 0, 1, 0});
    MixToBitmap32(t, a, b, m);
    EXPECT_EQ(test::Get(t, 0, 1), (Bgra{199, 255, 0, 77}));
    TBitmap small(3, 2, TPixelFormat::pf24bit);
    test::Fill(t, {});
    MixToBitmap32(t, a, small, 0);  // sizes differ: nothing
    EXPECT_EQ(test::Get(t, 0, 0), (Bgra{}));
}

TEST(ShadeRoundRect, FlatCallGivesSixtyPercentEverywhere)
{
    TBitmap b(6, 4, TPixelFormat::pf24bit);
    test::Fill(b, {200, 0, 9, 0});
    ShadeRoundRect(b, TRect{1, 1, 5, 4}, 60, 0, 0, MakeColor(0, 255, 0));
    // blue c 0: floor(153 * 200 / 256) = 119; green c 255: 102; red c 0: floor(153 * 9 / 256) = 5
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(test::Get(b, x, 2), (Bgra{119, 102, 5, 0})) << x;
    EXPECT_EQ(test::Get(b, 0, 2), (Bgra{200, 0, 9, 0}));
    EXPECT_EQ(test::Get(b, 1, 0), (Bgra{200, 0, 9, 0}));
}

TEST(ShadeRoundRect, EdgeRingsFadeInFromTheOutside)
{
    TBitmap b(10, 10, TPixelFormat::pf24bit);
    test::Fill(b, {200, 200, 200, 0});
    ShadeRoundRect(b, TRect{0, 0, 10, 10}, 60, 0, 2, 0x000000);
    // Mask: ring 0 white (255), ring 1 153 + round(102 / 3 * 2) = 221, the
    // centre from ring 2 on 153.
    const int expected[10] = {199, 172, 119, 119, 119, 119, 119, 119, 172, 199};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(test::Get(b, x, 5).b, expected[x]) << x;
}

TEST(ShadeRoundRect, RoundCornersLeaveTheCornerPixelsWhite)
{
    TBitmap mask(8, 8, TPixelFormat::pf24bit);
    FillRoundRectGrey(mask, TRect{0, 0, 8, 8}, 6, 200);
    EXPECT_EQ(test::Get(mask, 0, 0).b, 0);     // outside the corner ellipse
    EXPECT_EQ(test::Get(mask, 7, 7).b, 0);
    EXPECT_EQ(test::Get(mask, 3, 0).b, 200);   // on the straight edge
    EXPECT_EQ(test::Get(mask, 4, 4).b, 200);
    FillRoundRectGrey(mask, TRect{0, 0, 8, 8}, 0, 90);
    EXPECT_EQ(test::Get(mask, 0, 0).b, 90);
}

}  // namespace
}  // namespace taramel
