#include "framework/Colors.h"

#include <windows.h>

namespace taramel {

std::uint32_t ColorToRGB(TColor color)
{
    if (color < 0)
        return GetSysColor(color & 0xFF);
    return static_cast<std::uint32_t>(color) & 0xFFFFFF;
}

}  // namespace taramel
