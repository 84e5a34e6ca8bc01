#include "engine/MenuLayout.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "engine/SystemMenuRules.h"
#include "skin/SkinLookups.h"

namespace taramel {

namespace {

// Sizes come from the program and the skin as any int; sums of a few of
// them are taken in 64 bits and brought back into the int range, so that no
// input overflows.
int Clamp(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

int NonNegative(std::int64_t v) { return Clamp(std::max<std::int64_t>(v, 0)); }

// A rectangle from its left-top corner and its size, a negative size taken
// as 0 and the far edges kept in the int range.
TRect Sized(int left, int top, std::int64_t width, std::int64_t height)
{
    return {left, top, Clamp(left + std::max<std::int64_t>(width, 0)), Clamp(top + std::max<std::int64_t>(height, 0))};
}

// A rectangle whose right and bottom edges are at least its left and top.
TRect Ordered(int left, int top, int right, int bottom)
{
    return {left, top, std::max(left, right), std::max(top, bottom)};
}

// Margin and space between two columns, and the text of the skin selection
// menu's first item.
constexpr int kColumnMargin = 12;
// A menu-bar item's glyph: its distance from the item's edge, and the room it
// takes with the space after it.
constexpr int kMenuBarGlyphInset = 3;
constexpr int kMenuBarGlyphGap = 6;
constexpr int kColumnGap = 4;
constexpr std::string_view kSkinSelectItem = "SkinSelectItem";
// Where the extra line's glyph and caption stand above the strip's bottom.
constexpr int kExtraBottomSpace = 12;
constexpr int kExtraCaptionAboveGlyph = 20;
// The blanks that keep a backspace caption off the item's right edge.
constexpr std::string_view kBackspacePadding = "      ";

}  // namespace

TsMenuItemType MenuItemKind(std::string_view caption, bool topRow)
{
    if (topRow)
        return smTopLine;
    if (caption == "-")
        return smDivider;
    if (caption.size() > 1 && caption.front() == '-' && caption.back() == '-')
        return smCaption;
    return smNormal;
}

std::string MenuHeaderText(std::string_view caption)
{
    const std::size_t start = caption.find_first_not_of('-');
    if (start == std::string_view::npos)
        return {};
    const std::size_t end = caption.find('-', start);
    return std::string(caption.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string StripAccelerators(std::string_view caption)
{
    std::string text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            text += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            text += '&';
            ++i;
        }
    }
    return text;
}

// 1.25 h is 5h / 4: q = floor(5h / 4) and the remainder r = 5h - 4q in 0..3
// say how far above q the value lies in quarters. Below a half (r < 2) it
// stays q, above (r > 2) it becomes q + 1, at a half exactly it goes to the
// even one of the two. 5h of any int fits in 64 bits; so does the result.
int MenuLineHeight(int textHeightW)
{
    if (textHeightW <= 0)
        return 0;
    const std::int64_t n = 5 * static_cast<std::int64_t>(textHeightW);
    std::int64_t q = n / 4;
    const std::int64_t r = n % 4;
    if (r > 2 || (r == 2 && q % 2 != 0))
        ++q;
    return Clamp(q);
}

std::string MenuMeasureText(TsMenuItemType kind, std::string_view caption, std::string_view shortcut)
{
    std::string text;
    if (kind == smCaption) {
        text = "-";
        text += caption;
        text += '-';
    } else {
        text = caption;
        if (kind == smNormal && !shortcut.empty()) {
            text += '\t';
            text += shortcut;
        }
    }
    return text;
}

TSize MeasureMenuBarItemSize(int captionWidth, int systemMenuHeight, int glyphWidth)
{
    std::int64_t width = std::max(captionWidth, 0);
    if (glyphWidth > 0)
        width += std::int64_t{glyphWidth} + kMenuBarGlyphGap;
    return {NonNegative(width), NonNegative(std::int64_t{systemMenuHeight} - 1)};
}

TMenuBarItemPlaces MenuBarItemPlaces(TSize item, TSize glyph, bool rightToLeft)
{
    TMenuBarItemPlaces p;
    const int w = std::max(item.cx, 0), h = std::max(item.cy, 0);
    p.Caption = {0, 0, w, h};
    if (glyph.cx <= 0 || glyph.cy <= 0)
        return p;
    const int top = (h - glyph.cy) / 2;
    const int left = rightToLeft ? w - kMenuBarGlyphInset - glyph.cx : kMenuBarGlyphInset;
    p.Glyph = {left, top, left + glyph.cx, top + glyph.cy};
    const int used = static_cast<int>(std::min<std::int64_t>(w, std::int64_t{glyph.cx} + kMenuBarGlyphGap));
    p.Caption = rightToLeft ? TRect{0, 0, w - used, h} : TRect{used, 0, w, h};
    return p;
}

TSize MeasureMenuItem(const MenuSettings& s, const MenuItemMetrics& m)
{
    const std::int64_t margins = 2 * static_cast<std::int64_t>(s.Margin);
    std::int64_t height = 0;
    switch (m.Kind) {
    case smDivider: height = 2; break;
    case smCaption: height = MenuLineHeight(m.TextHeightW) + margins; break;
    default: height = std::max(MenuLineHeight(m.TextHeightW), std::max(m.Glyph.cy, 0)) + margins; break;
    }
    const std::int64_t glyphs = 2 * std::int64_t{std::max(m.Glyph.cx, 0)};
    std::int64_t width = std::int64_t{std::max(m.TextWidth, 0)} + glyphs + 3 * std::int64_t{s.Margin} + s.Spacing;
    if (!m.AfterBreak)
        width += std::max(m.ExtraLineWidth, 0);
    return {NonNegative(width), NonNegative(height)};
}

std::vector<int> MenuColumns(const std::vector<MenuPopupEntry>& entries)
{
    std::vector<int> columns(entries.size(), 0);
    int column = 0;
    bool anyVisible = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].Visible) {
            if (entries[i].Break && anyVisible)
                ++column;
            anyVisible = true;
        }
        columns[i] = column;
    }
    return columns;
}

