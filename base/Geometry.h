// Rectangles, points and sizes of the whole program. Right and Bottom are
// exclusive unless an operation says its rectangle is inclusive.
#pragma once

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
    bool operator==(const TRect&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize&) const = default;
};

}  // namespace taramel
