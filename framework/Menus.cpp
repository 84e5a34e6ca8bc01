#include "framework/Menus.h"

#include <algorithm>
#include <unordered_set>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Messages.h"
#include "framework/Unicode.h"

namespace taramel {

namespace {

// The items of the menus being shown: the data of a measuring or drawing
// message is trusted only when it names one of them.
std::unordered_set<const TMenuItem*>& ShownItems()
{
    static auto* items = new std::unordered_set<const TMenuItem*>();
    return *items;
}

std::uint64_t gLastSerial = 0;
// The menu font while a popup menu is shown, for measuring (WM_MEASUREITEM
// brings no device context).
HFONT gMeasureFont = nullptr;

// The menu font for one measuring or drawing message: the shown popup's, or,
// for a menu bar (measured and drawn outside any popup's showing), one made
// for the message.
class MessageMenuFont {
public:
    MessageMenuFont() : own_(gMeasureFont == nullptr ? CreateMenuFont() : nullptr) {}
    ~MessageMenuFont()
    {
        if (own_ != nullptr)
            DeleteObject(own_);
    }
    MessageMenuFont(const MessageMenuFont&) = delete;
    MessageMenuFont& operator=(const MessageMenuFont&) = delete;
    HFONT Get() const { return own_ != nullptr ? own_ : gMeasureFont; }

private:
    HFONT own_;
};

void Register(TMenuItem& item, bool on)
{
    for (int i = 0; i < item.Count(); ++i)
        Register(*item.Items(i), on);
    if (on)
        ShownItems().insert(&item);
    else
        ShownItems().erase(&item);
}

}  // namespace

TMenuItem::~TMenuItem()
{
    ShownItems().erase(this);
}

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> item)
{
    item->parent_ = this;
    items_.push_back(std::move(item));
    return items_.back().get();
}

TMenuItem* TMenuItem::Add(const std::string& caption, unsigned command)
{
    auto item = std::make_unique<TMenuItem>();
    item->Caption = caption;
    item->Command = command;
    return Add(std::move(item));
}

std::unique_ptr<TMenuItem> TMenuItem::Take(int index)
{
    std::unique_ptr<TMenuItem> item = std::move(items_.at(static_cast<std::size_t>(index)));
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    return item;
}

TMenu* TMenuItem::Menu() const
{
    const TMenuItem* root = this;
    while (root->parent_ != nullptr)
        root = root->parent_;
    return root->menu_;
}

bool TMenuItem::InMenuBar() const
{
    return parent_ != nullptr && dynamic_cast<TMainMenu*>(parent_->menu_) != nullptr;
}

TMenuItem* TMenuItem::FirstVisible() const
{
    for (const auto& item : items_)
        if (item->Visible)
            return item.get();
    return nullptr;
}

TMenuItem* TMenuItem::LastVisible() const
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if ((*it)->Visible)
            return it->get();
    return nullptr;
}

TMenuItem* TMenuItem::NextVisible() const
{
    if (parent_ == nullptr)
        return nullptr;
    bool past = false;
    for (const auto& item : parent_->items_) {
        if (past && item->Visible)
            return item.get();
        past = past || item.get() == this;
    }
    return nullptr;
}

TMenuItem* TMenuItem::FromItemData(ULONG_PTR data)
{
    auto* item = reinterpret_cast<TMenuItem*>(data);
    return ShownItems().count(item) != 0 ? item : nullptr;
}

HFONT CreateMenuFont()
{
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        return nullptr;
    return CreateFontIndirectW(&ncm.lfMenuFont);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner)
{
    Items.menu_ = this;
}

TMenu::~TMenu()
{
    Destroy();
}

HMENU TMenu::Build(bool bar)
{
    Destroy();
    chosen_.clear();
    const std::uint64_t serial = ++gLastSerial;
    handle_ = bar ? CreateMenu() : CreatePopupMenu();
    if (handle_ == nullptr)
        return nullptr;
    BuildLevel(handle_, Items, OwnerDraw, serial, chosen_);
    Register(Items, true);
    return handle_;
}

