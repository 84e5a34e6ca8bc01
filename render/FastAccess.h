// Access objects: bind once to a bitmap, then address any pixel with one
// multiplication (row0 + y * stride + x * bytes per pixel).
//
// An object stays bound to whatever it last attached; attach again right
// before every use, since changing a bitmap's size or format moves its pixels.
// Every object refuses bitmaps with fewer than two rows or columns.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/Bitmap.h"
#include "base/Color.h"

namespace taramel {

// The binding both single-bitmap objects share: the bitmap, its size, its
// signed row stride and the address of row 0.
template <int BytesPerPixel>
class TacFastBase {
public:
    TBitmap* Bitmap = nullptr;
    int Width = 0;
    int Height = 0;
    std::ptrdiff_t Stride = 0;
    std::uint8_t* Row0 = nullptr;

    // False (and Width 0) for a missing bitmap, one under 2 x 2 or one of
    // another pixel size.
    bool Attach(TBitmap* bitmap);
    std::uint8_t* Pixel(int x, int y) const { return Row0 + y * Stride + BytesPerPixel * x; }
};

class TacFast24 : public TacFastBase<3> {
public:
    // 0x00BBGGRR; no bounds check (callers check against Width and Height).
    TColor Read(int x, int y) const { return PixelColor(Pixel(x, y)); }
};

class TacFast32 : public TacFastBase<4> {
public:
    // 0xAABBGGRR: the stored bytes blue, green, red, alpha moved into colour order.
    TColor Read(int x, int y) const
    {
        const std::uint8_t* p = Pixel(x, y);
        return MakeColor(p[2], p[1], p[0], p[3]);
    }
    // Stores the value 0xAABBGGRR as blue, green, red, alpha.
    void Write(int x, int y, TColor value) const
    {
        std::uint8_t* p = Pixel(x, y);
        p[0] = BlueOf(value);
        p[1] = GreenOf(value);
        p[2] = RedOf(value);
        p[3] = HighByteOf(value);
    }
    // Stores the raw pixel value (memory order: low byte first) into rows
    // Top..Bottom-1, columns Left..Right-1. The rectangle is clipped to the
    // bitmap, so a stray rectangle writes nothing outside it.
    void FillRect(int left, int top, int right, int bottom, std::uint32_t raw) const;
};

// Source and destination bound together for the byte-weight blend.
template <int BytesPerPixel>
class TacFastSum {
public:
    TBitmap* Source = nullptr;
    TBitmap* Destination = nullptr;
    int Width = 0;
    int Height = 0;
    const std::uint8_t* SrcRow0 = nullptr;
    std::uint8_t* DstRow0 = nullptr;
    std::ptrdiff_t SrcStride = 0;
    std::ptrdiff_t DstStride = 0;
    std::uint8_t Weight = 0;  // the share the destination keeps, in 1/256
    int DstLeft = 0, DstTop = 0, DstRight = 0, DstBottom = 0;
    int SrcLeft = 0, SrcTop = 0, SrcRight = 0, SrcBottom = 0;

    // False unless both bitmaps are at least 2 x 2 and of this pixel size.
    bool Attach(TBitmap* source, TBitmap* destination);
    // Blends the source rectangle onto the destination rectangle (Blend.cpp).
    // The rectangles must lie inside their bitmaps (BlendBitmaps clips them).
    void Blend() const;
};

using TacFastSum24 = TacFastSum<3>;
using TacFastSum32 = TacFastSum<4>;

// The shared instances the rendering routines bind instead of creating
// objects: two 24-bit readers, one 24-bit blender and one 32-bit accessor.
// GUI thread only; a routine never calls another that rebinds the instance
// it is using.
TacFast24& SharedFast24A();
TacFast24& SharedFast24B();
TacFastSum24& SharedFastSum24();
TacFast32& SharedFast32();

}  // namespace taramel
