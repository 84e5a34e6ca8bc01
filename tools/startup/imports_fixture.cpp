// Imports what the shipped program must not import at start-up (msimg32 and
// shell32): the imports check has to refuse it and name both.
#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, 0};
    AlphaBlend(nullptr, 0, 0, 0, 0, nullptr, 0, 0, 0, 0, blend);
    ShellExecuteW(nullptr, nullptr, nullptr, nullptr, nullptr, SW_SHOW);
    return 0;
}
