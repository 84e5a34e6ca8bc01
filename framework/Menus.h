// Popup menus of the framework: a tree of items that is turned into a
// system menu only while it is shown, so that items can be changed freely
// between showings. Items may be drawn by the program (owner drawing): their
// handlers then measure and paint them through the owner window's
// WM_MEASUREITEM and WM_DRAWITEM, which every window of the framework routes
// here.
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
class TPopupMenu;

// The item's size in the font of the menu (selected into the DC); the
// handler changes width and height.
using TMenuMeasureItemEvent = std::function<void(class TMenuItem* item, HDC dc, int& width, int& height)>;
// Paints the item into the rectangle of the DC (the menu window's); state is
// the system's ODS_ bits.
using TMenuAdvancedDrawItemEvent = std::function<void(class TMenuItem* item, HDC dc, const RECT& rect, UINT state)>;

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
    // The popup menu the item belongs to (through its parents).
    TPopupMenu* Menu() const;
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
    friend class TPopupMenu;
    TMenuItem* parent_ = nullptr;
    TPopupMenu* menu_ = nullptr;  // set on the root item
    std::vector<std::unique_ptr<TMenuItem>> items_;
    std::uint64_t shownSerial_ = 0;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    std::string ClassName() const override { return "TPopupMenu"; }

    TMenuItem Items;
    // Items are drawn by their handlers rather than by the system.
    bool OwnerDraw = false;
    // No opening animation of the system (set while a skin draws the menu).
    bool NoAnimation = false;

    // Shows the menu at the screen point for `owner` (which gets the
    // measuring and drawing messages) and waits for the choice: the chosen
    // item, or null when the menu was dismissed. Extra TPM_ flags may be
    // given (alignment, TPM_RIGHTBUTTON).
    TMenuItem* Popup(int x, int y, HWND owner, UINT flags = 0);
    // The system menu while it is shown, else null.
    HMENU Handle() const { return handle_; }

private:
    static HMENU BuildMenu(TMenuItem& parent, bool ownerDraw, std::uint64_t serial, std::vector<TMenuItem*>& chosen);
    HMENU handle_ = nullptr;
};

// A window procedure's part for menus drawn by the program: answers
// WM_MEASUREITEM and WM_DRAWITEM of our items through their handlers, and
// WM_MENUCHAR with the item whose caption underlines the letter. False when
// the message is not about one of our owner-drawn items.
bool DispatchMenuItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace taramel
