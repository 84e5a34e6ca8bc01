// TsSystemMenu: the window menu of a skinned form as a menu of our own, so
// that the skin's menu painter can draw it. It is made afresh from the
// window's own system menu each time it opens (the program may have added
// items), offers the standard commands by the form's rules, and hands the
// chosen command to the window as a system command.
#pragma once

#include <windows.h>

#include "engine/SystemMenuRules.h"
#include "framework/Menus.h"

namespace taramel {

class TsSystemMenu : public TPopupMenu {
public:
    explicit TsSystemMenu(TComponent* owner);
    std::string ClassName() const override { return "TsSystemMenu"; }

    // Fills the items from the window's own system menu: Restore, Move,
    // Size, Minimize, Maximize, a divider, the window's own items (if any)
    // and a divider after them, Close. Each standard item's Tag is its
    // command, which picks its symbol.
    void Rebuild(HWND window);
    // Which standard items show and can be chosen.
    void Refresh(const SystemMenuInput& input);
    // Shows the menu at the screen point; the chosen command, 0 for none.
    unsigned Show(HWND window, int x, int y);
};

}  // namespace taramel
