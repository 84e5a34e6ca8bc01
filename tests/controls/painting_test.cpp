// What the skinned controls paint, read back from their windows: the panel
// gradient, text colours from the parent's section, link colours, the group
// box frame over its parent's picture, the status bar's dividers and grip,
// the speed button's three looks, and the system look after the skin goes.
#include <gtest/gtest.h>

#include "controls/ButtonLayout.h"
#include "tests/controls/ControlsFixture.h"

namespace taramel {
namespace {

using namespace testing_support;

const COLORREF kYellow = Rgb(255, 255, 0);     // the PANEL section's font colour
const COLORREF kWhite = Rgb(255, 255, 255);    // PANEL_LOW's and GROUPBOX's
const COLORREF kFrameBlue = Rgb(0, 0, 200);    // the group box border
const COLORREF kBarGrey = Rgb(64, 64, 64);     // STATUSBAR
const COLORREF kGripDot = Rgb(32, 32, 32);
const COLORREF kDividerDark = Rgb(128, 0, 0);
const COLORREF kDividerLight = Rgb(255, 160, 160);

TsLabel* BigLabel(TsLabel* label, const char* text)
{
    label->SetAutoSize(false);
    SetFont(label->Font(), 24, fsBold, clWindowText);
    label->SetCaption(text);
    return label;
}

TEST_F(SkinnedControlsTest, PanelShowsItsGradientAndTheSystemLookWithoutSkin)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 200, 100);
    ShowForm();
    SkinOn();
    {
        const TCapture shot(*panel);
        // Vertical bands: dark blue 0x800000 at the top, 0xFF8000 at the bottom.
        const COLORREF top = shot.At(100, 0), bottom = shot.At(100, 99);
        EXPECT_EQ(Red(top), 0);
        EXPECT_LE(Blue(top), 0x82);
        EXPECT_GE(Blue(bottom), 0xFC);
        EXPECT_NEAR(Green(bottom), 0x80, 3);
        EXPECT_LT(Blue(shot.At(100, 30)), Blue(shot.At(100, 70)));
        // Every row is one colour across.
        EXPECT_EQ(shot.At(3, 50), shot.At(196, 50));
    }
    SkinOff();
    const TCapture plain(*panel);
    EXPECT_EQ(plain.At(100, 50), GetSysColor(COLOR_BTNFACE));
}

TEST_F(SkinnedControlsTest, LabelTakesTheTextColourOfItsPanelsSection)
{
    auto* gradient = Add<TsPanel>(form, 0, 0, 200, 60);
    auto* plain = Add<TsPanel>(form, 0, 60, 200, 60);
    plain->SkinData()->SetSkinSection("panel_low");
    auto* onGradient = BigLabel(Add<TsLabel>(gradient, 10, 10, 150, 40), "WWW");
    auto* onPlain = BigLabel(Add<TsLabel>(plain, 10, 10, 150, 40), "WWW");
    ShowForm();
    SkinOn();
    EXPECT_EQ(plain->SkinData()->SkinSection(), "PANEL_LOW");
    EXPECT_EQ(onGradient->CurrentTextColor(), 0x00FFFF);
    EXPECT_EQ(onPlain->CurrentTextColor(), 0xFFFFFF);
    const RECT text{10, 10, 160, 50};
    EXPECT_GT(TCapture(*gradient).Count(text, kYellow), 50);
    EXPECT_GT(TCapture(*plain).Count(text, kWhite), 50);
    // The plain panel paints straight on the screen and keeps no cache.
    EXPECT_TRUE(plain->SkinData()->PaintFlags & pfPaintDirectly);
    EXPECT_FALSE(gradient->SkinData()->PaintFlags & pfPaintDirectly);

    SkinOff();
    EXPECT_EQ(TCapture(*gradient).Count(text, kYellow), 0);
    EXPECT_GT(TCapture(*gradient).Count(text, Rgb(0, 0, 0)), 50);
}

