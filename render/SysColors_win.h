// The Win32 half of the system colours.
#pragma once

namespace taramel {

// Makes SysColor and ColorToRGB ask the system (GetSysColor). Called at
// start-up by the application's and the skin engine's set-up.
void InstallWin32SysColors();

}  // namespace taramel
