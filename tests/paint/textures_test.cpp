#include <gtest/gtest.h>

#include "paint/Masks.h"
#include "paint/Textures.h"
#include "tests/paint/PaintFixture.h"

namespace taramel::test {
namespace {

constexpr Bgra kTile{0, 0, 255, 0}, kWhite{255, 255, 255, 0}, kBlue{255, 0, 0, 0};

// The painted part of a 24 x 50 rectangle at (0, 0) as (first column, first
// row, last column + 1, last row + 1) of the tile colour.
TRect PaintedBox(TBitmap& b)
{
    TRect box{b.Width(), b.Height(), -1, -1};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (Get(b, x, y) == kTile) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

TEST(PaintTexture, EveryPlacementCodePaintsItsPartAndReturnsTheRest)
{
    // A 10 x 20 tile on a 24 x 50 rectangle.
    struct Case {
        int code;
        TRect painted;
        TRect left;
    } cases[] = {
        {0, {0, 0, 24, 50}, kNothingLeft},   {1, {0, 0, 24, 50}, kNothingLeft},
        {2, {0, 0, 24, 20}, {0, 20, 24, 50}}, {3, {0, 0, 10, 50}, {10, 0, 24, 50}},
        {4, {0, 0, 24, 20}, {0, 20, 24, 50}}, {5, {0, 0, 10, 50}, {10, 0, 24, 50}},
        {6, {0, 30, 24, 50}, {0, 0, 24, 30}}, {7, {14, 0, 24, 50}, {0, 0, 14, 50}},
        {10, {0, 0, 24, 40}, kNothingLeft},  {8, {0, 0, 24, 50}, {14, 0, 24, 50}},
    };
    for (const Case& c : cases) {
        PaintTables pt(30, 30, kTile);
        const int m = pt.AddMask({{2, 3, 12, 23}, 1, 0, c.code});
        auto dst = Canvas(24, 50, kWhite);
        TRect r{0, 0, 24, 50};
        PaintTexture(pt.t, *dst, r, nullptr, c.code, pt.Mask(m));
        EXPECT_EQ(PaintedBox(*dst), c.painted) << "code " << c.code;
        EXPECT_EQ(r, c.left) << "code " << c.code;
    }
}

TEST(PaintTexture, TilesRepeatFromTheRectanglesCornerAndCutAtItsEdges)
{
    // A 3 x 2 tile whose top-left pixel is blue, in a rectangle at (1, 1).
    PaintTables pt(3, 2, kTile);
    pt.Paint(0, 0, 1, 1, kBlue);
    const int m = pt.AddMask({{0, 0, 3, 2}, 1});
    auto dst = Canvas(9, 7, kWhite);
    TRect r{1, 1, 8, 6};
    PaintTexture(pt.t, *dst, r, nullptr, 0, pt.Mask(m));
    for (auto [x, y] : {std::pair{1, 1}, {4, 1}, {7, 1}, {1, 3}, {7, 5}})
        EXPECT_EQ(Get(*dst, x, y), kBlue) << x << "," << y;
    EXPECT_EQ(Get(*dst, 2, 2), kTile);
    EXPECT_EQ(Get(*dst, 8, 1), kWhite);
    EXPECT_EQ(Get(*dst, 1, 6), kWhite);
    EXPECT_EQ(Get(*dst, 0, 0), kWhite);
}

TEST(PaintTexture, TilesTakeTheirPixelFromTheTilePhaseAtEveryPlaceAndFormat)
{
    // A 5 x 3 tile with a different colour in every pixel, laid by the codes
    // that anchor it at a corner other than the top-left, over rectangles
    // narrower and wider than the tile and partly outside the bitmap.
    struct Case {
        int code;
        TRect r;
    } cases[] = {{0, {1, 2, 17, 11}}, {0, {-3, -2, 9, 8}}, {6, {0, 0, 12, 2}}, {6, {2, 1, 14, 13}},
                 {7, {1, 0, 4, 9}},   {7, {3, 2, 19, 10}}, {2, {-7, 1, 16, 12}}};
    for (TPixelFormat f : {TPixelFormat::pf24bit, TPixelFormat::pf32bit})
        for (const Case& c : cases) {
            PaintTables pt(8, 6, kTile);
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 8; ++x)
                    pt.Paint(x, y, x + 1, y + 1, Bgra{x * 30, y * 40, 7, 0});
            if (f == TPixelFormat::pf32bit) {
                auto m32 = Canvas(8, 6, kWhite, f);
                for (int y = 0; y < 6; ++y)
                    for (int x = 0; x < 8; ++x)
                        Set(*m32, x, y, Get(*pt.t.MasterBitmap, x, y));
                pt.t.MasterBitmap = std::move(m32);
            }
            const int m = pt.AddMask({{2, 1, 7, 4}, 1, 0, c.code});
            auto dst = Canvas(15, 12, kWhite, f);
            TRect r = c.r;
            PaintTexture(pt.t, *dst, r, nullptr, c.code, pt.Mask(m));
            // The anchor and the painted part of each code.
            const int x0 = c.code == 7 ? c.r.Right - 5 : c.r.Left, y0 = c.code == 6 ? c.r.Bottom - 3 : c.r.Top;
            const int bottom = c.code == 2 ? std::min(c.r.Bottom, c.r.Top + 3) : c.r.Bottom;
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 15; ++x) {
                    const bool in = x >= std::max(c.r.Left, x0) && x < c.r.Right && y >= std::max(c.r.Top, y0) &&
                                    y < bottom;
                    const Bgra want = in ? Bgra{(2 + (x - x0) % 5) * 30, (1 + (y - y0) % 3) * 40, 7, 0} : kWhite;
                    Bgra got = Get(*dst, x, y);
                    got.a = 0;
                    ASSERT_EQ(got, want) << "code " << c.code << " case " << c.r.Left << "," << c.r.Top << " at " << x
                                         << "," << y << " 32-bit " << (f == TPixelFormat::pf32bit);
                }
        }
}

TEST(PaintTexture, AnEmptyTileOrNoSourceDrawsNothingAndLeavesTheRectangle)
{
    PaintTables pt(4, 4, kTile);
    const int empty = pt.AddMask({{2, 2, 2, 4}, 1});
    auto dst = Canvas(6, 6, kWhite);
    for (int code : {0, 1, 2, 6, 7, 10}) {
        TRect r{0, 0, 6, 6};
        PaintTexture(pt.t, *dst, r, nullptr, code, pt.Mask(empty));
        EXPECT_EQ(r, (TRect{0, 0, 6, 6}));
    }
    pt.t.MasterBitmap.reset();
    TRect r{0, 0, 6, 6};
    PaintTexture(pt.t, *dst, r, nullptr, 0, pt.Mask(empty));
    EXPECT_EQ(r, (TRect{0, 0, 6, 6}));
    EXPECT_EQ(PaintedBox(*dst).Right, -1);
    // An own texture bitmap is tiled whatever the code.
    auto own = Canvas(4, 4, kTile);
    PaintTexture(pt.t, *dst, r, own.get(), 6, pt.Mask(empty));
    EXPECT_EQ(PaintedBox(*dst), (TRect{0, 0, 6, 6}));
    EXPECT_EQ(r, kNothingLeft);
}

// A masked texture: one 4 x 3 state, picture red with a key pixel at (0, 0),
// mask 0 (picture shows).
struct MaskedTile : PaintTables {
    int index;
    MaskedTile() : PaintTables(4, 6, kTile)
    {
        Paint(0, 0, 1, 1, kKey);
        Paint(0, 3, 4, 6, {0, 0, 0, 0});
        index = AddMask({{0, 0, 4, 6}, 1, 1});
    }
};

TEST(PaintMaskedTexture, CodeZeroCoversTheWholeRectangleBottomStripIncluded)
{
    MaskedTile mt;
    auto parent = Canvas(20, 20, kBlue);
    auto dst = Canvas(10, 8, kWhite);
    TRect r{0, 0, 10, 8};
    PaintMaskedTexture(mt.t, *dst, r, BgCacheFromBitmap(*parent, 0, 0), 0, mt.Mask(mt.index));
    EXPECT_EQ(r, kNothingLeft);
    EXPECT_EQ(Get(*dst, 0, 0), kBlue);  // key pixels show the parent
    EXPECT_EQ(Get(*dst, 4, 3), kBlue);
    EXPECT_EQ(Get(*dst, 9, 7), kTile);  // the cut last row and column
    EXPECT_EQ(Get(*dst, 1, 7), kTile);
}

TEST(PaintMaskedTexture, CodeTenLaysWholeTilesAndShowsTheParentInTheStrips)
{
    MaskedTile mt;
    auto parent = Canvas(20, 20, kBlue);
    Set(*parent, 13, 17, {7, 7, 7, 0});
    auto dst = Canvas(10, 8, kWhite);
    TRect r{0, 0, 10, 8};
    PaintMaskedTexture(mt.t, *dst, r, BgCacheFromBitmap(*parent, 4, 10), 10, mt.Mask(mt.index));
    // Whole tiles at x 0, 4 and y 0, 3; the strips from x 8 and y 6.
    EXPECT_EQ(Get(*dst, 7, 5), kTile);
    EXPECT_EQ(Get(*dst, 8, 0), kBlue);
    EXPECT_EQ(Get(*dst, 9, 7), (Bgra{7, 7, 7, 0}));
    EXPECT_EQ(Get(*dst, 2, 6), kBlue);
    // Without a picture the strips take the parent's colour, and without a
    // colour they keep what is there.
    auto dst2 = Canvas(10, 8, kWhite);
    r = {0, 0, 10, 8};
    PaintMaskedTexture(mt.t, *dst2, r, BgCache{nullptr, 0, 0, 0x00FF00, false}, 10, mt.Mask(mt.index));
    EXPECT_EQ(Get(*dst2, 9, 7), (Bgra{0, 255, 0, 0}));
    auto dst3 = Canvas(10, 8, kWhite);
    r = {0, 0, 10, 8};
    PaintMaskedTexture(mt.t, *dst3, r, EmptyBgCache, 10, mt.Mask(mt.index));
    EXPECT_EQ(Get(*dst3, 9, 7), kWhite);
    // Other codes draw nothing.
    TRect r2{0, 0, 10, 8};
    PaintMaskedTexture(mt.t, *dst3, r2, EmptyBgCache, 2, mt.Mask(mt.index));
    EXPECT_EQ(r2, (TRect{0, 0, 10, 8}));
}

}  // namespace
}  // namespace taramel::test
