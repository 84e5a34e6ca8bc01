// The portable rules of the skinned popup menus: what kind of item a caption
// makes, the texts that are measured and drawn, the size of every item and
// of the whole popup, the width of the skin's menu border, the extra line
// down the popup's left side, and where the background's strips, the
// divider and the border copies lie. Text is measured by the caller, whose
// results come in as numbers; measuring and painting both take their sizes
// from here, so what is painted fits what was measured.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "engine/SkinManagerCore.h"
#include "render/Bitmap.h"
#include "skin/SkinTables.h"

namespace taramel {

// The kinds of item the painter tells the program about.
enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

// A caption of exactly "-" is a divider, one longer that begins and ends
// with "-" a header, anything else a normal item; every item of a main
// menu's top row is a menu-bar item whatever its caption.
TsMenuItemType MenuItemKind(std::string_view caption, bool topRow = false);

// What a header shows: the first run of text between "-" marks ("-Options-"
// shows "Options", "-Save as-" shows "Save as", "--" shows nothing).
std::string MenuHeaderText(std::string_view caption);

// A caption as it reads without accelerator marks: a single "&" goes, "&&"
// stands for one literal "&".
std::string StripAccelerators(std::string_view caption);

// How captions stand in their item.
enum TMenuTextAlign { mtaLeft, mtaRight, mtaCenter };

// The menu painter's settings.
struct MenuSettings {
    TMenuTextAlign Alignment = mtaLeft;
    int BorderWidth = 3;  // the popup border strips repainted around the items
    int Margin = 2;       // space around glyphs and texts
    int Spacing = 6;      // space between the glyph column and the text
};

// The line height of a menu text: 1.25 times the height of "W", to the
// nearest integer, a half going to the even neighbour. 0 for a negative
// height.
int MenuLineHeight(int textHeightW);

// The text whose width an item is measured by: a header's caption between
// "-" marks, a normal item's caption with a tab and its shortcut text when
// it has one, a divider's caption as it is.
std::string MenuMeasureText(TsMenuItemType kind, std::string_view caption, std::string_view shortcut);

// What an item's size is made of. TextWidth is the width of MenuMeasureText
// in one line with tabs expanded, TextHeightW the height of "W", both in the
// item's font (bold for the default item).
struct MenuItemMetrics {
    TsMenuItemType Kind = smNormal;
    int TextWidth = 0;
    int TextHeightW = 0;
    TSize Glyph{16, 16};
    // The extra line's width when the popup shows it, else 0; it widens only
    // the items of the first column.
    int ExtraLineWidth = 0;
    bool AfterBreak = false;  // the item stands in a column after a break
};

// A menu-bar item: the system's menu-bar height less one, as wide as its
// caption without accelerator marks, plus its glyph and 6 pixels when it has
// one (glyphWidth 0: none). Never negative.
TSize MeasureMenuBarItemSize(int captionWidth, int systemMenuHeight, int glyphWidth);

// Where a menu-bar item shows its glyph (3 pixels in from the left, from
// the right when right to left, centred vertically; empty without one) and
// the band its caption is centred in (the rest of the item past the glyph
// and 6 pixels).
struct TMenuBarItemPlaces {
    TRect Glyph;
    TRect Caption;
};
TMenuBarItemPlaces MenuBarItemPlaces(TSize item, TSize glyph, bool rightToLeft);

// Divider 2 high; header one text line and a margin above and below; a
// normal item as high as its text line or its glyph, with the same margins.
// Every kind is as wide as its text, two glyphs, three margins and the
// spacing, plus the extra line in the first column. Never negative.
// Menu-bar items are sized by the frame that draws them, not here.
TSize MeasureMenuItem(const MenuSettings& s, const MenuItemMetrics& m);

// An item of a popup as the popup's size sees it.
struct MenuPopupEntry {
    TSize Size;
    bool Visible = true;
    bool Break = false;  // starts a new column
};

// The column each entry stands in: a visible entry with Break starts a new
// one, except before any visible entry, where there is no column yet to end.
// A hidden entry counts to the column it lies in.
std::vector<int> MenuColumns(const std::vector<MenuPopupEntry>& entries);

// The popup's size: every column as wide as its widest visible item plus 12,
// 4 more between two columns, as high as its tallest column. 0 x 0 with no
// visible item.
TSize MeasureMenuPopup(const std::vector<MenuPopupEntry>& entries);

// The skin's menu border image: "BORDERSMASK" of "MAINMENU", inherited from
// its parent sections when it has none of its own. -1 for none. The border
// width and the border drawing both take this one, so the glyph column and
// the extra line start where the drawn border ends.
int MenuBorderImage(const TSkinTables& t);
// That image's BorderWidth, 3 when it gives 0 or less, 0 without the image.
int MenuSkinBorderWidth(const TSkinTables& t);

// Where an item's glyph size comes from, the first that is given winning:
// its own bitmap, the image list of its parent's sub-menu, the menu's image
// list; 16 x 16 otherwise.
struct MenuGlyphSources {
    bool HasBitmap = false;
    TSize Bitmap;
    bool HasSubMenuImages = false;
    TSize SubMenuImages;
    bool HasMenuImages = false;
    TSize MenuImages;
};
TSize ChooseMenuGlyphSize(const MenuGlyphSources& g);

// The glyph column: a margin, the glyph and the spacing.
int MenuGlyphColumnWidth(const MenuSettings& s, int glyphWidth);

// The section of the glyph column strip: the manager's choice, "ICOLINE"
// when it names none.
std::string MenuIcoLineSection(const TacMenuSupport& support);

// What the program says about a popup's extra line.
struct MenuExtraLineData {
    std::string SkinSection = "EXTRALINE";
    std::string Caption = "Use OnGetExtraLineData event";
    const TBitmap* Glyph = nullptr;  // the program's, not owned
    bool LineVisible = true;
};
// The program's handler, given the popup's first item (its name here).
using MenuExtraLineHandler = std::function<void(std::string_view firstItemName, MenuExtraLineData& data)>;

struct MenuExtraLine {
    MenuExtraLineData Data;
    bool Shown = false;
    int Width = 0;  // ExtraLineWidth when shown, else 0
};

// The extra line of a popup: the defaults, then the program's handler when
// there is one (a handler that throws leaves the defaults), then the caption
// without accelerator marks and no glyph on a line that is not visible. It
// is shown when the manager uses extra lines and the line is visible, never
// on the skin selection menu (first item "SkinSelectItem"), whose handler
// is not asked.
MenuExtraLine ResolveMenuExtraLine(const TacMenuSupport& support, std::string_view firstItemName,
                                   const MenuExtraLineHandler& handler);

// What a popup's background is laid out from.
struct MenuBackgroundMetrics {
    TSize Size;                // the popup window
    int SkinBorderWidth = 0;
    int GlyphColumnWidth = 0;  // MenuGlyphColumnWidth
    int ExtraLineWidth = 0;    // 0 when the extra line is not shown
    bool HasExtraGlyph = false;
    TSize ExtraGlyph;
    int ExtraCaptionHeight = 0;  // the extra line font's height
};

struct MenuBackgroundLayout {
    TRect GlyphColumn;   // painted with the ico line section
    TRect ExtraLine;     // empty without the extra line
    TRect ExtraGlyph;    // empty without a glyph
    // The upward caption's band: it starts at the bottom-left corner (the
    // turned font's origin) and runs toward the top, centred across the
    // strip.
    TRect ExtraCaption;
};

// The glyph column and the extra line lie inside the skin's border, the
// extra line at the left and the glyph column beside it, both as high as the
// popup less the border at top and bottom. The extra line's glyph is
// centred across the strip with its bottom 12 pixels above the strip's
// bottom; the caption starts 12 pixels above the bottom, or the glyph's
// height and 20 above it with a glyph. No size is negative.
MenuBackgroundLayout LayoutMenuBackground(const MenuBackgroundMetrics& m);

// The size of a popup's background when its window is not known: the
// measured popup and the border on every side.
TSize MenuBackgroundSize(const MenuSettings& s, TSize popup);

// Where a divider's line is drawn in its item rectangle: right of the extra
// line and the glyph column, a margin short of the right edge.
TRect MenuDividerRect(const MenuSettings& s, const TRect& item, int extraLineWidth, int glyphColumnWidth);

// The parts of the popup window's border that are copied from the
// background when an item is drawn (item in window coordinates): above the
// first visible item, below the last, and beside every item the left strip
// (the extra line and the wider of the two borders) and the right one.
// Strips that do not apply are empty; none is negative.
struct MenuBorderStrips {
    TRect Top, Bottom, Left, Right;
};
MenuBorderStrips MenuItemBorderStrips(const MenuSettings& s, TSize window, const TRect& item, bool firstVisible,
                                      bool lastVisible, int extraLineWidth, int skinBorderWidth);

// The Webdings symbol that stands for a window-menu command in
// the menu named "SysMenu" when its item has no glyph: minimise "0",
// maximise "1", close "r", restore "2". 0 for every other item.
char MenuSystemSymbol(std::string_view menuName, unsigned command);

// A caption as it is drawn: one that begins with a backspace loses it, gets
// six blanks at its end and stands right; otherwise it stands as the
// settings say, right in a right-to-left menu.
struct MenuCaptionText {
    std::string Text;
    TMenuTextAlign Align = mtaLeft;
};
MenuCaptionText MenuCaptionForDrawing(std::string_view caption, TMenuTextAlign alignment, bool rightToLeft);

}  // namespace taramel
