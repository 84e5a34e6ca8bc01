#include <gtest/gtest.h>

#include "paint/Masks.h"
#include "render/PixelMath.h"
#include "tests/paint/PaintFixture.h"

namespace taramel::test {
namespace {

constexpr Bgra kRed{0, 0, 255, 0}, kBlue{255, 0, 0, 0}, kGrey{50, 50, 50, 0}, kWhite{255, 255, 255, 0};

// Counts the columns of row y that have colour p.
int ColumnsOf(TBitmap& b, int y, Bgra p)
{
    int n = 0;
    for (int x = 0; x < b.Width(); ++x)
        n += Get(b, x, y) == p;
    return n;
}

TEST(DrawMaskRect, BordersWiderThanTheRectangleShrinkToMeetExactly)
{
    struct Case {
        int wl, wr, width, left, right;
    } cases[] = {{8, 8, 10, 5, 5}, {8, 8, 11, 6, 5}, {8, 7, 10, 6, 4}, {8, 8, 16, 8, 8}, {8, 8, 2, 1, 1}};
    for (const Case& c : cases) {
        // One state: wl red columns, then wr blue ones, 4 rows.
        PaintTables pt(40, 4);
        pt.Paint(0, 0, c.wl, 4, kRed);
        pt.Paint(c.wl, 0, c.wl + c.wr, 4, kBlue);
        const int m = pt.AddMask({{0, 0, c.wl + c.wr, 4}, 1, 0, 0, c.wl, 1, c.wr, 1});
        auto dst = Canvas(c.width, 4, kGrey);
        DrawMaskRect(pt.t, *dst, {0, 0, c.width, 4}, false, false, 0, pt.Mask(m), EmptyBgCache);
        SCOPED_TRACE(testing::Message() << "WL " << c.wl << " WR " << c.wr << " width " << c.width);
        EXPECT_EQ(ColumnsOf(*dst, 0, kRed), c.left);
        EXPECT_EQ(ColumnsOf(*dst, 0, kBlue), c.right);
        EXPECT_EQ(Get(*dst, 0, 0), kRed);
        EXPECT_EQ(Get(*dst, c.width - 1, 0), kBlue);
    }
}

// Three 4 x 4 states of a key image, each one colour.
struct ThreeStates : PaintTables {
    int index;
    ThreeStates(int stretchMode = 0) : PaintTables(12, 4)
    {
        Paint(0, 0, 4, 4, {10, 10, 10, 0});
        Paint(4, 0, 8, 4, {20, 20, 20, 0});
        Paint(8, 0, 12, 4, {30, 30, 30, 0});
        index = AddMask({{0, 0, 12, 4}, 3, 0, stretchMode, 1, 1, 1, 1});
    }
};

TEST(DrawMaskImage, StateBeyondTheLastDrawsTheLastAndNegativeTheFirst)
{
    ThreeStates s;
    for (auto [state, grey] : {std::pair{0, 10}, {1, 20}, {2, 30}, {5, 30}, {-1, 10}}) {
        auto dst = Canvas(4, 4, kWhite);
        DrawMaskImage(s.t, *dst, {0, 0}, state, EmptyBgCache, s.Mask(s.index), 1);
        EXPECT_EQ(Get(*dst, 3, 3), (Bgra{grey, grey, grey, 0})) << "state " << state;
    }
}

TEST(DrawMaskRect, MaskedNinePartsFollowTheMaskRuleWhetherOrNotAPartIsOpaque)
{
    // A 9 x 9 state with 3-pixel borders and its centre drawn, over a 24 x 20
    // picture: every pixel is its tile's source pixel mixed through the mask
    // (a key pixel keeps the destination). The parts are opaque (mask 0, no
    // key) except where a case puts a key pixel or a mask byte.
    struct Case {
        const char* what;
        int keyX, keyY;    // a key pixel of the picture, or -1
        int maskX, maskY;  // a mask pixel of 200, or -1
    } cases[] = {{"all opaque", -1, -1, -1, -1},
                 {"key in the top edge", 4, 1, -1, -1},
                 {"mask in the left edge", -1, -1, 1, 4},
                 {"mask in the centre", -1, -1, 4, 4},
                 {"key in the bottom edge, mask in the right", 3, 7, 7, 5}};
    for (TPixelFormat f : {TPixelFormat::pf24bit, TPixelFormat::pf32bit})
        for (const Case& c : cases) {
            PaintTables pt(9, 18);
            for (int y = 0; y < 9; ++y)
                for (int x = 0; x < 9; ++x)
                    pt.Paint(x, y, x + 1, y + 1, Bgra{10 + 20 * x, 15 + 25 * y, 100 + x * y, 0});
            if (c.keyX >= 0)
                pt.Paint(c.keyX, c.keyY, c.keyX + 1, c.keyY + 1, kKey);
            if (c.maskX >= 0)
                pt.Paint(c.maskX, 9 + c.maskY, c.maskX + 1, 10 + c.maskY, Bgra{200, 200, 200, 0});
            const int m = pt.AddMask({{0, 0, 9, 18}, 1, 1, 4, 3, 3, 3, 3});
            auto dst = Canvas(24, 20, kWhite, f);
            Randomise(*dst, 17);
            TBitmap before(1, 1, f);
            before.Assign(*dst);
            DrawMaskRect(pt.t, *dst, {0, 0, 24, 20}, true, false, 0, pt.Mask(m), EmptyBgCache);
            // Source column of a destination column: corners, then tiles of 3.
            auto source = [](int v, int size) { return v < 3 ? v : v >= size - 3 ? v - (size - 9) : 3 + (v - 3) % 3; };
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 24; ++x) {
                    const int sx = source(x, 24), sy = source(y, 20);
                    const Bgra p = Get(pt.Master(), sx, sy), mk = Get(pt.Master(), sx, sy + 9), d = Get(before, x, y);
                    Bgra want = d;
                    if (p != kKey)
                        want = {ShadeByte(d.b, p.b, mk.b), ShadeByte(d.g, p.g, mk.g), ShadeByte(d.r, p.r, mk.r), d.a};
                    ASSERT_EQ(Get(*dst, x, y), want) << c.what << " at " << x << "," << y << " bpp "
                                                     << BytesPerPixel(f);
                }
        }
}

TEST(DrawMaskRect, StretchModeTwoHidesStateZeroOnly)
{
    ThreeStates s(2);
    auto dst = Canvas(6, 6, kWhite);
    DrawMaskRect(s.t, *dst, {0, 0, 6, 6}, true, false, 0, s.Mask(s.index), EmptyBgCache);
    EXPECT_EQ(ColumnsOf(*dst, 0, kWhite), 6);
    DrawMaskRect(s.t, *dst, {0, 0, 6, 6}, true, false, 1, s.Mask(s.index), EmptyBgCache);
    EXPECT_EQ(Get(*dst, 0, 0), (Bgra{20, 20, 20, 0}));
}

TEST(DrawMaskRect, CentreNeedsBothTheCallerAndStretchModeBitTwo)
{
    struct Case {
        int stretchMode;
        bool fillCentre;
        bool drawn;
    } cases[] = {{0, true, false}, {4, false, false}, {4, true, true}, {6, true, true}, {5, true, true}};
    for (const Case& c : cases) {
        PaintTables pt(3, 3, kRed);
        pt.Paint(1, 1, 2, 2, kBlue);  // the 1 x 1 centre
        const int m = pt.AddMask({{0, 0, 3, 3}, 1, 0, c.stretchMode, 1, 1, 1, 1});
        auto dst = Canvas(7, 7, kWhite);
        DrawMaskRect(pt.t, *dst, {0, 0, 7, 7}, c.fillCentre, false, 1, pt.Mask(m), EmptyBgCache);
        SCOPED_TRACE(testing::Message() << "StretchMode " << c.stretchMode << " fill " << c.fillCentre);
        EXPECT_EQ(Get(*dst, 3, 3), c.drawn ? kBlue : kWhite);
        EXPECT_EQ(Get(*dst, 0, 3), kRed);  // the left edge in every case
    }
}

TEST(DrawMaskRect, KeyImageStretchesItsEdgesWithBitZeroAndSkipsZeroSizeTiles)
{
    // 5 x 3: the top edge's middle column is 1 px: blue; stretched to the width.
    PaintTables pt(5, 3, kRed);
    pt.Paint(2, 0, 3, 1, kBlue);
    const int stretch = pt.AddMask({{0, 0, 5, 3}, 1, 0, 1, 2, 1, 2, 1});
    auto dst = Canvas(20, 3, kWhite);
    DrawMaskRect(pt.t, *dst, {0, 0, 20, 3}, false, false, 0, pt.Mask(stretch), EmptyBgCache);
    for (int x = 2; x < 18; ++x)
        ASSERT_EQ(Get(*dst, x, 0), kBlue) << x;
    // Borders filling the whole image: the centre tile is 0 wide, nothing loops
    // and the edges between the corners stay as they were.
    const int noCentre = pt.AddMask({{0, 0, 4, 3}, 1, 0, 0, 2, 1, 2, 1});
    auto dst2 = Canvas(20, 3, kWhite);
    DrawMaskRect(pt.t, *dst2, {0, 0, 20, 3}, true, false, 0, pt.Mask(noCentre), EmptyBgCache);
    EXPECT_EQ(Get(*dst2, 10, 0), kWhite);
    EXPECT_EQ(Get(*dst2, 1, 0), kRed);
}

// A 2 x 2 masked image (MaskType 1): picture row 0..1, mask rows 2..3.
struct MaskedCorner : PaintTables {
    int index;
    MaskedCorner(Bgra picture, int maskValue) : PaintTables(2, 4)
    {
        Paint(0, 0, 2, 2, picture);
        Paint(0, 2, 2, 4, {maskValue, maskValue, maskValue, 0});
        index = AddMask({{0, 0, 2, 4}, 1, 1, 0, 1, 1, 1, 1});
    }
};

TEST(CopyMaskPart, MixesEachChannelThroughTheMaskHalf)
{
    MaskedCorner img({200, 200, 200, 0}, 128);
    auto dst = Canvas(2, 2, {100, 0, 255, 0});
    CopyMaskPart(*dst, {0, 0, 2, 2}, {0, 0, 2, 2}, img.Mask(img.index), false, EmptyBgCache, img.Master());
    // src + floor(m * (dst - src) / 256): 200 - 50, 200 - 100, 200 + 27.
    EXPECT_EQ(Get(*dst, 1, 1), (Bgra{150, 100, 227, 0}));
}

TEST(CopyMaskPart, KeyPixelsTakeTheParentOrKeepTheDestination)
{
    MaskedCorner img(kKey, 0);
    auto parent = Canvas(10, 10, kBlue);
    Set(*parent, 5, 6, kRed);
    const BgCache bg = BgCacheFromBitmap(*parent, 5, 6);
    struct Case {
        bool useBackground;
        BgCache cache;
        Bgra expected;
    } cases[] = {{true, bg, kRed}, {false, EmptyBgCache, kGrey}, {true, BgCache{nullptr, 0, 0, 0x00FF00, false},
                                                                   Bgra{0, 255, 0, 0}}};
    for (const Case& c : cases) {
        auto dst = Canvas(2, 2, kGrey);
        CopyMaskPart(*dst, {0, 0, 2, 2}, {0, 0, 2, 2}, img.Mask(img.index), c.useBackground, c.cache, img.Master());
        EXPECT_EQ(Get(*dst, 0, 0), c.expected) << c.useBackground;
    }
    // Past the parent's picture the pixel stays.
    auto dst = Canvas(2, 2, kGrey);
    CopyMaskPart(*dst, {0, 0, 2, 2}, {0, 0, 2, 2}, img.Mask(img.index), true, BgCacheFromBitmap(*parent, 9, 9),
                 img.Master());
    EXPECT_EQ(Get(*dst, 0, 0), kBlue);
    EXPECT_EQ(Get(*dst, 1, 1), kGrey);
}

TEST(DrawMaskImage, DrawModeOtherThanOneAddsOneHundredToTheMask)
{
    for (auto [mask, mode, expected] : {std::tuple{200, 0, 100}, {200, 1, 121}, {0, 0, 160}, {0, 1, 200}}) {
        MaskedCorner img({200, 200, 200, 0}, mask);
        auto dst = Canvas(2, 2, {100, 100, 100, 0});
        DrawMaskImage(img.t, *dst, {0, 0}, 0, EmptyBgCache, img.Mask(img.index), mode);
        EXPECT_EQ(Get(*dst, 0, 0).b, expected) << "mask " << mask << " mode " << mode;
    }
}

TEST(DrawMaskImage, APointLeftOfTheBitmapCutsTheImageInsteadOfShiftingIt)
{
    // 6 columns of greys 10..60, one state.
    PaintTables pt(6, 3);
    for (int x = 0; x < 6; ++x)
        pt.Paint(x, 0, x + 1, 3, {10 * (x + 1), 0, 0, 0});
    const int m = pt.AddMask({{0, 0, 6, 3}, 1});
    auto dst = Canvas(8, 6, kWhite);
    DrawMaskImage(pt.t, *dst, {-3, 2}, 0, EmptyBgCache, pt.Mask(m), 1);
    EXPECT_EQ(Get(*dst, 0, 2).b, 40);
    EXPECT_EQ(Get(*dst, 2, 4).b, 60);
    EXPECT_EQ(Get(*dst, 3, 2), kWhite);  // nothing past the image's width
    EXPECT_EQ(Get(*dst, 0, 5), kWhite);
    // A masked image above the bitmap does not read its mask as picture.
    MaskedCorner img({200, 200, 200, 0}, 0);
    auto dst2 = Canvas(2, 2, kWhite);
    DrawMaskImage(img.t, *dst2, {0, -1}, 0, EmptyBgCache, img.Mask(img.index), 1);
    EXPECT_EQ(Get(*dst2, 0, 0).b, 200);
    EXPECT_EQ(Get(*dst2, 0, 1), kWhite);
}

TEST(Masks, ImagesWithoutAStateCountDrawNothingFromTheMasterAndNeverDivideByZero)
{
    PaintTables pt(4, 4, kRed);
    const int m = pt.AddMask({{0, 0, 4, 4}, 0, 0, 0, 1, 1, 1, 1});
    auto dst = Canvas(8, 8, kWhite);
    DrawMaskRect(pt.t, *dst, {0, 0, 8, 8}, true, true, 1, pt.Mask(m), EmptyBgCache);
    DrawMaskImage(pt.t, *dst, {0, 0}, 1, EmptyBgCache, pt.Mask(m), 1);
    EXPECT_EQ(ColumnsOf(*dst, 0, kWhite), 8);
    // An own bitmap without a count is one state as wide as its rectangle.
    pt.t.Images[m].Image = Canvas(4, 4, kBlue);
    DrawMaskImage(pt.t, *dst, {1, 1}, 2, EmptyBgCache, pt.Mask(m), 1);
    EXPECT_EQ(Get(*dst, 4, 4), kBlue);
    EXPECT_EQ(Get(*dst, 5, 5), kWhite);
    // An own bitmap smaller than the rectangle draws nothing.
    pt.t.Images[m].ImageRect = {0, 0, 5, 4};
    auto dst2 = Canvas(8, 8, kWhite);
    DrawMaskImage(pt.t, *dst2, {0, 0}, 0, EmptyBgCache, pt.Mask(m), 1);
    EXPECT_EQ(Get(*dst2, 0, 0), kWhite);
}

TEST(Masks, AnUpsideDownRectangleIsEmptyAndNeverMovesTheMaskRowsOutOfTheBitmap)
{
    PaintTables pt(16, 16, kRed);
    pt.Paint(0, 0, 2, 2, kKey);
    const int m = pt.AddMask({{0, 12, 16, 2}, 2, 1, 4, 3, 3, 3, 3});
    EXPECT_EQ(StateImageHeight(pt.Mask(m)), 0);
    auto dst = Canvas(12, 12, kWhite);
    DrawMaskRect(pt.t, *dst, {0, 0, 12, 12}, true, true, 1, pt.Mask(m), EmptyBgCache);
    DrawMaskImage(pt.t, *dst, {0, 0}, 0, EmptyBgCache, pt.Mask(m), 1);
    TAOR cut;
    DrawMaskRegionParts(pt.t, *dst, 0, pt.Mask(m), cut);
    // Only whole rows of the image are read; the picture keeps its place.
    CopyMaskPart(*dst, {0, 0, 12, 12}, {0, 0, 12, 12}, pt.Mask(m), false, EmptyBgCache, pt.Master());
    EXPECT_EQ(Get(*dst, 5, 5), kRed);
}

TEST(CopyKeyPart, KeyPixelsFollowTheCacheAndAThirtyTwoBitDestinationGetsAlpha)
{
    PaintTables pt(2, 1, kRed);
    Set(pt.Master(), 0, 0, kKey);
    auto parent = Canvas(4, 4, kBlue);
    struct Case {
        bool useBackground;
        BgCache bg;
        Bgra key, other;
    } cases[] = {
        {true, BgCacheFromBitmap(*parent, 0, 0), {255, 0, 0, 255}, {0, 0, 255, 255}},
        {true, EmptyBgCache, {1, 2, 3, 4}, {0, 0, 255, 255}},  // no colour given: the key stays
        {false, BgCache{nullptr, 0, 0, 0x0000FF, false}, {0, 0, 255, 255}, {0, 0, 255, 255}},
    };
    for (const Case& c : cases) {
        auto dst = Canvas(2, 2, {1, 2, 3, 4}, TPixelFormat::pf32bit);
        CopyKeyPart(*dst, pt.Master(), 0, 0, c.useBackground, c.bg, TransparentKey, {0, 0, 1, 0});
        EXPECT_EQ(Get(*dst, 0, 0), c.key);
        EXPECT_EQ(Get(*dst, 1, 0), c.other);
        EXPECT_EQ(Get(*dst, 1, 1), (Bgra{1, 2, 3, 4}));
    }
}

TEST(CopyImageThroughMask, AlphaOfAThirtyTwoBitPictureIsItsMask)
{
    auto src = Canvas(2, 2, {200, 100, 0, 128}, TPixelFormat::pf32bit);
    Set(*src, 1, 0, {200, 100, 0, 0});
    auto dst = Canvas(2, 2, {0, 100, 200, 0}, TPixelFormat::pf32bit);
    CopyImageThroughMask(*dst, {0, 0, 2, 2}, {0, 0, 2, 2}, false, EmptyBgCache, *src);
    EXPECT_EQ(Get(*dst, 0, 0), (Bgra{100, 100, 100, 255}));
    EXPECT_EQ(Get(*dst, 1, 0), (Bgra{0, 100, 200, 255}));
}

TEST(CollectKeyRects, RunsOfKeyPixelsOfTheCornersInTargetCoordinates)
{
    // One 10 x 4 state, borders 4 wide and 2 high.
    PaintTables pt(10, 4, kRed);
    pt.Paint(0, 0, 4, 1, kKey);   // top-left: row 0 columns 0..3
    pt.Paint(0, 1, 1, 2, kKey);   // row 1 column 0
    pt.Paint(9, 0, 10, 1, kKey);  // top-right: row 0 column 9
    pt.Paint(0, 3, 2, 4, kKey);   // bottom-left: row 3 columns 0..1
    const int m = pt.AddMask({{0, 0, 10, 4}, 1, 0, 0, 4, 2, 4, 2});
    TAOR top;
    CollectKeyRects(pt.t, top, 30, pt.Mask(m), false, 5);
    EXPECT_EQ(top, (TAOR{{0, 5, 4, 6}, {0, 6, 1, 7}, {29, 5, 30, 6}}));
    TAOR bottom;
    CollectKeyRects(pt.t, bottom, 30, pt.Mask(m), true, 20);
    EXPECT_EQ(bottom, (TAOR{{0, 21, 2, 22}}));
    // Rows reaching past the bitmap's bottom yield nothing.
    pt.t.Images[m].ImageRect = {0, 1, 10, 5};
    TAOR none;
    CollectKeyRects(pt.t, none, 30, pt.Mask(m), true, 0);
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace taramel::test
