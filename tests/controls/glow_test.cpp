// Glows around controls: the layered window's size, place, z-order and
// click-through, the sections that have no glow, ids, and a skinned button
// that glows while the mouse is over it and not pressing it.
#include <gtest/gtest.h>

#include "engine/GlowWindows_win.h"
#include "tests/controls/ControlsFixture.h"

namespace taramel {
namespace {

using namespace testing_support;

class GlowTest : public SkinnedControlsTest {
protected:
    void SkinOn() override
    {
        manager->SetSkinName("Buttons");
        SkinnedControlsTest::SkinOn();
    }
    void TearDown() override
    {
        HideAllGlowWindows();
        SkinnedControlsTest::TearDown();
    }
};

TEST_F(GlowTest, AGlowWindowAroundAControlLetsClicksThrough)
{
    ShowForm();
    SkinOn();
    const HWND owner = form->Handle();
    const RECT control{300, 200, 400, 230};
    const int id = ShowGlowWindow(control, control, "GLOWBUTTON", nullptr, owner, 255, 1, "GLOW");
    ASSERT_GE(id, 0);
    const HWND glow = GlowWindowOf(id);
    ASSERT_NE(glow, nullptr);
    RECT r;
    GetWindowRect(glow, &r);
    // Borders of 4 pulled in by 1: 100 + 8 - 2 by 30 + 8 - 2, 3 out from the control.
    EXPECT_EQ(r.left, 297);
    EXPECT_EQ(r.top, 197);
    EXPECT_EQ(r.right - r.left, 106);
    EXPECT_EQ(r.bottom - r.top, 36);
    EXPECT_NE(GetWindowLongW(glow, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_EQ(SendMessageW(glow, WM_NCHITTEST, 0, MAKELPARAM(310, 198)), HTTRANSPARENT);
    EXPECT_EQ(GetWindow(glow, GW_OWNER), owner);
    EXPECT_TRUE(IsWindowVisible(glow));
    // Directly above its form: the form is the next window below it.
    EXPECT_EQ(GetWindow(glow, GW_HWNDNEXT), owner);

    // Partly hidden at the left by 5: cut by 4 + 5 - 1 and moved as far.
    const RECT visible{305, 200, 400, 230};
    const int cut = ShowGlowWindow(control, visible, "GLOWBUTTON", nullptr, owner, 255, 1, "GLOW");
    ASSERT_GE(cut, 0);
    GetWindowRect(GlowWindowOf(cut), &r);
    EXPECT_EQ(r.left, 305);
    EXPECT_EQ(r.right - r.left, 106 - 8);

    HideGlowWindow(id);
    EXPECT_FALSE(IsWindowVisible(glow));
    EXPECT_EQ(GlowWindowOf(id), nullptr);
    HideGlowWindow(id);       // already hidden: nothing
    HideGlowWindow(123456);   // never given: nothing
    EXPECT_EQ(GlowWindowCount(), 1);
    HideAllGlowWindows();
    EXPECT_EQ(GlowWindowCount(), 0);
    // Ids are not given again, so an id kept by a control names nobody else's glow.
    const int again = ShowGlowWindow(control, control, "GLOWBUTTON", nullptr, owner, 255, 1, "GLOW");
    EXPECT_GT(again, cut);
}

TEST_F(GlowTest, NoGlowWhereTheSectionHasNoneOrNothingIsVisible)
{
    ShowForm();
    SkinOn();
    const RECT control{300, 200, 400, 230};
    const HWND owner = form->Handle();
    EXPECT_EQ(ShowGlowWindow(control, control, "PANEL", nullptr, owner, 255, 1, "GLOW"), -1);
    // The plain button's section has no glow of its own (its glowing kind
    // does, below it): no glow is borrowed.
    EXPECT_EQ(ShowGlowWindow(control, control, "BUTTON", nullptr, owner, 255, 1, "GLOW"), -1);
    EXPECT_EQ(ShowGlowWindow(control, control, "NOSUCHSECTION", nullptr, owner, 255, 1, "GLOW"), -1);
    EXPECT_EQ(ShowGlowWindow(control, control, "GLOWBUTTON", nullptr, owner, 255, 1, "OTHER"), -1);
    EXPECT_EQ(ShowGlowWindow(control, RECT{500, 500, 600, 600}, "GLOWBUTTON", nullptr, owner, 255, 1, "GLOW"), -1);
    EXPECT_EQ(ShowGlowWindow(control, control, "GLOWBUTTON", nullptr, owner, 255, 60, "GLOW"), -1) << "margin past it";
    EXPECT_EQ(GlowWindowCount(), 0);
}

TEST_F(GlowTest, AButtonGlowsWhileTheMouseIsOverItAndNotPressing)
{
    auto* b = Add<TsBitBtn>(form, 20, 20, 120, 40);
    b->SetCaption("OK");
    b->SkinData()->SetSkinSection("GLOWBUTTON");
    ShowForm();
    SkinOn();
    TsCommonData& data = *b->SkinData();
    b->Perform(CM_MOUSEENTER);
    ASSERT_GE(data.GlowID, 0);
    const HWND glow = GlowWindowOf(data.GlowID);
    ASSERT_NE(glow, nullptr);
    RECT r, br;
    GetWindowRect(glow, &r);
    GetWindowRect(b->Handle(), &br);
    EXPECT_EQ(r.left, br.left - 3);
    EXPECT_EQ(r.right, br.right + 3);

    b->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(data.GlowID, -1);
    EXPECT_FALSE(IsWindowVisible(glow));
    EXPECT_EQ(GlowWindowCount(), 0);

    // Glowing switched off: no glow at all.
    manager->AllowGlowing = false;
    b->Perform(CM_MOUSEENTER);
    EXPECT_EQ(data.GlowID, -1);
    b->Perform(CM_MOUSELEAVE);
    manager->AllowGlowing = true;

    // Many hovers leave no windows or handles behind.
    const int handles = HandleCount();
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 500; ++i) {
        b->Perform(CM_MOUSEENTER);
        b->Perform(CM_MOUSELEAVE);
    }
    EXPECT_EQ(GlowWindowCount(), 0);
    EXPECT_EQ(HandleCount(), handles);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user + 2);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);

    // A skin change takes every glow away.
    b->Perform(CM_MOUSEENTER);
    ASSERT_GE(data.GlowID, 0);
    SkinOff();
    EXPECT_EQ(GlowWindowCount(), 0);
}

}  // namespace
}  // namespace taramel
