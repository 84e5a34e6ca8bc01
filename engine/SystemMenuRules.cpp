#include "engine/SystemMenuRules.h"

namespace taramel {

std::array<SystemMenuItemState, 6> SystemMenuStates(const SystemMenuInput& in)
{
    const CaptionButtonSet& b = in.Buttons;
    const bool framed = in.Border == TMenuBorderKind::Single || in.Border == TMenuBorderKind::Sizeable;
    const bool sizeKind = in.MdiChild || (in.Border != TMenuBorderKind::None && in.Border != TMenuBorderKind::Dialog &&
                                          in.Border != TMenuBorderKind::ToolWindow);
    return {{
        {scRestore, b.VisibleClose && (in.MdiChild || framed), b.EnabledRestore},
        {scMove, true, !in.Maximized},
        {scSize, sizeKind, in.Border != TMenuBorderKind::Single && !in.Minimized},
        {scMinimize, b.VisibleMin, b.EnabledMin},
        {scMaximize, b.VisibleMax, b.EnabledMax},
        {scClose, b.VisibleClose, true},
    }};
}

TPoint SystemMenuBelowIcon(const TRect& window, int border, int topBorder, int iconHeight)
{
    return {window.Left + border, window.Top + topBorder + iconHeight};
}

}  // namespace taramel
