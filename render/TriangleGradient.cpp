#include "render/TriangleGradient.h"

#include <algorithm>
#include <cmath>

#include "render/PixelMath.h"

namespace taramel {
namespace {

void FillOne(TBitmap& bitmap, const TRect& clip, const TriVertex& a, const TriVertex& b, const TriVertex& c)
{
    // Twice the signed area; a degenerate triangle covers no pixel centre.
    const double area = static_cast<double>(b.X - a.X) * (c.Y - a.Y) - static_cast<double>(c.X - a.X) * (b.Y - a.Y);
    if (area == 0)
        return;
    const int bpp = BytesPerPixel(bitmap.PixelFormat());
    const int x0 = std::max({clip.Left, std::min({a.X, b.X, c.X}), 0});
    const int x1 = std::min({clip.Right, std::max({a.X, b.X, c.X}), bitmap.Width()});
    const int y0 = std::max({clip.Top, std::min({a.Y, b.Y, c.Y}), 0});
    const int y1 = std::min({clip.Bottom, std::max({a.Y, b.Y, c.Y}), bitmap.Height()});
    constexpr double kEdge = -1e-9;  // centres on an edge belong to the triangle
    for (int y = y0; y < y1; ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        const double py = y + 0.5;
        for (int x = x0; x < x1; ++x) {
            const double px = x + 0.5;
            const double wa = ((b.X - px) * (c.Y - py) - (c.X - px) * (b.Y - py)) / area;
            const double wb = ((c.X - px) * (a.Y - py) - (a.X - px) * (c.Y - py)) / area;
            const double wc = 1.0 - wa - wb;
            if (wa < kEdge || wb < kEdge || wc < kEdge)
                continue;
            auto mix = [&](std::uint16_t va, std::uint16_t vb, std::uint16_t vc) {
                const int v = RoundEven(wa * va + wb * vb + wc * vc);
                return static_cast<std::uint8_t>(std::clamp(v, 0, 0xFFFF) >> 8);
            };
            std::uint8_t* p = row + bpp * x;
            p[0] = mix(a.Blue, b.Blue, c.Blue);
            p[1] = mix(a.Green, b.Green, c.Green);
            p[2] = mix(a.Red, b.Red, c.Red);
            if (bpp == 4)
                p[3] = 255;
        }
    }
}

}  // namespace

void FillTriangleGradient(TBitmap& bitmap, const TRect& clip, std::span<const TriVertex> vertices,
                          std::span<const TriIndexes> triangles)
{
    const TPixelFormat f = bitmap.PixelFormat();
    if (f != TPixelFormat::pf24bit && f != TPixelFormat::pf32bit)
        return;
    const int n = static_cast<int>(vertices.size());
    for (const TriIndexes& t : triangles) {
        if (t.A < 0 || t.B < 0 || t.C < 0 || t.A >= n || t.B >= n || t.C >= n)
            continue;
        FillOne(bitmap, clip, vertices[static_cast<std::size_t>(t.A)], vertices[static_cast<std::size_t>(t.B)],
                vertices[static_cast<std::size_t>(t.C)]);
    }
}

}  // namespace taramel
