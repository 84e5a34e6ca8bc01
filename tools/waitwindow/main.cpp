// waitwindow DESKTOP CAPTION SECONDS
//
// Exits 0 as soon as a visible top-level window whose caption is CAPTION
// exists on the desktop DESKTOP, 1 when SECONDS pass without one, 2 on a bad
// command line. A virtual desktop's windows are not X windows, so nothing
// outside wine can see them; this asks the window manager of wine itself.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

struct Search {
    const wchar_t* caption;
    bool found;
};

BOOL CALLBACK CheckWindow(HWND wnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (!IsWindowVisible(wnd)) return TRUE;
    wchar_t text[512] = {};
    GetWindowTextW(wnd, text, 512);
    if (std::wcscmp(text, search->caption) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

// Moves this thread onto the desktop, once it exists. EnumDesktopWindows
// finds nothing on another desktop under wine; EnumWindows from a thread on
// that desktop does, and this thread owns no window that would keep it off.
bool JoinDesktop(const wchar_t* name) {
    HDESK desk = OpenDesktopW(name, 0, FALSE, GENERIC_ALL);
    if (!desk) return false;
    if (SetThreadDesktop(desk)) return true;  // the desktop stays open with us
    CloseDesktop(desk);
    return false;
}

bool WindowShown(const wchar_t* caption) {
    Search search{caption, false};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fputws(L"usage: waitwindow DESKTOP CAPTION SECONDS\n", stderr);
        return 2;
    }
    const long seconds = std::wcstol(argv[3], nullptr, 10);
    if (seconds <= 0) {
        std::fputws(L"waitwindow: SECONDS must be a positive whole number\n", stderr);
        return 2;
    }
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    bool joined = false;
    for (;;) {
        if (!joined) joined = JoinDesktop(argv[1]);
        if (joined && WindowShown(argv[2])) return 0;
        if (GetTickCount64() >= deadline) return 1;
        Sleep(200);
    }
}