TEST_F(SkinnedControlsTest, WebLabelTakesTheSkinsLinkColoursAndItsHoverColour)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 200, 60);
    panel->SkinData()->SetSkinSection("PANEL_LOW");
    auto* link = Add<TsWebLabel>(panel, 10, 10, 150, 40);
    BigLabel(link, "WWW");
    link->HoverFont().Assign(link->Font());
    ShowForm();
    SkinOn();
    const RECT text{10, 10, 160, 50};
    EXPECT_GT(TCapture(*panel).Count(text, Rgb(0, 0, 255)), 50);  // TCBOTTOM
    link->Perform(CM_MOUSEENTER);
    testsupport::Pump(20);
    EXPECT_TRUE(link->Hovering());
    const TCapture hot(*panel);
    EXPECT_GT(hot.Count(text, Rgb(255, 0, 0)), 50);  // TCTOP
    EXPECT_EQ(hot.Count(text, Rgb(0, 0, 255)), 0);
    link->Perform(CM_MOUSELEAVE);
    testsupport::Pump(20);
    EXPECT_GT(TCapture(*panel).Count(text, Rgb(0, 0, 255)), 50);
}

TEST(GroupCaption, RectangleFollowsLayoutOffsetAndWidth)
{
    struct Case {
        int width, textWidth;
        TsCaptionLayout layout;
        bool rtl;
        int yOffset;
        RECT expected;
    };
    const Case cases[] = {
        {185, 150, TsCaptionLayout::clTopCenter, false, 0, {12, 0, 170, 18}},
        {185, 50, TsCaptionLayout::clTopLeft, false, 0, {6, 0, 64, 18}},
        {185, 50, TsCaptionLayout::clTopRight, false, 0, {121, 0, 179, 18}},
        {185, 50, TsCaptionLayout::clTopRight, true, 0, {6, 0, 64, 18}},
        {185, 50, TsCaptionLayout::clTopLeft, true, 0, {121, 0, 179, 18}},
        {185, 50, TsCaptionLayout::clTopLeft, false, 5, {6, 0, 64, 23}},
        {185, 50, TsCaptionLayout::clTopLeft, false, -4, {6, -4, 64, 14}},
        {40, 60, TsCaptionLayout::clTopRight, false, 0, {0, 0, 40, 18}},  // never left of 0 or past the box
        {185, 0, TsCaptionLayout::clTopCenter, false, 0, {87, 0, 95, 18}},
    };
    for (const Case& c : cases) {
        const RECT r = GroupCaptionRect(c.width, c.textWidth, 16, c.layout, c.rtl, c.yOffset, true, 1);
        EXPECT_EQ(r.left, c.expected.left) << c.width << " " << c.textWidth;
        EXPECT_EQ(r.top, c.expected.top) << c.yOffset;
        EXPECT_EQ(r.right, c.expected.right) << c.width << " " << c.textWidth;
        EXPECT_EQ(r.bottom, c.expected.bottom) << c.yOffset;
    }
    // Unskinned, the offset only moves the top.
    EXPECT_EQ(GroupCaptionRect(185, 50, 16, TsCaptionLayout::clTopLeft, false, 5, false, 1).bottom, 18);
}

TEST_F(SkinnedControlsTest, SeeThroughGroupBoxShowsItsPanelUnderItsFrame)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 300, 200);
    auto* group = Add<TsGroupBox>(panel, 40, 30, 185, 121);
    group->SetCaption("Порядок");
    ShowForm();
    SkinOn();
    const TCapture under(*panel);
    const TCapture box(*group);
    const RECT caption = group->CaptionRect();
    const int frameTop = (caption.bottom - caption.top) / 2;
    EXPECT_EQ(box.At(0, 80), kFrameBlue);
    EXPECT_EQ(box.At(184, 80), kFrameBlue);
    EXPECT_EQ(box.At(90, 120), kFrameBlue);
    EXPECT_EQ(box.At(caption.right + 5, frameTop), kFrameBlue);
    // Inside the frame and in the caption band the panel's gradient shows,
    // the row the box covers (the panel's bands are one colour across).
    for (int y : {2, frameTop + 10, 60, 110})
        EXPECT_EQ(box.At(90, y), under.At(10, 30 + y)) << y;
    // The caption text is the section's white, and the frame does not run
    // through it.
    EXPECT_GT(box.Count(caption, kWhite), 10);
    EXPECT_EQ(box.Count(caption, kFrameBlue), 0);
}

