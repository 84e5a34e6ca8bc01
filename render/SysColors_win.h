// The Win32 half of the system colours.
#pragma once

namespace taramel {

// Makes ColorToRGB ask the system (GetSysColor). Called once at start-up.
void InstallWin32SysColors();

}  // namespace taramel
