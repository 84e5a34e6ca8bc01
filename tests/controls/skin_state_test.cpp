// The control skin state: the class-code table, the fill and cache rules,
// the colour answers, section resolution and the commands it answers, and
// the background a see-through container hands on to its children.
#include <gtest/gtest.h>

#include "engine/ControlPaint_win.h"
#include "skin/SkinLookups.h"
#include "tests/controls/ControlsFixture.h"

namespace taramel {
namespace {

using namespace testing_support;

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

class SkinStateTest : public SkinnedControlsTest {};

TEST_F(SkinStateTest, SectionNamesResolveAndTheOwnerIsToldOnce)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 100, 50);
    ShowForm();
    SkinOn();
    TsCommonData& data = *panel->SkinData();
    int repaints = 0, removals = 0;
    TWindowProc old = panel->WindowProc;
    panel->WindowProc = [&](TMessage& m) {
        if (m.Msg == SM_ALPHACMD && SkinCommandOf(m.WParam) == CMD_REPAINT)
            ++repaints;
        if (m.Msg == SM_ALPHACMD && SkinCommandOf(m.WParam) == CMD_REMOVE_SKIN)
            ++removals;
        old(m);
    };
    EXPECT_EQ(data.SectionIndex, FindSection(manager->Tables(), "PANEL"));
    data.SetSkinSection("panel");  // the same name in other letters
    EXPECT_EQ(repaints + removals, 0);
    data.SetSkinSection("no such section");
    EXPECT_EQ(data.SkinSection(), "NO SUCH SECTION");
    EXPECT_EQ(data.SectionIndex, -1);
    EXPECT_EQ(removals, 1);
    EXPECT_EQ(panel->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_SKIN_INDEX)), 0);
    data.SetSkinSection("");
    EXPECT_EQ(data.SkinSection(), "UNKNOWN");
    data.SetSkinSection("PANEL_LOW");
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(panel->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_SKIN_INDEX)),
              FindSection(manager->Tables(), "PANEL_LOW") + 1);
    // A command from another manager is not this control's.
    data.CacheDirty = false;
    panel->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_REPAINT), 12345);
    EXPECT_FALSE(data.CacheDirty);
    panel->WindowProc = old;
}

TEST_F(SkinStateTest, ColourAnswersOfAPartlyTransparentSection)
{
    auto* white = Add<TsPanel>(form, 0, 0, 200, 100);
    white->SkinData()->SetSkinSection("WHITE");
    auto* half = Add<TsPanel>(white, 10, 10, 100, 50);
    half->SkinData()->SetSkinSection("HALFBLACK");
    ShowForm();
    SkinOn();
    // The command's answer weighs by 256ths; the colour for painting by the percentage.
    EXPECT_EQ(half->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_COLOR), 0xFF00FF), 0x272727);
    EXPECT_EQ(half->SkinData()->GetBackgroundColor(false), 0x666666);
    EXPECT_EQ(white->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_COLOR), 0xFF00FF), 0xFFFFFF);
}

TEST_F(SkinStateTest, LabelLooksThroughAMostlyTransparentParentForItsColour)
{
    auto* outer = Add<TsPanel>(form, 0, 0, 300, 200);
    outer->SkinData()->SetSkinSection("PANEL_LOW");
    auto* glass = Add<TsPanel>(outer, 10, 10, 200, 100);
    glass->SkinData()->SetSkinSection("SEETHROUGH");
    auto* label = Add<TsLabel>(glass, 5, 5, 100, 20);
    auto* direct = Add<TsLabel>(form, 5, 250, 100, 20);
    ShowForm();
    SkinOn();
    EXPECT_EQ(ParentSectionForText(label, -1), FindSection(manager->Tables(), "PANEL_LOW"));
    EXPECT_EQ(label->CurrentTextColor(), 0xFFFFFF);
    // On the unskinned form there is no section: the skin's text colour.
    EXPECT_EQ(ParentSectionForText(direct, -1), -1);
    EXPECT_EQ(direct->CurrentTextColor(), GlobalTextColor(manager->Tables()));
    // Section 0 of the skin is a section like the others.
    EXPECT_EQ(FindSection(manager->Tables(), "GLOBALINFO"), 0);
    auto* onGlobal = Add<TsPanel>(form, 300, 0, 50, 50);
    onGlobal->EndLoadingAll();
    onGlobal->SkinData()->SetSkinSection("GLOBALINFO");
    auto* inGlobal = Add<TsLabel>(onGlobal, 0, 0, 10, 10);
    inGlobal->EndLoadingAll();
    EXPECT_EQ(onGlobal->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_SKIN_INDEX)), 1);
    EXPECT_EQ(ParentSectionForText(inGlobal, -1), -1);  // GLOBALINFO gives no font of its own
}

TEST_F(SkinStateTest, SeeThroughContainerHandsOnThePictureFromItsOwnPlace)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 300, 200);
    auto* group = Add<TsGroupBox>(panel, 40, 30, 185, 121);
    ShowForm();
    SkinOn();
    const TCapture under(*panel);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 20, 20);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    // A child at (50, 60) of the group box asks for its area painted now.
    BackgroundInfo info;
    info.PaintNow = 1;
    info.TargetDC = dc;
    info.Area = {0, 0, 20, 20};
    info.OffsetX = 50;
    info.OffsetY = 60;
    EXPECT_EQ(RequestParentBackground(info, group, true), 1);
    EXPECT_EQ(info.Kind, bikBitmap);
    for (int y : {0, 10, 19})
        EXPECT_EQ(GetPixel(dc, 5, y), under.At(10, 30 + 60 + y)) << y;
    // A bitmap answer carries the box's place in the panel's picture.
    BackgroundInfo asked;
    RequestParentBackground(asked, group, false);
    EXPECT_EQ(asked.Kind, bikBitmap);
    EXPECT_EQ(asked.OffsetX, 40);
    EXPECT_EQ(asked.OffsetY, 30);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(SkinStateTest, ControlWithoutParentPaintingThroughItsCacheCountsAsUpdating)
{
    SkinOn();
    TsPanel loose(nullptr);
    loose.SkinData()->Loaded();
    ASSERT_GE(loose.SkinData()->SectionIndex, 0);
    EXPECT_TRUE(loose.SkinData()->MustPaintThroughCache());
    EXPECT_TRUE(loose.SkinData()->IsUpdating());
}

}  // namespace
}  // namespace taramel
