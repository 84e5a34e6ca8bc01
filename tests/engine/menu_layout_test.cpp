// The skinned popup menus' portable rules: item kinds and texts, item and
// popup sizes, the skin's menu border width, the extra line, and where the
// background's strips, the divider and the border copies lie.
#include "engine/MenuLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/SystemMenuRules.h"

namespace taramel {
namespace {

TEST(MenuItemKind, ByCaptionAndTopRow)
{
    const struct {
        const char* caption;
        bool topRow;
        TsMenuItemType expected;
    } cases[] = {
        {"-", false, smDivider},
        {"-Options-", false, smCaption},
        {"--", false, smCaption},  // a header with nothing to show
        {"- a", false, smNormal},  // begins with a dash but does not end with one
        {"a-", false, smNormal},
        {"-a", false, smNormal},
        {"", false, smNormal},
        {"Close", false, smNormal},
        // The top row of a main menu is drawn as a bar whatever its caption.
        {"-", true, smTopLine},
        {"File", true, smTopLine},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuItemKind(c.caption, c.topRow), c.expected) << '"' << c.caption << '"';
}

TEST(MenuHeaderText, FirstRunBetweenDashesWhileTheMeasuredTextKeepsThemAll)
{
    const struct {
        const char* caption;
        const char* shown;
    } cases[] = {
        {"-Options-", "Options"},
        {"--Options--", "Options"},
        // Blanks do not end the run: a header of two words shows both.
        {"-Save as-", "Save as"},
        {"-a-b-", "a"},
        {"--", ""},
        {"---", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuHeaderText(c.caption), c.shown) << c.caption;
    // The header is measured with a dash more on each side than it shows, so
    // the popup is a little wider than the text needs.
    EXPECT_EQ(MenuMeasureText(smCaption, "-Options-", ""), "--Options--");
}

TEST(StripAccelerators, SingleMarksGoAndDoubledOnesStandForAnAmpersand)
{
    const struct {
        const char* caption;
        const char* text;
    } cases[] = {
        {"&Tools", "Tools"},
        {"Sa&ve &as", "Save as"},
        {"R&&D", "R&D"},
        {"&&&x", "&x"},
        {"&&&&", "&&"},
        {"end&", "end"},  // a mark with nothing to mark
        {"&", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StripAccelerators(c.caption), c.text) << c.caption;
}

TEST(MenuLineHeight, OneAndAQuarterRoundedHalvesToEven)
{
    const struct {
        int heightW, expected;
    } cases[] = {
        {10, 12},  // 12.5: 12 is even
        {13, 16},  // 16.25
        {14, 18},  // 17.5: 18 is even
        {15, 19},  // 18.75
        {16, 20},
        {18, 22},  // 22.5
        {2, 2},    // 2.5
        {6, 8},    // 7.5
        {1, 1},    // 1.25
        {0, 0},
        {-8, 0},   // no text height, no line
        {INT_MAX, INT_MAX},
        {INT_MIN, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuLineHeight(c.heightW), c.expected) << c.heightW;
}

TEST(MenuMeasureText, ShortcutAfterATabOnlyForNormalItems)
{
    EXPECT_EQ(MenuMeasureText(smNormal, "Close", "Alt+F4"), "Close\tAlt+F4");
    EXPECT_EQ(MenuMeasureText(smNormal, "Close", ""), "Close");
    EXPECT_EQ(MenuMeasureText(smDivider, "-", "Ctrl+D"), "-");
    EXPECT_EQ(MenuMeasureText(smCaption, "-Tools-", "Ctrl+T"), "--Tools--");
}

TEST(MeasureMenuItem, HeightsByKindWithTheDefaultMargins)
{
    const MenuSettings s;
    const struct {
        TsMenuItemType kind;
        int heightW, glyphHeight, expected;
    } cases[] = {
        // Normal: max(line, glyph) + 2 x 2.
        {smNormal, 10, 16, 20},  // line 12 under the glyph
        {smNormal, 13, 16, 20},  // line 16
        {smNormal, 14, 16, 22},  // line 18
        {smNormal, 16, 16, 24},
        {smNormal, 18, 16, 26},  // line 22
        {smNormal, 10, 24, 28},  // a tall glyph sets the height
        {smNormal, 10, 0, 16},
        // Header: the line alone, the glyph does not count.
        {smCaption, 10, 16, 16},
        {smCaption, 13, 40, 20},
        // Divider: always 2.
        {smDivider, 30, 40, 2},
    };
    for (const auto& c : cases) {
        MenuItemMetrics m;
        m.Kind = c.kind;
        m.TextHeightW = c.heightW;
        m.Glyph = {16, c.glyphHeight};
        EXPECT_EQ(MeasureMenuItem(s, m).cy, c.expected) << c.kind << ", W " << c.heightW << ", glyph " << c.glyphHeight;
    }
}

TEST(MeasureMenuItem, WidthAddsTheExtraLineOnlyInTheFirstColumn)
{
    const MenuSettings s;
    const struct {
        TsMenuItemType kind;
        int extraLine;
        bool afterBreak;
        int expected;
    } cases[] = {
        // 50 + 2 x 16 + 3 x 2 + 6.
        {smNormal, 0, false, 94},
        {smNormal, 32, false, 126},
        {smNormal, 32, true, 94},
        {smCaption, 32, false, 126},
        {smDivider, 0, false, 94},
    };
    for (const auto& c : cases) {
        MenuItemMetrics m;
        m.Kind = c.kind;
        m.TextWidth = 50;
        m.TextHeightW = 13;
        m.ExtraLineWidth = c.extraLine;
        m.AfterBreak = c.afterBreak;
        EXPECT_EQ(MeasureMenuItem(s, m).cx, c.expected) << c.kind << ", extra " << c.extraLine;
    }

    MenuSettings wide;
    wide.Margin = 5;
    wide.Spacing = 10;
    MenuItemMetrics m;
    m.TextWidth = 40;
    m.TextHeightW = 13;
    m.Glyph = {20, 20};
    // 40 + 40 + 15 + 10; height max(16, 20) + 10.
    EXPECT_EQ(MeasureMenuItem(wide, m), (TSize{105, 30}));
}

TEST(MeasureMenuItem, ExtremeInputsGiveNoOverflowAndNoNegativeSize)
{
    MenuSettings s;
    s.Margin = INT_MAX;
    s.Spacing = INT_MAX;
    MenuItemMetrics m;
    m.TextWidth = INT_MAX;
    m.TextHeightW = INT_MAX;
    m.Glyph = {INT_MAX, INT_MAX};
    m.ExtraLineWidth = INT_MAX;
    EXPECT_EQ(MeasureMenuItem(s, m), (TSize{INT_MAX, INT_MAX}));

    s.Margin = INT_MIN;
    s.Spacing = INT_MIN;
    m.TextWidth = INT_MIN;
    m.TextHeightW = INT_MIN;
    m.Glyph = {INT_MIN, INT_MIN};
    m.ExtraLineWidth = INT_MIN;
    EXPECT_EQ(MeasureMenuItem(s, m), (TSize{0, 0}));
    m.Kind = smCaption;
    EXPECT_EQ(MeasureMenuItem(s, m), (TSize{0, 0}));
}

// A menu-bar item: the system's bar height less one; its caption, and its
// glyph with 6 pixels when it has one. Nothing negative, nothing overflowing.
TEST(MeasureMenuBarItemSize, BarHeightLessOneAndTheCaptionWithItsGlyph)
{
    const struct {
        int caption, bar, glyph;
        TSize size;
    } cases[] = {
        {40, 20, 0, {40, 19}},
        {40, 20, 16, {62, 19}},
        {0, 20, 0, {0, 19}},
        {-5, 0, -3, {0, 0}},
        {INT_MAX, INT_MIN, INT_MAX, {INT_MAX, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MeasureMenuBarItemSize(c.caption, c.bar, c.glyph), c.size) << c.caption << " " << c.glyph;
}

// Its glyph 3 pixels in from the leading edge, centred vertically; the
// caption centred in what is left past the glyph and 6 pixels.
TEST(MenuBarItemPlaces, GlyphThreeInFromTheLeadingEdgeAndTheCaptionInTheRest)
{
    const struct {
        const char* what;
        TSize item, glyph;
        bool rightToLeft;
        TRect glyphAt, caption;
    } cases[] = {
        {"left to right", {62, 19}, {16, 16}, false, {3, 1, 19, 17}, {22, 0, 62, 19}},
        {"right to left", {62, 19}, {16, 16}, true, {43, 1, 59, 17}, {0, 0, 40, 19}},
        {"no glyph", {40, 19}, {0, 0}, false, {}, {0, 0, 40, 19}},
        {"a glyph taller than the bar", {62, 10}, {16, 16}, false, {3, -3, 19, 13}, {22, 0, 62, 10}},
        {"a glyph wider than the item", {10, 19}, {16, 16}, false, {3, 1, 19, 17}, {10, 0, 10, 19}},
        {"the same right to left", {10, 19}, {16, 16}, true, {-9, 1, 7, 17}, {0, 0, 0, 19}},
    };
    for (const auto& c : cases) {
        const TMenuBarItemPlaces p = MenuBarItemPlaces(c.item, c.glyph, c.rightToLeft);
        EXPECT_EQ(p.Glyph, c.glyphAt) << c.what;
        EXPECT_EQ(p.Caption, c.caption) << c.what;
    }
}

TEST(MeasureMenuPopup, ColumnsAtBreaksWithTheirMarginsAndGap)
{
    const struct {
        const char* what;
        std::vector<MenuPopupEntry> entries;
        TSize expected;
    } cases[] = {
        {"one column", {{{120, 20}}, {{90, 2}}, {{100, 20}}}, {132, 42}},
        // 120 + 12 + 80 + 12 + 4; the taller column sets the height.
        {"two columns", {{{120, 20}}, {{100, 20}}, {{80, 20}, true, true}}, {228, 40}},
        {"the second column taller", {{{120, 20}}, {{80, 20}, true, true}, {{60, 30}}}, {228, 50}},
        {"hidden items count nowhere", {{{120, 20}}, {{500, 99}, false}, {{80, 20}}}, {132, 40}},
        {"a hidden break starts nothing", {{{120, 20}}, {{80, 20}, false, true}, {{60, 20}}}, {132, 40}},
        // Nothing stands before the first item: its break opens no empty column.
        {"a break on the first item", {{{120, 20}, true, true}, {{80, 20}}}, {132, 40}},
        {"after a hidden first item", {{{70, 20}, false}, {{120, 20}, true, true}}, {132, 20}},
        {"three columns", {{{10, 5}}, {{20, 5}, true, true}, {{30, 5}, true, true}}, {10 + 20 + 30 + 36 + 8, 5}},
        {"nothing visible", {{{120, 20}, false}}, {0, 0}},
        {"no items", {}, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MeasureMenuPopup(c.entries), c.expected) << c.what;
}

TEST(MenuColumns, TheColumnOfEveryEntryHiddenOnesIncluded)
{
    const std::vector<MenuPopupEntry> entries = {
        {{10, 10}, true, true},   // first: no column before it
        {{10, 10}},
        {{10, 10}, false, true},  // hidden break
        {{10, 10}, true, true},
        {{10, 10}, false},
        {{10, 10}, true, true},
    };
    EXPECT_EQ(MenuColumns(entries), (std::vector<int>{0, 0, 0, 1, 1, 2}));
}

TEST(MeasureMenuPopup, HugeItemsStayInTheIntRange)
{
    std::vector<MenuPopupEntry> entries(3, MenuPopupEntry{{INT_MAX, INT_MAX}});
    entries[2].Break = true;
    EXPECT_EQ(MeasureMenuPopup(entries), (TSize{INT_MAX, INT_MAX}));
    entries.assign(2, MenuPopupEntry{{INT_MIN, INT_MIN}});
    EXPECT_EQ(MeasureMenuPopup(entries), (TSize{12, 0}));
}

// Tables with a "MAINMENU" section (its parent `parent`, none when empty)
// and border images given as (section, border width) pairs.
TSkinTables MenuSkin(bool mainMenuSection, const std::string& parent,
                     const std::vector<std::pair<std::string, int>>& borders)
{
    TSkinTables t;
    if (mainMenuSection) {
        TsGeneralData main;
        main.SectionName = "MAINMENU";
        main.ParentClass = parent;
        t.Sections.push_back(std::move(main));
    }
    if (!parent.empty()) {
        TsGeneralData base;
        base.SectionName = parent;
        t.Sections.push_back(std::move(base));
    }
    // Another property first, so that an image's index is not simply 0.
    TsMaskData other;
    other.SectionName = "MAINMENU";
    other.PropertyName = "GLYPH";
    t.Images.push_back(std::move(other));
    for (const auto& [section, width] : borders) {
        TsMaskData m;
        m.SectionName = section;
        m.PropertyName = "BORDERSMASK";
        m.BorderWidth = static_cast<std::int16_t>(width);
        t.Images.push_back(std::move(m));
    }
    return t;
}

TEST(MenuSkinBorderWidth, FromTheBorderImageThatIsAlsoDrawn)
{
    const struct {
        const char* what;
        bool section;
        const char* parent;
        std::vector<std::pair<std::string, int>> borders;
        int image, width;
    } cases[] = {
        {"no border image", true, "", {}, -1, 0},
        {"an empty skin", false, "", {}, -1, 0},
        {"border width 0", true, "", {{"MAINMENU", 0}}, 1, 3},
        {"border width -1", true, "", {{"MAINMENU", -1}}, 1, 3},
        {"border width 5", true, "", {{"MAINMENU", 5}}, 1, 5},
        // An inherited border is drawn, so the glyph column must start inside
        // it: its width counts like an own one.
        {"inherited only", true, "BASEMENU", {{"BASEMENU", 5}}, 1, 5},
        {"own before inherited", true, "BASEMENU", {{"BASEMENU", 5}, {"MAINMENU", 2}}, 2, 2},
        {"an image without its section", false, "", {{"MAINMENU", 4}}, 1, 4},
        {"another section's border", true, "", {{"BUTTON", 4}}, -1, 0},
    };
    for (const auto& c : cases) {
        const TSkinTables t = MenuSkin(c.section, c.parent, c.borders);
        EXPECT_EQ(MenuBorderImage(t), c.image) << c.what;
        EXPECT_EQ(MenuSkinBorderWidth(t), c.width) << c.what;
    }
}

TEST(ChooseMenuGlyphSize, OwnBitmapThenSubMenuImagesThenMenuImagesThen16)
{
    MenuGlyphSources g;
    EXPECT_EQ(ChooseMenuGlyphSize(g), (TSize{16, 16}));
    g.HasMenuImages = true;
    g.MenuImages = {24, 24};
    EXPECT_EQ(ChooseMenuGlyphSize(g), (TSize{24, 24}));
    g.HasSubMenuImages = true;
    g.SubMenuImages = {20, 18};
    EXPECT_EQ(ChooseMenuGlyphSize(g), (TSize{20, 18}));
    g.HasBitmap = true;
    g.Bitmap = {13, 11};
    EXPECT_EQ(ChooseMenuGlyphSize(g), (TSize{13, 11}));
}

TEST(MenuExtraLine, ManagerDefaults)
{
    const TacMenuSupport support;
    EXPECT_EQ(MenuIcoLineSection(support), "ICOLINE");
    EXPECT_FALSE(support.UseExtraLine);
    EXPECT_EQ(support.ExtraLineWidth, 32);
    TacMenuSupport named;
    named.IcoLineSkin = "MYICOLINE";
    EXPECT_EQ(MenuIcoLineSection(named), "MYICOLINE");

    // Switched off, the line is not shown even though the data is there.
    const MenuExtraLine off = ResolveMenuExtraLine(support, "mi1", nullptr);
    EXPECT_FALSE(off.Shown);
    EXPECT_EQ(off.Width, 0);
}

TEST(MenuExtraLine, DefaultsHandlerAndTheSkinSelectionMenu)
{
    TacMenuSupport support;
    support.UseExtraLine = true;
    const TBitmap glyph;

    // Without a handler the line tells the program to describe it.
    MenuExtraLine line = ResolveMenuExtraLine(support, "mi1", nullptr);
    EXPECT_TRUE(line.Shown);
    EXPECT_EQ(line.Width, 32);
    EXPECT_EQ(line.Data.SkinSection, "EXTRALINE");
    EXPECT_EQ(line.Data.Caption, "Use OnGetExtraLineData event");
    EXPECT_EQ(line.Data.Glyph, nullptr);

    // The handler gets the first item and the defaults; marks are stripped.
    std::string asked;
    line = ResolveMenuExtraLine(support, "miOpen", [&](std::string_view first, MenuExtraLineData& d) {
        asked = first;
        EXPECT_EQ(d.Caption, "Use OnGetExtraLineData event");
        d.SkinSection = "TOOLBAR";
        d.Caption = "&Tools && more";
        d.Glyph = &glyph;
    });
    EXPECT_EQ(asked, "miOpen");
    EXPECT_EQ(line.Data.SkinSection, "TOOLBAR");
    EXPECT_EQ(line.Data.Caption, "Tools & more");
    EXPECT_EQ(line.Data.Glyph, &glyph);
    EXPECT_TRUE(line.Shown);

    // A line the program hides loses its glyph and its width.
    line = ResolveMenuExtraLine(support, "mi1", [&](std::string_view, MenuExtraLineData& d) {
        d.Glyph = &glyph;
        d.LineVisible = false;
    });
    EXPECT_FALSE(line.Shown);
    EXPECT_EQ(line.Width, 0);
    EXPECT_EQ(line.Data.Glyph, nullptr);

    // The skin selection menu never has the line and its handler is not asked.
    bool called = false;
    line = ResolveMenuExtraLine(support, "SkinSelectItem",
                                [&](std::string_view, MenuExtraLineData&) { called = true; });
    EXPECT_FALSE(called);
    EXPECT_FALSE(line.Shown);
    EXPECT_EQ(line.Width, 0);

    // A handler that fails half-way leaves nothing of its changes.
    line = ResolveMenuExtraLine(support, "mi1", [&](std::string_view, MenuExtraLineData& d) {
        d.Caption = "half";
        d.LineVisible = false;
        throw std::runtime_error("no data");
    });
    EXPECT_EQ(line.Data.Caption, "Use OnGetExtraLineData event");
    EXPECT_TRUE(line.Shown);

    support.ExtraLineWidth = -10;
    EXPECT_EQ(ResolveMenuExtraLine(support, "mi1", nullptr).Width, 0);
}

TEST(LayoutMenuBackground, StripsInsideTheBorderAndTheExtraLinesAnchors)
{
    MenuBackgroundMetrics m;
    m.Size = {150, 100};
    m.SkinBorderWidth = 3;
    m.GlyphColumnWidth = MenuGlyphColumnWidth(MenuSettings{}, 16);
    EXPECT_EQ(m.GlyphColumnWidth, 24);
    m.ExtraLineWidth = 32;
    m.ExtraCaptionHeight = 13;

    MenuBackgroundLayout l = LayoutMenuBackground(m);
    EXPECT_EQ(l.ExtraLine, (TRect{3, 3, 35, 97}));
    EXPECT_EQ(l.GlyphColumn, (TRect{35, 3, 59, 97}));
    EXPECT_EQ(l.ExtraGlyph, TRect{});
    // Starts 12 above the strip's bottom, centred across it: 3 + (32 - 13) / 2.
    EXPECT_EQ(l.ExtraCaption, (TRect{12, 3, 25, 85}));

    m.HasExtraGlyph = true;
    m.ExtraGlyph = {24, 24};
    l = LayoutMenuBackground(m);
    EXPECT_EQ(l.ExtraGlyph, (TRect{7, 61, 31, 85}));
    // With a glyph the caption starts 24 + 20 above the bottom.
    EXPECT_EQ(l.ExtraCaption.Bottom, 53);

    // Without the extra line the glyph column moves to the border.
    m.ExtraLineWidth = 0;
    l = LayoutMenuBackground(m);
    EXPECT_EQ(l.GlyphColumn, (TRect{3, 3, 27, 97}));
    EXPECT_EQ(l.ExtraLine, TRect{});
    EXPECT_EQ(l.ExtraGlyph, TRect{});
    EXPECT_EQ(l.ExtraCaption, TRect{});
}

TEST(LayoutMenuBackground, ATinyPopupGivesEmptyStripsNotNegativeOnes)
{
    MenuBackgroundMetrics m;
    m.Size = {10, 4};
    m.SkinBorderWidth = 3;
    m.GlyphColumnWidth = 24;
    m.ExtraLineWidth = 32;
    m.HasExtraGlyph = true;
    m.ExtraGlyph = {16, 16};
    m.ExtraCaptionHeight = 13;
    const MenuBackgroundLayout l = LayoutMenuBackground(m);
    EXPECT_EQ(l.GlyphColumn, (TRect{35, 3, 59, 3}));
    EXPECT_EQ(l.ExtraLine, (TRect{3, 3, 35, 3}));
    // The caption's start lies above the strip: no room left to write in.
    EXPECT_EQ(l.ExtraCaption.Bottom, l.ExtraCaption.Top);
    for (const TRect& r : {l.GlyphColumn, l.ExtraLine, l.ExtraGlyph, l.ExtraCaption}) {
        EXPECT_GE(r.Width(), 0);
        EXPECT_GE(r.Height(), 0);
    }

    m.Size = {INT_MAX, INT_MAX};
    m.SkinBorderWidth = INT_MAX;
    m.GlyphColumnWidth = INT_MAX;
    m.ExtraLineWidth = INT_MAX;
    m.ExtraGlyph = {INT_MAX, INT_MAX};
    m.ExtraCaptionHeight = INT_MAX;
    const MenuBackgroundLayout big = LayoutMenuBackground(m);
    EXPECT_GE(big.GlyphColumn.Width(), 0);
    EXPECT_EQ(big.GlyphColumn.Height(), 0);
}

TEST(MenuBackgroundSize, TheMeasuredPopupAndTheBorderAround)
{
    EXPECT_EQ(MenuBackgroundSize(MenuSettings{}, {228, 40}), (TSize{234, 46}));
    MenuSettings s;
    s.BorderWidth = -4;
    EXPECT_EQ(MenuBackgroundSize(s, {228, 40}), (TSize{228, 40}));
    s.BorderWidth = INT_MAX;
    EXPECT_EQ(MenuBackgroundSize(s, {INT_MAX, -5}), (TSize{INT_MAX, INT_MAX}));
}

TEST(MenuDividerRect, RightOfTheGlyphColumnAndAMarginShortOfTheEdge)
{
    const MenuSettings s;
    const struct {
        const char* what;
        TRect item;
        int extra, glyphColumn;
        TRect expected;
    } cases[] = {
        // The glyph column (24) + 2 reaches further than margin + spacing (8).
        {"with the extra line", {0, 10, 150, 12}, 32, 24, {58, 10, 148, 12}},
        {"without", {0, 10, 150, 12}, 0, 24, {26, 10, 148, 12}},
        {"no glyph column", {0, 10, 150, 12}, 0, 0, {8, 10, 148, 12}},
        {"a second column", {160, 10, 260, 12}, 0, 24, {186, 10, 258, 12}},
        {"too narrow", {0, 10, 20, 12}, 32, 24, {58, 10, 58, 12}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuDividerRect(s, c.item, c.extra, c.glyphColumn), c.expected) << c.what;
}

TEST(MenuItemBorderStrips, TopForTheFirstBottomForTheLastSidesForEvery)
{
    const MenuSettings s;
    const TSize window{156, 106};
    const TRect item{3, 3, 153, 23};

    MenuBorderStrips b = MenuItemBorderStrips(s, window, item, true, false, 32, 3);
    EXPECT_EQ(b.Top, (TRect{0, 0, 156, 3}));
    EXPECT_EQ(b.Bottom, TRect{});
    EXPECT_EQ(b.Left, (TRect{0, 3, 35, 23}));  // extra line + max(3, 3)
    EXPECT_EQ(b.Right, (TRect{153, 3, 156, 23}));

    const TRect last{3, 83, 153, 103};
    b = MenuItemBorderStrips(s, window, last, false, true, 0, 5);
    EXPECT_EQ(b.Top, TRect{});
    EXPECT_EQ(b.Bottom, (TRect{0, 103, 156, 106}));
    EXPECT_EQ(b.Left, (TRect{0, 83, 5, 103}));  // the skin's wider border

    // Strips wider than the window stop at its edges.
    b = MenuItemBorderStrips(s, {20, 10}, {3, 3, 17, 30}, true, true, 32, 3);
    EXPECT_EQ(b.Left, (TRect{0, 3, 20, 10}));
    EXPECT_EQ(b.Bottom, (TRect{0, 10, 20, 10}));
}

TEST(MenuSystemSymbol, ByTheCommandTheWindowMenuItemsCarry)
{
    const struct {
        const char* menu;
        unsigned command;
        char symbol;
    } cases[] = {
        {"SysMenu", scMinimize, '0'},
        {"SysMenu", scMaximize, '1'},
        {"SysMenu", scClose, 'r'},
        {"SysMenu", scRestore, '2'},
        {"SysMenu", scMove, 0},
        {"SysMenu", scSize, 0},
        {"SysMenu", 0, 0},
        {"PopupMenu1", scClose, 0},
        {"sysmenu", scClose, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuSystemSymbol(c.menu, c.command), c.symbol) << c.menu << ' ' << c.command;
    EXPECT_EQ(scClose, 61536u);
}

TEST(MenuCaptionForDrawing, ABackspaceCaptionStandsRightWithSixBlanks)
{
    const struct {
        const char* caption;
        TMenuTextAlign alignment;
        bool rightToLeft;
        const char* text;
        TMenuTextAlign align;
    } cases[] = {
        {"\bHelp", mtaLeft, false, "Help      ", mtaRight},
        {"\bHelp", mtaCenter, false, "Help      ", mtaRight},
        {"\b", mtaLeft, false, "      ", mtaRight},
        {"Help\b", mtaLeft, false, "Help\b", mtaLeft},  // only a leading one counts
        {"Help", mtaCenter, false, "Help", mtaCenter},
        {"Help", mtaLeft, true, "Help", mtaRight},
        {"", mtaLeft, false, "", mtaLeft},
    };
    for (const auto& c : cases) {
        const MenuCaptionText t = MenuCaptionForDrawing(c.caption, c.alignment, c.rightToLeft);
        EXPECT_EQ(t.Text, c.text);
        EXPECT_EQ(t.Align, c.align) << c.text;
    }
}

}  // namespace
}  // namespace taramel
