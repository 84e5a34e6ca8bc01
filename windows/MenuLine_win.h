// The menu line of a skinned form: the rows under the title where the
// system keeps the form's menu bar. The frame paints the line's section
// there and the bar's items over it; a copy of the painted line stays, so
// that the item the system selects or lets go while it tracks the bar is
// drawn over the same picture.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "base/Geometry.h"

namespace taramel {

class TBitmap;
class TMainMenu;
class TsSkinableMenus;
struct TSkinTables;

class TacMenuLine {
public:
    // What the system reserves for the menu bar of `window`, in window
    // coordinates: across the bar, from where the style's frame would end
    // without a menu down to the client area; empty when the window shows no
    // menu bar of `menu`.
    static TRect BarOf(HWND window, const TMainMenu* menu);

    // Paints the line into `frame` at `line` (frame coordinates, where the
    // window's bar at `bar` is shown): the section (`section`, "MENULINE"
    // when empty), then every item of the bar at the place the system gives
    // it, in its state. The line without items is kept.
    void Paint(HWND window, TMainMenu& menu, TsSkinableMenus& painter, const TSkinTables& tables, TBitmap& frame,
               const TRect& line, const TRect& bar, const std::string& section);
    // A WM_DRAWITEM of the window: an item of the bar is drawn over the kept
    // line and true returned; false for anything else (or before the line
    // was painted).
    bool DrawItem(HWND window, TMainMenu& menu, TsSkinableMenus& painter, const DRAWITEMSTRUCT& item);
    // The kept line goes (a new skin, a hidden form).
    void Drop();

private:
    std::unique_ptr<TBitmap> line_;  // the painted section, without items
    TRect bar_;                      // where it lies, in window coordinates
};

}  // namespace taramel
