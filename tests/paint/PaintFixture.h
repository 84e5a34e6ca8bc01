// Skin tables built in memory for the painter tests: a master bitmap whose
// pixels a test sets, and image records over it.
#pragma once

#include <memory>

#include "render/Bitmap.h"
#include "skin/SkinTables.h"
#include "tests/render/PixelFixture.h"

namespace taramel::test {

struct MaskSpec {
    TRect Rect;
    int Count = 1;
    int MaskType = 0;
    int StretchMode = 0;
    int WL = 0, WT = 0, WR = 0, WB = 0;
};

struct PaintTables {
    TSkinTables t;

    PaintTables(int w, int h, Bgra fill = {0, 0, 0, 0})
    {
        t.MasterBitmap = std::make_unique<TBitmap>(w, h, TPixelFormat::pf24bit);
        Fill(*t.MasterBitmap, fill);
    }
    TBitmap& Master() { return *t.MasterBitmap; }

    int AddMask(const MaskSpec& s)
    {
        TsMaskData m;
        m.ImageRect = s.Rect;
        m.ImageCount = static_cast<std::int16_t>(s.Count);
        m.MaskType = static_cast<std::int16_t>(s.MaskType);
        m.StretchMode = static_cast<std::int16_t>(s.StretchMode);
        m.WL = static_cast<std::int16_t>(s.WL);
        m.WT = static_cast<std::int16_t>(s.WT);
        m.WR = static_cast<std::int16_t>(s.WR);
        m.WB = static_cast<std::int16_t>(s.WB);
        t.Images.push_back(std::move(m));
        return static_cast<int>(t.Images.size()) - 1;
    }
    const TsMaskData& Mask(int i) const { return t.Images[i]; }

    // Paints the rectangle (half-open) of the master bitmap.
    void Paint(int l, int tp, int r, int b, Bgra p)
    {
        for (int y = tp; y < b; ++y)
            for (int x = l; x < r; ++x)
                Set(Master(), x, y, p);
    }
};

inline constexpr Bgra kKey{255, 0, 255, 0};

inline std::unique_ptr<TBitmap> Canvas(int w, int h, Bgra fill, TPixelFormat f = TPixelFormat::pf24bit)
{
    auto b = std::make_unique<TBitmap>(w, h, f);
    Fill(*b, fill);
    return b;
}

}  // namespace taramel::test
