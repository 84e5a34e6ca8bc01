// TsSkinableMenus: the skin manager's painter of menus. While a skin is
// active it makes the program's popup menus and menu bars owner-drawn,
// measures their items by the menu rules, paints each popup's background
// once (the menu section, the glyph column, the skin's border, the extra
// line), paints the items over it, gives the popup window the border's
// shape, and paints the items of a menu bar over the frame that shows it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/MenuLayout.h"
#include "framework/Menus.h"
#include "paint/Masks.h"

namespace taramel {

class TsSkinManager;

using TsMenuDrawItemEvent =
    std::function<void(TMenuItem* item, HDC dc, const RECT& rect, UINT state, TsMenuItemType kind)>;

class TsSkinableMenus {
public:
    explicit TsSkinableMenus(TsSkinManager& manager);
    ~TsSkinableMenus();
    TsSkinableMenus(const TsSkinableMenus&) = delete;
    TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;

    TMenuTextAlign Alignment = mtaLeft;
    int BevelWidth = 0;  // kept with the settings; drawing does not use it
    int BorderWidth = 3;
    int Margin = 2;
    int Spacing = 6;
    // The skin's menu border width, -1 until it is measured again.
    int SkinBorderWidth = -1;
    // Called after an item is painted, with the item's bitmap DC.
    TsMenuDrawItemEvent OnDrawItem;

    bool Active() const { return active_; }
    // Switches every popup menu of the application (found through the
    // components it owns) to this painter or back.
    void Activate(bool active);
    // The same for one menu: owner-drawn with this painter's handlers when
    // `on`, back to the system's drawing otherwise.
    void HookPopupMenu(TPopupMenu& menu, bool on);
    // A form's menu bar: its top row gets the menu-bar handlers (whatever
    // it had) and its popups the item handlers when `on` and the skin is
    // ready; a bar the painter may not draw (skinned popups switched off) is
    // left alone. The bar is made again when anything changed.
    void HookMainMenu(TMainMenu& menu, bool on);
    // Gives or takes this painter's handlers to one item and its sub-items;
    // handlers the program set itself are left alone.
    void SetItemHandlers(TMenuItem& item, bool on);
    // A new skin: the border width is measured again and every kept popup
    // picture goes.
    void SkinChanged();

    int MeasuredSkinBorderWidth();
    std::size_t CachedBackgrounds() const { return cache_.size(); }

    // The handlers, public for the menu items' events.
    void MeasureItem(TMenuItem& item, HDC dc, int& width, int& height);
    void DrawItem(TMenuItem& item, HDC dc, const RECT& rect, UINT state);
    // A menu-bar item: the system's menu-bar height less one, as wide as its
    // caption (and its glyph with 6 pixels).
    void MeasureMenuBarItem(TMenuItem& item, HDC dc, int& width, int& height);
    // A menu-bar item drawn where no frame keeps the picture under it: over
    // the menu line's section.
    void DrawMenuBarItem(TMenuItem& item, HDC dc, const RECT& rect, UINT state);
    // A menu-bar item into `bitmap` (the item's size), over `under` at `at`
    // (the frame's picture): the item section, hot when enabled and selected
    // or hot-lit, its glyph 3 pixels in from the left (right when right to
    // left), the caption centred in the menu line's text colours in the
    // font of `fontDC` (bold for the default item), the program's
    // OnDrawItem, and a disabled item washed toward the frame.
    void PaintMenuBarItem(TMenuItem& item, TBitmap& bitmap, const TBitmap& under, TPoint at, UINT state, HDC fontDC);

    // A popup window answered: the picture kept for it goes.
    void PopupWindowGone(HWND window);

private:
    struct PopupBackground {
        const TMenuItem* FirstItem = nullptr;
        std::uint64_t Serial = 0;
        HWND Window = nullptr;
        std::unique_ptr<TBitmap> Bitmap;
        MenuExtraLine ExtraLine;
        int GlyphColumn = 0;
        TAOR Cut;
    };

    MenuSettings Settings() const;
    MenuExtraLine ExtraLineOf(const TMenuItem& parent) const;
    TSize GlyphSize(const TMenuItem& item) const;
    TSize MeasureOne(const TMenuItem& item, HDC dc, const MenuExtraLine& extra);
    PopupBackground* FindBackground(const TMenuItem& parent, HWND window, HDC dc);
    std::unique_ptr<TBitmap> BuildBackground(TSize size, const MenuExtraLine& extra, int glyphColumn, TAOR& cut);
    void DrawExtraLine(TBitmap& bitmap, const MenuBackgroundLayout& layout, const MenuExtraLine& extra);
    void ShapePopupWindow(PopupBackground& entry);
    void CopyBorderStrips(const PopupBackground& entry, const TMenuItem& item, const RECT& itemInWindow);
    void PaintDivider(TBitmap& bitmap, const TRect& inBackground, const PopupBackground& entry);
    void PaintHeader(TBitmap& bitmap, const TMenuItem& item, const TRect& inBackground, const PopupBackground& entry,
                     HDC dc);
    void PaintNormal(TBitmap& bitmap, TMenuItem& item, const TRect& inBackground, const PopupBackground& entry,
                     UINT state, HDC dc);
    void DrawPlain(TMenuItem& item, HDC dc, const RECT& rect, UINT state);

    TsSkinManager& manager_;
    bool active_ = false;
    bool shaping_ = false;  // the border is being given to a window
    std::vector<std::unique_ptr<PopupBackground>> cache_;
};

}  // namespace taramel
