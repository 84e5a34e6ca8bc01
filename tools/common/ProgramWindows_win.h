// What the picture tools share: the program's three windows started in the
// tool's own process as the program starts them (skin beside the executable),
// and a message pump that runs for a while.
#pragma once

#include <windows.h>

#include <cstdio>

#include "app/AboutDialog_win.h"
#include "app/MainWindow_win.h"
#include "app/SettingsDialog_win.h"
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "windows/WindowHook.h"

namespace taramel::tools {

// Messages for `ms` milliseconds.
inline void Pump(DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    do {
        Application->ProcessMessages();
        Sleep(10);
    } while (GetTickCount64() < end);
}

// The main window, the settings dialog and the About box, made (not shown)
// with the skin found beside the executable. False, with a line on stderr
// naming `tool`, when the main window or the skin is missing.
inline bool StartProgramWindows(const wchar_t* tool)
{
    InitializeWindowSkinning();
    InitializeSkinEngine();
    Application->Initialize();
    Application->SetTitle("Тарамел");
    Application->CreateForm<TForm1>();
    Application->CreateForm<TForm2>();
    Application->CreateForm<TForm3>();
    if (Form1 == nullptr || !Form1->sSkinManager1->SkinReady()) {
        std::fwprintf(stderr, L"%ls: no main window or no skin beside the program\n", tool);
        return false;
    }
    return true;
}

}  // namespace taramel::tools
