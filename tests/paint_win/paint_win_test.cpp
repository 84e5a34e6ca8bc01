// The GDI halves of the painters under the real gdi32: text in section
// colours, the bevel frame, window shapes from border images and the opaque
// nine-part copy of the form frames.
#include <gtest/gtest.h>

#include <windows.h>

#include "paint/Masks_win.h"
#include "paint/SectionPaint_win.h"
#include "paint/Text_win.h"
#include "render/Bitmap_win.h"
#include "render/SysColors.h"
#include "render/SysColors_win.h"
#include "tests/paint/PaintFixture.h"

namespace taramel::test {
namespace {

class PaintWin : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallDibSectionStorage();
        InstallWin32SysColors();
    }
    void TearDown() override
    {
        SetPixelStorageFactory(nullptr);
        SetSysColorProvider(nullptr);
    }
};

COLORREF At(HDC dc, int x, int y)
{
    GdiFlush();
    return GetPixel(dc, x, y);
}

TEST_F(PaintWin, FrameThreeDDrawsNestedBevelsAndShrinksTheRectangle)
{
    TBitmap b(12, 12, TPixelFormat::pf24bit);
    HDC dc = BitmapDC(b);
    RECT r{0, 0, 10, 10};
    int count = 2;
    // The bottom-right colour is a system colour: the button shadow.
    DrawFrame3D(dc, r, 0x0000FF, count, static_cast<TColor>(0xFF000010));
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 8);
    EXPECT_EQ(r.bottom, 8);
    EXPECT_EQ(count, 0);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(At(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(dc, 1, 5), RGB(255, 0, 0));
    EXPECT_EQ(At(dc, 9, 5), shadow);
    EXPECT_EQ(At(dc, 5, 8), shadow);
    EXPECT_EQ(At(dc, 5, 5), RGB(0, 0, 0));
    EXPECT_EQ(At(dc, 10, 10), RGB(0, 0, 0));
}

// Counts pixels of one colour.
int CountOf(HDC dc, int w, int h, COLORREF c)
{
    GdiFlush();
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            n += GetPixel(dc, x, y) == c;
    return n;
}

TEST_F(PaintWin, SectionTextDrawsItsContourFirstAndTheMainTextOverIt)
{
    TSkinTables t;
    TsGeneralData s;
    s.FontColor = {0x000000, -1, -1, 0xFFFFFF, -1};
    s.Color = 0x00FF00;
    t.Sections.push_back(s);
    TBitmap b(60, 24, TPixelFormat::pf24bit);
    HDC dc = BitmapDC(b);
    RECT all{0, 0, 60, 24};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    const COLORREF grey = GetPixel(dc, 0, 0);
    DrawSectionText(dc, "III", &t, 0, true, false, DT_LEFT | DT_TOP | DT_SINGLELINE, {4, 4, 60, 24});
    // Each black stroke has white one pixel to its right, where the main text is not.
    GdiFlush();
    int pairs = 0, black = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x + 1 < 60; ++x)
            if (GetPixel(dc, x, y) == RGB(0, 0, 0)) {
                ++black;
                const COLORREF right = GetPixel(dc, x + 1, y);
                pairs += right == RGB(255, 255, 255) || right == RGB(0, 0, 0);
            }
    EXPECT_GT(black, 0);
    EXPECT_EQ(pairs, black);
    EXPECT_GT(CountOf(dc, 60, 24, RGB(255, 255, 255)), 0);
    // Disabled: one drawing in the mix of black and the section colour.
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    DrawSectionText(dc, "III", &t, 0, false, false, DT_LEFT | DT_TOP | DT_SINGLELINE, {4, 4, 60, 24});
    EXPECT_GT(CountOf(dc, 60, 24, RGB(0, 153, 0)), 0);
    EXPECT_EQ(CountOf(dc, 60, 24, RGB(255, 255, 255)), 0);
    EXPECT_EQ(At(dc, 0, 0), grey);
}

TEST_F(PaintWin, SkinTextIsClippedToItsRectangleAndLeavesTheFontAlone)
{
    TBitmap b(40, 20, TPixelFormat::pf24bit);
    HDC dc = BitmapDC(b);
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    SkinTextRequest q;
    q.Underline = true;
    SetTextColor(dc, RGB(255, 255, 255));
    DrawSkinText(dc, "WWWWWWWW", q, DT_LEFT | DT_TOP | DT_SINGLELINE, {0, 0, 10, 20});
    EXPECT_GT(CountOf(dc, 10, 20, RGB(255, 255, 255)), 0);
    GdiFlush();
    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 40; ++x)
            ASSERT_EQ(GetPixel(dc, x, y), RGB(0, 0, 0)) << x << "," << y;
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(FitTextWithEllipsis(dc, "WWWWWWWW", 0), "");
}

