// TsSystemMenu: the window menu of a skinned form as a menu of our own, so
// that the skin's menu painter can draw it. It is made afresh from the
// window's own system menu each time it opens (the program may have added
// items), offers the standard commands by the form's rules, and hands the
// chosen command to the window as a system command.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

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
    // Puts "Available skins" first (and a divider after it): one radio item
    // per skin, the current one checked, a new column every 20 skins.
    void AddSkinMenu(const std::vector<std::string>& skins, const std::string& current);
    // Which standard items show and can be chosen.
    void Refresh(const SystemMenuInput& input);
    // Shows the menu at the screen point; the chosen item, null for none.
    const TMenuItem* Show(HWND window, int x, int y);

    // The skin an item of the skin menu names (its caption without
    // accelerator marks; an internal skin's up to "(internal)"), empty for
    // any other item.
    static std::string ChosenSkin(const TMenuItem& item);
};

}  // namespace taramel
