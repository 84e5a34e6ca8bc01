// Drawing PNG pictures onto real device contexts and making icons of them.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <vector>

#include "images/PngReader_win.h"
#include "tests/images/PngBuilder.h"
#include "tests/support/PixelCanvas.h"

namespace taramel {
namespace {

using namespace taramel::test;
using Px = std::array<std::uint8_t, 3>;  // blue, green, red

// A 24-bit top-down canvas filled with one colour.
class Canvas {
public:
    Canvas(int w, int h, Px fill) : w_(w), canvas_(w, h, 24)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                std::copy(fill.begin(), fill.end(), Pixel(x, y));
    }
    HDC Dc() const { return canvas_.Dc(); }
    std::uint8_t* Pixel(int x, int y) const
    {
        return canvas_.Bits() + (static_cast<std::size_t>(w_) * 3 + 3) / 4 * 4 * y + 3 * x;
    }
    Px At(int x, int y) const
    {
        GdiFlush();
        const std::uint8_t* p = Pixel(x, y);
        return {p[0], p[1], p[2]};
    }

private:
    int w_;
    testsupport::TPixelCanvas canvas_;
};

void Load(TPNGGraphic& image, const Bytes& file)
{
    LoadPngFromMemory(file.data(), file.size(), image);
}

TEST(PngDraw, ComposesWithAlphaAtItsOwnSize)
{
    TPNGGraphic image;
    // Row 0: opaque red, half-transparent blue; row 1: transparent, alpha 64 white.
    Load(image, Png({Ihdr(2, 2, 8, 6),
                     Idat(Unfiltered({{255, 0, 0, 255, 0, 0, 255, 128}, {9, 9, 9, 0, 255, 255, 255, 64}})), Iend()}));
    Canvas canvas(4, 4, {100, 100, 100});
    const RECT r{1, 1, 3, 3};
    DrawPng(image, canvas.Dc(), r);
    EXPECT_EQ(canvas.At(0, 0), (Px{100, 100, 100}));
    EXPECT_EQ(canvas.At(1, 1), (Px{0, 0, 254}));       // 100 + floor(155 * 255 / 256), 100 + floor(-100 * 255 / 256)
    EXPECT_EQ(canvas.At(2, 1), (Px{177, 50, 50}));     // 100 + floor(155 * 128 / 256), 100 - 50
    EXPECT_EQ(canvas.At(1, 2), (Px{100, 100, 100}));
    EXPECT_EQ(canvas.At(2, 2), (Px{138, 138, 138}));   // 100 + floor(155 * 64 / 256)
    EXPECT_EQ(canvas.At(3, 3), (Px{100, 100, 100}));
}

TEST(PngDraw, StretchedOpaqueImageCoversTheRectangle)
{
    TPNGGraphic image;
    Load(image, Png({Ihdr(1, 1, 8, 6), Idat(Unfiltered({{255, 0, 0, 255}})), Iend()}));  // opaque red
    Canvas canvas(5, 5, {0, 0, 0});
    DrawPng(image, canvas.Dc(), RECT{1, 1, 4, 4});
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 4; ++x)
            EXPECT_EQ(canvas.At(x, y), (Px{0, 0, 254})) << x << "," << y;
    EXPECT_EQ(canvas.At(0, 0), (Px{0, 0, 0}));
    EXPECT_EQ(canvas.At(4, 4), (Px{0, 0, 0}));
}

TEST(PngDraw, OtherFormatsDrawAsOrdinaryBitmapsWithoutTheirTransparentColour)
{
    TPNGGraphic image;
    Load(image, Png({Ihdr(2, 1, 8, 2), Chunk("tRNS", {0, 0, 0, 0, 0, 0}),
                     Idat(Unfiltered({{0, 0, 0, 10, 20, 30}})), Iend()}));
    ASSERT_TRUE(image.Transparent());
    Canvas canvas(2, 1, {7, 7, 7});
    DrawPng(image, canvas.Dc(), RECT{0, 0, 2, 1});
    EXPECT_EQ(canvas.At(0, 0), (Px{7, 7, 7}));
    EXPECT_EQ(canvas.At(1, 0), (Px{30, 20, 10}));
    Load(image, Png({Ihdr(2, 1, 8, 0), Idat(Unfiltered({{0, 200}})), Iend()}));
    DrawPng(image, canvas.Dc(), RECT{0, 0, 2, 1});
    EXPECT_EQ(canvas.At(0, 0), (Px{0, 0, 0}));
    EXPECT_EQ(canvas.At(1, 0), (Px{200, 200, 200}));
}

TEST(PngDraw, ReflectionBelowTheImage)
{
    TPNGGraphic image;
    Bytes rows;
    for (int y = 0; y < 6; ++y) {
        rows.push_back(0);
        for (std::uint8_t v : {255, 255, 255, 255})
            rows.push_back(v);
    }
    Load(image, Png({Ihdr(1, 6, 8, 6), Idat(rows), Iend()}));
    image.Reflection = 1;
    Canvas canvas(1, 12, {0, 0, 0});
    DrawPng(image, canvas.Dc(), RECT{0, 0, 1, 6});
    EXPECT_EQ(canvas.At(0, 5), (Px{254, 254, 254}));
    EXPECT_EQ(canvas.At(0, 6), (Px{0, 0, 0}));
    EXPECT_EQ(canvas.At(0, 7), (Px{84, 84, 84}));  // level 255, alpha 255 div 3 = 85
    // The work area is 6 + 3 rows: n = min(6 div 2 - 1, 9 - 6 - 1) = 2.
    EXPECT_EQ(canvas.At(0, 8), (Px{55, 55, 55}));  // level 170: a = 170 * 85 div 255 = 56
    EXPECT_EQ(canvas.At(0, 9), (Px{0, 0, 0}));
}

TEST(PngIcon, ForcedIconTakesTheCornerAsTransparent)
{
    TPNGGraphic image;
    Load(image, Png({Ihdr(2, 1, 8, 2), Idat(Unfiltered({{1, 2, 3, 4, 5, 6}})), Iend()}));
    HICON icon = MakePngIcon(image, false);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    GetObject(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 2);
    // The colour bitmap: corner pixel alpha 0, the other opaque.
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 2;
    bi.bmiHeader.biHeight = -1;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::uint8_t px[8] = {};
    ASSERT_EQ(GetDIBits(dc, info.hbmColor, 0, 1, px, &bi, DIB_RGB_COLORS), 1);
    EXPECT_EQ(px[0], 3);
    EXPECT_EQ(px[3], 0);
    EXPECT_EQ(px[4], 6);
    EXPECT_EQ(px[7], 255);
    DeleteDC(dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    TPNGGraphic empty;
    EXPECT_EQ(MakePngIcon(empty, true), nullptr);
}

}  // namespace
}  // namespace taramel