TEST_F(PaintWin, MaskRegionCutsTheCornersKeyPixelsOutOfTheWindowShape)
{
    // A 6 x 6 key-colour border: the top-left pixel and the two left pixels of
    // the bottom-right corner's last row are the key.
    PaintTables pt(6, 6, {0, 0, 255, 0});
    pt.Paint(0, 0, 1, 1, kKey);
    pt.Paint(4, 5, 6, 6, kKey);
    const int m = pt.AddMask({{0, 0, 6, 6}, 1, 0, 0, 2, 2, 2, 2});
    TBitmap b(20, 10, TPixelFormat::pf24bit);
    HRGN rgn = CreateRectRgn(0, 0, 20, 10);
    DrawMaskRegion(pt.t, b, rgn, 0, pt.Mask(m));
    EXPECT_FALSE(PtInRegion(rgn, 0, 0));
    EXPECT_TRUE(PtInRegion(rgn, 1, 0));
    EXPECT_FALSE(PtInRegion(rgn, 18, 9));
    EXPECT_FALSE(PtInRegion(rgn, 19, 9));
    EXPECT_TRUE(PtInRegion(rgn, 17, 9));
    EXPECT_TRUE(PtInRegion(rgn, 10, 5));
    EXPECT_EQ(b.PixelColor(1, 1), 0x0000FF);
    EXPECT_EQ(b.PixelColor(10, 0), 0x0000FF);
    DeleteObject(rgn);
}

TEST_F(PaintWin, StretchNinePartCopiesCornersAndTilesEdgesWithoutLoopingOnEmptyCentres)
{
    TBitmap src(6, 6, TPixelFormat::pf24bit), dst(20, 12, TPixelFormat::pf24bit);
    Fill(src, {0, 0, 255, 0});
    Set(src, 2, 0, {255, 0, 0, 0});  // the 2-wide top edge starts blue
    HDC s = BitmapDC(src), d = BitmapDC(dst);
    NinePartCopy c;
    c.Dest = {0, 0, 20, 12};
    c.Source = {0, 0, 6, 6};
    c.Borders = {2, 2, 2, 2};
    c.Limits = {2, 2, 2, 2};
    c.FillCentre = true;
    StretchNinePart(d, s, c);
    EXPECT_EQ(At(d, 2, 0), RGB(0, 0, 255));
    EXPECT_EQ(At(d, 4, 0), RGB(0, 0, 255));
    EXPECT_EQ(At(d, 3, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(d, 10, 6), RGB(255, 0, 0));
    // Borders as wide as the source: corners only, and no endless loop.
    TBitmap dst2(20, 12, TPixelFormat::pf24bit);
    HDC d2 = BitmapDC(dst2);
    c.Borders = c.Limits = {3, 3, 3, 3};
    StretchNinePart(d2, s, c);
    EXPECT_EQ(At(d2, 10, 6), RGB(0, 0, 0));
    EXPECT_EQ(At(d2, 19, 11), RGB(255, 0, 0));
}

TEST_F(PaintWin, BorderStripsCopyTheFrameAndNothingOutsideTheArea)
{
    // A 10 x 8 area copied into a larger memory bitmap, which does not clip
    // at the area's edge.
    TBitmap src(16, 16, TPixelFormat::pf24bit), dst(16, 16, TPixelFormat::pf24bit);
    Fill(src, {0, 0, 255, 0});
    HDC s = BitmapDC(src), d = BitmapDC(dst);
    CopyBorderStrips(d, 2, s, 10, 8);
    for (auto [x, y] : {std::pair{0, 0}, {9, 0}, {9, 7}, {0, 7}, {1, 4}, {8, 4}, {5, 1}, {5, 6}})
        EXPECT_EQ(At(d, x, y), RGB(255, 0, 0)) << x << "," << y;
    for (auto [x, y] : {std::pair{5, 4}, {10, 0}, {10, 7}, {9, 8}, {0, 8}, {11, 3}})
        EXPECT_EQ(At(d, x, y), RGB(0, 0, 0)) << x << "," << y;
}

TEST_F(PaintWin, SectionsPaintOntoADeviceContextAndByName)
{
    PaintTables pt(2, 2);
    TsGeneralData panel;
    panel.SectionName = "PANEL";
    panel.Color = 0x0000FF;
    pt.t.Sections.push_back(panel);
    TsGeneralData label = panel;
    label.SectionName = "LABEL";
    label.Color = 0x00FF00;
    label.Transparency = 100;
    pt.t.Sections.push_back(label);
    TBitmap screen(20, 20, TPixelFormat::pf24bit);
    HDC dc = BitmapDC(screen);
    PaintSectionToDC(pt.t, 0, "PANEL", EmptyBgCache, dc, {0, 0}, {4, 4, 12, 12}, 0, true);
    EXPECT_EQ(At(dc, 4, 4), RGB(255, 0, 0));
    EXPECT_EQ(At(dc, 11, 11), RGB(255, 0, 0));
    EXPECT_EQ(At(dc, 12, 12), RGB(0, 0, 0));
    // A see-through section found by its fallback name shows what the DC shows.
    TBitmap b(6, 6, TPixelFormat::pf24bit);
    EXPECT_EQ(PaintSectionByName(pt.t, b, "NOSUCH", "LABEL", dc, 0, {2, 2, 8, 8}), 1);
    EXPECT_EQ(b.PixelColor(0, 0), 0);
    EXPECT_EQ(b.PixelColor(3, 3), 0x0000FF);
    EXPECT_EQ(PaintSectionByName(pt.t, b, "NOSUCH", "NONE", dc, 0, {2, 2, 8, 8}), -1);
}

}  // namespace
}  // namespace taramel::test
