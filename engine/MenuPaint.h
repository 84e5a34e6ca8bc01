// The pixel work of the skinned popup menus, apart from text: a popup's
// background (the menu section, the glyph column, the skin's border and the
// extra line's strip, with the border's see-through corners collected for
// the window's shape), and an item's face over it (the item section hot or
// not, the check mark, the divider line, the washed-out look of a disabled
// item). The menu painter adds the texts and symbols with the system's fonts.
#pragma once

#include <string_view>

#include "engine/MenuLayout.h"
#include "paint/Masks.h"
#include "render/Bitmap.h"
#include "skin/SkinTables.h"

namespace taramel {

// Paints the whole (already sized) bitmap as the popup's background and
// appends the rectangles to leave out of the window to `cut`. The layout is
// returned for the extra line's glyph and caption. A section the skin lacks
// leaves its part unpainted.
MenuBackgroundLayout PaintMenuBackground(const TSkinTables& t, const MenuBackgroundMetrics& m,
                                         std::string_view icoLineSection, std::string_view extraLineSection,
                                         TBitmap& bitmap, TAOR& cut);

// What an item's face shows.
struct MenuItemFace {
    bool Enabled = true;
    bool Selected = false;
    bool Checked = false;
    bool Radio = false;
    bool HasGlyph = false;  // the item's own glyph replaces the check mark
    int Margin = 2;
};

// The item bitmap, which lies at `at` of the popup's background: the
// background under it, the "MENUITEM" section (hot when enabled and
// selected) and, for a checked item without a glyph, the check image of
// "GLOBALINFO" (a radio item's "RADIOCHECKED", else "CHECK", else
// "BOXCHECKED") at the margin, centred vertically. False when a check mark
// was due but the skin has none, for the caller's built-in mark.
bool PaintMenuItemFace(const TSkinTables& t, TBitmap& item, const TBitmap& background, TPoint at,
                       const MenuItemFace& face);

// A divider item: the background and the line of "DIVIDERV"'s border image
// over `line` (item coordinates). False when the skin has no such image, for
// the caller's plain line.
bool PaintMenuDivider(const TSkinTables& t, TBitmap& item, const TBitmap& background, TPoint at, const TRect& line);

// The menu line's section (a form's menu bar; "MENULINE" unless the frame
// names another) over `r` of the bitmap, with what the bitmap shows there
// under its see-through parts. Nothing when the skin lacks the section.
void PaintMenuLine(const TSkinTables& t, TBitmap& bitmap, const TRect& r, std::string_view section = "MENULINE");

// A disabled item washed toward the background under it.
void FadeDisabledMenuItem(TBitmap& item, const TBitmap& background, TPoint at);

}  // namespace taramel
