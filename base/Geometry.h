// Rectangles and points of the pixel code. Right and Bottom are exclusive
// unless an operation says its rectangle is inclusive.
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

}  // namespace taramel
