// The bit button's fades read back frame by frame, its press and release,
// its shape; the radio marks in every state; the spin edit's own arrows,
// bounds, typing and repeat; handles and memory after many fades.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "controls/SpinButton.h"
#include "framework/Handles.h"
#include "paint/Text_win.h"
#include "tests/controls/ControlsFixture.h"

#include <psapi.h>

namespace taramel {
namespace {

using namespace testing_support;

class ButtonsTest : public SkinnedControlsTest {
protected:
    void SkinOn() override
    {
        manager->SetSkinName("Buttons");
        SkinnedControlsTest::SkinOn();
    }
};

TEST_F(ButtonsTest, HoverFadesInFiveFramesAndAPressInTwo)
{
    auto* button = Add<TsBitBtn>(form, 20, 20, 120, 32);
    button->SetCaption("Следующий >>");
    ShowForm();
    SkinOn();
    // Focused, the button would be hot from the start.
    SetFocus(nullptr);
    testsupport::Pump(30);
    EXPECT_EQ(GetGValue(TCapture(*button).At(1, 16)), kNormalGreen);

    button->Perform(CM_MOUSEENTER);
    ASSERT_NE(button->Fade(), nullptr);
    EXPECT_EQ(button->Fade()->StepCount(), 5);
    ExpectFadeWeights(FadeWeights(*button, kNormalGreen, kHotGreen), {204, 153, 102, 51, 0});
    EXPECT_EQ(button->Fade(), nullptr) << "the timer goes when the fade is done";
    EXPECT_EQ(GetGValue(TCapture(*button).At(1, 16)), kHotGreen);

    // Focused now (already hot): the press below does not move the focus,
    // which would take a frame of the fade at once.
    button->SetFocus();
    testsupport::Pump(20);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 16));
    ASSERT_NE(button->Fade(), nullptr);
    EXPECT_EQ(button->Fade()->StepCount(), 2);
    ExpectFadeWeights(FadeWeights(*button, kHotGreen, kPressedGreen), {127, 0});
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(60, 16));
}

TEST_F(ButtonsTest, ReleaseDuringAFadeStillClicksAndFadesBack)
{
    auto* button = Add<TsBitBtn>(form, 20, 20, 120, 32);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();
    SkinOn();
    testsupport::Pump(30);
    button->Perform(CM_MOUSEENTER);
    button->Fade()->SetEnabled(false);
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 16));
    ASSERT_NE(button->Fade(), nullptr);
    ASSERT_LT(button->Fade()->CurrentStep(), button->Fade()->StepCount()) << "the press fade is still running";
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 16));
    testsupport::Pump(30);
    EXPECT_EQ(clicks, 1);
    // The release fades from the pressed look back to the hot one.
    testsupport::PumpUntil([&] { return button->Fade() == nullptr; }, 1000);
    EXPECT_EQ(GetGValue(TCapture(*button).At(1, 16)), kHotGreen);
}

TEST_F(ButtonsTest, WindowShapeLeavesOutTheBorderImagesKeyCorners)
{
    auto* button = Add<TsBitBtn>(form, 20, 20, 120, 32);
    ShowForm();
    SkinOn();
    RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(button->Handle(), shape), ERROR);
    EXPECT_FALSE(PtInRegion(shape, 0, 0));
    EXPECT_FALSE(PtInRegion(shape, 119, 31));
    EXPECT_TRUE(PtInRegion(shape, 1, 0));
    EXPECT_TRUE(PtInRegion(shape, 60, 16));
    DeleteObject(shape);
    SkinOff();
    EXPECT_EQ(GetWindowRgn(button->Handle(), CreateRectRgn(0, 0, 0, 0)), ERROR) << "no shape without a skin";
}

