// The frame geometry that painting, hit testing and the caption buttons
// share: button placement from the skin's values, the hit-test of every frame
// part, and the buttons' states through hover, press and release.
#include "paint/FrameGeometry.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

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

TEST(FrameHitTest, TheSizeGripAnswersAsTheBottomRightCorner)
{
    FrameMetrics m = FixedWindow();
    m.Client = {3, 21, 297, 197};
    m.Grip = {12, 12};
    const struct {
        const char* what;
        bool sizeable, maximized;
        TPoint p;
        int hit;
    } cases[] = {
        {"on the grip", true, false, {290, 190}, fhBottomRight},
        {"grip's top-left pixel", true, false, {285, 185}, fhBottomRight},
        {"just left of the grip", true, false, {284, 190}, fhClient},
        {"just above the grip", true, false, {290, 184}, fhClient},
        {"fixed frames have no grip", false, false, {290, 190}, fhClient},
        {"maximised forms have no grip", true, true, {290, 190}, fhClient},
    };
    for (const auto& c : cases) {
        m.Sizeable = c.sizeable;
        m.Maximized = c.maximized;
        EXPECT_EQ(FrameHitTest(m, LayoutFrame(m), c.p), c.hit) << c.what;
    }
    m.Sizeable = true;
    m.Maximized = false;
    EXPECT_EQ(LayoutFrame(m).Grip, (TRect{285, 185, 297, 197}));
    m.Grip = {};
    EXPECT_EQ(FrameHitTest(m, LayoutFrame(m), {290, 190}), fhClient) << "no image";
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

namespace taramel {
namespace {

TEST(ExtendedFrame, ShadowMarginsFromTheImageTheBorderModeOrTheBuiltInShadow)
{
    ExtendedBorderValues image;
    image.HasImage = true;
    image.ImageMargins = {20, 14, 22, 24};
    image.FormOffset = 8;
    ExtendedBorderValues mode1 = image;
    mode1.BorderMode = 1;
    ExtendedBorderValues tight = image;
    tight.FormOffset = 16;  // larger than some margins
    const struct {
        const char* what;
        ExtendedBorderValues values;
        bool composition;
        FrameMargins expected;
    } cases[] = {
        {"image less FORMOFFSET", image, false, {12, 6, 14, 16}},
        {"composition changes no image", image, true, {12, 6, 14, 16}},
        {"border mode 1: FORMOFFSET all round", mode1, false, {8, 8, 8, 8}},
        {"offset beyond a margin", tight, false, {4, -2, 6, 8}},
        {"built-in shadow", ExtendedBorderValues{}, false, {11, 7, 11, 11}},
        {"built-in shadow under composition", ExtendedBorderValues{}, true, {12, 8, 12, 12}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShadowMargins(c.values, c.composition), c.expected) << c.what;
}

// With an extended border the frame is wider by the shadow, has no top border,
// and the buttons sit below the shadow's top margin: a 300-pixel form with a
// 6-pixel skin border, a 30-pixel caption and the built-in shadow.
TEST(FrameLayout, ExtendedBorderButtonsBelowTheShadowAndLeftOfItsRightMargin)
{
    struct Case {
        const char* name;
        bool maximized;
        int valign, borderMode, centerOffset;
        int top;
    } cases[] = {
        // (30 - 14) / 2 + 7, and 2 lower for a big button under 16 pixels.
        {"centred", false, 0, 0, 0, 17},
        {"centre offset counts in border mode 1", false, 0, 1, 3, 20},
        {"centre offset ignored in border mode 0", false, 0, 0, 3, 17},
        // 2 up for maximised, half the border (3) down for the extended one.
        {"maximised", true, 0, 0, 0, 18},
        {"top-aligned: the shadow's margin", false, 1, 0, 0, 7},
        {"top-aligned and maximised: 3 lower", true, 1, 0, 0, 10},
    };
    for (const Case& c : cases) {
        FrameMetrics m = FixedWindow();
        m.ExtendedBorder = true;
        m.Shadow = {11, 7, 11, 11};
        m.Width = 300 + 11 + 11;
        m.Border = 6;
        m.Caption = 30;
        m.Maximized = c.maximized;
        m.ButtonVAlign = c.valign;
        m.BorderMode = c.borderMode;
        m.CenterOffset = c.centerOffset;
        const FrameLayout l = LayoutFrame(m);
        // x starts at 322 - 2 (spacing) - 1 (right margin) - 11 - 6 = 302.
        EXPECT_EQ(l.Buttons[cbClose], (TRect{286, c.top, 302, c.top + 14})) << c.name;
        EXPECT_EQ(l.Buttons[cbMin], (TRect{268, c.top, 284, c.top + 14})) << c.name;
    }
}

// The border window's picture of a 300 x 200 form with a 6-pixel skin border,
// a 30-pixel caption and the built-in shadow (11, 7, 11, 11) around it.
FrameMetrics ExtendedWindow(bool sizeable)
{
    FrameMetrics m = FixedWindow();
    m.ExtendedBorder = true;
    m.Shadow = {11, 7, 11, 11};
    m.Width = 300 + 11 + 11;
    m.Height = 200 + 7 + 11;
    m.Border = 6;
    m.Caption = 30;
    m.Sizeable = sizeable;
    m.Client = {11 + 6, 7 + 30, 311 - 6, 207 - 6};
    return m;
}

TEST(FrameLayout, ExtendedBorderTitleIconAndTextLieOnTheFormInsideTheShadow)
{
    const FrameLayout l = LayoutFrame(ExtendedWindow(false));
    EXPECT_EQ(l.Form, (TRect{11, 7, 311, 207}));
    // No top border: the title starts at the form's top edge.
    EXPECT_EQ(l.Title, (TRect{11, 7, 311, 37}));
    EXPECT_EQ(l.Top, 37);
    EXPECT_EQ(l.Icon, (TRect{18, 14, 34, 30}));
    // From the shadow, B, the icon, BILEFT and 4, to six left of Minimize.
    EXPECT_EQ(l.Text, (TRect{38, 9, 262, 37}));
    EXPECT_EQ(l.LeftStrip, (TRect{11, 37, 17, 207}));
    EXPECT_EQ(l.BottomStrip, (TRect{17, 201, 311, 207}));
    EXPECT_EQ(l.RightStrip, (TRect{305, 37, 311, 201}));
    // Without an extended border the form is the whole frame.
    EXPECT_EQ(LayoutFrame(FixedWindow()).Form, (TRect{0, 0, 300, 200}));
}

TEST(FrameHitTest, ExtendedBorderShadowIsNowhereAndEdgesLieOnTheForm)
{
    const HitCase cases[] = {
        {"shadow left", true, {5, 100}, fhNowhere},
        {"shadow top-left", true, {0, 0}, fhNowhere},
        {"shadow right", true, {316, 100}, fhNowhere},
        {"shadow below", true, {150, 212}, fhNowhere},
        {"close", true, {294, 24}, fhClose},
        {"minimize", true, {276, 24}, fhMinButton},
        {"caption", true, {150, 20}, fhCaption},
        {"icon", true, {25, 22}, fhSysMenu},
        {"top edge", true, {150, 9}, fhTop},
        {"left edge", true, {12, 100}, fhLeft},
        {"right edge", true, {310, 100}, fhRight},
        {"bottom edge", true, {150, 206}, fhBottom},
        {"bottom-left", true, {12, 206}, fhBottomLeft},
        {"top-right", true, {310, 8}, fhTopRight},
        {"client", true, {150, 100}, fhClient},
        // A fixed frame: its edges are border, the top of the title caption.
        {"fixed left edge", false, {12, 100}, fhBorder},
        {"fixed bottom edge", false, {150, 206}, fhBorder},
        {"fixed top of the title", false, {150, 9}, fhCaption},
        {"fixed shadow", false, {5, 100}, fhNowhere},
    };
    for (const HitCase& c : cases) {
        const FrameMetrics m = ExtendedWindow(c.sizeable);
        EXPECT_EQ(FrameHitTest(m, LayoutFrame(m), c.p), c.hit) << c.what;
    }
}

// A menu bar 19 high under the title: the line between title and client
// answers as the menu across the client's width, the borders beside it stay
// the frame's, and the top strip that the frame copies reaches the client.
// With an extended border the line lies on the form the same way.
TEST(FrameHitTest, TheMenuLineBetweenTitleAndClientAnswersAsTheMenu)
{
    FrameMetrics fixed = FixedWindow();
    fixed.MenuHeight = 19;
    fixed.Client = {3, 40, 297, 197};
    const FrameLayout l = LayoutFrame(fixed);
    EXPECT_EQ(l.Top, 21);
    EXPECT_EQ(l.MenuLine, (TRect{3, 21, 297, 40}));
    EXPECT_EQ(l.TopStrip, (TRect{0, 0, 300, 40}));
    FrameMetrics none = fixed;
    none.MenuHeight = 0;
    none.Client = {3, 21, 297, 197};
    EXPECT_TRUE(LayoutFrame(none).MenuLine.Empty());
    EXPECT_EQ(LayoutFrame(none).TopStrip, (TRect{0, 0, 300, 21}));

    FrameMetrics extended = ExtendedWindow(true);
    extended.MenuHeight = 19;
    extended.Client.Top += 19;
    EXPECT_EQ(LayoutFrame(extended).MenuLine, (TRect{17, 37, 305, 56}));

    const struct {
        const char* what;
        const FrameMetrics& m;
        bool sizeable;
        TPoint p;
        int hit;
    } cases[] = {
        {"the line's first pixel", fixed, false, {3, 21}, fhMenu},
        {"the line's last pixel", fixed, false, {296, 39}, fhMenu},
        {"the title just above", fixed, false, {150, 20}, fhCaption},
        {"the client just below", fixed, false, {150, 40}, fhClient},
        {"the left border beside the line", fixed, false, {1, 30}, fhBorder},
        {"the edge of a sizeable frame beside the line", fixed, true, {1, 30}, fhLeft},
        {"the line of a sizeable frame", fixed, true, {150, 30}, fhMenu},
        {"the line on an extended form", extended, true, {150, 40}, fhMenu},
        {"the title above it", extended, true, {150, 30}, fhCaption},
        {"the client below it", extended, true, {150, 60}, fhClient},
    };
    for (const auto& c : cases) {
        FrameMetrics m = c.m;
        m.Sizeable = c.sizeable;
        EXPECT_EQ(FrameHitTest(m, LayoutFrame(m), c.p), c.hit) << c.what;
    }
}

// A window 300 x 200 grown to 340 x 230 (client at (3, 24), 294 x 173 before):
// what moved with the right-hand corners must be painted again, at both
// places, in the new client's coordinates and inside it.
TEST(SizeChangeRepaintRects, GripAndRightHandCornerImagesAtTheirOldAndNewPlaces)
{
    const SizedWindow before{{300, 200}, {3, 24, 297, 197}};
    const SizedWindow after{{340, 230}, {3, 24, 337, 227}};
    struct Case {
        const char* name;
        TSize grip, topRight, bottomRight;
        std::vector<TRect> rects;
    } cases[] = {
        {"nothing moves", {}, {}, {}, {}},
        {"grip", {12, 12}, {}, {}, {{282, 161, 294, 173}, {322, 191, 334, 203}}},
        // A top-right image 40 high reaches 16 rows into the client; at its
        // new place the part over the right border is cut off, its old place
        // now lies inside the grown client.
        {"top-right corner", {}, {20, 40}, {}, {{277, 0, 297, 16}, {317, 0, 334, 16}}},
        {"bottom-right corner", {}, {}, {10, 10}, {{287, 166, 297, 176}, {327, 196, 334, 203}}},
        // An image no taller than the title never reaches the client.
        {"top-right within the title", {}, {20, 20}, {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SizeChangeRepaintRects(before, after, c.grip, c.topRight, c.bottomRight), c.rects) << c.name;
    // Unchanged size: each place once.
    EXPECT_EQ(SizeChangeRepaintRects(after, after, {12, 12}, {}, {}), (std::vector<TRect>{{322, 191, 334, 203}}));
}

TEST(ExtendedFrame, BorderCaptionAndClientOffsetFromTheSkinsValues)
{
    ExtendedBorderValues v;
    v.BorderWidth = 5;
    v.TitleHeight = 26;
    // Built-in shadow 11, 7, 11, 11; form border width 1; menu 19 high.
    ExtendedFrame f = LayoutExtendedFrame(v, false, true, false, 18, 1, 19);
    EXPECT_EQ(f.Border, 5);
    EXPECT_EQ(f.TopBorder, 0);
    EXPECT_EQ(f.Caption, 26);
    EXPECT_EQ(f.ClientOffset.X, 5 + 1 + 11);
    EXPECT_EQ(f.ClientOffset.Y, 26 + 19 + 1 + 7);
    // Maximised: at least the system's caption plus 4.
    EXPECT_EQ(LayoutExtendedFrame(v, false, true, true, 24, 0, 0).Caption, 28);
    EXPECT_EQ(LayoutExtendedFrame(v, false, true, true, 20, 0, 0).Caption, 26);
    // No caption: nothing above the client but the shadow.
    f = LayoutExtendedFrame(v, true, false, false, 18, 0, 0);
    EXPECT_EQ(f.Caption, 0);
    EXPECT_EQ(f.ClientOffset.Y, 8);
}

TEST(ScreenSnap, EdgesWithinTheBufferCatchTheWindow)
{
    const TRect work{0, 0, 1024, 738};
    const FrameMargins none;
    const struct {
        const char* what;
        TRect window;
        FrameMargins margins;
        int x, y;
    } cases[] = {
        {"far from every edge", {100, 100, 400, 300}, none, 100, 100},
        {"left within 10", {8, 100, 308, 300}, none, 0, 100},
        {"left just outside", {11, 100, 311, 300}, none, 11, 100},
        {"past the left edge", {-6, 100, 294, 300}, none, 0, 100},
        {"top-right corner", {730, 4, 1030, 204}, none, 724, 0},
        {"bottom by the window's height", {100, 530, 400, 730}, none, 100, 538},
        {"left and top count the border window's margins", {-9, -5, 291, 195}, {11, 7, 11, 11}, -11, -7},
    };
    for (const auto& c : cases) {
        const TPoint p = SnapToWorkArea(c.window, work, 10, c.margins);
        EXPECT_EQ(p.X, c.x) << c.what;
        EXPECT_EQ(p.Y, c.y) << c.what;
    }
}

TEST(MaximizedPlacement, CoversTheWorkAreaWithTheBordersOutside)
{
    // The system's caption: the top border stays, the others go outside.
    MaximizedPlace p = MaximizedPlacement(4, {1024, 738}, 18, 18);
    EXPECT_EQ(p.Size.cx, 1032);
    EXPECT_EQ(p.Size.cy, 742);
    EXPECT_EQ(p.Top, 0);
    // A skin caption more than B taller than the system's.
    p = MaximizedPlacement(4, {1024, 738}, 30, 18);
    EXPECT_EQ(p.Size.cy, 738 + 8 - 8);
    EXPECT_EQ(p.Top, 4);
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

TEST(CaptionButtonsFor, VisibilityAndEnablingFollowStyleIconsAndState)
{
    // Columns: what; rules; visible close/max/min/help; enabled max/min/restore.
    struct Case {
        const char* what;
        CaptionButtonRules r;
        bool close, max, min, help, enMax, enMin, enRestore;
    };
    auto rules = [](bool sys, bool framed, bool bMax, bool bMin, bool bHelp, bool minimized, bool maximized) {
        return CaptionButtonRules{sys, framed, bMax, bMin, bHelp, minimized, maximized};
    };
    const Case cases[] = {
        {"main window: single, minimise", rules(true, true, false, true, false, false, false),
         true, false, true, false, false, true, false},
        {"dialog: Close only", rules(true, false, true, true, false, false, false),
         true, false, false, false, false, true, false},
        {"no system menu: nothing shown", rules(false, true, true, true, true, false, false),
         false, false, false, false, true, true, false},
        {"maximised sizeable", rules(true, true, true, true, false, false, true),
         true, true, true, false, false, true, true},
        {"minimised dialog shows both", rules(true, false, false, false, false, true, false),
         true, true, true, false, false, false, true},
        {"help icon", rules(true, false, false, false, true, false, false),
         true, false, false, true, false, false, false},
    };
    for (const Case& c : cases) {
        const CaptionButtonSet b = CaptionButtonsFor(c.r);
        EXPECT_EQ(b.VisibleClose, c.close) << c.what;
        EXPECT_EQ(b.VisibleMax, c.max) << c.what;
        EXPECT_EQ(b.VisibleMin, c.min) << c.what;
        EXPECT_EQ(b.VisibleHelp, c.help) << c.what;
        EXPECT_EQ(b.EnabledMax, c.enMax) << c.what;
        EXPECT_EQ(b.EnabledMin, c.enMin) << c.what;
        EXPECT_EQ(b.EnabledRestore, c.enRestore) << c.what;
    }
}

TEST(ChooseCaptionImages, BigOrSmallWithTheirFallbacksAndTheRestoreImage)
{
    // Image indexes by name in a made-up skin.
    const std::map<std::string, int> full{{"BICONCLOSE", 1}, {"BICONMAX", 2}, {"BICONMIN", 3},  {"BICONHELP", 4},
                                          {"BICONNORM", 5},  {"SICONCLOSE", 11}, {"SICONMAX", 12},
                                          {"SICONMIN", 13}, {"SICONNORM", 15}};
    auto finder = [](const std::map<std::string, int>& names) {
        return [&names](const char* name) {
            auto it = names.find(name);
            return it == names.end() ? -1 : it->second;
        };
    };
    std::map<std::string, int> noSmallClose = full;
    noSmallClose.erase("SICONCLOSE");
    std::map<std::string, int> noRestore = full;
    noRestore.erase("BICONNORM");
    std::map<std::string, int> smallHelp = full;
    smallHelp["SICONHELP"] = 14;
    const struct {
        const char* what;
        const std::map<std::string, int>* names;
        bool framed, maximized, minimized;
        std::array<int, cbCount> index;  // close, max, min, help
        bool big;
    } cases[] = {
        {"framed: big", &full, true, false, false, {1, 2, 3, 4}, true},
        {"dialog: small, help from the big", &full, false, false, false, {11, 12, 13, 4}, false},
        {"dialog: its own small help", &smallHelp, false, false, false, {11, 12, 13, 14}, false},
        {"framed: the big help beside a small one", &smallHelp, true, false, false, {1, 2, 3, 4}, true},
        {"no small Close: all big", &noSmallClose, false, false, false, {1, 2, 3, 4}, true},
        {"maximised: restore on Maximize", &full, true, true, false, {1, 5, 3, 4}, true},
        {"minimised small: restore on Minimize", &full, false, false, true, {11, 12, 15, 4}, false},
        {"no restore image: the normal one stays", &noRestore, true, true, false, {1, 2, 3, 4}, true},
    };
    for (const auto& c : cases) {
        const CaptionImages images = ChooseCaptionImages(c.framed, c.maximized, c.minimized, finder(*c.names));
        EXPECT_EQ(images.Index, c.index) << c.what;
        EXPECT_EQ(images.Big, c.big) << c.what;
    }
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

TEST(FrameLayout, TitleButtonsFollowEightPixelsLeftOfTheSystemButtons)
{
    FrameMetrics m = FixedWindow();
    m.TitleButtonSizes = {TSize{20, 12}, TSize{10, 10}};
    const FrameLayout l = LayoutFrame(m);
    // Minimize ends at 260; 260 - 2 (spacing) - 8 = 250.
    ASSERT_EQ(l.TitleButtons.size(), 2u);
    EXPECT_EQ(l.TitleButtons[0], (TRect{230, 4, 250, 16}));
    EXPECT_EQ(l.TitleButtons[1], (TRect{218, 5, 228, 15}));
    EXPECT_EQ(l.ButtonAreaWidth, 36 + 8 + 22 + 12);
    // The caption text ends six pixels left of the leftmost button.
    EXPECT_EQ(l.Text.Right, 212);
    const struct {
        TPoint p;
        int hit;
    } cases[] = {{{240, 10}, fhTitleButton}, {{222, 10}, fhTitleButton + 1}, {{229, 10}, fhCaption}};
    for (const auto& c : cases)
        EXPECT_EQ(FrameHitTest(m, l, c.p), c.hit) << c.p.X;
}

TEST(CaptionButtonStates, TitleButtonsHaveStatesLikeTheSystemOnes)
{
    CaptionButtonStates s;
    CaptionButtonStates::Changes c;
    EXPECT_TRUE(s.MouseOver(fhTitleButton + 1).Any());
    EXPECT_EQ(s.State(fhTitleButton + 1), 1);
    ASSERT_TRUE(s.Press(fhTitleButton + 1, CaptionButtonSet{}, false, c));
    EXPECT_EQ(s.State(fhTitleButton + 1), 2);
    EXPECT_EQ(s.Release(fhTitleButton + 1, c), fhTitleButton + 1);
    EXPECT_EQ(s.State(fhTitleButton + 1), 0);
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

TEST(DragRect, CaptionMovesEdgesAndCornersSizeWithinTheSmallestSize)
{
    const TRect start{100, 100, 400, 300};
    const TSize least{120, 40};
    const struct {
        const char* what;
        int hit, dx, dy;
        TRect expected;
    } cases[] = {
        {"caption moves", fhCaption, 40, -25, {140, 75, 440, 275}},
        {"left edge", fhLeft, -30, 99, {70, 100, 400, 300}},
        {"right edge", fhRight, 30, 99, {100, 100, 430, 300}},
        {"top edge", fhTop, 99, 20, {100, 120, 400, 300}},
        {"bottom edge", fhBottom, 99, 20, {100, 100, 400, 320}},
        {"top-left corner", fhTopLeft, 10, 10, {110, 110, 400, 300}},
        {"bottom-right corner", fhBottomRight, -10, 15, {100, 100, 390, 315}},
        {"right edge stops at the smallest width", fhRight, -250, 0, {100, 100, 220, 300}},
        {"top edge stops at the smallest height", fhTop, 0, 190, {100, 260, 400, 300}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DragRect(start, c.hit, c.dx, c.dy, least), c.expected) << c.what;
    const struct {
        int hit;
        bool drags;
    } starts[] = {{fhCaption, true}, {fhLeft, true}, {fhBottomRight, true}, {fhClose, false},
                  {fhSysMenu, false}, {fhClient, false}, {fhBorder, false}};
    for (const auto& s : starts)
        EXPECT_EQ(StartsOutlineDrag(s.hit), s.drags) << s.hit;
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

// Help comes after Minimize in the right-to-left order and answers with its
// own code in whichever place it takes: second (beside Close), third (after
// Maximize, or after Minimize when there is no Maximize) or fourth.
TEST(FrameHitTest, HelpTakesTheNextPlaceAndAlwaysAnswersAsHelp)
{
    auto rules = [](bool framed, bool bMax, bool bMin, bool minimized) {
        return CaptionButtonRules{true, framed, bMax, bMin, true, minimized, false};
    };
    const struct {
        const char* what;
        CaptionButtonRules r;
        std::vector<int> hits;  // the shown buttons' answers, right to left
    } cases[] = {
        {"dialog: help second", rules(false, false, false, false), {fhClose, fhHelp}},
        {"maximize only: help third", rules(true, true, false, false), {fhClose, fhMaxButton, fhHelp}},
        {"minimize only: help third, not Minimize", rules(true, false, true, false), {fhClose, fhMinButton, fhHelp}},
        {"all four: help fourth", rules(true, true, true, false), {fhClose, fhMaxButton, fhMinButton, fhHelp}},
        // Minimised, Maximize can neither maximise nor restore (caption) and
        // Minimize restores.
        {"minimised dialog", rules(false, false, false, true), {fhClose, fhCaption, fhMinButton, fhHelp}},
    };
    for (const auto& c : cases) {
        FrameMetrics m = FixedWindow();
        m.Buttons = CaptionButtonsFor(c.r);
        m.Minimized = c.r.Minimized;
        m.TitleButtonSizes = {TSize{10, 10}};
        const FrameLayout l = LayoutFrame(m);
        std::vector<int> hits;
        int right = m.Width - m.ButtonSpacing - m.ButtonRightMargin - m.Border;
        for (int i = 0; i < cbCount; ++i) {
            if (!l.Shown[static_cast<std::size_t>(i)])
                continue;
            const TRect& r = l.Buttons[static_cast<std::size_t>(i)];
            // Each button directly left of the one before, BISPACE apart.
            EXPECT_EQ(r.Right, right) << c.what << ", button " << i;
            right = r.Left - m.ButtonSpacing;
            hits.push_back(FrameHitTest(m, l, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
        }
        EXPECT_EQ(hits, c.hits) << c.what;
        // The title buttons follow Help, 8 pixels further left.
        ASSERT_EQ(l.TitleButtons.size(), 1u) << c.what;
        EXPECT_EQ(l.TitleButtons[0].Right, l.Buttons[cbHelp].Left - m.ButtonSpacing - 8) << c.what;
        EXPECT_EQ(FrameHitTest(m, l, {l.TitleButtons[0].Left + 5, l.TitleButtons[0].Top + 5}), fhTitleButton)
            << c.what;
    }
}

// Help is pressed, shown pressed and released into its command like the
// other caption buttons.
TEST(CaptionButtonStates, HelpPressesAndReleasesLikeTheOthers)
{
    CaptionButtonSet buttons = CaptionButtonsFor(CaptionButtonRules{true, false, false, false, true, false, false});
    CaptionButtonStates s;
    CaptionButtonStates::Changes c;
    EXPECT_EQ(s.MouseOver(fhHelp).Second, fhHelp);
    EXPECT_EQ(s.State(fhHelp), 1);
    ASSERT_TRUE(s.Press(fhHelp, buttons, false, c));
    EXPECT_EQ(s.State(fhHelp), 2);
    EXPECT_EQ(s.State(fhClose), 0);
    EXPECT_EQ(s.Release(fhHelp, c), fhHelp);
    EXPECT_EQ(c.First, fhHelp);
    EXPECT_EQ(s.State(fhHelp), 0);
}

}  // namespace
}  // namespace taramel
