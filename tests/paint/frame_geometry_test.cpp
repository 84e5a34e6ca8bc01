// The frame geometry that painting, hit testing and the caption buttons
// share: button placement from the skin's values, the hit-test of every frame
// part, and the buttons' states through hover, press and release.
#include "paint/FrameGeometry.h"

#include <gtest/gtest.h>

namespace taramel {
namespace {

// A 300 x 200 window with a 3-pixel frame and an 18-pixel caption: Close
// 16 x 14 and Minimize 16 x 14, the skin spacing 2 and right margin 1.
FrameMetrics FixedWindow()
{
    FrameMetrics m;
    m.Width = 300;
    m.Height = 200;
    m.Border = 3;
    m.Caption = 18;
    m.ButtonSpacing = 2;
    m.ButtonRightMargin = 1;
    m.ButtonLeftMargin = 1;
    m.ButtonSizes = {TSize{16, 14}, TSize{16, 14}, TSize{16, 14}, TSize{16, 14}};
    m.Buttons.VisibleClose = true;
    m.Buttons.VisibleMin = true;
    m.Buttons.EnabledMin = true;
    m.Icon = {16, 16};
    return m;
}

TEST(FrameLayout, ButtonsRightToLeftWithSpacingAndCentredInTheBand)
{
    const FrameMetrics m = FixedWindow();
    const FrameLayout l = LayoutFrame(m);
    // x starts at 300 - 2 - 1 - 3 = 294; band 21 high, (21 - 14) / 2 = 3, big
    // buttons lower than 16 go 2 lower.
    EXPECT_EQ(l.Buttons[cbClose], (TRect{278, 5, 294, 19}));
    EXPECT_EQ(l.Buttons[cbMin], (TRect{260, 5, 276, 19}));
    EXPECT_FALSE(l.Shown[cbMax]);
    EXPECT_FALSE(l.Shown[cbHelp]);
    EXPECT_EQ(l.ButtonAreaWidth, 36);
    EXPECT_EQ(l.Title, (TRect{0, 0, 300, 21}));
    EXPECT_EQ(l.Icon, (TRect{4, 4, 20, 20}));
    // Text from B + icon + BILEFT + 4 to six pixels left of Minimize.
    EXPECT_EQ(l.Text, (TRect{24, 2, 254, 21}));
    EXPECT_EQ(l.Top, 21);
}

TEST(FrameLayout, SmallButtonsIgnoreSpacingAndTopAlignOnlyForBigOnes)
{
    FrameMetrics m = FixedWindow();
    m.BigButtons = false;
    m.ButtonVAlign = 1;
    m.Buttons.VisibleMin = false;
    m.ButtonSizes[cbClose] = {12, 12};
    const FrameLayout l = LayoutFrame(m);
    EXPECT_EQ(l.Buttons[cbClose], (TRect{284, 4, 296, 16}));
    EXPECT_EQ(l.ButtonAreaWidth, 12);

    m.BigButtons = true;
    EXPECT_EQ(LayoutFrame(m).Buttons[cbClose].Top, 0);
}

TEST(FrameLayout, NoCaptionNoButtonsAndAFormWithoutCloseShowsNone)
{
    FrameMetrics m = FixedWindow();
    m.Buttons.VisibleClose = false;
    FrameLayout l = LayoutFrame(m);
    for (bool shown : l.Shown)
        EXPECT_FALSE(shown);
    EXPECT_EQ(l.Text.Right, 297 - 6);

    m = FixedWindow();
    m.Caption = 0;
    l = LayoutFrame(m);
    EXPECT_FALSE(l.Shown[cbClose]);
    EXPECT_EQ(l.Top, 3);
    EXPECT_EQ(FrameHitTest(m, l, {150, 1}), fhBorder);
}

TEST(FrameLayout, MissingImagesCountTwentyOneSquare)
{
    EXPECT_EQ(CaptionButtonSize(0, 0, false), (TSize{21, 21}));
    EXPECT_EQ(CaptionButtonSize(-4, 10, true), (TSize{21, 21}));
    EXPECT_EQ(CaptionButtonSize(17, 15, true), (TSize{17, 15}));
}

struct HitCase {
    const char* what;
    bool sizeable;
    TPoint p;
    int hit;
};

TEST(FrameHitTest, EveryPartOfFixedAndSizeableFrames)
{
    const HitCase cases[] = {
        {"close", false, {285, 10}, fhClose},
        {"minimize", false, {265, 10}, fhMinButton},
        {"gap between buttons", false, {277, 10}, fhCaption},
        {"caption", false, {150, 10}, fhCaption},
        {"top border of a fixed frame belongs to the title", false, {150, 1}, fhCaption},
        {"icon", false, {10, 10}, fhSysMenu},
        {"left border", false, {1, 100}, fhBorder},
        {"right border", false, {298, 100}, fhBorder},
        {"bottom border", false, {150, 198}, fhBorder},
        {"bottom-left corner", false, {0, 199}, fhBorder},
        {"client", false, {150, 100}, fhClient},
        {"outside", false, {300, 10}, fhNowhere},
        {"sizeable left", true, {1, 100}, fhLeft},
        {"sizeable right", true, {299, 100}, fhRight},
        {"sizeable top", true, {150, 0}, fhTop},
        {"sizeable bottom", true, {150, 199}, fhBottom},
        {"sizeable top-left", true, {0, 0}, fhTopLeft},
        {"sizeable top-right along the top", true, {290, 1}, fhTopRight},
        {"sizeable bottom-left along the side", true, {1, 190}, fhBottomLeft},
        {"sizeable bottom-right", true, {299, 199}, fhBottomRight},
        {"sizeable: button before edge", true, {285, 10}, fhClose},
        {"sizeable caption", true, {150, 10}, fhCaption},
    };
    for (const HitCase& c : cases) {
        FrameMetrics m = FixedWindow();
        m.Sizeable = c.sizeable;
        EXPECT_EQ(FrameHitTest(m, LayoutFrame(m), c.p), c.hit) << c.what;
    }
}

TEST(FrameHitTest, DisabledButtonsAnswerAsCaptionAndAMaximisedFrameHasNoEdges)
{
    FrameMetrics m = FixedWindow();
    m.Buttons.EnabledMin = false;
    m.Buttons.VisibleMax = true;
    FrameLayout l = LayoutFrame(m);
    const TPoint minCentre{l.Buttons[cbMin].Left + 2, l.Buttons[cbMin].Top + 2};
    const TPoint maxCentre{l.Buttons[cbMax].Left + 2, l.Buttons[cbMax].Top + 2};
    EXPECT_EQ(FrameHitTest(m, l, minCentre), fhCaption);
    EXPECT_EQ(FrameHitTest(m, l, maxCentre), fhCaption);
    m.Buttons.EnabledRestore = true;
    EXPECT_EQ(FrameHitTest(m, l, maxCentre), fhMaxButton);

    m.Sizeable = true;
    m.Maximized = true;
    l = LayoutFrame(m);
    EXPECT_EQ(FrameHitTest(m, l, {1, 100}), fhBorder);
}

TEST(CaptionButtonStates, HoverPressReleaseInsideGivesTheCommandOnce)
{
    const CaptionButtonSet buttons = FixedWindow().Buttons;
    CaptionButtonStates s;
    auto c = s.MouseOver(fhClose);
    EXPECT_EQ(c.Second, fhClose);
    EXPECT_EQ(s.State(fhClose), 1);
    ASSERT_TRUE(s.Press(fhClose, buttons, false, c));
    EXPECT_EQ(s.State(fhClose), 2);
    EXPECT_EQ(s.Release(fhClose, c), fhClose);
    EXPECT_EQ(c.First, fhClose);
    EXPECT_EQ(s.State(fhClose), 0);
    // A second release without a press is not the buttons'.
    EXPECT_EQ(s.Release(fhClose, c), fhNowhere);
    EXPECT_FALSE(c.Any());
}

TEST(CaptionButtonStates, LeavingThePressedButtonCancelsIt)
{
    const CaptionButtonSet buttons = FixedWindow().Buttons;
    CaptionButtonStates s;
    CaptionButtonStates::Changes c;
    s.MouseOver(fhClose);
    s.Press(fhClose, buttons, false, c);
    c = s.MouseOver(fhCaption);
    EXPECT_EQ(c.First, fhClose);
    EXPECT_EQ(s.State(fhClose), 0);
    EXPECT_FALSE(s.Pressed());
    // Coming back shows it hot, not pressed, and a release there does nothing.
    s.MouseOver(fhClose);
    EXPECT_EQ(s.State(fhClose), 1);
    EXPECT_EQ(s.Release(fhClose, c), fhNowhere);

    // Released over another button: nothing is due.
    s.Press(fhMinButton, buttons, false, c);
    EXPECT_EQ(s.Release(fhClose, c), fhNowhere);
    EXPECT_EQ(c.First, fhMinButton);
}

TEST(CaptionButtonStates, PressesThatAreNotButtonsOrCannotWork)
{
    CaptionButtonSet buttons = FixedWindow().Buttons;
    CaptionButtonStates s;
    CaptionButtonStates::Changes c;
    EXPECT_FALSE(s.Press(fhCaption, buttons, false, c));
    EXPECT_FALSE(s.Pressed());
    // A Maximize that cannot work is taken but stays unpressed.
    EXPECT_TRUE(s.Press(fhMaxButton, buttons, false, c));
    EXPECT_FALSE(s.Pressed());
    buttons.EnabledRestore = true;
    EXPECT_TRUE(s.Press(fhMaxButton, buttons, true, c));
    EXPECT_EQ(s.State(fhMaxButton), 2);
    EXPECT_EQ(s.Leave().First, fhMaxButton);
    EXPECT_EQ(s.State(fhMaxButton), 0);
}

}  // namespace
}  // namespace taramel
