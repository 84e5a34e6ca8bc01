// The geometry of the skinned scroll bars: where the bars of a window lie,
// how long their arrows are, where the thumb sits for a scroll state, which
// part of a bar a point is over, and which scroll position a dragged thumb
// stands for. Painting, hit testing and the mouse handling all take their
// numbers from here, so what is drawn is what answers the mouse.
//
// Every function is total: any int input gives an in-range result without
// overflow and without throwing (they run inside window procedures).
#pragma once

#include "base/Geometry.h"
#include "paint/FrameGeometry.h"

namespace taramel {

// The system's rounding multiply-divide: number * numerator / denominator
// with the exact product, rounded to the nearest, halves away from zero.
// -1 when the denominator is 0 or the result does not fit an int; the
// scroll geometry below never lets either reach a result.
int MulDivRounded(int number, int numerator, int denominator);

// A bar's direction, numbered as the system numbers its bars.
enum TScrollOrientation : int { soHorizontal = 0, soVertical = 1 };

// The parts of a bar, numbered as the scroll codes the window gets for them
// (line up, line down, page up, page down, thumb track).
enum TScrollPart : int {
    spNone = -1,
    spFirstArrow = 0,   // left or top
    spSecondArrow = 1,  // right or bottom
    spTrackBefore = 2,  // between the first arrow and the thumb
    spTrackAfter = 3,   // between the thumb and the second arrow
    spThumb = 5,
};

// The shortest thumb a bar draws for a small page.
constexpr int kMinThumbLength = 10;

// A bar's scroll state as the system keeps it. Page is never negative there;
// a negative one counts as 0.
struct ScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
    int TrackPos = 0;
};

// What places a window's bars: its rectangle, the border the system's frame
// takes on each side (measured without the bars), the bars' thickness, which
// bars got room, and whether the vertical bar sits on the left.
struct ScrollFrame {
    TRect Window;
    FrameMargins Edges;
    int HorzThickness = 0;  // height of the horizontal bar
    int VertThickness = 0;  // width of the vertical bar
    bool HorzShown = false;
    bool VertShown = false;
    bool LeftScrollBar = false;
};

// The bars and the square between them, in the coordinates of the window
// rectangle. A bar without room is empty, and so is the corner unless both
// bars are shown. No rectangle is inside out.
struct ScrollBarRects {
    TRect Horz;
    TRect Vert;
    TRect Corner;
};

// The horizontal bar runs along the bottom border between the side borders,
// leaving the vertical bar's width on its side; the vertical bar runs inside
// the right (or left) border from the top border down to the horizontal bar.
ScrollBarRects LayoutScrollBars(const ScrollFrame& f);

// An arrow's length along its bar: the system's arrow length, or the skin's
// arrow image when that is longer: the frame width of the left arrow for a
// horizontal bar, the frame height of the top arrow for a vertical one.
// (0, 0) stands for a missing image.
int ScrollArrowLength(TScrollOrientation o, int systemLength, TSize leftArrowFrame, TSize topArrowFrame);

// One bar laid out along its axis (x for horizontal, y for vertical).
struct ScrollBarLayout {
    TScrollOrientation Orientation = soHorizontal;
    TRect Bar;
    int Start = 0;        // the bar's first pixel along the axis
    int Length = 0;       // the bar's length along the axis
    int Arrow = 0;        // a: the arrow length
    int ButtonLength = 0; // what each arrow covers: a, or half a bar shorter than 2a
    int Track = 0;        // t: the length between the arrows, negative on a short bar
    // The thumb, when it fits (l < t): only then are thumb and track parts
    // there. Without one, length and offset are 0 and ThumbStart is where
    // the track starts.
    bool HasThumb = false;
    int ThumbLength = 0;  // l
    int ThumbOffset = 0;  // p: from the track's start, 0 .. t - l
    int ThumbStart = 0;   // along the axis, window coordinates
};

// Lays out `bar` for the scroll state `info` with arrows `arrow` long.
// t = length - 2a and r = Max - Min + 1. The thumb is a long without a page,
// else page * t / r but at least `minThumb`, and 0 when r <= 0. It stands at
// (Pos - Min) * (t - l) / (r - max(page, 1)) into the track, held to the
// track; at the track's start when that divisor is 0 (a range of one
// position) or the range is empty. Both quotients round as MulDivRounded.
ScrollBarLayout LayoutScrollBar(const TRect& bar, TScrollOrientation o, int arrow, const ScrollInfo& info,
                                int minThumb = kMinThumbLength);

// The part of the bar under `p`, spNone outside the bar. A bar too short
// for its thumb has only its arrows, and an odd bar shorter than two arrows
// leaves its middle pixel to neither.
TScrollPart ScrollPartAt(const ScrollBarLayout& l, TPoint p);

// Where a dragged thumb stands and the scroll position it means.
struct ThumbDrag {
    int ThumbStart = 0;  // along the axis, window coordinates
    int Position = 0;
};

// The thumb follows the mouse, `grabOffset` pixels behind it (where the
// thumb was grabbed), held to the track. Its offset into the track maps
// back onto Min .. Max - max(page, 1) + 1 by the inverse of the thumb's
// placement, so that the track's ends give the range's ends and a thumb
// dropped where a position put it gives that position back (when the track
// has a pixel per position). A range of one position or none gives Min; a
// bar without a thumb leaves Pos.
ThumbDrag DragThumb(const ScrollBarLayout& l, const ScrollInfo& info, TPoint mouse, int grabOffset);

}  // namespace taramel
