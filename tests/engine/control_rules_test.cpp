// The rules of a control's skin state that need no window: the class-code
// table and sets, the fill and cache rules of a section, the widest border
// and the background-colour answer of a partly transparent section.
#include <gtest/gtest.h>

#include "engine/ControlSkinState.h"

namespace taramel {
namespace {

TEST(ClassCodes, DefaultSectionsAndSets)
{
    const std::pair<int, const char*> sections[] = {
        {2, "EDIT"},   {10, "EDIT"},     {97, "EDIT"},       {227, "EDIT"},    {9, ""},          {11, "COMBOBOX"},
        {82, "COMBOBOX"}, {19, "BAR"},   {33, "RADIOBUTTON"}, {51, "PANEL"},    {73, "PANEL"},    {52, "PANEL_LOW"},
        {74, "GROUPBOX"}, {226, "GROUPBOX"}, {92, "SPEEDBUTTON"}, {93, "BUTTON"}, {94, "BUTTON"}, {98, "TOOLBUTTON"},
        {151, "STATUSBAR"}, {165, "TRACKBAR"}, {0, ""},  {500, ""},
    };
    for (const auto& [code, name] : sections)
        EXPECT_EQ(DefaultSectionOf(code), name) << code;
    EXPECT_TRUE(IsNoHotClass(51));
    EXPECT_TRUE(IsNoHotClass(151));
    EXPECT_FALSE(IsNoHotClass(92));
    EXPECT_TRUE(IsEditLikeClass(97));
    EXPECT_FALSE(IsEditLikeClass(51));
    EXPECT_TRUE(IsButtonClass(94));
    EXPECT_FALSE(IsButtonClass(95));
}

TEST(SectionRules, FillFlagsCacheNeedAndBorderWidth)
{
    TsGeneralData s;
    EXPECT_EQ(SectionFillFlags(s), 0);
    EXPECT_FALSE(SectionNeedsCache(s, nullptr, false));  // opaque and plain
    s.GradientPercent = 50;
    EXPECT_EQ(SectionFillFlags(s), 0);  // a percentage without bands
    for (auto [mode, bits] : {std::pair{0, 2}, {1, 1}, {2, 3}, {7, 0}}) {
        s.GradientArray = {GradientPiece{0, 0, 100, mode}};
        EXPECT_EQ(SectionFillFlags(s), bits) << mode;
    }
    s.ImagePercent = 10;
    EXPECT_EQ(SectionFillFlags(s) & 4, 4);
    EXPECT_TRUE(SectionNeedsCache(s, nullptr, true));

    TsGeneralData t;
    t.Transparency = 100;
    EXPECT_TRUE(SectionNeedsCache(t, nullptr, false));
    EXPECT_FALSE(SectionNeedsCache(t, nullptr, true));
    t.Transparency = 40;
    EXPECT_TRUE(SectionNeedsCache(t, nullptr, true));

    TsGeneralData plain;
    TsMaskData mask;
    mask.WL = 16;
    mask.WR = 15;
    EXPECT_TRUE(SectionNeedsCache(plain, &mask, true));
    mask.WR = 14;
    EXPECT_FALSE(SectionNeedsCache(plain, &mask, true));
    mask.WT = 20;
    EXPECT_EQ(MaskMaxBorderWidth(&mask), 20);
    mask.StretchMode = 2;  // hidden in the normal look
    EXPECT_EQ(MaskMaxBorderWidth(&mask), 0);
    EXPECT_EQ(MaskMaxBorderWidth(nullptr), 0);
}

TEST(SectionRules, TransparencyAnswerWeighsTheParentByTheByte)
{
    // 40 % of 255 over black, with 256 as the whole: (40 * 255) >> 8 = 39.
    EXPECT_EQ(TransparencyAnswerColor(40, 0x000000, 0xFFFFFF), 0x272727);
    EXPECT_EQ(TransparencyAnswerColor(0, 0x123456, 0xFFFFFF), 0x123456);
    // Each byte on its own, a parent darker than the colour included:
    // red (50 * -255 + 255 * 256) >> 8 = 205, green (50 * 255) >> 8 = 49.
    EXPECT_EQ(TransparencyAnswerColor(50, 0x0000FF, 0x00FF00), 0x0031CD);
}

}  // namespace
}  // namespace taramel
