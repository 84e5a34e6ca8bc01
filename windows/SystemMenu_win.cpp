#include "windows/SystemMenu_win.h"

#include <cstring>
#include <memory>
#include <string>

#include "engine/MenuLayout.h"
#include "framework/Unicode.h"

namespace taramel {

namespace {

struct StandardItem {
    unsigned Command;
    const char* Name;
    const char* Caption;  // when the window's own menu has no such item
};

constexpr StandardItem kBeforeDivider[] = {
    {scRestore, "acIR", "Restore"}, {scMove, "acIM", "Move"},         {scSize, "acIS", "Size"},
    {scMinimize, "acIN", "Minimize"}, {scMaximize, "acIX", "Maximize"},
};
constexpr StandardItem kClose{scClose, "acIC", "Close"};

constexpr const char* kSkinItemName = "SkinSelectItem";
constexpr const char* kInternalMark = "(internal)";
constexpr std::size_t kSkinsPerColumn = 20;

// The text of an item of the window's own menu by position, split at its
// tab into caption and shortcut.
bool ItemText(HMENU menu, UINT item, UINT byFlag, std::string& caption, std::string& shortcut)
{
    wchar_t buffer[256] = {};
    const int length = GetMenuStringW(menu, item, buffer, 256, byFlag);
    if (length <= 0)
        return false;
    const std::string text = Narrow(std::wstring_view(buffer, static_cast<std::size_t>(length)));
    const std::size_t tab = text.find('\t');
    caption = text.substr(0, tab);
    shortcut = tab == std::string::npos ? std::string() : text.substr(tab + 1);
    return true;
}

void AddStandard(TMenuItem& root, HMENU own, const StandardItem& standard)
{
    std::string caption, shortcut;
    if (own == nullptr || !ItemText(own, standard.Command, MF_BYCOMMAND, caption, shortcut))
        caption = standard.Caption;
    TMenuItem* item = root.Add(caption, standard.Command);
    item->Name = standard.Name;
    item->ShortCutText = shortcut;
    item->Tag = static_cast<int>(standard.Command);
}

}  // namespace

TsSystemMenu::TsSystemMenu(TComponent* owner) : TPopupMenu(owner)
{
    SetName("SysMenu");
}

void TsSystemMenu::Rebuild(HWND window)
{
    Items.Clear();
    HMENU own = window != nullptr ? GetSystemMenu(window, FALSE) : nullptr;
    for (const StandardItem& standard : kBeforeDivider)
        AddStandard(Items, own, standard);
    Items.Add("-");
    bool added = false;
    const int count = own != nullptr ? GetMenuItemCount(own) : 0;
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(own, i);
        // Dividers (0) and submenus (-1) of the window's menu are not copied.
        if (id == 0 || id == static_cast<UINT>(-1) || id >= 0xF000)
            continue;
        std::string caption, shortcut;
        if (!ItemText(own, static_cast<UINT>(i), MF_BYPOSITION, caption, shortcut))
            continue;
        TMenuItem* item = Items.Add(caption, id);
        item->ShortCutText = shortcut;
        const UINT state = GetMenuState(own, static_cast<UINT>(i), MF_BYPOSITION);
        item->Enabled = (state & (MF_GRAYED | MF_DISABLED)) == 0;
        item->Checked = (state & MF_CHECKED) != 0;
        added = true;
    }
    if (added)
        Items.Add("-");
    AddStandard(Items, own, kClose);
}

void TsSystemMenu::Refresh(const SystemMenuInput& input)
{
    for (const SystemMenuItemState& state : SystemMenuStates(input))
        for (int i = 0; i < Items.Count(); ++i) {
            TMenuItem* item = Items.Items(i);
            if (item->Command == state.Command && !item->IsLine()) {
                item->Visible = state.Visible;
                item->Enabled = state.Enabled;
            }
        }
}

void TsSystemMenu::AddSkinMenu(const std::vector<std::string>& skins, const std::string& current)
{
    auto submenu = std::make_unique<TMenuItem>();
    submenu->Caption = "Available skins";
    submenu->Name = kSkinItemName;
    for (std::size_t i = 0; i < skins.size(); ++i) {
        TMenuItem* item = submenu->Add(skins[i]);
        item->Name = kSkinItemName + std::to_string(i);
        item->RadioItem = true;
        item->Checked = skins[i] == current;
        item->Break = i > 0 && i % kSkinsPerColumn == 0;
    }
    // First in the menu, a divider after it.
    std::vector<std::unique_ptr<TMenuItem>> rest;
    while (Items.Count() > 0)
        rest.push_back(Items.Take(0));
    Items.Add(std::move(submenu));
    Items.Add("-");
    for (auto& item : rest)
        Items.Add(std::move(item));
}

const TMenuItem* TsSystemMenu::Show(HWND window, int x, int y)
{
    return Popup(x, y, window, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON);
}

std::string TsSystemMenu::ChosenSkin(const TMenuItem& item)
{
    const TMenuItem* parent = item.Parent();
    if (parent == nullptr || parent->Name != kSkinItemName || item.Name.rfind(kSkinItemName, 0) != 0)
        return {};
    std::string name = StripAccelerators(item.Caption);
    const std::size_t internal = name.find(kInternalMark);
    if (internal != std::string::npos)
        name.resize(internal + std::strlen(kInternalMark));
    return name;
}

}  // namespace taramel
