// The scroll bars' geometry: the rounding multiply-divide it rests on, where
// the bars of a window lie, the arrow length, the thumb's length and place
// for a scroll state, the part under a point and the position a dragged
// thumb stands for.
#include "paint/ScrollGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace taramel {
namespace {

TEST(MulDivRounded, RoundsHalvesAwayFromZeroAndGivesMinusOneForNoResult)
{
    const struct {
        int number, numerator, denominator, expected;
    } cases[] = {
        {45, 149, 90, 75},  // 74.5: a half goes up
        {75, 90, 149, 45},  // 45.3
        {1, 1, 3, 0},       // 0.33
        {2, 1, 3, 1},       // 0.67
        {-45, 149, 90, -75},  // -74.5: a half goes away from zero, not up
        {45, -149, 90, -75},
        {45, 149, -90, -75},
        {-45, -149, -90, -75},
        {-1, 1, 3, 0},
        {0, 5, 7, 0},
        // No result: the denominator 0, or a quotient beyond the int range.
        {7, 3, 0, -1},
        {0, 0, 0, -1},
        {INT_MAX, INT_MAX, 1, -1},
        {INT_MIN, 1, -1, -1},
        // The product itself may lie far outside the int range.
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN, INT_MIN, INT_MIN},
        {INT_MIN, 1, 1, INT_MIN},
        {INT_MAX, 2, 4, 1073741824},  // 1073741823.5
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDivRounded(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

// A 200 x 150 window with a different border on every side and bars of
// different thickness, so that each edge and thickness shows where it went.
ScrollFrame Framed(bool horz, bool vert, bool leftBar)
{
    ScrollFrame f;
    f.Window = {0, 0, 200, 150};
    f.Edges = {1, 3, 4, 5};
    f.HorzThickness = 15;
    f.VertThickness = 17;
    f.HorzShown = horz;
    f.VertShown = vert;
    f.LeftScrollBar = leftBar;
    return f;
}

TEST(LayoutScrollBars, BarsInsideTheBorderAndTheCornerBetweenThem)
{
    const struct {
        const char* what;
        ScrollFrame f;
        TRect horz, vert, corner;
    } cases[] = {
        // Bottom border at 145, right border at 196.
        {"both", Framed(true, true, false), {1, 130, 179, 145}, {179, 3, 196, 130}, {179, 130, 196, 145}},
        {"both, vertical on the left", Framed(true, true, true), {18, 130, 196, 145}, {1, 3, 18, 130},
         {1, 130, 18, 145}},
        {"horizontal alone spans the width", Framed(true, false, false), {1, 130, 196, 145}, {}, {}},
        {"vertical alone reaches the bottom border", Framed(false, true, false), {}, {179, 3, 196, 145}, {}},
        {"vertical alone on the left", Framed(false, true, true), {}, {1, 3, 18, 145}, {}},
        {"neither", Framed(false, false, true), {}, {}, {}},
    };
    for (const auto& c : cases) {
        const ScrollBarRects r = LayoutScrollBars(c.f);
        EXPECT_EQ(r.Horz, c.horz) << c.what;
        EXPECT_EQ(r.Vert, c.vert) << c.what;
        EXPECT_EQ(r.Corner, c.corner) << c.what;
    }

    // A window offset from the origin moves everything with it.
    ScrollFrame f = Framed(true, true, false);
    f.Window = {10, 20, 210, 170};
    const ScrollBarRects r = LayoutScrollBars(f);
    EXPECT_EQ(r.Horz, (TRect{11, 150, 189, 165}));
    EXPECT_EQ(r.Vert, (TRect{189, 23, 206, 150}));
}

TEST(LayoutScrollBars, NoRectangleIsInsideOutForAnyInput)
{
    // Narrower than the vertical bar: the horizontal bar has no width left.
    ScrollFrame f = Framed(true, true, false);
    f.Window = {0, 0, 20, 150};
    EXPECT_EQ(LayoutScrollBars(f).Horz.Width(), 0);

    // Edges and thicknesses that would overflow ints or turn rectangles over.
    f.Window = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    f.Edges = {INT_MAX, INT_MIN, INT_MIN, INT_MAX};
    f.HorzThickness = INT_MAX;
    f.VertThickness = INT_MIN;
    for (bool left : {false, true}) {
        f.LeftScrollBar = left;
        const ScrollBarRects r = LayoutScrollBars(f);
        for (const TRect& rect : {r.Horz, r.Vert, r.Corner}) {
            EXPECT_LE(rect.Left, rect.Right);
            EXPECT_LE(rect.Top, rect.Bottom);
        }
    }
}

TEST(ScrollArrowLength, TheLongerOfTheSystemsAndTheSkinsArrow)
{
    const struct {
        const char* what;
        TScrollOrientation o;
        TSize left, top;
        int expected;
    } cases[] = {
        {"no images", soHorizontal, {}, {}, 17},
        {"horizontal: the left arrow's width", soHorizontal, {21, 12}, {13, 25}, 21},
        {"vertical: the top arrow's height", soVertical, {21, 12}, {13, 25}, 25},
        {"smaller images leave the system's", soVertical, {30, 30}, {30, 16}, 17},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScrollArrowLength(c.o, 17, c.left, c.top), c.expected) << c.what;
    EXPECT_EQ(ScrollArrowLength(soHorizontal, -5, {-3, 0}, {}), 0);
}

// A vertical bar 200 long with 17-pixel arrows: the track is 166.
constexpr TRect kVertBar{0, 0, 17, 200};
constexpr int kArrow = 17;

ScrollInfo Info(int min, int max, int page, int pos) { return ScrollInfo{min, max, page, pos, pos}; }

TEST(LayoutScrollBar, ThumbLengthAndPlaceFromTheScrollState)
{
    const struct {
        const char* what;
        ScrollInfo info;
        bool thumb;
        int length, offset;  // l, p
    } cases[] = {
        // l = max(16.6, 10) = 17; p = 45 * 149 / 90 = 74.5, rounded up.
        {"page 10 of 100", Info(0, 99, 10, 45), true, 17, 75},
        {"min not 0", Info(-50, 49, 10, -5), true, 17, 75},
        {"at the start", Info(0, 99, 10, 0), true, 17, 0},
        {"at the last position a page can start at", Info(0, 99, 10, 90), true, 17, 149},
        {"past the end stays at the track's end", Info(0, 99, 10, 200), true, 17, 149},
        {"before the start stays at its start", Info(0, 99, 10, -5), true, 17, 0},
        // Without a page the thumb is an arrow long and Max is its last place.
        {"no page: as long as an arrow", Info(0, 99, 0, 99), true, 17, 149},
        {"negative page counts as none", Info(0, 99, -3, 99), true, 17, 149},
        // 1 * 166 / 1000 rounds to 0: the shortest thumb; 500 * 156 / 999.
        {"small page: the shortest thumb", Info(0, 999, 1, 500), true, 10, 78},
        // A single position: the divisor 1 - max(0, 1) is 0 and the thumb
        // has nowhere to go but the track's start.
        {"one position, no page", Info(7, 7, 0, 7), true, 17, 0},
        {"empty range, no page", Info(5, 3, 0, 4), true, 17, 0},
        {"empty range with a page: a thumb of nothing", Info(5, 3, 4, 4), true, 0, 0},
        // The page covers the range: 100 * 166 / 100 = t, no thumb.
        {"page covers the range", Info(0, 99, 100, 0), false, 0, 0},
        {"page larger than the range", Info(0, 99, 200, 50), false, 0, 0},
        {"one position with a page", Info(7, 7, 1, 7), false, 0, 0},
    };
    for (const auto& c : cases) {
        const ScrollBarLayout l = LayoutScrollBar(kVertBar, soVertical, kArrow, c.info);
        EXPECT_EQ(l.Track, 166) << c.what;
        EXPECT_EQ(l.HasThumb, c.thumb) << c.what;
        EXPECT_EQ(l.ThumbLength, c.length) << c.what;
        EXPECT_EQ(l.ThumbOffset, c.offset) << c.what;
        EXPECT_EQ(l.ThumbStart, kArrow + c.offset) << c.what;
    }
}

TEST(LayoutScrollBar, ShortBarsSplitBetweenTheArrowsWithoutAThumb)
{
    const struct {
        const char* what;
        int length, minThumb;
        ScrollInfo info;
        int button, track;
        bool thumb;
    } cases[] = {
        {"odd, shorter than two arrows", 31, 10, Info(0, 99, 10, 0), 15, -3, false},
        {"exactly two arrows", 34, 10, Info(0, 99, 10, 0), 17, 0, false},
        {"a track shorter than an arrow-long thumb", 39, 10, Info(0, 99, 0, 0), 17, 5, false},
        {"a track shorter than the shortest thumb", 43, 10, Info(0, 999, 1, 0), 17, 9, false},
        {"the shortest thumb just fits", 45, 10, Info(0, 999, 1, 0), 17, 11, true},
        {"no bar at all", 0, 10, Info(0, 99, 10, 0), 0, -34, false},
    };
    for (const auto& c : cases) {
        const TRect bar{0, 50, 17, 50 + c.length};
        const ScrollBarLayout l = LayoutScrollBar(bar, soVertical, kArrow, c.info, c.minThumb);
        EXPECT_EQ(l.Start, 50) << c.what;
        EXPECT_EQ(l.Length, c.length) << c.what;
        EXPECT_EQ(l.ButtonLength, c.button) << c.what;
        EXPECT_EQ(l.Track, c.track) << c.what;
        EXPECT_EQ(l.HasThumb, c.thumb) << c.what;
    }
}

TEST(LayoutScrollBar, ExtremeValuesKeepTheThumbInsideTheTrack)
{
    const ScrollInfo infos[] = {
        Info(INT_MIN, INT_MAX, 0, INT_MAX),     Info(INT_MIN, INT_MAX, 1, INT_MIN),
        Info(INT_MIN, INT_MAX, INT_MAX, 0),     Info(INT_MIN, INT_MAX, 1, 12345),
        Info(INT_MAX, INT_MIN, INT_MAX, 0),     Info(0, INT_MAX, 2, INT_MAX),
    };
    const TRect bars[] = {{INT_MIN, 0, INT_MAX, 17}, {0, 0, 200, 17}, {INT_MAX - 100, 0, INT_MAX, 17}};
    for (const TRect& bar : bars) {
        for (const ScrollInfo& info : infos) {
            for (int arrow : {0, 17, INT_MAX}) {
                for (int minThumb : {0, 10, INT_MAX}) {
                    const ScrollBarLayout l = LayoutScrollBar(bar, soHorizontal, arrow, info, minThumb);
                    if (!l.HasThumb)
                        continue;
                    EXPECT_GE(l.ThumbOffset, 0);
                    EXPECT_LE(static_cast<long long>(l.ThumbOffset) + l.ThumbLength, l.Track);
                    for (int mouse : {INT_MIN, 0, INT_MAX}) {
                        const ThumbDrag d = DragThumb(l, info, {mouse, 0}, -(mouse / 2));
                        if (info.Min > info.Max) {
                            EXPECT_EQ(d.Position, info.Min);
                        } else {
                            EXPECT_GE(d.Position, info.Min);
                            EXPECT_LE(d.Position, info.Max);
                        }
                    }
                }
            }
        }
    }
}

TEST(ScrollPartAt, ArrowsTrackAndThumbAlongTheBar)
{
    // Thumb at 17 + 75 = 92 .. 108, second arrow from 183.
    const ScrollBarLayout vert = LayoutScrollBar(kVertBar, soVertical, kArrow, Info(0, 99, 10, 45));
    const struct {
        int y;
        TScrollPart part;
    } along[] = {{-1, spNone},        {0, spFirstArrow},   {16, spFirstArrow}, {17, spTrackBefore},
                 {91, spTrackBefore}, {92, spThumb},       {108, spThumb},     {109, spTrackAfter},
                 {182, spTrackAfter}, {183, spSecondArrow}, {199, spSecondArrow}, {200, spNone}};
    for (const auto& c : along)
        EXPECT_EQ(ScrollPartAt(vert, {8, c.y}), c.part) << c.y;
    // Beside the bar is nowhere on it.
    EXPECT_EQ(ScrollPartAt(vert, {-1, 100}), spNone);
    EXPECT_EQ(ScrollPartAt(vert, {17, 100}), spNone);

    // A horizontal bar at (20, 130) answers along x, from its own start.
    const ScrollBarLayout horz = LayoutScrollBar({20, 130, 220, 147}, soHorizontal, kArrow, Info(0, 99, 10, 45));
    const struct {
        TPoint p;
        TScrollPart part;
    } points[] = {{{19, 140}, spNone},   {{20, 140}, spFirstArrow}, {{112, 140}, spThumb},
                  {{111, 130}, spTrackBefore}, {{129, 146}, spTrackAfter}, {{219, 140}, spSecondArrow},
                  {{112, 129}, spNone},  {{112, 147}, spNone}};
    for (const auto& c : points)
        EXPECT_EQ(ScrollPartAt(horz, c.p), c.part) << c.p.X << ", " << c.p.Y;
}

TEST(ScrollPartAt, WithoutAThumbOnlyTheArrowsAnswer)
{
    const struct {
        const char* what;
        int length;
        ScrollInfo info;
        int y;
        TScrollPart part;
    } cases[] = {
        {"page covers the range: the track is nothing", 200, Info(0, 99, 100, 0), 17, spNone},
        {"page covers the range: its other end", 200, Info(0, 99, 100, 0), 182, spNone},
        {"page covers the range: arrows still answer", 200, Info(0, 99, 100, 0), 183, spSecondArrow},
        {"odd short bar: first half", 31, Info(0, 99, 10, 0), 14, spFirstArrow},
        {"odd short bar: the middle pixel", 31, Info(0, 99, 10, 0), 15, spNone},
        {"odd short bar: second half", 31, Info(0, 99, 10, 0), 16, spSecondArrow},
        {"even short bar: halves meet", 30, Info(0, 99, 10, 0), 15, spSecondArrow},
        {"empty range with a page: all track after", 200, Info(5, 3, 4, 4), 17, spTrackAfter},
    };
    for (const auto& c : cases) {
        const ScrollBarLayout l = LayoutScrollBar({0, 0, 17, c.length}, soVertical, kArrow, c.info);
        EXPECT_EQ(ScrollPartAt(l, {8, c.y}), c.part) << c.what;
    }
}

TEST(DragThumb, TheThumbFollowsTheMouseAndGivesThePositionInTheRange)
{
    // Track from 17, thumb 17 long, room 149; page 10 of 100 leaves 90 steps.
    const struct {
        const char* what;
        ScrollInfo info;
        int mouse, grab;
        int start, position;
    } cases[] = {
        // 75 * 90 / 149 = 45.3.
        {"to 92", Info(0, 99, 10, 0), 100, 8, 92, 45},
        {"held at the track's start", Info(0, 99, 10, 45), -500, 8, 17, 0},
        {"held at the track's end", Info(0, 99, 10, 45), 900, 8, 166, 90},
        // The position counts from Min, not from 0.
        {"min not 0: to 92", Info(-50, 49, 10, 0), 100, 8, 92, -5},
        {"min not 0: at the start", Info(-50, 49, 10, 0), 0, 0, 17, -50},
        {"min not 0: at the end", Info(-50, 49, 10, 0), 900, 0, 166, 40},
        // Without a page the end of the track is Max itself.
        {"no page: at the end", Info(0, 99, 0, 0), 900, 0, 166, 99},
        {"no page: halfway", Info(0, 99, 0, 0), 17 + 75, 0, 92, 50},  // 75 * 99 / 149 = 49.8
        // A single position, or none, has only Min to give.
        {"one position", Info(7, 7, 0, 7), 120, 0, 120, 7},
        {"empty range", Info(5, 3, 0, 4), 120, 0, 120, 5},
    };
    for (const auto& c : cases) {
        const ScrollBarLayout l = LayoutScrollBar(kVertBar, soVertical, kArrow, c.info);
        ASSERT_TRUE(l.HasThumb) << c.what;
        const ThumbDrag d = DragThumb(l, c.info, {8, c.mouse}, c.grab);
        EXPECT_EQ(d.ThumbStart, c.start) << c.what;
        EXPECT_EQ(d.Position, c.position) << c.what;
    }

    // A horizontal bar drags along x from its own start.
    const ScrollBarLayout horz = LayoutScrollBar({20, 130, 220, 147}, soHorizontal, kArrow, Info(0, 99, 10, 0));
    const ThumbDrag d = DragThumb(horz, Info(0, 99, 10, 0), {120, 9999}, 8);
    EXPECT_EQ(d.ThumbStart, 112);
    EXPECT_EQ(d.Position, 45);

    // Without a thumb nothing moves.
    const ScrollInfo covered = Info(0, 99, 100, 3);
    const ScrollBarLayout none = LayoutScrollBar(kVertBar, soVertical, kArrow, covered);
    EXPECT_EQ(DragThumb(none, covered, {8, 100}, 0).Position, 3);
}

TEST(DragThumb, ATrackWithAPixelPerPositionGivesEveryPositionBack)
{
    // Where the layout puts the thumb for a position, the drag reads that
    // position back: placement and drag are each other's inverse.
    for (const int page : {0, 10, 49}) {
        const int last = page == 0 ? 49 : 49 - page + 1;
        for (int pos = -50; pos <= last; ++pos) {
            const ScrollInfo info = Info(-50, 49, page, pos);
            const ScrollBarLayout l = LayoutScrollBar(kVertBar, soVertical, kArrow, info);
            ASSERT_TRUE(l.HasThumb) << page;
            EXPECT_EQ(DragThumb(l, info, {8, l.ThumbStart + 4}, 4).Position, pos) << "page " << page;
        }
    }
}

}  // namespace
}  // namespace taramel
