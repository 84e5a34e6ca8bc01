// The reference of the start-up timing: the smallest Win32 program with a
// window. It sets the event named in TARAMEL_FIRST_PAINT_EVENT when its
// window's first paint is done, just as Taramel does for its main window.
#include <windows.h>

namespace {

void SignalFirstPaint()
{
    static bool signalled = false;
    if (signalled)
        return;
    signalled = true;
    wchar_t name[128];
    const DWORD n = GetEnvironmentVariableW(L"TARAMEL_FIRST_PAINT_EVENT", name, 128);
    if (n == 0 || n >= 128)
        return;
    if (HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
        SetEvent(event);
        CloseHandle(event);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        SignalFirstPaint();
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"StartupRef";
    if (RegisterClassW(&wc) == 0)
        return 1;
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Startup reference", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 500, 300, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
