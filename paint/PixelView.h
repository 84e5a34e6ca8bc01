// Bounds-checked pixel addressing for the painters: any 24- or 32-bit bitmap
// through one small value, bound once per call.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/Bitmap.h"
#include "base/Color.h"

namespace taramel::paintdetail {

struct PixelView {
    std::uint8_t* Row0 = nullptr;
    std::ptrdiff_t Stride = 0;
    int Bpp = 0;  // bytes per pixel: 3 or 4; 0 for an unusable bitmap
    int Width = 0;
    int Height = 0;

    PixelView() = default;
    explicit PixelView(const TBitmap* bmp)
    {
        if (!bmp || bmp->Empty())
            return;
        const TPixelFormat f = bmp->PixelFormat();
        if (f != TPixelFormat::pf24bit && f != TPixelFormat::pf32bit)
            return;
        Row0 = const_cast<std::uint8_t*>(bmp->Row0());
        Stride = bmp->Stride();
        Bpp = BytesPerPixel(f);
        Width = bmp->Width();
        Height = bmp->Height();
    }
    bool Valid() const { return Bpp != 0; }
    bool Is32() const { return Bpp == 4; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    std::uint8_t* At(int x, int y) const { return Row0 + y * Stride + static_cast<std::ptrdiff_t>(x) * Bpp; }
};

inline void PutColor(std::uint8_t* px, TColor c, bool alpha32)
{
    px[0] = BlueOf(c);
    px[1] = GreenOf(c);
    px[2] = RedOf(c);
    if (alpha32)
        px[3] = 255;
}

inline void CopyBgr(std::uint8_t* dst, const std::uint8_t* src)
{
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = src[2];
}

}  // namespace taramel::paintdetail
