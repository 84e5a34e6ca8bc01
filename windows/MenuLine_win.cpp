#include "windows/MenuLine_win.h"

#include "engine/ControlPaint_win.h"
#include "engine/MenuPaint.h"
#include "engine/SkinableMenus_win.h"
#include "framework/Menus.h"
#include "paint/GdiObjects_win.h"
#include "render/Bitmap.h"
#include "render/BitmapCopy.h"

namespace taramel {

namespace {

TPoint WindowOrigin(HWND window)
{
    RECT wr;
    GetWindowRect(window, &wr);
    return {wr.left, wr.top};
}

// The bar item of a system menu position, with its state as an owner-draw
// state, when it is one of the menu's top row.
TMenuItem* BarItemAt(HMENU bar, int position, UINT& state)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_STATE;
    if (!GetMenuItemInfoW(bar, static_cast<UINT>(position), TRUE, &info))
        return nullptr;
    TMenuItem* item = TMenuItem::FromItemData(info.dwItemData);
    if (item == nullptr || !item->InMenuBar())
        return nullptr;
    state = 0;
    if (info.fState & MFS_GRAYED)
        state |= ODS_GRAYED | ODS_DISABLED;
    if (info.fState & MFS_HILITE)
        state |= ODS_SELECTED;
    if (info.fState & MFS_DEFAULT)
        state |= ODS_DEFAULT;
    return item;
}

// A memory DC with the system's menu font, in the window's direction.
class MenuFontDC {
public:
    explicit MenuFontDC(HWND window) : dc_(CreateCompatibleDC(nullptr)), font_(CreateMenuFont())
    {
        if (dc_ == nullptr)
            return;
        if (font_.Get() != nullptr)
            old_ = SelectObject(dc_, font_.Get());
        if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL)
            SetLayout(dc_, LAYOUT_RTL);
    }
    ~MenuFontDC()
    {
        if (old_ != nullptr)
            SelectObject(dc_, old_);
        if (dc_ != nullptr)
            DeleteDC(dc_);
    }
    MenuFontDC(const MenuFontDC&) = delete;
    MenuFontDC& operator=(const MenuFontDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    OwnedGdi<HFONT> font_;
    HGDIOBJ old_ = nullptr;
};

}  // namespace

TRect TacMenuLine::BarOf(HWND window, const TMainMenu* menu)
{
    if (menu == nullptr || menu->Handle() == nullptr || GetMenu(window) != menu->Handle() || IsIconic(window))
        return {};
    MENUBARINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMenuBarInfo(window, OBJID_MENU, 0, &info))
        return {};
    const TPoint origin = WindowOrigin(window);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    // Everything the system reserves beyond the frame the style gives
    // without a menu is the bar's: its rows and the lines around them.
    RECT plain{0, 0, 0, 0};
    AdjustWindowRectEx(&plain, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    const TRect bar{info.rcBar.left - origin.X, -plain.top, info.rcBar.right - origin.X, client.y - origin.Y};
    return bar.Empty() ? TRect{} : bar;
}

void TacMenuLine::Paint(HWND window, TMainMenu& menu, TsSkinableMenus& painter, const TSkinTables& tables,
                        TBitmap& frame, const TRect& line, const TRect& bar, const std::string& section)
{
    line_.reset();
    const TRect area = Intersect(line, {0, 0, frame.Width(), frame.Height()});
    if (area.Empty() || area.Width() != bar.Width() || area.Height() != bar.Height())
        return;
    PaintMenuLine(tables, frame, area, section.empty() ? std::string("MENULINE") : section);
    line_ = std::make_unique<TBitmap>(area.Width(), area.Height(), TPixelFormat::pf24bit);
    CopyBitmapRect(*line_, 0, 0, frame, area);
    bar_ = bar;
    HMENU handle = menu.Handle();
    const int count = handle != nullptr ? GetMenuItemCount(handle) : 0;
    const TPoint origin = WindowOrigin(window);
    MenuFontDC font(window);
    const bool hideAccelerators = (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
    for (int i = 0; i < count; ++i) {
        UINT state = 0;
        TMenuItem* item = BarItemAt(handle, i, state);
        RECT r;
        if (item == nullptr || !GetMenuItemRect(window, handle, static_cast<UINT>(i), &r))
            continue;
        if (hideAccelerators)
            state |= ODS_NOACCEL;
        // The system's place of the item, in the line.
        const TRect inLine = Moved({r.left, r.top, r.right, r.bottom}, -origin.X - bar.Left, -origin.Y - bar.Top);
        if (inLine.Empty())
            continue;
        TBitmap bitmap(inLine.Width(), inLine.Height(), TPixelFormat::pf24bit);
        painter.PaintMenuBarItem(*item, bitmap, *line_, {inLine.Left, inLine.Top}, state, font.Get());
        CopyBitmapRect(frame, area.Left + inLine.Left, area.Top + inLine.Top, bitmap,
                       {0, 0, bitmap.Width(), bitmap.Height()});
    }
}

bool TacMenuLine::DrawItem(HWND window, TMainMenu& menu, TsSkinableMenus& painter, const DRAWITEMSTRUCT& d)
{
    if (d.CtlType != ODT_MENU || reinterpret_cast<HMENU>(d.hwndItem) != menu.Handle() || !line_)
        return false;
    TMenuItem* item = TMenuItem::FromItemData(d.itemData);
    if (item == nullptr || !item->InMenuBar())
        return false;
    // The item's rectangle is given in the window's coordinates.
    const TRect r{d.rcItem.left, d.rcItem.top, d.rcItem.right, d.rcItem.bottom};
    if (r.Empty())
        return true;
    TBitmap bitmap(r.Width(), r.Height(), TPixelFormat::pf24bit);
    MenuFontDC font(window);
    painter.PaintMenuBarItem(*item, bitmap, *line_, {r.Left - bar_.Left, r.Top - bar_.Top}, d.itemState, font.Get());
    CopyBitmapToDC(bitmap, d.hDC, d.rcItem, 0, 0);
    return true;
}

void TacMenuLine::Drop()
{
    line_.reset();
}

}  // namespace taramel
