// Program entry point. Start-up order lives here.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    MessageBoxW(nullptr, L"Тарамел", L"Тарамел", MB_OK);
    return 0;
}
