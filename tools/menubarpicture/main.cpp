// menubarpicture FOLDER
//
// Starts the program's three windows in this process, as the program does,
// gives the main window a menu bar (the program itself has none) and saves
// into FOLDER as 24-bit BMP files what the screen shows around the main
// window: bar-rest (the bar as the frame paints it), bar-open (its first
// menu opened by its letter, the bar item hot, the popup drawn from the
// skin) and bar-extended (the same window with the skin manager's extended
// border). The skin is the one beside this executable. Exits 0 when all
// three pictures were saved.
#include <windows.h>

#include <cstdio>
#include <string>

#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "framework/Menus.h"
#include "tools/common/ProgramWindows_win.h"
#include "tools/common/ScreenPicture_win.h"
#include "windows/SkinProvider_win.h"

using namespace taramel;
using taramel::tools::Pump;
using taramel::tools::SaveScreen;
using taramel::tools::StartProgramWindows;

namespace {

// The main window and what lies below it, down to where its first menu
// reaches, with a margin of the desktop.
RECT AreaAround(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return RECT{r.left - 24, r.top - 24, r.right + 24, r.bottom + 120};
}

struct OpenShot {
    std::wstring Path;
    RECT Area{};
    int Ticks = 0;
    bool Saved = false;
};
OpenShot* gShot = nullptr;

// Inside the menu's loop: once the popup has painted, the screen is saved
// and the menu ends.
void CALLBACK ShootOpenMenu(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND popup = FindWindowW(L"#32768", nullptr);
    if (popup == nullptr || !IsWindowVisible(popup)) {
        if (++gShot->Ticks > 200)
            EndMenu();
        return;
    }
    if (++gShot->Ticks < 30 || gShot->Saved)
        return;
    gShot->Saved = SaveScreen(gShot->Area, gShot->Path);
    EndMenu();
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fputws(L"usage: menubarpicture FOLDER\n", stderr);
        return 2;
    }
    const std::wstring folder = argv[1];
    if (!StartProgramWindows(L"menubarpicture"))
        return 1;
    auto* bar = new TMainMenu(Form1);
    TMenuItem* file = bar->Items.Add("&Файл");
    file->Add("&Открыть колоду...")->ShortCutText = "Ctrl+O";
    file->Add("&Настройки");
    file->Add("-");
    file->Add("В&ыход")->ShortCutText = "Alt+F4";
    TMenuItem* view = bar->Items.Add("&Вид");
    view->Add("По &порядку")->RadioItem = true;
    view->Items(0)->Checked = true;
    view->Add("В &случайном порядке")->RadioItem = true;
    bar->Items.Add("&Справка")->Add("&О программе");
    Form1->SetMenu(bar);
    Form1->Show();
    const HWND main = Form1->Handle();
    SetForegroundWindow(main);
    Pump(1500);
    if (GetMenu(main) == nullptr) {
        std::fputws(L"menubarpicture: the main window shows no menu bar\n", stderr);
        return 1;
    }
    bool ok = SaveScreen(AreaAround(main), folder + L"\\bar-rest.bmp");

    OpenShot shot{folder + L"\\bar-open.bmp", AreaAround(main)};
    gShot = &shot;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, ShootOpenMenu);
    SendMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, L'ф');
    KillTimer(nullptr, timer);
    gShot = nullptr;
    ok = shot.Saved && ok;
    Pump(300);

    // Switched on while the form is hidden, as a program sets it up before
    // showing its windows.
    Form1->Hide();
    Form1->sSkinManager1->SetExtendedBorders(true);
    Form1->Show();
    SetForegroundWindow(main);
    Pump(1500);
    const TsSkinProvider* provider = ProviderOfWindow(main);
    if (provider == nullptr || !provider->Extended()) {
        std::fputws(L"menubarpicture: the main window has no extended border\n", stderr);
        return 1;
    }
    ok = SaveScreen(AreaAround(main), folder + L"\\bar-extended.bmp") && ok;
    return ok ? 0 : 1;
}