void TMenu::Destroy()
{
    if (handle_ == nullptr)
        return;
    Register(Items, false);
    DestroyMenu(handle_);
    handle_ = nullptr;
    chosen_.clear();
}

TMenuItem* TMenu::ItemOfCommand(UINT id) const
{
    return id > 0 && id <= chosen_.size() ? chosen_[id - 1] : nullptr;
}

// The system menu's items for the visible items of `parent`.
HMENU TMenu::BuildLevel(HMENU menu, TMenuItem& parent, bool ownerDraw, std::uint64_t serial,
                        std::vector<TMenuItem*>& chosen)
{
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = *parent.Items(i);
        if (!item.Visible)
            continue;
        item.shownSerial_ = serial;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        const std::wstring text = Widen(item.ShortCutText.empty() ? item.Caption
                                                                  : item.Caption + "\t" + item.ShortCutText);
        if (ownerDraw) {
            // A drawn divider stays a divider for the keyboard.
            info.fType = MFT_OWNERDRAW | (item.IsLine() ? MFT_SEPARATOR : 0u);
        } else if (item.IsLine()) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fType = MFT_STRING;
            info.fMask |= MIIM_STRING;
            info.dwTypeData = const_cast<wchar_t*>(text.c_str());
        }
        if (item.RadioItem)
            info.fType |= MFT_RADIOCHECK;
        if (item.Break)
            info.fType |= MFT_MENUBREAK;
        info.fState = (item.Enabled ? MFS_ENABLED : MFS_GRAYED) | (item.Checked ? MFS_CHECKED : 0u) |
                      (item.Default ? MFS_DEFAULT : 0u);
        info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
        if (item.Count() > 0) {
            if (HMENU sub = CreatePopupMenu()) {
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = BuildLevel(sub, item, ownerDraw, serial, chosen);
            }
        }
        chosen.push_back(&item);
        info.wID = static_cast<UINT>(chosen.size());
        InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
    }
    return menu;
}

TMenuItem* TPopupMenu::Popup(int x, int y, HWND owner, UINT flags)
{
    if (handle_ != nullptr)
        return nullptr;  // already shown: a menu runs one loop at a time
    if (Build(false) == nullptr)
        return nullptr;
    HFONT font = CreateMenuFont();
    HFONT outer = gMeasureFont;
    gMeasureFont = font;
    const int id = TrackPopupMenu(handle_, flags | TPM_RETURNCMD | (NoAnimation ? TPM_NOANIMATION : 0u), x, y, 0,
                                  owner, nullptr);
    gMeasureFont = outer;
    if (font != nullptr)
        DeleteObject(font);
    TMenuItem* chosen = id > 0 ? ItemOfCommand(static_cast<UINT>(id)) : nullptr;
    Destroy();
    if (chosen != nullptr && chosen->OnClick)
        chosen->OnClick(chosen);
    return chosen;
}

TMainMenu::~TMainMenu()
{
    if (form_ != nullptr)
        form_->menu_ = nullptr;
    Attach(nullptr);
}

void TMainMenu::WindowDestroyed()
{
    // The system destroys the bar with its window.
    if (handle_ != nullptr && window_ != nullptr && GetMenu(window_) == handle_)
        handle_ = nullptr;
    Destroy();
    window_ = nullptr;
}

void TMainMenu::Attach(HWND window)
{
    if (window_ != nullptr && window_ != window && IsWindow(window_) && GetMenu(window_) == handle_)
        SetMenu(window_, nullptr);
    window_ = window;
    if (window_ == nullptr) {
        Destroy();
        return;
    }
    Changed();
}

void TMainMenu::Changed()
{
    if (window_ == nullptr || !IsWindow(window_))
        return;
    // The window lets go of the old bar before it is destroyed.
    HMENU old = handle_;
    handle_ = nullptr;
    HMENU bar = Build(true);
    SetMenu(window_, bar);
    if (old != nullptr)
        DestroyMenu(old);
    SendMessageW(window_, CM_MENUCHANGED, 0, reinterpret_cast<LPARAM>(this));
    DrawMenuBar(window_);
}

