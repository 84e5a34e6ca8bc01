// Program entry point.
#include "app/Startup_win.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return taramel::RunProgram();
}
