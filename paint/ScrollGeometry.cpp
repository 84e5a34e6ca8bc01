#include "paint/ScrollGeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace taramel {

namespace {

using i64 = std::int64_t;

constexpr i64 kIntMin = std::numeric_limits<int>::min();
constexpr i64 kIntMax = std::numeric_limits<int>::max();

// Coordinates and differences of ints are worked out in 64 bits, where no
// sum or difference of two ints overflows, and brought back held to the int
// range.
int Saturate(i64 v) { return static_cast<int>(std::clamp(v, kIntMin, kIntMax)); }

// n / d rounded to the nearest, halves away from zero, for d > 0. The
// quotient is cut toward zero and the remainder takes n's sign; a remainder
// of at least half of d takes the quotient one step further out. Callers
// keep |n| below 2^63 and d below 2^62.
i64 DivRounded(i64 n, i64 d)
{
    const i64 q = n / d;
    const i64 rem = n % d;
    const i64 twice = rem < 0 ? -2 * rem : 2 * rem;
    if (twice < d)
        return q;
    return n < 0 ? q - 1 : q + 1;
}

// A rectangle from 64-bit edges, never inside out: a right or bottom edge
// before the left or top one makes it empty.
TRect MakeRect(i64 left, i64 top, i64 right, i64 bottom)
{
    TRect r{Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

}  // namespace

int MulDivRounded(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    // Two ints multiply to less than 2^62 in size, so the product is exact.
    i64 n = static_cast<i64>(number) * numerator;
    i64 d = denominator;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const i64 q = DivRounded(n, d);
    return q < kIntMin || q > kIntMax ? -1 : static_cast<int>(q);
}

ScrollBarRects LayoutScrollBars(const ScrollFrame& f)
{
    const i64 horzThickness = std::max(f.HorzThickness, 0);
    const i64 vertThickness = std::max(f.VertThickness, 0);
    // The room inside the border.
    const i64 left = static_cast<i64>(f.Window.Left) + f.Edges.Left;
    const i64 top = static_cast<i64>(f.Window.Top) + f.Edges.Top;
    const i64 right = static_cast<i64>(f.Window.Right) - f.Edges.Right;
    const i64 bottom = static_cast<i64>(f.Window.Bottom) - f.Edges.Bottom;

    ScrollBarRects r;
    if (f.HorzShown) {
        i64 horzLeft = left, horzRight = right;
        if (f.VertShown) {
            if (f.LeftScrollBar)
                horzLeft += vertThickness;
            else
                horzRight -= vertThickness;
        }
        r.Horz = MakeRect(horzLeft, bottom - horzThickness, horzRight, bottom);
    }
    if (f.VertShown) {
        const i64 vertBottom = f.HorzShown ? bottom - horzThickness : bottom;
        const i64 vertLeft = f.LeftScrollBar ? left : right - vertThickness;
        r.Vert = MakeRect(vertLeft, top, vertLeft + vertThickness, vertBottom);
    }
    if (f.HorzShown && f.VertShown)
        r.Corner = MakeRect(r.Vert.Left, r.Horz.Top, r.Vert.Right, r.Horz.Bottom);
    return r;
}

int ScrollArrowLength(TScrollOrientation o, int systemLength, TSize leftArrowFrame, TSize topArrowFrame)
{
    const int image = o == soVertical ? topArrowFrame.cy : leftArrowFrame.cx;
    return std::max({systemLength, image, 0});
}

ScrollBarLayout LayoutScrollBar(const TRect& bar, TScrollOrientation o, int arrow, const ScrollInfo& info,
                                int minThumb)
{
    const bool vertical = o == soVertical;
    const i64 start = vertical ? bar.Top : bar.Left;
    const i64 end = vertical ? bar.Bottom : bar.Right;
    // A bar longer than the int range is cut to it, so that every length
    // below and every product of two of them stays far inside 64 bits.
    const i64 length = std::clamp(end - start, i64{0}, kIntMax);
    const i64 a = std::max(arrow, 0);
    const i64 t = length - 2 * a;

    ScrollBarLayout l;
    l.Orientation = o;
    l.Bar = bar;
    l.Start = static_cast<int>(start);
    l.Length = static_cast<int>(length);
    l.Arrow = static_cast<int>(a);
    l.ButtonLength = static_cast<int>(length < 2 * a ? length / 2 : a);
    l.Track = Saturate(t);
    l.ThumbStart = Saturate(start + a);
    if (t <= 0)
        return l;

    // Without a page the thumb is as long as an arrow; with one it shows the
    // page's share of the range, but never shorter than `minThumb`.
    const i64 r = static_cast<i64>(info.Max) - info.Min + 1;
    const i64 page = std::max(info.Page, 0);
    i64 thumb = 0;
    if (page == 0)
        thumb = a;
    else if (r > 0)
        thumb = std::max(DivRounded(page * t, r), static_cast<i64>(minThumb));
    if (thumb >= t)
        return l;

    // The positions 0 .. r - max(page, 1) share the room t - l. A position
    // outside the range lands where its nearest end does, so it is held to
    // the range first; that keeps the product below 2^32 * 2^31. A thumb
    // that fits with a page leaves the page short of the range, so only a
    // single position without a page makes the divisor 0: the thumb then
    // stays at the track's start (the rounding division would give -1).
    const i64 room = t - thumb;
    const i64 divisor = r - std::max(page, i64{1});
    i64 offset = 0;
    if (r > 0 && divisor > 0) {
        const i64 pos = std::clamp(static_cast<i64>(info.Pos), static_cast<i64>(info.Min),
                                   static_cast<i64>(info.Max)) - info.Min;
        offset = std::min(DivRounded(pos * room, divisor), room);
    }
    l.HasThumb = true;
    l.ThumbLength = static_cast<int>(thumb);
    l.ThumbOffset = static_cast<int>(offset);
    l.ThumbStart = static_cast<int>(start + a + offset);
    return l;
}

TScrollPart ScrollPartAt(const ScrollBarLayout& l, TPoint p)
{
    const bool vertical = l.Orientation == soVertical;
    const int across = vertical ? p.X : p.Y;
    if (across < (vertical ? l.Bar.Left : l.Bar.Top) || across >= (vertical ? l.Bar.Right : l.Bar.Bottom))
        return spNone;
    const i64 x = static_cast<i64>(vertical ? p.Y : p.X) - l.Start;
    if (x < 0 || x >= l.Length)
        return spNone;
    if (x < l.ButtonLength)
        return spFirstArrow;
    if (x >= l.Length - l.ButtonLength)
        return spSecondArrow;
    if (!l.HasThumb)
        return spNone;
    const i64 thumb = static_cast<i64>(l.Arrow) + l.ThumbOffset;
    if (x < thumb)
        return spTrackBefore;
    if (x < thumb + l.ThumbLength)
        return spThumb;
    return spTrackAfter;
}

ThumbDrag DragThumb(const ScrollBarLayout& l, const ScrollInfo& info, TPoint mouse, int grabOffset)
{
    if (!l.HasThumb)
        return {l.ThumbStart, info.Pos};
    const i64 trackStart = static_cast<i64>(l.Start) + l.Arrow;
    const i64 room = static_cast<i64>(l.Track) - l.ThumbLength;  // at least 1 with a thumb
    const i64 along = l.Orientation == soVertical ? mouse.Y : mouse.X;
    const i64 offset = std::clamp(along - grabOffset - trackStart, i64{0}, room);

    // The inverse of the thumb's placement, from the range's start: the
    // track's ends give Min and the last position a page can start at. A
    // range of one position (or none) has only Min to give.
    const i64 r = static_cast<i64>(info.Max) - info.Min + 1;
    const i64 divisor = r - std::max(static_cast<i64>(info.Page), i64{1});
    const i64 step = divisor > 0 ? DivRounded(offset * divisor, room) : 0;
    return {static_cast<int>(trackStart + offset), static_cast<int>(info.Min + step)};
}

}  // namespace taramel
