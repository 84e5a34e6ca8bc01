// The pixels of a skinned popup: the background of a 150 x 100 popup (menu
// face, glyph column, border, extra line, the border's see-through corners
// collected for the window's shape) and item faces over it (normal, hot,
// checked, disabled, divider with and without the skin's line).
#include "engine/MenuPaint.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/SkinFiles.h"
#include "skin/SkinLoader.h"
#include "tests/skin/loader_bmp.h"

namespace taramel {
namespace {

// Colours as 0x00BBGGRR.
constexpr TColor kKey = 0xFF00FF;
constexpr TColor kBorder = 0xA02828;   // the border image's frame
constexpr TColor kCheck = 0x00A000;    // the check image
constexpr TColor kFace = 0xC8F0F0;     // MAINMENU
constexpr TColor kColumn = 0xC8FFC8;   // ICOLINE
constexpr TColor kExtra = 0x3060C0;    // EXTRALINE
constexpr TColor kHot = 0x00C8FF;      // MENUITEM hot
constexpr TColor kDivider = 0x505050;  // DIVIDERV's line
constexpr TColor kDividerLow = 0xF0F0F0;  // and its lower row
constexpr TColor kLine = 0xB4DCFF;     // MENULINE

// The master bitmap: a 12 x 12 border 3 wide with see-through corner pixels
// at (0, 0)-(12, 12); an 8 x 8 check mark of two states at (12, 0)-(28, 8);
// a divider image 6 x 3 with its line on the upper row at (28, 0)-(34, 3)
// (edges of a key-colour image are copied whole, so no row is see-through).
std::uint32_t Master(int x, int y)
{
    if (x < 12 && y < 12) {
        if ((x == 0 || x == 11) && (y == 0 || y == 11))
            return kKey;
        return x < 3 || x >= 9 || y < 3 || y >= 9 ? kBorder : kKey;
    }
    if (x < 28 && y < 8)
        return kCheck;
    if (x < 34 && y < 3)
        return y == 0 ? kDivider : kDividerLow;
    return kKey;
}

TSkinTables LoadMenuSkin(bool withDivider)
{
    const std::string text = std::string("[GLOBALINFO]\nVERSION=6.5\nMASTERBITMAP=MASTER.BMP\n") +
                             "CHECK=@0012,0000,0028,0008,2,0\n"
                             "[MAINMENU]\nCOLOR=" + std::to_string(kFace) +
                             "\nBORDERSMASK=^0000,0000,0012,0012,0003,0003,0003,0003,1,0,0,3\n"
                             "[ICOLINE]\nCOLOR=" + std::to_string(kColumn) +
                             "\n[EXTRALINE]\nCOLOR=" + std::to_string(kExtra) +
                             "\n[MENULINE]\nCOLOR=" + std::to_string(kLine) +
                             "\n[MENUITEM]\nCOLOR=255\nHOTCOLOR=" + std::to_string(kHot) +
                             "\nTRANSPARENCY=100\nHOTTRANSPARENCY=0\n" +
                             (withDivider ? "[DIVIDERV]\nBORDERSMASK=^0028,0000,0034,0003,0002,0001,0002,0001,1,0,0,0\n"
                                          : "");
    TMemoryFileSystem files;
    files.AddFile("C:\\Skins\\Menu\\MASTER.BMP", test::Bmp24(40, 12, Master));
    TSkinSource source;
    source.OptionsText = text;
    source.SkinPath = "C:\\Skins\\Menu\\";
    source.Files = &files;
    TSkinTables t;
    LoadSkin(source, TSkinLoadSettings{}, t);
    return t;
}

MenuBackgroundMetrics Popup150x100(const TSkinTables& t, int extraLine)
{
    MenuBackgroundMetrics m;
    m.Size = TSize{150, 100};
    m.SkinBorderWidth = MenuSkinBorderWidth(t);
    m.GlyphColumnWidth = 24;
    m.ExtraLineWidth = extraLine;
    return m;
}

TEST(PaintMenuBackground, FacesColumnBorderAndCutCornersOfA150x100Popup)
{
    const TSkinTables t = LoadMenuSkin(false);
    ASSERT_EQ(MenuSkinBorderWidth(t), 3);
    TBitmap b(150, 100, TPixelFormat::pf24bit);
    TAOR cut;
    PaintMenuBackground(t, Popup150x100(t, 0), "ICOLINE", "EXTRALINE", b, cut);
    const struct {
        int x, y;
        TColor colour;
    } pixels[] = {
        {1, 50, kBorder},  {148, 50, kBorder}, {75, 1, kBorder},  {75, 98, kBorder},  // the border all round
        {3, 50, kColumn},  {26, 50, kColumn},  {27, 50, kFace},   {100, 50, kFace},   // column (3, 3)-(27, 97)
        {10, 3, kColumn},  {10, 96, kColumn},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(b.PixelColor(p.x, p.y), p.colour) << p.x << "," << p.y;
    // The four corner pixels leave the window's shape, nothing else does.
    const TAOR corners{{0, 0, 1, 1}, {149, 0, 150, 1}, {0, 99, 1, 100}, {149, 99, 150, 100}};
    ASSERT_EQ(cut.size(), corners.size());
    for (const TRect& r : corners)
        EXPECT_NE(std::find(cut.begin(), cut.end(), r), cut.end()) << r.Left << "," << r.Top;
}

TEST(PaintMenuBackground, ExtraLineTakesTheLeftStripAndMovesTheColumn)
{
    const TSkinTables t = LoadMenuSkin(false);
    TBitmap b(150, 100, TPixelFormat::pf24bit);
    TAOR cut;
    const MenuBackgroundLayout l = PaintMenuBackground(t, Popup150x100(t, 32), "ICOLINE", "EXTRALINE", b, cut);
    EXPECT_EQ(l.ExtraLine, (TRect{3, 3, 35, 97}));
    EXPECT_EQ(l.GlyphColumn, (TRect{35, 3, 59, 97}));
    EXPECT_EQ(b.PixelColor(3, 50), kExtra);
    EXPECT_EQ(b.PixelColor(34, 50), kExtra);
    EXPECT_EQ(b.PixelColor(35, 50), kColumn);
    EXPECT_EQ(b.PixelColor(59, 50), kFace);
}

TEST(PaintMenuItemFace, SeeThroughNormalHotCheckedAndWashedOutWhenDisabled)
{
    const TSkinTables t = LoadMenuSkin(false);
    TBitmap bg(150, 100, TPixelFormat::pf24bit);
    TAOR cut;
    PaintMenuBackground(t, Popup150x100(t, 0), "ICOLINE", "EXTRALINE", bg, cut);
    const TPoint at{3, 23};
    TBitmap item(144, 20, TPixelFormat::pf24bit);
    MenuItemFace face;
    PaintMenuItemFace(t, item, bg, at, face);
    EXPECT_EQ(item.PixelColor(1, 10), kColumn) << "the normal item lets the column show";
    EXPECT_EQ(item.PixelColor(100, 10), kFace);

    face.Selected = true;
    PaintMenuItemFace(t, item, bg, at, face);
    EXPECT_EQ(item.PixelColor(1, 10), kHot);
    EXPECT_EQ(item.PixelColor(100, 10), kHot);

    // Selected but disabled is not hot.
    face.Enabled = false;
    PaintMenuItemFace(t, item, bg, at, face);
    EXPECT_EQ(item.PixelColor(100, 10), kFace);

    face = MenuItemFace{};
    face.Checked = true;
    PaintMenuItemFace(t, item, bg, at, face);
    EXPECT_EQ(item.PixelColor(2, 6), kCheck) << "at the margin, centred: rows 6..13";
    EXPECT_EQ(item.PixelColor(2, 5), kColumn);
    EXPECT_EQ(item.PixelColor(10, 10), kColumn);
    EXPECT_TRUE(PaintMenuItemFace(t, item, bg, at, face));
    face.HasGlyph = true;  // the glyph takes the mark's place
    PaintMenuItemFace(t, item, bg, at, face);
    EXPECT_EQ(item.PixelColor(2, 6), kColumn);
    // A skin without any check image leaves the mark to the caller.
    face.HasGlyph = false;
    EXPECT_FALSE(PaintMenuItemFace(TSkinTables{}, item, bg, at, face));
    face.Checked = false;
    EXPECT_TRUE(PaintMenuItemFace(TSkinTables{}, item, bg, at, face));

    // Disabled: 40 % of the item's own look remains over the background.
    face = MenuItemFace{};
    face.Selected = true;
    PaintMenuItemFace(t, item, bg, at, face);
    FadeDisabledMenuItem(item, bg, at);
    const TColor washed = item.PixelColor(100, 10);
    auto channel = [](TColor c, int i) { return static_cast<int>((c >> (8 * i)) & 0xFF); };
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(channel(washed, i), channel(kFace, i) + 0.4 * (channel(kHot, i) - channel(kFace, i)), 1) << i;
}

TEST(PaintMenuDivider, SkinsLineOrNoneForTheCallersPlainLine)
{
    TBitmap bg(150, 100, TPixelFormat::pf24bit);
    TAOR cut;
    const TSkinTables plain = LoadMenuSkin(false);
    PaintMenuBackground(plain, Popup150x100(plain, 0), "ICOLINE", "EXTRALINE", bg, cut);
    TBitmap item(144, 2, TPixelFormat::pf24bit);
    EXPECT_FALSE(PaintMenuDivider(plain, item, bg, {3, 50}, {34, 0, 142, 2}));
    EXPECT_EQ(item.PixelColor(100, 0), kFace) << "the background under the item";

    const TSkinTables lined = LoadMenuSkin(true);
    EXPECT_TRUE(PaintMenuDivider(lined, item, bg, {3, 50}, {34, 0, 142, 2}));
    EXPECT_EQ(item.PixelColor(100, 0), kDivider);
    EXPECT_EQ(item.PixelColor(100, 1), kDividerLow);
    EXPECT_EQ(item.PixelColor(20, 0), kColumn) << "left of the line";
    EXPECT_EQ(item.PixelColor(143, 0), kFace) << "right of the line";
}

// The menu line over its rectangle only, cut to the bitmap; a section the
// frame names instead; nothing for a section the skin lacks.
TEST(PaintMenuLine, TheSectionOverItsRectangleOnlyCutToTheBitmap)
{
    const TSkinTables t = LoadMenuSkin(false);
    const struct {
        const char* section;
        TRect r;
        TRect painted;
        TColor colour;
    } cases[] = {
        {"MENULINE", {10, 5, 60, 15}, {10, 5, 60, 15}, kLine},
        {"MENULINE", {-5, -5, 20, 4}, {0, 0, 20, 4}, kLine},
        {"MENULINE", {70, 15, 90, 30}, {70, 15, 80, 20}, kLine},
        {"EXTRALINE", {10, 5, 60, 15}, {10, 5, 60, 15}, kExtra},
        {"NOSUCHLINE", {10, 5, 60, 15}, {}, 0},
        {"MENULINE", {60, 5, 10, 15}, {}, 0},
    };
    for (const auto& c : cases) {
        TBitmap b(80, 20, TPixelFormat::pf24bit);
        PaintMenuLine(t, b, c.r, c.section);
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x) {
                const bool inside = x >= c.painted.Left && x < c.painted.Right && y >= c.painted.Top &&
                                    y < c.painted.Bottom;
                ASSERT_EQ(b.PixelColor(x, y), inside ? c.colour : 0u) << c.section << " " << x << "," << y;
            }
    }
}

TEST(PaintMenuBackground, TinyAndEmptyPopupsPaintInsideTheirBitmap)
{
    const TSkinTables t = LoadMenuSkin(true);
    for (const TSize size : {TSize{0, 0}, TSize{1, 1}, TSize{5, 2}, TSize{2, 40}}) {
        TBitmap b(size.cx, size.cy, TPixelFormat::pf24bit);
        MenuBackgroundMetrics m = Popup150x100(t, 32);
        m.Size = size;
        TAOR cut;
        PaintMenuBackground(t, m, "ICOLINE", "EXTRALINE", b, cut);
        TBitmap item(3, 1, TPixelFormat::pf24bit);
        PaintMenuItemFace(t, item, b, {-2, 60}, MenuItemFace{});
        FadeDisabledMenuItem(item, b, {4, 4});
    }
}

}  // namespace
}  // namespace taramel
