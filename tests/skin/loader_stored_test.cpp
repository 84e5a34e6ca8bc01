#include <gtest/gtest.h>

#include "skin/SkinLookups.h"
#include "skin/StoredSkinLoader.h"

namespace taramel {
namespace {

TsStoredSkin Stored()
{
    TsStoredSkin s;
    s.Name = "Kept";
    s.Version = 7;
    s.Author = "A";
    s.Shadow1Blur = 2;
    s.MasterBitmap = std::make_shared<TBitmap>(100, 60, TPixelFormat::pf32bit);
    TsSkinGeneral button;
    button.SectionName = "Button";
    button.Color = "123";
    button.FontColor = "1 2 3 4 5";
    button.HotFontColor = "1 2 3";
    button.GradientData = "255;0;50;1;0";
    button.HotGradientData = " ";
    button.FadingIterations = 4;
    s.GeneralData.push_back(button);
    TsSkinImage inMaster;  // count 0: three states with a mask half, borders derived
    inMaster.SectionName = "Button";
    inMaster.PropertyName = "bordersmask";
    inMaster.Right = 90;
    inMaster.Bottom = 60;
    s.Images.push_back(inMaster);
    TsSkinImage own;
    own.SectionName = "x";
    own.PropertyName = "glyph";
    own.Name = "own";
    own.Image = std::make_shared<TBitmap>(30, 12, TPixelFormat::pf32bit);
    own.ImageCount = 2;
    own.BorderWidth = 4;
    own.ImgType = 9;
    s.Images.push_back(own);
    TsSkinImage outside = inMaster;
    outside.Right = 101;
    s.Images.push_back(outside);
    TsSkinPattern pattern;
    pattern.SectionName = "form";
    pattern.PropertyName = "pattern";
    pattern.Image = std::make_shared<TBitmap>(300, 300, TPixelFormat::pf24bit);
    s.Patterns.push_back(pattern);
    return s;
}

TEST(LoaderStored, CollectionsFillTheTables)
{
    TSkinTables t;
    LoadStoredSkin(Stored(), {}, t);
    ASSERT_EQ(t.Sections.size(), 1u);
    const TsGeneralData& b = t.Sections[0];
    EXPECT_EQ(b.Color, 123);
    EXPECT_EQ(b.FontColor, (std::array<std::int32_t, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(b.HotFontColor, (std::array<std::int32_t, 5>{0, -1, -1, -1, -1}));
    EXPECT_EQ(b.GradientArray.size(), 1u);
    EXPECT_TRUE(b.HotGradientArray.empty());
    EXPECT_EQ(b.FadingIterations, 4);
    ASSERT_EQ(t.Images.size(), 2u);
    const TsMaskData& m = t.Images[0];
    EXPECT_EQ(m.SectionName, "BUTTON");
    EXPECT_EQ(m.PropertyName, "BORDERSMASK");
    EXPECT_EQ((std::array<int, 6>{m.ImageCount, m.MaskType, m.WL, m.WT, m.WR, m.WB}),
              (std::array<int, 6>{3, 1, 10, 10, 10, 10}));
    const TsMaskData& o = t.Images[1];
    ASSERT_NE(o.Image, nullptr);
    EXPECT_EQ(o.Image->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(o.ImageRect.Right, 30);
    EXPECT_EQ(o.ImgType, itisaPngGlyph);
    EXPECT_EQ((std::array<int, 4>{o.WL, o.WT, o.WR, o.WB}), (std::array<int, 4>{4, 4, 4, 4}));
    ASSERT_EQ(t.Patterns.size(), 1u);
    EXPECT_EQ(t.Patterns[0].SectionName, "FORM");
    EXPECT_EQ(t.MasterBitmap->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(t.SkinData.Version, 7);
    EXPECT_EQ(t.SkinData.Shadow1Blur, 2);
    EXPECT_EQ(t.SkinData.BorderColor, 0xFF00FF);
    // The section is "Button" but its images were upper-cased: only the upper-case name finds them.
    EXPECT_EQ(t.Sections[0].BorderIndex, -1);
    EXPECT_EQ(FindImage(t, 0, "BUTTON", "BORDERSMASK"), 0);
}

TEST(LoaderStored, DivisionByZeroLeavesNoSkin)
{
    TsStoredSkin s = Stored();
    s.Images[0].ImageCount = 2;
    s.Images[0].MaskType = -1;  // height divisor (-1 * 3 + 3) = 0
    TSkinTables t;
    try {
        LoadStoredSkin(s, {}, t);
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Division by zero");
    }
    EXPECT_TRUE(t.Sections.empty() && t.Images.empty() && t.Patterns.empty() && !t.MasterBitmap);
}

}  // namespace
}  // namespace taramel