TEST_F(SkinnedControlsTest, ChildPaintedWhileItsGroupBoxWasOutOfDatePaintsOnceTheBoxHas)
{
    auto* group = Add<TsGroupBox>(form, 10, 10, 185, 121);
    group->SetCaption("Порядок");
    auto* radio = Add<TsRadioButton>(group, 10, 30, 150, 20);
    radio->SetCaption("Случайно");
    ShowForm();
    manager->SetSkinName("Buttons");  // a skin with both sections
    SkinOn();
    // The box's picture goes out of date and the radio button paints first
    // (as when it is clicked before the dialog's first paint): it draws
    // nothing and waits for its parent.
    group->SkinData()->CacheDirty = true;
    group->Invalidate();
    radio->Invalidate();
    UpdateWindow(radio->Handle());
    ASSERT_TRUE(radio->SkinData()->Updating) << "the radio waited for the box";
    testsupport::Pump(50);
    EXPECT_FALSE(radio->SkinData()->Updating) << "the box told it that its picture is ready";
    RECT pending;
    EXPECT_FALSE(GetUpdateRect(radio->Handle(), &pending, FALSE)) << "and the radio has painted since";
}

TEST_F(SkinnedControlsTest, StatusBarDrawsDividersBetweenPanelsAndItsGrip)
{
    auto* bar = Add<TsStatusBar>(form, 0, 0, 400, 22);
    bar->SetAlign(TAlign::alBottom);
    bar->SizeGrip = true;
    bar->SetPanels({{100, "один"}, {100, "два"}, {50, ""}});
    ShowForm();
    SkinOn();
    ASSERT_EQ(bar->Width(), form->ClientWidth());
    const int w = bar->Width();
    const TCapture shot(*bar);
    // After panel 1 (shrunk right edge 99) and panel 2 (199): 4 pixels from
    // right - 2 - 1, dark then light, from y = 1 to the height - 2.
    for (int x0 : {96, 196}) {
        EXPECT_EQ(shot.At(x0, 5), kDividerDark) << x0;
        EXPECT_EQ(shot.At(x0 + 1, 12), kDividerDark) << x0;
        EXPECT_EQ(shot.At(x0 + 2, 5), kDividerLight) << x0;
        EXPECT_EQ(shot.At(x0 + 3, 20), kDividerLight) << x0;
        EXPECT_EQ(shot.At(x0 - 1, 5), kBarGrey) << x0;
    }
    // Not after the last panel.
    EXPECT_EQ(shot.Count(RECT{210, 2, w - 14, 20}, kDividerDark), 0);
    // The grip in the bottom right corner: its dots on the bar's colour.
    EXPECT_EQ(shot.At(w - 12 + 9, 22 - 12 + 9), kGripDot);
    EXPECT_EQ(shot.At(w - 12 + 6, 22 - 12 + 9), kGripDot);
    EXPECT_EQ(shot.At(w - 12 + 8, 22 - 12 + 9), kBarGrey);
    // Panel texts in the section's white.
    EXPECT_GT(shot.Count(RECT{2, 2, 98, 20}, kWhite), 10);
}

TEST_F(SkinnedControlsTest, StatusBarFlushWithItsParentKeepsItsCache)
{
    auto* bar = Add<TsStatusBar>(form, 0, 0, 400, 22);
    bar->SetAlign(TAlign::alBottom);
    ShowForm();
    SkinOn();
    TCapture first(*bar);
    const int builds = bar->CacheBuilds();
    TCapture second(*bar);
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(bar->CacheBuilds(), builds);
    EXPECT_FALSE(bar->SkinData()->PartlyHidden);
}

