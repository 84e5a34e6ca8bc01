// framepictures TARAMEL.exe FOLDER
//
// Starts Taramel (in its own folder), and saves what the screen shows of its
// three windows into FOLDER as 24-bit BMP files: main-active, main-inactive
// (behind the settings dialog), settings-active, settings-inactive, about-
// active and about-inactive (the dialogs behind a small window of this
// program). The dialogs are opened through their buttons and closed through
// their frame's close command; the program is closed at the end. Exits 0
// when all six pictures were saved, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "tools/common/ScreenPicture_win.h"

namespace {

struct Found {
    DWORD pid;
    HWND except;
    HWND window;
};

BOOL CALLBACK FindTopLevel(HWND w, LPARAM param)
{
    auto* f = reinterpret_cast<Found*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != f->pid || w == f->except || !IsWindowVisible(w) || GetWindowTextLengthW(w) == 0)
        return TRUE;
    f->window = w;
    return FALSE;
}

void Pump(DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    } while (GetTickCount64() < end);
}

// A visible, titled top-level window of the process other than `except`.
HWND WaitForWindow(DWORD pid, HWND except, DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        Found f{pid, except, nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&f));
        if (f.window)
            return f.window;
        Pump(50);
    }
    return nullptr;
}

struct ChildSearch {
    const wchar_t* text;
    HWND window;
};

BOOL CALLBACK FindChild(HWND w, LPARAM param)
{
    auto* s = reinterpret_cast<ChildSearch*>(param);
    wchar_t text[256] = {};
    GetWindowTextW(w, text, 256);
    if (std::wcscmp(text, s->text) == 0) {
        s->window = w;
        return FALSE;
    }
    return TRUE;
}

// A click on the child window of `parent` whose text is `text`.
bool ClickChild(HWND parent, const wchar_t* text)
{
    ChildSearch s{text, nullptr};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&s));
    if (!s.window)
        return false;
    RECT r;
    GetClientRect(s.window, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageW(s.window, WM_MOUSEMOVE, 0, at);
    PostMessageW(s.window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(s.window, WM_LBUTTONUP, 0, at);
    return true;
}

bool SavePicture(HWND w, const std::wstring& path)
{
    RECT r;
    GetWindowRect(w, &r);
    return taramel::tools::SaveScreen(r, path);
}

// A small window of this program in the desktop's bottom-right corner,
// made the foreground window, so that the program's windows are inactive.
HWND TakeActivation()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"FramePicturesFocus";
    RegisterClassW(&wc);
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN);
    HWND w = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"focus", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                             sw - 130, sh - 80, 120, 70, nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(w);
    SetActiveWindow(w);
    Pump(700);
    return w;
}

// Opens a dialog through its button in the main window, saves it active
// and inactive, and closes it.
bool DialogPictures(DWORD pid, HWND main, const wchar_t* button, const std::wstring& folder, const wchar_t* name,
                    bool alsoMain)
{
    if (!ClickChild(main, button)) {
        std::fwprintf(stderr, L"framepictures: no button \"%ls\"\n", button);
        return false;
    }
    HWND dialog = WaitForWindow(pid, main, 10000);
    if (!dialog) {
        std::fwprintf(stderr, L"framepictures: the dialog of \"%ls\" did not open\n", button);
        return false;
    }
    Pump(1000);
    bool ok = SavePicture(dialog, folder + L"\\" + name + L"-active.bmp");
    if (alsoMain)
        ok = SavePicture(main, folder + L"\\main-inactive.bmp") && ok;
    HWND focus = TakeActivation();
    ok = SavePicture(dialog, folder + L"\\" + name + L"-inactive.bmp") && ok;
    DestroyWindow(focus);
    Pump(300);
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    const ULONGLONG end = GetTickCount64() + 5000;
    while (IsWindowVisible(dialog) && GetTickCount64() < end)
        Pump(50);
    SetForegroundWindow(main);
    Pump(500);
    return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fputws(L"usage: framepictures TARAMEL.exe FOLDER\n", stderr);
        return 2;
    }
    const std::wstring exe = argv[1];
    const std::wstring folder = argv[2];
    const auto slash = exe.find_last_of(L"\\/");
    const std::wstring workDir = slash == std::wstring::npos ? L"." : exe.substr(0, slash);
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(), &si,
                        &pi)) {
        std::fwprintf(stderr, L"framepictures: cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
        return 1;
    }
    bool ok = false;
    if (HWND main = WaitForWindow(pi.dwProcessId, nullptr, 60000)) {
        Pump(1500);
        ok = SavePicture(main, folder + L"\\main-active.bmp");
        ok = DialogPictures(pi.dwProcessId, main, L"Настройки", folder, L"settings", true) && ok;
        ok = DialogPictures(pi.dwProcessId, main, L"О программе...", folder, L"about", false) && ok;
        // Active again after both dialogs: the frame must look as at first.
        SetForegroundWindow(main);
        Pump(700);
        ok = SavePicture(main, folder + L"\\main-active-again.bmp") && ok;
        PostMessageW(main, WM_CLOSE, 0, 0);
    } else {
        std::fputws(L"framepictures: the main window did not appear\n", stderr);
    }
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ok ? 0 : 1;
}