TSize MeasureMenuPopup(const std::vector<MenuPopupEntry>& entries)
{
    const std::vector<int> columns = MenuColumns(entries);
    // Per column its widest item and its height; a column exists only once a
    // visible item stands in it.
    std::vector<std::int64_t> widths, heights;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].Visible)
            continue;
        const std::size_t c = static_cast<std::size_t>(columns[i]);
        if (c >= widths.size()) {
            widths.resize(c + 1, 0);
            heights.resize(c + 1, 0);
        }
        widths[c] = std::max<std::int64_t>(widths[c], std::max(entries[i].Size.cx, 0));
        // Kept within the int range at every step so that no count of items
        // can overflow the sum.
        heights[c] = std::min<std::int64_t>(heights[c] + std::max(entries[i].Size.cy, 0), INT_MAX);
    }
    if (widths.empty())
        return {0, 0};
    std::int64_t width = 0, height = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        width = std::min<std::int64_t>(width + widths[c] + kColumnMargin + (c > 0 ? kColumnGap : 0), INT_MAX);
        height = std::max(height, heights[c]);
    }
    return {NonNegative(width), NonNegative(height)};
}

int MenuBorderImage(const TSkinTables& t)
{
    const int inherited = FindImage(t, FindSection(t, "MAINMENU"), "MAINMENU", "BORDERSMASK");
    // A border image of a skin without the section itself still counts, as
    // the exact lookup finds it.
    return inherited >= 0 ? inherited : FindImageExact(t, "MAINMENU", "BORDERSMASK");
}

int MenuSkinBorderWidth(const TSkinTables& t)
{
    const int image = MenuBorderImage(t);
    if (!ImageExists(t, image))
        return 0;
    const int width = t.Images[static_cast<std::size_t>(image)].BorderWidth;
    return width > 0 ? width : 3;
}

TSize ChooseMenuGlyphSize(const MenuGlyphSources& g)
{
    if (g.HasBitmap)
        return g.Bitmap;
    if (g.HasSubMenuImages)
        return g.SubMenuImages;
    if (g.HasMenuImages)
        return g.MenuImages;
    return {16, 16};
}

int MenuGlyphColumnWidth(const MenuSettings& s, int glyphWidth)
{
    return NonNegative(static_cast<std::int64_t>(s.Margin) + glyphWidth + s.Spacing);
}

std::string MenuIcoLineSection(const TacMenuSupport& support)
{
    return support.IcoLineSkin.empty() ? std::string("ICOLINE") : support.IcoLineSkin;
}

MenuExtraLine ResolveMenuExtraLine(const TacMenuSupport& support, std::string_view firstItemName,
                                   const MenuExtraLineHandler& handler)
{
    MenuExtraLine line;
    if (firstItemName == kSkinSelectItem)
        return line;
    if (handler) {
        MenuExtraLineData asked;
        try {
            handler(firstItemName, asked);
            line.Data = std::move(asked);
        } catch (...) {
            // The painter runs inside the system's menu drawing, where an
            // error has nowhere to go: the line keeps its defaults.
        }
    }
    line.Data.Caption = StripAccelerators(line.Data.Caption);
    if (!line.Data.LineVisible)
        line.Data.Glyph = nullptr;
    line.Shown = support.UseExtraLine && line.Data.LineVisible;
    line.Width = line.Shown ? std::max(support.ExtraLineWidth, 0) : 0;
    return line;
}

