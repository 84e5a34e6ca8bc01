// Linear colour interpolation over triangles: the portable fill behind the
// four-corner gradient, with the same result in every build.
#pragma once

#include <cstdint>
#include <span>

#include "render/Bitmap.h"
#include "base/Geometry.h"

namespace taramel {

// A corner of a triangle: a position in pixel edges (pixel (x, y) spans x..x+1)
// and 16-bit channels (a byte shifted left by 8).
struct TriVertex {
    int X = 0;
    int Y = 0;
    std::uint16_t Red = 0;
    std::uint16_t Green = 0;
    std::uint16_t Blue = 0;
};

struct TriIndexes {
    int A = 0, B = 0, C = 0;
};

// Fills each triangle in turn into a 24- or 32-bit bitmap (32-bit pixels get
// alpha 255), limited to `clip` and the bitmap. A pixel belongs to a triangle
// when its centre lies inside or on its edges; its colour is the barycentric
// mix of the corners' 16-bit channels, rounded, whose high byte is stored.
// Triangles with an index outside the vertices are skipped.
void FillTriangleGradient(TBitmap& bitmap, const TRect& clip, std::span<const TriVertex> vertices,
                          std::span<const TriIndexes> triangles);

}  // namespace taramel
