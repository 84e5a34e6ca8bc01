// The program's own windows with the buttons test skin active: the settings
// dialog's OK button fading and still closing the dialog, its radio marks,
// the seconds field, Tab order, and what many openings and fades leave behind.
#include "tests/app_forms/FormsFixture.h"
#include "tests/controls/ControlsFixture.h"

#include <psapi.h>

namespace taramel::forms_test {
namespace {

using namespace testing_support;

// Counted handles, GUI objects, shaped windows and memory of the process.
struct TResourceCounts {
    int handles = 0;
    DWORD gdi = 0, user = 0;
    int shapedWindows = 0;
    SIZE_T workingSet = 0;

    static BOOL CALLBACK CountShape(HWND window, LPARAM count)
    {
        HRGN shape = CreateRectRgn(0, 0, 0, 0);
        if (GetWindowRgn(window, shape) != ERROR)
            ++*reinterpret_cast<int*>(count);
        DeleteObject(shape);
        return TRUE;
    }
    static TResourceCounts Take(const std::vector<TForm*>& forms)
    {
        TResourceCounts c;
        c.handles = HandleCount();
        c.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        c.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
        for (TForm* form : forms)
            EnumChildWindows(form->Handle(), CountShape, reinterpret_cast<LPARAM>(&c.shapedWindows));
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        c.workingSet = memory.WorkingSetSize;
        return c;
    }
    void ExpectBackAt(const TResourceCounts& start, SIZE_T memorySlack) const
    {
        EXPECT_EQ(handles, start.handles);
        EXPECT_LE(gdi, start.gdi + 2);
        EXPECT_LE(user, start.user + 2);
        EXPECT_EQ(shapedWindows, start.shapedWindows);
        EXPECT_LT(workingSet, start.workingSet + memorySlack);
    }
};

class SkinnedDialogs : public FormsTest {
protected:
    // The program started as usual, then its one skin manager pointed at the
    // buttons skin, whose colours tell every state.
    void StartSkinned()
    {
        StartProgram(NumberedDeck(10).c_str());
        TsSkinManager& manager = *Form1->sSkinManager1;
        manager.SetActive(false);
        manager.SetSkinDirectory(ControlsSkinFolder());
        manager.SetSkinName("Buttons");
        manager.SetActive(true);
        ASSERT_TRUE(manager.SkinReady());
        // Topaz is not beside the test program: its start-up report is not ours.
        reports.clear();
        Pump(30);
    }
    void ShowSettings()
    {
        Form2->Show();
        SetForegroundWindow(Form2->Handle());
        Pump(50);
    }
    static int BorderGreen(TsBitBtn& button) { return GetGValue(TCapture(button).At(1, button.Height() / 2)); }
};

TEST_F(SkinnedDialogs, OkButtonFadesInFiveFramesOnHover)
{
    StartSkinned();
    ShowSettings();
    TsBitBtn& ok = *Form2->sBitBtn1;
    // Focused, the button would be hot from the start.
    SetFocus(nullptr);
    Pump(30);
    ASSERT_EQ(BorderGreen(ok), kNormalGreen);

    ok.Perform(CM_MOUSEENTER);
    ASSERT_NE(ok.Fade(), nullptr);
    ExpectFadeWeights(FadeWeights(ok, kNormalGreen, kHotGreen), {204, 153, 102, 51, 0});
    EXPECT_EQ(ok.Fade(), nullptr);
    EXPECT_EQ(BorderGreen(ok), kHotGreen);

    EXPECT_TRUE(reports.empty());
}

// The press fade heads for the pressed look from its first frame (it once
// blended the hot look into itself and jumped to pressed at the end).
TEST_F(SkinnedDialogs, OkButtonPressFadesInTwoFrames)
{
    StartSkinned();
    ShowSettings();
    TsBitBtn& ok = *Form2->sBitBtn1;
    ok.Perform(CM_MOUSEENTER);
    if (TsFadeTimer* hover = ok.Fade())
        while (ok.Fade() != nullptr)
            hover->Step();
    ok.SetFocus();
    Pump(20);
    const LPARAM middle = MAKELPARAM(ok.Width() / 2, ok.Height() / 2);
    SendMessageW(ok.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ASSERT_NE(ok.Fade(), nullptr);
    ExpectFadeWeights(FadeWeights(ok, kHotGreen, kPressedGreen), {127, 0});
    EXPECT_NE(SendMessageW(ok.Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    EXPECT_EQ(BorderGreen(ok), kPressedGreen);
    ReleaseCapture();
    EXPECT_TRUE(Form2->Visible()) << "a press alone does not close";
}

TEST_F(SkinnedDialogs, ClickDuringAFadeStillStoresTheSettingsAndCloses)
{
    StartSkinned();
    ShowSettings();
    TsBitBtn& ok = *Form2->sBitBtn1;
    ClickWindow(Form2->sRadioButton2);
    // Focused first: the press does not move the focus, which would take a
    // frame of the fade at once.
    ok.SetFocus();
    Pump(20);
    ok.Perform(CM_MOUSEENTER);
    if (TsFadeTimer* hover = ok.Fade())
        while (ok.Fade() != nullptr)
            hover->Step();
    const LPARAM middle = MAKELPARAM(ok.Width() / 2, ok.Height() / 2);
    SendMessageW(ok.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ASSERT_NE(ok.Fade(), nullptr);
    ok.Fade()->SetEnabled(false);
    ASSERT_LT(ok.Fade()->CurrentStep(), ok.Fade()->StepCount()) << "the press fade is still running";
    SendMessageW(ok.Handle(), WM_LBUTTONUP, 0, middle);
    EXPECT_TRUE(PumpUntil([] { return !Form2->Visible(); }, 1000)) << "OK closes the dialog";
    const std::string stored = ReadBytes(settingsPath);
    EXPECT_NE(stored.find("Random=0"), std::string::npos) << stored;
    EXPECT_TRUE(reports.empty());
}

TEST_F(SkinnedDialogs, RadioMarksOfBothGroupsFollowCheckedAndState)
{
    StartSkinned();
    ShowSettings();
    SetFocus(nullptr);
    struct Group {
        TsRadioButton* checked;
        TsRadioButton* other;
    };
    for (const Group g : {Group{Form2->sRadioButton1, Form2->sRadioButton2},
                          Group{Form2->sRadioButton3, Form2->sRadioButton4}}) {
        SCOPED_TRACE(g.other->Name());
        TsRadioButton& radio = *g.other;
        struct Step {
            const char* what;
            std::function<void()> act;
            COLORREF expected;
        };
        const Step steps[] = {
            {"unchecked", [] {}, kUnchecked[0]},
            {"unchecked under the mouse", [&] { radio.Perform(CM_MOUSEENTER); }, kUnchecked[1]},
            {"pressed", [&] { radio.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }, kUnchecked[2]},
            {"released: checked", [&] { radio.Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }, kChecked[1]},
            {"mouse gone, focus kept", [&] { radio.Perform(CM_MOUSELEAVE); }, kChecked[1]},
            {"focus gone", [] { SetFocus(nullptr); }, kChecked[0]},
        };
        EXPECT_EQ(RadioMarkColour(*g.checked), kChecked[0]);
        for (const Step& s : steps) {
            s.act();
            Pump(20);
            EXPECT_EQ(RadioMarkColour(radio), s.expected) << s.what;
        }
        EXPECT_EQ(RadioMarkColour(*g.checked), kUnchecked[0]) << "the group's other button lets go";
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(SkinnedDialogs, SecondsFieldClampsOnLeavingAndRefusesNonDigits)
{
    StartSkinned();
    ShowSettings();
    ClickWindow(Form2->sRadioButton4);
    TsSpinEdit& seconds = *Form2->sSpinEdit1;
    ASSERT_TRUE(seconds.Enabled());
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"0", "1"}, {"5000", "1000"}, {"37", "37"}, {"1000", "1000"}};
    for (const auto& c : cases) {
        seconds.SetCaption(c.typed);
        SetFocus(seconds.Handle());
        SetFocus(Form2->sBitBtn1->Handle());
        Pump(10);
        EXPECT_EQ(seconds.Caption(), c.shown) << c.typed;
    }
    seconds.SetCaption("");
    SetFocus(seconds.Handle());
    for (wchar_t c : std::wstring(L"4x5-+.,6 я"))
        SendMessageW(seconds.Handle(), WM_CHAR, c, 0);
    EXPECT_EQ(seconds.Caption(), "456");
    EXPECT_TRUE(reports.empty());
}

TEST_F(SkinnedDialogs, EnterStoresAndEscCancelsTheSettings)
{
    StartSkinned();
    ExpectSettingsKeys(settingsPath);
    EXPECT_TRUE(reports.empty());
}

TEST_F(SkinnedDialogs, TabVisitsEverySkinnedControlInLayoutOrder)
{
    StartSkinned();
    ShowSettings();
    ExpectSettingsTabOrder();
    EXPECT_TRUE(reports.empty());
}

TEST_F(SkinnedDialogs, TwoHundredOpeningsOfTheSettingsLeaveHandlesAndMemoryAlone)
{
    StartSkinned();
    for (int i = 0; i < 5; ++i)
        OpenAndCloseTheSettings();
    const auto start = TResourceCounts::Take({Form1, Form2});
    for (int i = 0; i < 200; ++i)
        OpenAndCloseTheSettings();
    TResourceCounts::Take({Form1, Form2}).ExpectBackAt(start, 4 * 1024 * 1024);
    EXPECT_TRUE(reports.empty());
}

TEST_F(SkinnedDialogs, TenThousandFadesOnTheMainWindowsButtonLeaveHandlesAndMemoryAlone)
{
    StartSkinned();
    Form1->Show();
    Pump(50);
    TsBitBtn& next = *Form1->sBitBtn1;
    // True when the message started a fade, which then runs to its end by hand.
    auto fadeOnce = [&](UINT message) {
        next.Perform(message);
        TsFadeTimer* fade = next.Fade();
        if (fade == nullptr)
            return false;
        fade->SetEnabled(false);
        while (next.Fade() != nullptr)
            fade->Step();
        return true;
    };
    for (int i = 0; i < 20; ++i)
        fadeOnce(i % 2 ? CM_MOUSELEAVE : CM_MOUSEENTER);
    const auto start = TResourceCounts::Take({Form1});
    int fades = 0;
    for (int i = 0; i < 10000; ++i)
        fades += fadeOnce(i % 2 ? CM_MOUSELEAVE : CM_MOUSEENTER) ? 1 : 0;
    EXPECT_EQ(fades, 10000);
    TResourceCounts::Take({Form1}).ExpectBackAt(start, 2 * 1024 * 1024);
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace taramel::forms_test