TEST_F(ButtonsTest, TenThousandFadesLeaveHandlesAndMemoryWhereTheyWere)
{
    auto* button = Add<TsBitBtn>(form, 20, 20, 120, 32);
    button->SetCaption("Выход");
    ShowForm();
    SkinOn();
    auto fadeOnce = [&](UINT message) {
        button->Perform(message);
        if (TsFadeTimer* fade = button->Fade()) {
            fade->SetEnabled(false);
            while (button->Fade() != nullptr)
                fade->Step();
        }
    };
    for (int i = 0; i < 20; ++i)
        fadeOnce(i % 2 ? CM_MOUSELEAVE : CM_MOUSEENTER);
    PROCESS_MEMORY_COUNTERS before{};
    GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
    const int handles = HandleCount();
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 10000; ++i)
        fadeOnce(i % 2 ? CM_MOUSELEAVE : CM_MOUSEENTER);
    PROCESS_MEMORY_COUNTERS after{};
    GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
    EXPECT_EQ(HandleCount(), handles);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
    EXPECT_LT(after.WorkingSetSize, before.WorkingSetSize + 2 * 1024 * 1024);
}

TEST_F(ButtonsTest, RadioMarkFollowsCheckedAndState)
{
    auto* radio = Add<TsRadioButton>(form, 20, 20, 150, 20);
    radio->SetCaption("Случайно");
    ShowForm();
    SkinOn();
    SetFocus(nullptr);
    auto mark = [&] {
        testsupport::Pump(20);
        return RadioMarkColour(*radio);
    };
    struct Case {
        const char* what;
        std::function<void()> act;
        COLORREF expected;
    };
    const Case cases[] = {
        {"unchecked", [] {}, kUnchecked[0]},
        {"unchecked under the mouse", [&] { radio->Perform(CM_MOUSEENTER); }, kUnchecked[1]},
        {"pressed", [&] { radio->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }, kUnchecked[2]},
        {"released: checked", [&] { radio->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }, kChecked[1]},
        {"mouse gone, focus kept", [&] { radio->Perform(CM_MOUSELEAVE); }, kChecked[1]},
        {"focus gone", [&] { SetFocus(nullptr); }, kChecked[0]},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(mark(), c.expected) << c.what;
    }
    EXPECT_TRUE(radio->Checked());
}

TEST_F(ButtonsTest, RadioSizeFollowsMarkAndCaption)
{
    auto* radio = Add<TsRadioButton>(form, 20, 20, 150, 20);
    auto* bare = Add<TsRadioButton>(form, 20, 60, 150, 20);
    radio->SetCaption("Случайно");
    ShowForm();
    SkinOn();
    const SIZE text = FontTextExtent(radio->Font().Handle(), "Случайно");
    EXPECT_EQ(radio->Width(), 13 + 4 + text.cx + 8);
    EXPECT_EQ(bare->Width(), 13 + 4);
    // A skin without marks keeps a 16 x 16 place for the system's mark.
    SkinOff();
    manager->SetSkinName("Controls");
    SkinnedControlsTest::SkinOn();
    EXPECT_EQ(bare->MarkSize().cx, 16);
    EXPECT_EQ(bare->MarkSize().cy, 16);
    EXPECT_EQ(bare->Width(), 16 + 4);
}

// A skin without usable marks (the controls skin has none) still shows the
// choice: the system's radio mark in the mark's place, with its dot only
// while checked.
TEST_F(ButtonsTest, RadioWithoutUsableMarksShowsTheSystemsMark)
{
    SkinOff();
    manager->SetSkinName("Controls");
    auto* radio = Add<TsRadioButton>(form, 20, 20, 150, 20);
    radio->SetCaption("Случайно");
    ShowForm();
    SkinnedControlsTest::SkinOn();
    ASSERT_EQ(radio->MarkImage(), -1);
    const RECT m = radio->MarkRect();
    const int area = (m.right - m.left) * (m.bottom - m.top);
    auto look = [&] {
        testsupport::Pump(20);
        return TCapture(*radio);
    };
    auto differing = [&m](const TCapture& a, const TCapture& b) {
        int n = 0;
        for (int y = m.top; y < m.bottom; ++y)
            for (int x = m.left; x < m.right; ++x)
                n += a.At(x, y) != b.At(x, y) ? 1 : 0;
        return n;
    };
    const TCapture unchecked = look();
    // Drawn: a good part of the mark's place is not the colour behind it.
    EXPECT_LT(unchecked.Count(m, unchecked.At(m.left, m.top)), area * 3 / 4);
    radio->SetChecked(true);
    EXPECT_GE(differing(look(), unchecked), 4) << "the dot of a checked mark";
    radio->SetChecked(false);
    EXPECT_EQ(differing(look(), unchecked), 0);
}

