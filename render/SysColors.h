// System colours for the pixel code. A negative colour (high byte 0xFF) names
// a system colour by its low byte; resolving it asks the platform for the
// RGB value. The portable core answers with the standard default scheme; the
// Win32 build installs GetSysColor (InstallWin32SysColors in SysColors_win.h).
#pragma once

#include "base/Color.h"

#include <cstdint>

namespace taramel {

using SysColorProvider = TColor (*)(int index);

// Null restores the default scheme.
void SetSysColorProvider(SysColorProvider provider);

// The RGB value of system colour `index` (0..30); 0 for other indexes.
TColor SysColor(int index);
TColor DefaultSysColor(int index);

// A plain colour unchanged; a system colour as its RGB value.
TColor ResolveColor(TColor color);

// The RGB value GDI takes: a system colour resolved, anything else with its
// low three bytes only (a stored value may carry a high byte).
inline std::uint32_t ColorToRGB(TColor color)
{
    return static_cast<std::uint32_t>(ResolveColor(color)) & 0xFFFFFF;
}

inline bool IsSysColor(TColor c) { return c < 0; }

}  // namespace taramel
