#include "render/SysColors_win.h"

#include <windows.h>

#include "render/SysColors.h"

namespace taramel {
namespace {

TColor Win32SysColor(int index)
{
    if (index < 0 || index > COLOR_MENUBAR)
        return 0;
    return static_cast<TColor>(GetSysColor(index) & 0xFFFFFF);
}

}  // namespace

void InstallWin32SysColors()
{
    SetSysColorProvider(&Win32SysColor);
}

}  // namespace taramel
