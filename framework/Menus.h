// Menus of the framework: a tree of items turned into a system menu. A
// popup menu is made only while it is shown, so that items can be changed
// freely between showings; a main menu (a form's menu bar) lives as long as
// its form shows it and is made again when told that its items changed.
// Items may be drawn by the program (owner drawing): their handlers then
// measure and paint them through the owner window's WM_MEASUREITEM and
// WM_DRAWITEM, which every window of the framework routes here.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"

namespace taramel {

class TBitmap;
class TCustomForm;
class TMenu;

// The item's size in the font of the menu (selected into the DC); the
// handler changes width and height.
using TMenuMeasureItemEvent = std::function<void(class TMenuItem* item, HDC dc, int& width, int& height)>;
// Paints the item into the rectangle of the DC (the menu window's); state is
// the system's ODS_ bits.
using TMenuAdvancedDrawItemEvent = std::function<void(class TMenuItem* item, HDC dc, const RECT& rect, UINT state)>;
// The item was chosen.
using TMenuClickEvent = std::function<void(class TMenuItem* item)>;

class TMenuItem {
public:
    TMenuItem() = default;
    ~TMenuItem();
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    std::string Name;
    std::string Caption;       // "-" makes a divider
    std::string ShortCutText;  // shown right-aligned after the caption
    unsigned Command = 0;      // what the item stands for; Popup returns the item
    int Tag = 0;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool RadioItem = false;
    bool Break = false;    // starts a new column
    bool Default = false;  // drawn bold
    const TBitmap* Bitmap = nullptr;  // the item's own glyph, not owned

    TMenuMeasureItemEvent OnMeasureItem;
    TMenuAdvancedDrawItemEvent OnAdvancedDrawItem;
    TMenuClickEvent OnClick;
    // Who set the handlers above (null: the program itself), so that a
    // painter that set them removes only its own.
    const void* HandlersOwner = nullptr;

    TMenuItem* Add(std::unique_ptr<TMenuItem> item);
    TMenuItem* Add(const std::string& caption, unsigned command = 0);
    void Clear() { items_.clear(); }
    // Takes the item at `index` out (it is no longer a sub-item).
    std::unique_ptr<TMenuItem> Take(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    TMenuItem* Parent() const { return parent_; }
    // The menu the item belongs to (through its parents).
    TMenu* Menu() const;
    // Whether the item stands in the top row of a main menu (the menu bar).
    bool InMenuBar() const;
    // The first and last visible items of this item's sub-items.
    TMenuItem* FirstVisible() const;
    TMenuItem* LastVisible() const;
    // The visible sibling after this one, or null.
    TMenuItem* NextVisible() const;
    bool IsLine() const { return Caption == "-"; }

    // Which showing of its menu the item was last handed to the system in
    // (0: never); painters key what they keep for a showing on it.
    std::uint64_t ShownSerial() const { return shownSerial_; }

    // The item a WM_MEASUREITEM or WM_DRAWITEM names, when it is a live item
    // of a shown menu; null for data that is not ours.
    static TMenuItem* FromItemData(ULONG_PTR data);

private:
    friend class TMenu;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item
    std::vector<std::unique_ptr<TMenuItem>> items_;
    std::uint64_t shownSerial_ = 0;
};

// What popup menus and main menus share: the items and how they are drawn.
class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    TMenuItem Items;
    // Items are drawn by their handlers rather than by the system.
    bool OwnerDraw = false;
    // The system menu while it exists, else null.
    HMENU Handle() const { return handle_; }

protected:
    // Makes the system menu of `parent`'s visible items (a menu bar when
    // `bar`), registering them as live under a new showing serial; the
    // items' identifiers are their positions in `chosen` + 1.
    HMENU Build(bool bar);
    // Destroys the system menu and forgets its items.
    void Destroy();
    // The item an identifier of the last Build names, or null.
    TMenuItem* ItemOfCommand(UINT id) const;

    HMENU handle_ = nullptr;

private:
    static HMENU BuildLevel(HMENU menu, TMenuItem& parent, bool ownerDraw, std::uint64_t serial,
                            std::vector<TMenuItem*>& chosen);
    std::vector<TMenuItem*> chosen_;
};

class TPopupMenu : public TMenu {
public:
    using TMenu::TMenu;
    std::string ClassName() const override { return "TPopupMenu"; }

    // No opening animation of the system (set while a skin draws the menu).
    bool NoAnimation = false;

    // Shows the menu at the screen point for `owner` (which gets the
    // measuring and drawing messages) and waits for the choice: the chosen
    // item (whose OnClick has run), or null when the menu was dismissed.
    // Extra TPM_ flags may be given (alignment, TPM_RIGHTBUTTON).
    TMenuItem* Popup(int x, int y, HWND owner, UINT flags = 0);
};

// A form's menu bar. The form attaches it to its window; after items are
// added, removed, shown, hidden or renamed the program calls Changed. Enabled
// and checked states are read again whenever a popup of it opens.
class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
    ~TMainMenu() override;
    std::string ClassName() const override { return "TMainMenu"; }

    // Shows the bar on `window` (null takes it off the window it is on).
    void Attach(HWND window);
    HWND Window() const { return window_; }
    // Makes the bar again from the items and tells the window
    // (CM_MENUCHANGED), which measures and draws it anew.
    void Changed();
    // A WM_COMMAND of the bar: runs the chosen item's OnClick. False when
    // the identifier is not one of this bar's.
    bool Command(UINT id);
    // WM_INITMENUPOPUP: the popup's items take their items' enabled and
    // checked states.
    void RefreshPopup(HMENU popup) const;

private:
    friend class TCustomForm;
    // The window is being destroyed, and the bar with it.
    void WindowDestroyed();
    HWND window_ = nullptr;
    TCustomForm* form_ = nullptr;  // the form that shows the bar
};

// A window procedure's part for menus drawn by the program: answers
// WM_MEASUREITEM and WM_DRAWITEM of our items through their handlers, and
// WM_MENUCHAR with the item whose caption underlines the letter. False when
// the message is not about one of our owner-drawn items.
bool DispatchMenuItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The system's menu font (from the non-client metrics); the caller deletes
// it. Null when the metrics cannot be read.
HFONT CreateMenuFont();

}  // namespace taramel