bool TMainMenu::Command(UINT id)
{
    TMenuItem* item = ItemOfCommand(id);
    if (item == nullptr)
        return false;
    if (item->OnClick)
        item->OnClick(item);
    return true;
}

void TMainMenu::RefreshPopup(HMENU popup) const
{
    const int count = popup != nullptr ? GetMenuItemCount(popup) : 0;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        if (!GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info))
            continue;
        const TMenuItem* item = TMenuItem::FromItemData(info.dwItemData);
        if (item == nullptr || item->Menu() != this)
            continue;
        EnableMenuItem(popup, static_cast<UINT>(i), MF_BYPOSITION | (item->Enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(popup, static_cast<UINT>(i), MF_BYPOSITION | (item->Checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

namespace {

wchar_t UpperOf(wchar_t c)
{
    CharUpperBuffW(&c, 1);
    return c;
}

// The letter after a single "&" of the caption, upper-cased; 0 for none.
wchar_t AcceleratorOf(const std::string& caption)
{
    const std::wstring text = Widen(caption);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] != L'&')
            return UpperOf(text[i + 1]);
        ++i;  // "&&" is a literal "&"
    }
    return 0;
}

// Owner-drawn items have no text of the system's: the letters of their
// captions are found here (Alt+Space, then the underlined letter).
bool MenuCharOf(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    const wchar_t key = UpperOf(static_cast<wchar_t>(LOWORD(wParam)));
    const int count = menu != nullptr ? GetMenuItemCount(menu) : 0;
    bool ours = false;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA | MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) || (info.fType & MFT_OWNERDRAW) == 0)
            continue;
        const TMenuItem* item = TMenuItem::FromItemData(info.dwItemData);
        if (item == nullptr)
            continue;
        ours = true;
        if (item->Enabled && AcceleratorOf(item->Caption) == key) {
            result = MAKELRESULT(i, MNC_EXECUTE);
            return true;
        }
    }
    if (ours)
        result = MAKELRESULT(0, MNC_IGNORE);
    return ours;
}

}  // namespace

bool DispatchMenuItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_MENUCHAR)
        return MenuCharOf(wParam, lParam, result);
    if (message == WM_MEASUREITEM) {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        TMenuItem* item = m != nullptr && m->CtlType == ODT_MENU ? TMenuItem::FromItemData(m->itemData) : nullptr;
        if (item == nullptr || !item->OnMeasureItem)
            return false;
        HDC dc = CreateCompatibleDC(nullptr);
        const MessageMenuFont font;
        HGDIOBJ old = font.Get() != nullptr ? SelectObject(dc, font.Get()) : nullptr;
        int width = static_cast<int>(m->itemWidth);
        int height = static_cast<int>(m->itemHeight);
        try {
            item->OnMeasureItem(item, dc, width, height);
        } catch (...) {
            HandleCallbackException();
        }
        if (old != nullptr)
            SelectObject(dc, old);
        DeleteDC(dc);
        m->itemWidth = static_cast<UINT>(std::max(width, 0));
        m->itemHeight = static_cast<UINT>(std::max(height, 0));
        result = TRUE;
        return true;
    }
    if (message == WM_DRAWITEM) {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        TMenuItem* item = d != nullptr && d->CtlType == ODT_MENU ? TMenuItem::FromItemData(d->itemData) : nullptr;
        if (item == nullptr || !item->OnAdvancedDrawItem)
            return false;
        const int saved = SaveDC(d->hDC);
        const MessageMenuFont font;
        if (font.Get() != nullptr)
            SelectObject(d->hDC, font.Get());
        try {
            item->OnAdvancedDrawItem(item, d->hDC, d->rcItem, d->itemState);
        } catch (...) {
            HandleCallbackException();
        }
        RestoreDC(d->hDC, saved);
        result = TRUE;
        return true;
    }
    return false;
}

}  // namespace taramel
