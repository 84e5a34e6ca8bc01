#include "installer/tests/StartedProgram.h"

#include "installer/tests/Text.h"

#include "TaramelVersion.h"
#include "tools/common/ScreenPicture_win.h"

#include <cstdio>

namespace taramel::installer_test {

namespace {

constexpr DWORD kPaintTimeoutMs = 60000;

struct WindowSearch {
    DWORD process;
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window))
        return TRUE;
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (search->caption != text)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The process, started as the shell starts a shortcut's program: its path,
// its arguments, its working folder; the first-paint event named in its
// environment.
HANDLE Start(const ProgramStart& start)
{
    std::wstring line = L"\"" + start.program + L"\"";
    if (!start.arguments.empty())
        line += L" " + start.arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(start.program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        start.workingFolder.empty() ? nullptr : start.workingFolder.c_str(), &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

}  // namespace

std::wstring MainCaption()
{
    return Widen("Тарамел (История Казахстана) " TARAMEL_VERSION_SHORT);
}

ProgramRun RunProgramOnce(const ProgramStart& start, const std::wstring& picture)
{
    ProgramRun run;
    wchar_t eventName[64];
    std::swprintf(eventName, 64, L"TaramelInstalledFirstPaint-%lu", GetCurrentProcessId());
    HANDLE painted = CreateEventW(nullptr, TRUE, FALSE, eventName);
    SetEnvironmentVariableW(L"TARAMEL_FIRST_PAINT_EVENT", eventName);
    HANDLE process = Start(start);
    SetEnvironmentVariableW(L"TARAMEL_FIRST_PAINT_EVENT", nullptr);
    if (process == nullptr) {
        CloseHandle(painted);
        return run;
    }
    run.started = true;
    HANDLE waits[2] = {painted, process};
    run.skinnedPaint = WaitForMultipleObjects(2, waits, FALSE, kPaintTimeoutMs) == WAIT_OBJECT_0;

    WindowSearch search{GetProcessId(process), MainCaption()};
    for (int i = 0; i < 100 && search.found == nullptr; ++i) {
        EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr)
            Sleep(100);
    }
    if (search.found != nullptr) {
        run.mainWindowFound = true;
        wchar_t text[256] = {};
        GetWindowTextW(search.found, text, 256);
        run.caption = text;
        HRGN shape = CreateRectRgn(0, 0, 0, 0);
        run.frameShaped = GetWindowRgn(search.found, shape) != ERROR;
        DeleteObject(shape);
        // The paint has reached the screen a moment after it was signalled.
        Sleep(500);
        RECT r;
        GetWindowRect(search.found, &r);
        tools::SaveScreen(r, picture);
        PostMessageW(search.found, WM_CLOSE, 0, 0);
        run.endedOnClose = WaitForSingleObject(process, 20000) == WAIT_OBJECT_0;
    }
    if (WaitForSingleObject(process, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 10000);
    }
    CloseHandle(process);
    CloseHandle(painted);
    return run;
}

}  // namespace taramel::installer_test