TEST(StatusPanels, AreasRunSideBySideAndTheLastReachesTheEdge)
{
    const auto areas = StatusPanelAreas(400, 22, {{100, ""}, {100, ""}, {50, ""}});
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(areas[0].left, 0);
    EXPECT_EQ(areas[0].right, 100);
    EXPECT_EQ(areas[1].right, 200);
    EXPECT_EQ(areas[2].left, 200);
    EXPECT_EQ(areas[2].right, 400);
    const auto simple = StatusPanelAreas(400, 22, {});
    ASSERT_EQ(simple.size(), 1u);
    EXPECT_EQ(simple[0].top, 1);
    EXPECT_EQ(simple[0].right, 399);
    EXPECT_EQ(simple[0].bottom, 21);
    const RECT client{0, 0, 499, 319};
    EXPECT_FALSE(ReachesOutside(RECT{0, 297, 499, 319}, client));
    EXPECT_TRUE(ReachesOutside(RECT{0, 298, 499, 320}, client));
    EXPECT_TRUE(ReachesOutside(RECT{-1, 0, 10, 10}, client));
}

TEST_F(SkinnedControlsTest, SpeedButtonShowsNormalHotAndPressedLooks)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 300, 100);
    auto* button = Add<TsSpeedButton>(panel, 20, 20, 120, 30);
    button->SetCaption("Ссылка");
    ShowForm();
    SkinOn();
    auto look = [&] {
        testsupport::Pump(20);
        return TCapture(*panel).At(20 + 1, 20 + 1);
    };
    EXPECT_EQ(look(), Rgb(128, 128, 128));
    button->Perform(CM_MOUSEENTER);
    EXPECT_EQ(button->SkinState(), 1);
    EXPECT_EQ(look(), Rgb(0, 192, 0));
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(button->SkinState(), 2);
    EXPECT_EQ(look(), Rgb(224, 0, 0));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(look(), Rgb(0, 192, 0));
    button->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(look(), Rgb(128, 128, 128));
    // The centre shows the section's colour in the normal look.
    EXPECT_EQ(TCapture(*panel).At(20 + 5, 20 + 15), Rgb(0xC0, 0xC0, 0xC0));
}

TEST_F(SkinnedControlsTest, SpeedButtonCaptionRectangleCentresAndMovesWhenPressed)
{
    auto* button = Add<TsSpeedButton>(form, 0, 0, 222, 19);
    ShowForm();
    RECT r = button->CaptionRect(150, 16);
    EXPECT_EQ(r.left, 35);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, 188);
    EXPECT_EQ(r.bottom, 18);
    button->SetDown(true);
    r = button->CaptionRect(150, 16);
    EXPECT_EQ(r.left, 36);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 189);
    EXPECT_EQ(r.bottom, 19);
}