TEST_F(ButtonsTest, ReadOnlyRadioIgnoresClicksButFollowsItsGroup)
{
    auto* first = Add<TsRadioButton>(form, 20, 20, 150, 20);
    auto* second = Add<TsRadioButton>(form, 20, 50, 150, 20);
    second->ReadOnly = true;
    ShowForm();
    SkinOn();
    first->SetChecked(true);
    second->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    second->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(first->Checked());
    EXPECT_FALSE(second->Checked());
    second->SetChecked(true);
    EXPECT_FALSE(first->Checked());
}

class SpinTest : public ButtonsTest {
protected:
    TsSpinEdit* spin = nullptr;
    void Make(int minValue, int maxValue)
    {
        spin = Add<TsSpinEdit>(form, 20, 20, 57, 24);
        spin->SetMinValue(minValue);
        spin->SetMaxValue(maxValue);
        ShowForm();
        SkinOn();
    }
    void Leave()
    {
        SetFocus(spin->Handle());
        SetFocus(form->Handle());
        testsupport::Pump(10);
    }
};

TEST_F(SpinTest, LeavingTheFieldBringsTheValueWithinItsBounds)
{
    Make(1, 1000);
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"0", "1"}, {"5000", "1000"}, {"37", "37"}, {"", ""}};
    for (const auto& c : cases) {
        spin->SetCaption(c.typed);
        Leave();
        EXPECT_EQ(spin->Caption(), c.shown) << c.typed;
    }
}

TEST_F(SpinTest, OnlyDigitsCanBeTyped)
{
    Make(1, 1000);
    spin->SetCaption("");
    SetFocus(spin->Handle());
    for (wchar_t c : std::wstring(L"1a2+-.3 "))
        SendMessageW(spin->Handle(), WM_CHAR, c, 0);
    EXPECT_EQ(spin->Caption(), "123");
}

TEST_F(SpinTest, WithoutBoundsAStepStopsAtTheEndsOfTheIntegers)
{
    Make(0, 0);
    spin->SetValue(INT_MAX);
    spin->UpClick();
    EXPECT_EQ(spin->Value(), INT_MAX);
    spin->SetValue(INT_MIN);
    spin->DownClick();
    EXPECT_EQ(spin->Value(), INT_MIN);
    spin->SetIncrement(INT_MAX);
    spin->SetValue(-5);
    SendMessageW(spin->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-3 * WHEEL_DELTA)), 0);
    EXPECT_EQ(spin->Value(), INT_MIN);
}

TEST_F(SpinTest, HeldArrowRepeatsAfter400MsThenEvery100Ms)
{
    Make(1, 1000);
    spin->SetValue(10);
    TsSpinButton* arrows = spin->Arrows();
    TsTimerSpeedButton* up = arrows->UpButton();
    const int x = up->Left() + up->Width() / 2, y = up->Top() + up->Height() / 2;
    SendMessageW(arrows->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ASSERT_NE(up->RepeatTimer(), nullptr);
    EXPECT_EQ(up->RepeatTimer()->Interval(), 400u);
    // The clock is ours: the system timer is stopped and ticks come by hand.
    up->RepeatTimer()->SetEnabled(false);
    EXPECT_EQ(spin->Value(), 10) << "nothing before the first tick";
    for (int i = 0; i < 3; ++i)
        up->RepeatTick();
    EXPECT_EQ(up->RepeatTimer()->Interval(), 100u);
    EXPECT_EQ(spin->Value(), 13);
    SendMessageW(arrows->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_EQ(spin->Value(), 14) << "and the click on release";
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
    EXPECT_EQ(GetFocus(), spin->Handle()) << "pressing an arrow focuses the field";
}

TEST_F(SpinTest, ArrowsAreDrawnWithAndWithoutSkin)
{
    Make(1, 1000);
    auto ink = [&](COLORREF colour) {
        testsupport::Pump(20);
        TsSpinButton* arrows = spin->Arrows();
        return TCapture(*arrows).Count(RECT{0, 0, arrows->Width(), arrows->Height()}, colour);
    };
    // EDIT's font colour at rest.
    EXPECT_GE(ink(Rgb(0, 0, 0)), 2 * 10);
    SkinOff();
    EXPECT_GE(ink(ColorToRGB(clWindowText)), 2 * 10);
}

}  // namespace
}  // namespace taramel
