// The settings dialog's OK, Cancel, radio buttons and failures, and the
// dialogs shown from the main window.
#include "FormsFixture.h"

#include <psapi.h>

#include "controls/SpinButton.h"
#include "tests/support/PixelCanvas.h"

namespace taramel::forms_test {
namespace {

class Dialogs : public FormsTest {};

TEST_F(Dialogs, OkWritesRandomTimerIntervalInThatOrderAndCloses)
{
    StartProgram(NumberedDeck(10).c_str());
    ClickWindow(Form1->sBitBtn1);  // moves the card; OK must not store it
    ClickWindow(Form1->sBitBtn1);
    Form2->Show();
    ClickWindow(Form2->sRadioButton2);
    ClickWindow(Form2->sRadioButton4);
    Form2->sSpinEdit1->SetValue(25);
    ClickWindow(Form2->sBitBtn1);
    EXPECT_EQ(ReadBytes(settingsPath), "[Option]\r\nRandom=0\r\nTimer=1\r\ninterval=25\r\n");
    EXPECT_FALSE(Form2->Visible());
    EXPECT_TRUE(reports.empty());
}

// Pixels of the spin edit's arrows window that are darker than the field and
// the buttons' face: the arrow glyphs. Read from the window's own pixels
// (what the field paints over it included): the screen shows them only once
// the system has passed them on, which under load can take longer than any
// fixed pause.
int SpinArrowInkNow(TsSpinEdit* spin)
{
    HWND arrows = spin->Arrows()->Handle();
    RECT client;
    GetClientRect(arrows, &client);
    const testsupport::TPixelCanvas canvas(client.right, client.bottom);
    HDC dc = GetDC(arrows);
    BitBlt(canvas.Dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(arrows, dc);
    int dark = 0;
    for (const COLORREF c : canvas.Pixels())
        dark += GetRValue(c) < 150 && GetGValue(c) < 150 && GetBValue(c) < 150;
    return dark;
}

// The arrows' ink once the pending painting is done: the loop runs until
// nothing is left to paint and the ink is `expected`, at most a second; a
// look that stays wrong is returned as it is.
int SpinArrowInk(TsSpinEdit* spin, int expected = -1)
{
    PumpUntil(
        [&] {
            MSG msg;
            return !PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE) &&
                   (expected < 0 || SpinArrowInkNow(spin) == expected);
        },
        1000);
    return SpinArrowInkNow(spin);
}

TEST_F(Dialogs, SpinArrowsStayDrawnWhileTheFieldHasTheFocus)
{
    StartProgram(NumberedDeck(10).c_str());
    Form2->Show();
    SetForegroundWindow(Form2->Handle());
    ClickWindow(Form2->sRadioButton4);  // the seconds can be set
    TsSpinEdit* spin = Form2->sSpinEdit1;
    const int unfocused = SpinArrowInk(spin);
    EXPECT_GT(unfocused, 4);
    // Focus by a click into the text, as a user does.
    SendMessageW(spin->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(spin->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SetFocus(spin->Handle());
    ASSERT_EQ(GetFocus(), spin->Handle());
    EXPECT_EQ(SpinArrowInk(spin, unfocused), unfocused) << "focused";
    SendMessageW(spin->Handle(), WM_CHAR, L'7', 0);
    EXPECT_EQ(SpinArrowInk(spin, unfocused), unfocused) << "after typing";
    SendMessageW(spin->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(SpinArrowInk(spin, unfocused), unfocused) << "after a step";
    // The mouse over the field and away again (the themed frame lights up).
    SendMessageW(spin->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(SpinArrowInk(spin, unfocused), unfocused) << "under the mouse";
    SendMessageW(spin->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(SpinArrowInk(spin, unfocused), unfocused) << "mouse gone";
    // The field alone repainted, its background erased too.
    RedrawWindow(spin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(SpinArrowInk(spin, unfocused), unfocused) << "after the field repainted";
    Form2->Hide();
}

TEST_F(Dialogs, OkStoresAnEmptySecondsFieldAsOneAndLeavesItEmpty)
{
    StartProgram(NumberedDeck(10).c_str());
    Form2->Show();
    ClickWindow(Form2->sRadioButton4);
    SetWindowTextW(Form2->sSpinEdit1->Handle(), L"");
    ClickWindow(Form2->sBitBtn1);
    EXPECT_EQ(ReadBytes(settingsPath), "[Option]\r\nRandom=1\r\nTimer=1\r\ninterval=1\r\n");
    wchar_t text[16] = L"?";
    GetWindowTextW(Form2->sSpinEdit1->Handle(), text, 16);
    EXPECT_STREQ(text, L"");
}

TEST_F(Dialogs, RefusedWriteReportsAndKeepsTheDialogOpen)
{
    StartProgram(NumberedDeck(10).c_str());
    // A folder in the settings file's place: every write is refused.
    ASSERT_TRUE(CreateDirectoryA(settingsPath.c_str(), nullptr));
    Form2->Show();
    ClickWindow(Form2->sBitBtn1);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(ReportDetail(reports[0]), "Unable to write to " + AnsiToUtf8(settingsPath) + ".");
    EXPECT_EQ(ReportAdvice(reports[0]).find("Не удалось сохранить настройки в файл «" + AnsiToUtf8(settingsPath) + "»"),
              0u)
        << reports[0];
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(IsWindowVisible(Form2->Handle()));
    Form2->Hide();
}

TEST_F(Dialogs, ReadingTheSettingsAtStartUp)
{
    struct Case {
        const char* file;
        int index;
        int interval;
        bool random;
        bool timer;
    };
    const Case cases[] = {
        {nullptr, 0, 1, true, false},
        {"[Option]\r\nindex=4\r\ninterval=7\r\nRandom=0\r\nTimer=1\r\n", 4, 7, false, true},
        {"[Option]\r\ninterval=0\r\nRandom=0x0\r\nTimer=2\r\n", 0, 1, false, true},
        {"[Option]\r\ninterval=5000\r\nRandom=yes\r\nTimer=0\r\n", 0, 1000, true, false},
        {"[Option]\r\ninterval=  15\r\n", 0, 15, true, false},
        {"[Option]\r\ninterval=15s\r\n", 0, 1, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        StartWithSettings(c.file);
        EXPECT_EQ(Index(), c.index);
        EXPECT_EQ(Question(), "Q" + std::to_string(c.index));
        EXPECT_EQ(Form2->sSpinEdit1->Value(), c.interval);
        EXPECT_EQ(Form2->sRadioButton1->Checked(), c.random);
        EXPECT_EQ(Form2->sRadioButton2->Checked(), !c.random);
        EXPECT_EQ(Form2->sRadioButton4->Checked(), c.timer);
        EXPECT_EQ(Form2->sRadioButton3->Checked(), !c.timer);
        EXPECT_EQ(Form2->sSpinEdit1->Enabled(), c.timer);
        EXPECT_EQ(Form2->sLabel1->Enabled(), c.timer);
        EXPECT_TRUE(reports.empty());
        delete Form3;
        delete Form2;
        delete Form1;
    }
}

// A stored position that names no question of the deck (a shorter deck, an
// answer line, a number typed by hand) starts at the first card, without a
// report, and the roles of the lines stay as they are from then on.
TEST_F(Dialogs, AStoredPositionOutsideTheQuestionsStartsTheDeck)
{
    for (const int stored : {-5, -1, 1, 7, 10, 500}) {
        SCOPED_TRACE(stored);
        StartWithSettings(("[Option]\r\nindex=" + std::to_string(stored) + "\r\nRandom=0\r\n").c_str());
        EXPECT_EQ(Index(), 0);
        EXPECT_EQ(Question(), "Q0");
        EXPECT_EQ(Answer(), "A1");
        ClickWindow(Form1->sBitBtn1);
        EXPECT_EQ(Question(), "Q2");
        EXPECT_EQ(Answer(), "A3");
        EXPECT_TRUE(reports.empty());
        delete Form3;
        delete Form2;
        delete Form1;
    }
}

// The dialogs' windows are made when first needed, not at start-up; the
// settings read at start-up reach the settings dialog's window when it is
// made, and the main window's handlers meanwhile work on the objects.
TEST_F(Dialogs, DialogWindowsWaitUntilFirstNeededAndTakeTheSettingsReadAtStartUp)
{
    struct Case {
        const char* file;
        const wchar_t* interval;
        bool random;
        bool timer;
    };
    const Case cases[] = {
        {nullptr, L"1", true, false},
        {"[Option]\r\ninterval=7\r\nRandom=0\r\nTimer=1\r\n", L"7", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        StartWithSettings(c.file);
        EXPECT_TRUE(Form1->HandleAllocated());
        EXPECT_FALSE(Form2->HandleAllocated());
        EXPECT_FALSE(Form3->HandleAllocated());
        EXPECT_FALSE(Form2->sSpinEdit1->HandleAllocated());

        // The card buttons read the settings from the dialog's objects.
        ClickWindow(Form1->sBitBtn1);
        EXPECT_FALSE(Form2->HandleAllocated());

        auto checked = [](TWinControl* button) {
            return SendMessageW(button->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
        };
        EXPECT_EQ(checked(Form2->sRadioButton1), c.random);
        EXPECT_EQ(checked(Form2->sRadioButton2), !c.random);
        EXPECT_EQ(checked(Form2->sRadioButton4), c.timer);
        EXPECT_EQ(checked(Form2->sRadioButton3), !c.timer);
        wchar_t text[16] = {};
        GetWindowTextW(Form2->sSpinEdit1->Handle(), text, 16);
        EXPECT_STREQ(text, c.interval);
        EXPECT_EQ(IsWindowEnabled(Form2->sSpinEdit1->Handle()) != FALSE, c.timer);
        EXPECT_FALSE(IsWindowVisible(Form2->Handle()));
        EXPECT_TRUE(reports.empty());
        delete Form3;
        delete Form2;
        delete Form1;
    }
}

TEST_F(Dialogs, CancelRestoresEverythingFromTheFile)
{
    WriteBytes(settingsPath, "[Option]\r\nindex=4\r\ninterval=7\r\nRandom=0\r\nTimer=0\r\n");
    StartProgram(NumberedDeck(10).c_str());
    ClickWindow(Form1->sBitBtn1);
    ASSERT_EQ(Index(), 6);
    Form2->Show();
    ClickWindow(Form2->sRadioButton1);
    ClickWindow(Form2->sRadioButton4);
    Form2->sSpinEdit1->SetValue(99);
    ClickWindow(Form2->sBitBtn2);
    EXPECT_EQ(Index(), 4);
    EXPECT_EQ(Question(), "Q4");
    EXPECT_EQ(Answer(), "A5");
    EXPECT_TRUE(Form2->sRadioButton2->Checked());
    EXPECT_TRUE(Form2->sRadioButton3->Checked());
    EXPECT_FALSE(Form2->sRadioButton4->Checked());
    // Checking "Кнопка" from the file ran its handler.
    EXPECT_FALSE(Form2->sSpinEdit1->Enabled());
    EXPECT_FALSE(Form2->sLabel1->Enabled());
    EXPECT_EQ(Form2->sSpinEdit1->Value(), 7);
    EXPECT_FALSE(Form2->Visible());
    // Cancel wrote nothing.
    EXPECT_EQ(ReadBytes(settingsPath), "[Option]\r\nindex=4\r\ninterval=7\r\nRandom=0\r\nTimer=0\r\n");
    EXPECT_TRUE(reports.empty());
}

TEST_F(Dialogs, CancelWhoseCardFailsStaysOpen)
{
    // A deck without lines: no card can be shown.
    StartProgram("");
    reports.clear();
    Form2->Show();
    ClickWindow(Form2->sBitBtn2);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(ReportDetail(reports[0]), "List index out of bounds (-1)");
    EXPECT_TRUE(Form2->Visible());
    Form2->Hide();
}

TEST_F(Dialogs, RadioButtonsOfAGroupExcludeEachOtherAndTheGroupsAreIndependent)
{
    StartProgram(NumberedDeck(10).c_str());
    ClickWindow(Form2->sRadioButton2);
    ClickWindow(Form2->sRadioButton4);
    EXPECT_FALSE(Form2->sRadioButton1->Checked());
    EXPECT_TRUE(Form2->sRadioButton2->Checked());
    EXPECT_FALSE(Form2->sRadioButton3->Checked());
    EXPECT_TRUE(Form2->sRadioButton4->Checked());
    EXPECT_TRUE(Form2->sSpinEdit1->Enabled());
    ClickWindow(Form2->sRadioButton3);
    EXPECT_FALSE(Form2->sSpinEdit1->Enabled());
    EXPECT_FALSE(Form2->sLabel1->Enabled());
    EXPECT_TRUE(Form2->sRadioButton2->Checked());
}

TEST_F(Dialogs, EnterStoresAndEscCancelsTheSettings)
{
    StartProgram(NumberedDeck(10).c_str());
    ExpectSettingsKeys(settingsPath);
    EXPECT_TRUE(reports.empty());
}

// Opens `dialog` with its button on the main window. While the dialog is shown
// modally, `whileOpen` runs at every tick of 100 ms with the tick's number;
// a dialog still open at the tenth tick is closed, so that the test ends.
// Returns the number of ticks it was seen open.
int OpenModally(TsBitBtn* opener, TForm* dialog, const std::function<void(int tick)>& whileOpen)
{
    int ticksOpen = 0;
    TTimer closer(nullptr);
    closer.SetInterval(100);
    closer.OnTimer = [&](TObject*) {
        if (!dialog->Modal() || !IsWindowVisible(dialog->Handle()))
            return;
        if (++ticksOpen == 10)
            PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
        else
            whileOpen(ticksOpen);
    };
    ClickWindow(opener);
    closer.SetEnabled(false);
    return ticksOpen;
}

struct DialogOfTheMainWindow {
    TsBitBtn* opener;
    TForm* dialog;
};

std::vector<DialogOfTheMainWindow> DialogsOfTheMainWindow()
{
    return {{Form1->sBitBtn4, Form2}, {Form1->sBitBtn3, Form3}};
}

// Esc closes either dialog opened from the main window (About has no button).
TEST_F(Dialogs, EscClosesTheModalDialogs)
{
    StartProgram(NumberedDeck(10).c_str());
    Form1->Show();
    for (const DialogOfTheMainWindow& c : DialogsOfTheMainWindow()) {
        SCOPED_TRACE(c.dialog->Caption());
        const int ticks = OpenModally(c.opener, c.dialog, [&](int) {
            PostMessageW(c.dialog->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        });
        EXPECT_EQ(ticks, 1) << "closed by Esc at once";
        EXPECT_FALSE(c.dialog->Visible());
    }
    EXPECT_EQ(ReadBytes(settingsPath), "<missing>");
    EXPECT_TRUE(reports.empty());
}

TEST_F(Dialogs, ButtonsShowTheDialogsModally)
{
    StartProgram(NumberedDeck(10).c_str());
    Form1->Show();
    for (const DialogOfTheMainWindow& c : DialogsOfTheMainWindow()) {
        SCOPED_TRACE(c.dialog->Caption());
        bool sawModal = false;
        OpenModally(c.opener, c.dialog, [&](int) {
            sawModal = !IsWindowEnabled(Form1->Handle());
            PostMessageW(c.dialog->Handle(), WM_CLOSE, 0, 0);
        });
        EXPECT_TRUE(sawModal);
        EXPECT_FALSE(c.dialog->Visible());
        EXPECT_TRUE(IsWindowEnabled(Form1->Handle()));
    }
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace taramel::forms_test

namespace taramel::forms_test {
namespace {

TEST_F(Dialogs, TabVisitsEverySkinnedControlOfTheSettingsInLayoutOrder)
{
    StartProgram(NumberedDeck(10).c_str());
    Form2->Show();
    SetForegroundWindow(Form2->Handle());
    ExpectSettingsTabOrder();
    Form2->Hide();
}

TEST_F(Dialogs, TwoHundredOpeningsOfTheSettingsLeaveHandlesAndMemoryAlone)
{
    StartProgram(NumberedDeck(10).c_str());
    const auto cycle = OpenAndCloseTheSettings;
    for (int i = 0; i < 5; ++i)
        cycle();
    PROCESS_MEMORY_COUNTERS before{};
    GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
    const int handles = HandleCount();
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 200; ++i)
        cycle();
    PROCESS_MEMORY_COUNTERS after{};
    GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
    EXPECT_EQ(HandleCount(), handles);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user + 2);
    EXPECT_LT(after.WorkingSetSize, before.WorkingSetSize + 4 * 1024 * 1024);
}

}  // namespace
}  // namespace taramel::forms_test
