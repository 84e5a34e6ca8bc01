// Starts the program's three windows the way start-up does, in a fresh
// working folder with a deck of our choosing, and frees them afterwards.
#pragma once

#include "app/AnsiText_win.h"
#include "app/DeckFile_win.h"
#include "app/SettingsFile_win.h"
#include "app/MainWindow_win.h"
#include "app/SettingsDialog_win.h"
#include "app/AboutDialog_win.h"
#include "framework/Application.h"
#include "framework/Handles.h"
#include "framework/Unicode.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/MessagePump.h"
#include "tests/support/ReportText.h"
#include "tests/support/WinTestFiles.h"

namespace taramel::forms_test {

// A deck of `lines` lines "Q0", "A1", "Q2", ... in CR LF lines.
inline std::string NumberedDeck(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += (i % 2 == 0 ? "Q" : "A") + std::to_string(i) + "\r\n";
    return text;
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    ASSERT_TRUE(testsupport::WriteWholeFile(path, bytes)) << path;
}

inline std::string ReadBytes(const std::string& path)
{
    return testsupport::ReadWholeFile(path).value_or("<missing>");
}

inline void RemovePath(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(path.c_str()))
        RemoveDirectoryA(path.c_str());
}

using testsupport::Pump;
using testsupport::ReportAdvice;
using testsupport::ReportDetail;
using testsupport::PumpUntil;

// A left click in the middle of a windowed control, through its window.
inline void ClickWindow(TWinControl* control)
{
    HWND window = control->Handle();
    const LPARAM at = MAKELPARAM(control->Width() / 2, control->Height() / 2);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
}

// A left click in the middle of a windowless control, through its parent's window.
inline void ClickGraphic(TControl* control)
{
    HWND window = control->Parent()->Handle();
    const LPARAM at = MAKELPARAM(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
    SendMessageW(window, WM_MOUSEMOVE, 0, at);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
}

// A key pressed where the focus is, as the keyboard sends it.
inline void PressKey(WPARAM key)
{
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    Pump(30);
}

// The control that has the focus after a Tab pressed where the focus is.
inline TWinControl* PressTab()
{
    PressKey(VK_TAB);
    return TWinControl::FromHandle(GetFocus());
}

// From the OK button of the shown settings dialog, with the seconds field
// taking part, Tab visits every control in layout order; the checked radio
// button stands for its group.
inline void ExpectSettingsTabOrder()
{
    ClickWindow(Form2->sRadioButton4);
    Form2->sBitBtn1->SetFocus();
    Pump(30);
    const std::vector<TWinControl*> order = {Form2->sBitBtn2, Form2->sRadioButton1, Form2->sRadioButton4,
                                             Form2->sSpinEdit1, Form2->sBitBtn1};
    for (TWinControl* expected : order) {
        TWinControl* at = PressTab();
        EXPECT_EQ(at, expected) << (at ? at->Name() : std::string("nothing")) << " instead of " << expected->Name();
    }
}

// Enter and Esc in the settings dialog, shown over the settings file
// `settingsPath` with the second order button chosen and the focus on a
// control: Enter on OK, on a radio button or in the seconds field stores
// and closes; Enter on "Отмена" and Esc anywhere close without writing.
inline void ExpectSettingsKeys(const std::string& settingsPath)
{
    struct Case {
        const char* what;
        TWinControl* focus;
        WPARAM key;
        bool stores;
    };
    const Case cases[] = {
        {"Enter on OK", Form2->sBitBtn1, VK_RETURN, true},
        {"Enter on a radio button", Form2->sRadioButton2, VK_RETURN, true},
        {"Enter in the seconds field", Form2->sSpinEdit1, VK_RETURN, true},
        {"Enter on Cancel", Form2->sBitBtn2, VK_RETURN, false},
        {"Esc on OK", Form2->sBitBtn1, VK_ESCAPE, false},
        {"Esc in the seconds field", Form2->sSpinEdit1, VK_ESCAPE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemovePath(settingsPath);
        Form2->Show();
        SetForegroundWindow(Form2->Handle());
        ClickWindow(Form2->sRadioButton4);
        ClickWindow(Form2->sRadioButton2);
        c.focus->SetFocus();
        Pump(30);
        PressKey(c.key);
        EXPECT_FALSE(Form2->Visible());
        const std::string stored = ReadBytes(settingsPath);
        if (c.stores)
            EXPECT_EQ(stored, "[Option]\r\nRandom=0\r\nTimer=1\r\ninterval=1\r\n");
        else
            EXPECT_EQ(stored, "<missing>") << "nothing written";
        Form2->Hide();
    }
}

// One opening of the settings dialog as a user makes it: a choice, the mouse
// over OK and away, closed.
inline void OpenAndCloseTheSettings()
{
    Form2->Show();
    Pump(2);
    ClickWindow(Form2->sRadioButton4);
    Form2->sBitBtn1->Perform(CM_MOUSEENTER);
    Pump(2);
    Form2->sBitBtn1->Perform(CM_MOUSELEAVE);
    Form2->Hide();
    Pump(1);
}

class FormsTest : public ::testing::Test {
protected:
    // The deck file's bytes, or nullptr for no deck file at all.
    void StartProgram(const char* deck)
    {
        if (deck)
            WriteBytes(folder_ + "test.txt", deck);
        Application->OnException = [this](const std::string& text) { reports.push_back(text); };
        Application->CreateForm<TForm1>();
        Application->CreateForm<TForm2>();
        Application->CreateForm<TForm3>();
        ASSERT_TRUE(Form1 && Form2 && Form3);
    }

    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "taramel-forms-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        RemovePath(folder_ + "test.txt");
        GetCurrentDirectoryA(MAX_PATH, temp);
        previousFolder_ = temp;
        SetCurrentDirectoryA(folder_.c_str());
        settingsPath = TSettingsFile::BesideExecutable().Path();
        RemovePath(settingsPath);
        handlesAtStart = HandleCount();
    }

    void TearDown() override
    {
        delete Form3;
        delete Form2;
        delete Form1;
        Pump(20);
        Application->OnException = nullptr;
        RemovePath(settingsPath);
        RemovePath(folder_ + "test.txt");
        SetCurrentDirectoryA(previousFolder_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    // The program started over a deck of ten cards with this settings file
    // (none for nullptr).
    void StartWithSettings(const char* settings)
    {
        RemovePath(settingsPath);
        if (settings)
            WriteBytes(settingsPath, settings);
        StartProgram(NumberedDeck(10).c_str());
    }

    std::string Question() const { return Form1->sLabel1->Caption(); }
    std::string Answer() const { return Form1->sLabel2->Caption(); }
    int Index() const { return Form1->Deck().ItemIndex(); }

    std::string folder_;
    std::string previousFolder_;
    std::string settingsPath;
    std::vector<std::string> reports;
    int handlesAtStart = 0;
};

}  // namespace taramel::forms_test
