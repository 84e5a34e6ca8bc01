// Rectangles, points and sizes of the whole program. Right and Bottom are
// exclusive unless an operation says its rectangle is inclusive.
#pragma once

#include <algorithm>

namespace taramel {

struct TPoint {
    int X = 0;
    int Y = 0;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // No pixel inside (a zero or negative width or height).
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRect&) const = default;
};

// The part two rectangles share (empty when they do not meet).
inline TRect Intersect(const TRect& a, const TRect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

// The rectangle moved by (dx, dy).
inline TRect Moved(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize&) const = default;
};

// Clips a copy of rectangle `s` of a source of size `source` to rectangle
// `d` of a destination of size `destination`: a negative left or top on
// either side moves both rectangles inward together, then both are cut to
// the smaller width and height and to what lies inside both bitmaps. On
// true, `s` and `d` have the same size and lie inside their bitmaps; false
// when nothing is left to copy.
inline bool ClipCopyRects(TRect& s, TSize source, TRect& d, TSize destination)
{
    const int shiftX = std::max({0, -s.Left, -d.Left});
    const int shiftY = std::max({0, -s.Top, -d.Top});
    int w = std::min(s.Width(), d.Width()) - shiftX;
    int h = std::min(s.Height(), d.Height()) - shiftY;
    s.Left += shiftX;
    d.Left += shiftX;
    s.Top += shiftY;
    d.Top += shiftY;
    w = std::min({w, source.cx - s.Left, destination.cx - d.Left});
    h = std::min({h, source.cy - s.Top, destination.cy - d.Top});
    if (w <= 0 || h <= 0)
        return false;
    s.Right = s.Left + w;
    s.Bottom = s.Top + h;
    d.Right = d.Left + w;
    d.Bottom = d.Top + h;
    return true;
}

// The same for a copy of `s` to the point (x, y) of the destination: the
// point moves with the clipping.
inline bool ClipCopyToPoint(TRect& s, TSize source, int& x, int& y, TSize destination)
{
    TRect d{x, y, x + s.Width(), y + s.Height()};
    if (!ClipCopyRects(s, source, d, destination))
        return false;
    x = d.Left;
    y = d.Top;
    return true;
}

}  // namespace taramel
