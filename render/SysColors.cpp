#include "render/SysColors.h"

#include <array>

namespace taramel {
namespace {

// The standard scheme, by system colour index (scroll bar, desktop, active
// caption, inactive caption, menu, window, window frame, menu text, window
// text, caption text, active border, inactive border, application workspace,
// highlight, highlight text, button face, button shadow, grey text, button
// text, inactive caption text, button highlight, 3D dark shadow, 3D light,
// info text, info background, (unused), hot light, the two gradient caption
// colours, menu highlight, menu bar).
constexpr std::array<TColor, 31> kDefaults = {
    MakeColor(212, 208, 200), MakeColor(58, 110, 165),  MakeColor(10, 36, 106),   MakeColor(128, 128, 128),
    MakeColor(212, 208, 200), MakeColor(255, 255, 255), MakeColor(0, 0, 0),       MakeColor(0, 0, 0),
    MakeColor(0, 0, 0),       MakeColor(255, 255, 255), MakeColor(212, 208, 200), MakeColor(212, 208, 200),
    MakeColor(128, 128, 128), MakeColor(10, 36, 106),   MakeColor(255, 255, 255), MakeColor(212, 208, 200),
    MakeColor(128, 128, 128), MakeColor(128, 128, 128), MakeColor(0, 0, 0),       MakeColor(212, 208, 200),
    MakeColor(255, 255, 255), MakeColor(64, 64, 64),    MakeColor(212, 208, 200), MakeColor(0, 0, 0),
    MakeColor(255, 255, 225), MakeColor(181, 181, 181), MakeColor(0, 0, 128),     MakeColor(166, 202, 240),
    MakeColor(192, 192, 192), MakeColor(49, 106, 197),  MakeColor(236, 233, 216),
};

SysColorProvider g_provider = &DefaultSysColor;

}  // namespace

TColor DefaultSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kDefaults.size()))
        return 0;
    return kDefaults[static_cast<std::size_t>(index)];
}

void SetSysColorProvider(SysColorProvider provider)
{
    g_provider = provider ? provider : &DefaultSysColor;
}

TColor SysColor(int index)
{
    return g_provider(index) & 0xFFFFFF;
}

TColor ResolveColor(TColor color)
{
    return IsSysColor(color) ? SysColor(RedOf(color)) : color;
}

}  // namespace taramel
