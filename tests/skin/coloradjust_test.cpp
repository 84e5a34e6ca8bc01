#include <gtest/gtest.h>

#include "skin/ColorAdjust.h"
#include "skin/SkinTables.h"

namespace taramel {
namespace {

struct Case {
    TColor in;
    int hue, sat;
    TColor out;
};

TEST(ColorAdjust, HueAndSaturationCases)
{
    const Case cases[] = {
        {MakeColor(255, 0, 0), 120, 0, MakeColor(0, 255, 0)},
        {MakeColor(0, 255, 0), 120, 0, MakeColor(0, 0, 255)},
        {MakeColor(0, 0, 255), 120, 0, MakeColor(255, 0, 0)},
        {MakeColor(255, 0, 0), -120, 0, MakeColor(0, 0, 255)},   // a negative sum wraps to 240
        {MakeColor(255, 0, 0), 360 * 5 + 60, 0, MakeColor(255, 255, 0)},
        {MakeColor(200, 100, 0), 0, -100, MakeColor(100, 100, 100)},
        {MakeColor(200, 100, 0), 0, 50, MakeColor(250, 100, 0)},
        {MakeColor(200, 100, 0), 0, 150, MakeColor(249, 100, 0)},  // k = -49: 200 + 49 = 249, 0 - 49 -> 0
        {MakeColor(200, 100, 0), 0, 100, MakeColor(255, 100, 0)},    // k = -100: away from grey
        {MakeColor(200, 100, 0), 0, 101, MakeColor(200, 100, 0)},  // k = 0
        {MakeColor(10, 20, 30), 0, -50, MakeColor(15, 20, 25)},
        // m = 11/3: 1 + 0.5 * (11/3 - 1) = 2.333 -> 2; 0 -> 1.83 -> 2; 10 -> 6.83 -> 7
        {MakeColor(1, 0, 10), 0, -50, MakeColor(2, 2, 7)},
        {0xFF00FF, 120, -50, 0xFF00FF},
        {MakeColor(77, 77, 77), 90, 50, MakeColor(77, 77, 77)},
        {0, 45, 30, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdjustSkinColor(c.in, c.hue, c.sat), c.out)
            << std::hex << c.in << " hue " << std::dec << c.hue << " sat " << c.sat;
}

TEST(ColorAdjust, HueRoundsHalfToEven)
{
    // (255, 128, 0): H = 60 * 128 / 255 = 30.117..., + 30 -> 60.117 -> 60:
    // sector 1, x = 0: red q = 255, green 255, blue 0.
    EXPECT_EQ(RotateHue(MakeColor(255, 128, 0), 30), MakeColor(255, 255, 0));
    // d = 1 rotated to 30 degrees: x = 0.5, so u = V - 0.5, a tie: 254.5 -> 254, 253.5 -> 254.
    EXPECT_EQ(RotateHue(MakeColor(255, 254, 254), 30), MakeColor(255, 254, 254));
    EXPECT_EQ(RotateHue(MakeColor(254, 253, 253), 30), MakeColor(254, 254, 253));
    // (255, 128, 128): S = 127/255, p = 255 - 127 = 128 exactly.
    EXPECT_EQ(RotateHue(MakeColor(255, 128, 128), 120), MakeColor(128, 255, 128));
}

TEST(ColorAdjust, BitmapKeepsKeyGreyAndAlpha)
{
    TBitmap b(3, 1, TPixelFormat::pf32bit);
    std::uint8_t* p = b.ScanLine(0);
    const std::uint8_t in[12] = {0, 0, 255, 7, 255, 0, 255, 9, 50, 50, 50, 11};  // red, key, grey
    std::copy(in, in + 12, p);
    AdjustBitmapColors(b, 120, 0);
    const std::uint8_t want[12] = {0, 255, 0, 7, 255, 0, 255, 9, 50, 50, 50, 11};
    EXPECT_TRUE(std::equal(want, want + 12, b.ScanLine(0)));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf32bit);
}

TEST(ColorAdjust, SkinValuesSkipNoneAndSystemColours)
{
    TSkinTables t;
    TsGeneralData s;
    s.Color = static_cast<std::int32_t>(MakeColor(255, 0, 0));
    s.HotColor = -16777201;
    s.FontColor = {static_cast<std::int32_t>(MakeColor(0, 255, 0)), -1, -1, -1, -1};
    s.GradientArray.resize(1);
    s.GradientArray[0].Color1 = MakeColor(255, 0, 0);
    t.Sections.push_back(s);
    t.SkinData.BorderColor = static_cast<std::int32_t>(MakeColor(255, 0, 0));
    t.MasterBitmap = std::make_unique<TBitmap>(1, 1, TPixelFormat::pf24bit);
    t.MasterBitmap->ScanLine(0)[2] = 255;  // red
    AdjustSkinColors(t, 120, 0);
    const TsGeneralData& r = t.Sections[0];
    EXPECT_EQ(r.Color, static_cast<std::int32_t>(MakeColor(0, 255, 0)));
    EXPECT_EQ(r.HotColor, -16777201);
    EXPECT_EQ(r.FontColor[0], static_cast<std::int32_t>(MakeColor(0, 0, 255)));
    EXPECT_EQ(r.FontColor[1], -1);
    EXPECT_EQ(r.GradientArray[0].Color1, MakeColor(0, 255, 0));
    EXPECT_EQ(t.SkinData.BorderColor, static_cast<std::int32_t>(MakeColor(0, 255, 0)));
    EXPECT_EQ(PixelColor(t.MasterBitmap->ScanLine(0)), MakeColor(0, 255, 0));
}

}  // namespace
}  // namespace taramel