MenuBackgroundLayout LayoutMenuBackground(const MenuBackgroundMetrics& m)
{
    MenuBackgroundLayout l;
    const int border = std::max(m.SkinBorderWidth, 0);
    const int extra = std::max(m.ExtraLineWidth, 0);
    const std::int64_t height = static_cast<std::int64_t>(m.Size.cy) - 2 * static_cast<std::int64_t>(border);
    l.GlyphColumn = Sized(Clamp(std::int64_t{extra} + border), border, m.GlyphColumnWidth, height);
    if (extra == 0)
        return l;
    l.ExtraLine = Sized(border, border, extra, height);
    const TRect& strip = l.ExtraLine;
    const std::int64_t spaceBelow = kExtraBottomSpace;
    std::int64_t captionStart = strip.Bottom - spaceBelow;
    if (m.HasExtraGlyph) {
        const int gw = std::max(m.ExtraGlyph.cx, 0), gh = std::max(m.ExtraGlyph.cy, 0);
        const std::int64_t left = strip.Left + (static_cast<std::int64_t>(extra) - gw) / 2;
        const std::int64_t bottom = strip.Bottom - spaceBelow;
        l.ExtraGlyph = {Clamp(left), Clamp(bottom - gh), Clamp(left + gw), Clamp(bottom)};
        captionStart = strip.Bottom - (std::int64_t{gh} + kExtraCaptionAboveGlyph);
    }
    // The caption runs from its start toward the strip's top; a start above
    // the top leaves it no room.
    const int th = std::max(m.ExtraCaptionHeight, 0);
    const int left = Clamp(strip.Left + (static_cast<std::int64_t>(extra) - th) / 2);
    const int bottom = Clamp(std::max<std::int64_t>(captionStart, strip.Top));
    l.ExtraCaption = {left, strip.Top, Clamp(std::int64_t{left} + th), bottom};
    return l;
}

TSize MenuBackgroundSize(const MenuSettings& s, TSize popup)
{
    const std::int64_t borders = 2 * static_cast<std::int64_t>(std::max(s.BorderWidth, 0));
    return {NonNegative(popup.cx + borders), NonNegative(popup.cy + borders)};
}

TRect MenuDividerRect(const MenuSettings& s, const TRect& item, int extraLineWidth, int glyphColumnWidth)
{
    const std::int64_t extra = std::max(extraLineWidth, 0);
    // Shifted right past the extra line, a margin and the spacing, yet never
    // into the glyph column.
    const std::int64_t shift = std::max(extra + s.Margin + s.Spacing, extra + glyphColumnWidth + 2);
    const int left = Clamp(item.Left + shift);
    const int right = Clamp(static_cast<std::int64_t>(item.Right) - s.Margin);
    return Ordered(left, item.Top, right, std::max(item.Top, item.Bottom));
}

MenuBorderStrips MenuItemBorderStrips(const MenuSettings& s, TSize window, const TRect& item, bool firstVisible,
                                      bool lastVisible, int extraLineWidth, int skinBorderWidth)
{
    MenuBorderStrips strips;
    const int w = std::max(window.cx, 0), h = std::max(window.cy, 0);
    const int top = std::clamp(item.Top, 0, h), bottom = std::clamp(item.Bottom, top, h);
    if (firstVisible)
        strips.Top = {0, 0, w, top};
    if (lastVisible)
        strips.Bottom = {0, bottom, w, h};
    const std::int64_t left = std::int64_t{std::max(extraLineWidth, 0)} + std::max({skinBorderWidth, s.BorderWidth, 0});
    strips.Left = {0, top, Clamp(std::min<std::int64_t>(left, w)), bottom};
    strips.Right = {std::max(0, w - std::clamp(s.BorderWidth, 0, w)), top, w, bottom};
    return strips;
}

char MenuSystemSymbol(std::string_view menuName, unsigned command)
{
    if (menuName != "SysMenu")
        return 0;
    switch (command) {
    case scMinimize: return '0';
    case scMaximize: return '1';
    case scClose: return 'r';
    case scRestore: return '2';
    default: return 0;
    }
}

MenuCaptionText MenuCaptionForDrawing(std::string_view caption, TMenuTextAlign alignment, bool rightToLeft)
{
    if (!caption.empty() && caption.front() == '\b') {
        std::string text(caption.substr(1));
        text += kBackspacePadding;
        return {std::move(text), mtaRight};
    }
    return {std::string(caption), rightToLeft ? mtaRight : alignment};
}

}  // namespace taramel