TEST(AnimatedEvents, OwnSetOrTheManagersWhenDeferred)
{
    const unsigned all = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
    EXPECT_TRUE(IsAnimatedEvent(aeMouseEnter, aeMouseEnter, 0));
    EXPECT_FALSE(IsAnimatedEvent(aeMouseEnter, aeMouseLeave, all));
    EXPECT_TRUE(IsAnimatedEvent(aeGlobalDef, aeMouseDown, all));
    EXPECT_FALSE(IsAnimatedEvent(aeGlobalDef, aeMouseDown, beMouseEnter | beMouseLeave));
    EXPECT_TRUE(IsAnimatedEvent(aeGlobalDef, aeMouseUp, beMouseUp));
    EXPECT_FALSE(IsAnimatedEvent(0, aeMouseUp, all));
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

TEST(ButtonLayout, CaptionAndGlyphFollowLayoutAndAlignment)
{
    struct Case {
        TButtonLayout layout;
        TButtonAlign align;
        RECT glyph, text;
    };
    // A 100 x 40 button, a 16 x 16 glyph, a 40 x 14 caption, margin -1, spacing 4:
    // M = 0, s = 4, fx = (100 - 16 - 4 - 40) / 2 = 20, fy = (40 - 16 - 4 - 14) / 2 = 3.
    const Case cases[] = {
        {TButtonLayout::blGlyphLeft, TButtonAlign::Left, {0, 12, 16, 28}, {19, 13, 60, 27}},
        {TButtonLayout::blGlyphLeft, TButtonAlign::Center, {20, 12, 36, 28}, {40, 13, 80, 27}},
        {TButtonLayout::blGlyphLeft, TButtonAlign::Right, {40, 12, 56, 28}, {60, 13, 100, 27}},
        {TButtonLayout::blGlyphRight, TButtonAlign::Left, {40, 12, 56, 28}, {0, 13, 40, 27}},
        {TButtonLayout::blGlyphRight, TButtonAlign::Center, {64, 12, 80, 28}, {20, 13, 60, 27}},
        {TButtonLayout::blGlyphRight, TButtonAlign::Right, {84, 12, 100, 28}, {40, 13, 80, 27}},
        {TButtonLayout::blGlyphTop, TButtonAlign::Center, {43, 3, 59, 19}, {30, 23, 70, 37}},
        {TButtonLayout::blGlyphBottom, TButtonAlign::Center, {43, 21, 59, 37}, {30, 3, 70, 17}},
    };
    for (const Case& c : cases) {
        ButtonLayoutInput in;
        in.Width = 100;
        in.Height = 40;
        in.GlyphWidth = in.GlyphHeight = 16;
        in.TextWidth = 40;
        in.TextHeight = 14;
        in.Layout = c.layout;
        in.Alignment = c.align;
        const ButtonLayoutResult r = LayoutButton(in);
        const int id = static_cast<int>(c.layout) * 3 + static_cast<int>(c.align);
        EXPECT_TRUE(EqualRect(&r.Glyph, &c.glyph)) << id << ": glyph " << r.Glyph.left << "," << r.Glyph.top;
        EXPECT_TRUE(EqualRect(&r.Text, &c.text))
            << id << ": text " << r.Text.left << "," << r.Text.top << "," << r.Text.right << "," << r.Text.bottom;
    }
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

using namespace testing_support;

TEST_F(SkinnedControlsTest, SpeedButtonFadesIntoItsHotLookWhenTheSectionSaysSo)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 300, 100);
    auto* button = Add<TsSpeedButton>(panel, 20, 20, 120, 30);
    button->SkinData()->SetSkinSection("FADEBUTTON");
    ShowForm();
    SkinOn();
    ASSERT_TRUE(button->SkinData()->Section()->FadingEnabled);
    testsupport::Pump(30);
    EXPECT_EQ(TCapture(*panel).At(21, 21), Rgb(128, 128, 128));
    button->Perform(CM_MOUSEENTER);
    ASSERT_NE(button->Animation(), nullptr);
    EXPECT_EQ(button->Animation()->StepCount(), 4);
    // The first frames still lean to the old look; the cache holds the new one.
    const COLORREF early = TCapture(*panel).At(21, 21);
    EXPECT_GT(Red(early), 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return button->Animation() == nullptr; }, 2000));
    EXPECT_EQ(TCapture(*panel).At(21, 21), Rgb(0, 192, 0));
    // A press fades in half the steps.
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_NE(button->Animation(), nullptr);
    EXPECT_EQ(button->Animation()->StepCount(), 2);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return button->Animation() == nullptr; }, 2000));
    EXPECT_EQ(TCapture(*panel).At(21, 21), Rgb(224, 0, 0));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    button->Perform(CM_MOUSELEAVE);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return button->Animation() == nullptr; }, 2000));
    EXPECT_EQ(TCapture(*panel).At(21, 21), Rgb(128, 128, 128));
}

}  // namespace
}  // namespace taramel
