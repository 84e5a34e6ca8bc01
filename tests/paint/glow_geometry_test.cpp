// The glow window's size, cut and place around a control, from the glow's
// borders, the skin's margin and the part of the control that is visible.
#include <gtest/gtest.h>

#include "paint/GlowGeometry.h"

namespace taramel {
namespace {

TEST(GlowGeometry, SizeCutAndPlace)
{
    struct Case {
        const char* what;
        TRect control, visible;
        GlowBorders borders;
        int margin;
        int width, height, cropLeft, cropTop, x, y;
    };
    const TRect r{200, 100, 300, 130};  // 100 x 30 on the screen
    const GlowBorders ten{10, 10, 10, 10};
    const Case cases[] = {
        {"whole", r, r, ten, 2, 116, 46, 0, 0, 192, 92},
        {"uneven borders, no margin", r, r, {10, 6, 10, 6}, 0, 120, 42, 0, 0, 190, 94},
        {"hidden 5 at the left", r, {205, 100, 300, 130}, ten, 2, 103, 46, 13, 0, 205, 92},
        {"hidden 10 at the right", r, {200, 100, 290, 130}, ten, 2, 98, 46, 0, 0, 192, 92},
        {"both sides", r, {205, 100, 290, 130}, ten, 2, 85, 46, 13, 0, 205, 92},
        {"hidden 4 at the top", r, {200, 104, 300, 130}, ten, 2, 116, 34, 0, 12, 192, 104},
        {"visible part beyond the control", r, {150, 50, 400, 200}, ten, 2, 116, 46, 0, 0, 192, 92},
    };
    for (const Case& c : cases) {
        const GlowPlacement p = PlaceGlow(c.control, c.visible, c.borders, c.margin);
        EXPECT_TRUE(p.Shown) << c.what;
        EXPECT_EQ(p.Width, c.width) << c.what;
        EXPECT_EQ(p.Height, c.height) << c.what;
        EXPECT_EQ(p.CropLeft, c.cropLeft) << c.what;
        EXPECT_EQ(p.CropTop, c.cropTop) << c.what;
        EXPECT_EQ(p.At.X, c.x) << c.what;
        EXPECT_EQ(p.At.Y, c.y) << c.what;
    }
}

// Nothing to show, never a picture of no or negative size.
TEST(GlowGeometry, NothingLeftIsNotShown)
{
    const TRect small{0, 0, 10, 10};
    const struct {
        const char* what;
        TRect control, visible;
        GlowBorders borders;
        int margin;
    } cases[] = {
        {"margin past the borders", small, small, {2, 2, 2, 2}, 10},
        {"control hidden", small, {20, 20, 30, 30}, {2, 2, 2, 2}, 0},
        {"empty control", {5, 5, 5, 9}, {5, 5, 5, 9}, {2, 2, 2, 2}, 0},
        {"a huge margin", small, small, {2, 2, 2, 2}, 1 << 30},
    };
    for (const auto& c : cases) {
        const GlowPlacement p = PlaceGlow(c.control, c.visible, c.borders, c.margin);
        EXPECT_FALSE(p.Shown) << c.what;
    }
    // A margin beyond the left border with the left hidden: the cut is held
    // inside the glow.
    const GlowPlacement p = PlaceGlow({0, 0, 100, 30}, {1, 0, 100, 30}, {2, 2, 2, 2}, 10);
    EXPECT_TRUE(p.Shown);
    EXPECT_GE(p.CropLeft, 0);
    EXPECT_LE(p.CropLeft + p.Width, p.FullWidth);
}

}  // namespace
}  // namespace taramel
