#include <gtest/gtest.h>

#include "PixelFixture.h"
#include "render/KeyOps.h"
#include "render/PaintDisabled.h"

namespace taramel {
namespace {

using test::Bgra;

constexpr Bgra kKey{0xFF, 0x00, 0xFF, 0};

TEST(Greyscale, MeanOfThreeBytesCutDownAndKeyKept)
{
    TBitmap b(2, 2, TPixelFormat::pf24bit);
    test::Fill(b, {10, 20, 31, 0});
    test::Set(b, 1, 1, kKey);
    GrayscaleExceptKey(b, 0xFF00FF);
    EXPECT_EQ(test::Get(b, 0, 0), (Bgra{20, 20, 20, 0}));
    EXPECT_EQ(test::Get(b, 1, 1), kKey);
    GrayscaleBitmap(b);
    EXPECT_EQ(test::Get(b, 1, 1), (Bgra{170, 170, 170, 0}));
    TBitmap thin(4, 1, TPixelFormat::pf24bit);
    test::Fill(thin, {10, 20, 31, 0});
    GrayscaleBitmap(thin);  // cannot be attached: unchanged
    EXPECT_EQ(test::Get(thin, 0, 0), (Bgra{10, 20, 31, 0}));
}

TEST(CopyNonKey, AllKeySourceLeavesTheDestination)
{
    TBitmap d(3, 3, TPixelFormat::pf24bit), s(3, 3, TPixelFormat::pf24bit);
    test::Fill(d, {1, 2, 3, 0});
    test::Fill(s, kKey);
    CopyNonKeyPixels(d, s, 0, 0, 0xFF00FF);
    EXPECT_EQ(test::Bytes(d), [] {
        TBitmap e(3, 3, TPixelFormat::pf24bit);
        test::Fill(e, {1, 2, 3, 0});
        return test::Bytes(e);
    }());
}

TEST(CopyNonKey, ThirtyTwoBitDestinationGetsOpaquePixelsAndOutsideIsSkipped)
{
    TBitmap d(3, 3, TPixelFormat::pf32bit), s(2, 2, TPixelFormat::pf24bit);
    test::Fill(s, {7, 8, 9, 0});
    test::Set(s, 0, 0, kKey);
    CopyNonKeyPixels(d, s, 2, -1, 0xFF00FF);
    EXPECT_EQ(test::Get(d, 2, 0), (Bgra{7, 8, 9, 255}));  // source (0, 1)
    EXPECT_EQ(test::Get(d, 2, 1), (Bgra{}));
    EXPECT_EQ(test::Get(d, 1, 0), (Bgra{}));
}

TEST(CopyNonKey, RectangleIsInclusiveAndClippedToTheSource)
{
    TBitmap d(4, 4, TPixelFormat::pf24bit), s(3, 3, TPixelFormat::pf24bit);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            test::Set(s, x, y, {x + 1, y + 1, 50, 0});
    CopyNonKeyRect(d, s, 1, 1, 0xFF00FF, TRect{1, 1, 9, 9});
    EXPECT_EQ(test::Get(d, 1, 1), (Bgra{2, 2, 50, 0}));
    EXPECT_EQ(test::Get(d, 2, 2), (Bgra{3, 3, 50, 0}));
    EXPECT_EQ(test::Get(d, 3, 3), (Bgra{}));
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{}));
    CopyNonKeyRect(d, s, 3, 3, 0xFF00FF, TRect{0, 0, 2, 2});  // only (3, 3) fits
    EXPECT_EQ(test::Get(d, 3, 3), (Bgra{1, 1, 50, 0}));
}

TEST(RestoreKeyPixels, PictureKeyPixelsBringBackTheSource)
{
    TBitmap d(3, 3, TPixelFormat::pf32bit), s(3, 3, TPixelFormat::pf32bit), image(4, 4, TPixelFormat::pf24bit);
    test::Fill(s, {1, 2, 3, 4});
    test::Set(image, 2, 3, kKey);  // origin (1, 2) + (1, 1)
    RestoreKeyPixels(d, TRect{1, 1, 3, 3}, s, TRect{0, 0, 2, 2}, image, TPoint{1, 2});
    EXPECT_EQ(test::Get(d, 2, 2), (Bgra{1, 2, 3, 4}));
    EXPECT_EQ(test::Get(d, 1, 1), (Bgra{}));
    // Without a picture the destination's own key pixels are replaced.
    test::Set(d, 0, 0, {0xFF, 0, 0xFF, 9});
    RestoreKeyPixels(d, TRect{0, 0, 5, 5}, s, TRect{0, 0, 5, 5});
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{1, 2, 3, 4}));
    EXPECT_EQ(test::Get(d, 1, 1), (Bgra{}));
}

TEST(RestoreKeyPixels, CornerCodesPickTheCornersOfTheFirstStateImage)
{
    const TRect image{10, 20, 110, 60};  // e.g. two states 50 wide, 40 high
    struct Case {
        int code, x, y;
    } cases[] = {{13, 10, 20}, {14, 10 + 50 - 6, 20}, {16, 10, 20 + 40 - 7}, {17, 10 + 50 - 6, 20 + 40 - 7}, {15, 10, 20}};
    for (const Case& c : cases) {
        const TPoint p = KeyCornerOrigin(c.code, image, 50, 40, 6, 7);
        EXPECT_EQ(p.X, c.x) << c.code;
        EXPECT_EQ(p.Y, c.y) << c.code;
    }
}

TEST(PaintDisabled, GreysThenBlendsWithTheParentsPicture)
{
    TBitmap control(2, 2, TPixelFormat::pf24bit), parent(6, 6, TPixelFormat::pf24bit);
    test::Fill(control, {10, 20, 31, 0});
    test::Fill(parent, {200, 200, 200, 0});
    test::Set(parent, 3, 4, {100, 100, 100, 0});
    DisabledBackground bg{&parent, 1, 2, 0xFF00FF};
    PaintDisabled(control, dkGrayed | dkBlended, bg, 2, 2, 0);
    // grey 20; 200 - 0.4 * (200 - 20) = 128; parent (3, 4) under (0, 0): 100 - 0.4 * 80 = 68
    EXPECT_EQ(test::Get(control, 1, 1), (Bgra{128, 128, 128, 0}));
    EXPECT_EQ(test::Get(control, 0, 0), (Bgra{68, 68, 68, 0}));
}

TEST(PaintDisabled, FadesHalfwayToTheSolidOrTheControlsColour)
{
    struct Case {
        TColor solid, control;
        Bgra expected;
    } cases[] = {
        {0x000000, 0xFFFFFF, {5, 10, 16, 0}},           // 15.5 -> 16
        {0xFF00FF, 0x0000FF, {5, 10, 143, 0}},          // no solid: the control's colour
        {0xFF00FF, MakeColor(5, 0, 0, 0xFF), {132, 138, 143, 0}},     // system colour converted (white)
    };
    for (const Case& c : cases) {
        TBitmap b(2, 2, TPixelFormat::pf24bit);
        test::Fill(b, {10, 20, 31, 0});
        PaintDisabled(b, dkBlended, DisabledBackground{nullptr, 0, 0, c.solid}, 0, 0, c.control);
        EXPECT_EQ(test::Get(b, 1, 0), c.expected) << std::hex << c.solid << " " << c.control;
    }
}

}  // namespace
}  // namespace taramel
