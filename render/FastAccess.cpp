#include "render/FastAccess.h"

#include <algorithm>

namespace taramel {
namespace {

bool Attachable(const TBitmap* b, TPixelFormat format)
{
    return b && b->Width() >= 2 && b->Height() >= 2 && b->PixelFormat() == format;
}

template <class T>
bool Bind(T& fast, TBitmap* bitmap, TPixelFormat format)
{
    if (!Attachable(bitmap, format)) {
        fast.Width = 0;
        return false;
    }
    fast.Bitmap = bitmap;
    fast.Width = bitmap->Width();
    fast.Height = bitmap->Height();
    fast.Row0 = bitmap->Row0();
    fast.Stride = bitmap->ScanLine(1) - bitmap->ScanLine(0);
    return true;
}

}  // namespace

bool TacFast24::Attach(TBitmap* bitmap)
{
    return Bind(*this, bitmap, TPixelFormat::pf24bit);
}

bool TacFast32::Attach(TBitmap* bitmap)
{
    return Bind(*this, bitmap, TPixelFormat::pf32bit);
}

void TacFast32::FillRect(int left, int top, int right, int bottom, std::uint32_t raw) const
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, Width);
    bottom = std::min(bottom, Height);
    if (right <= left)
        return;
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* p = Pixel(left, y);
        for (int x = left; x < right; ++x, p += 4) {
            p[0] = static_cast<std::uint8_t>(raw);
            p[1] = static_cast<std::uint8_t>(raw >> 8);
            p[2] = static_cast<std::uint8_t>(raw >> 16);
            p[3] = static_cast<std::uint8_t>(raw >> 24);
        }
    }
}

template <int B>
bool TacFastSum<B>::Attach(TBitmap* source, TBitmap* destination)
{
    constexpr TPixelFormat format = B == 3 ? TPixelFormat::pf24bit : TPixelFormat::pf32bit;
    if (!Attachable(source, format) || !Attachable(destination, format)) {
        Width = 0;
        return false;
    }
    Source = source;
    Destination = destination;
    Width = std::min(source->Width(), destination->Width());
    Height = std::min(source->Height(), destination->Height());
    SrcRow0 = source->Row0();
    DstRow0 = destination->Row0();
    SrcStride = source->Stride();
    DstStride = destination->Stride();
    return true;
}

template class TacFastSum<3>;
template class TacFastSum<4>;

TacFast24& SharedFast24A()
{
    static TacFast24 instance;
    return instance;
}

TacFast24& SharedFast24B()
{
    static TacFast24 instance;
    return instance;
}

TacFastSum24& SharedFastSum24()
{
    static TacFastSum24 instance;
    return instance;
}

TacFast32& SharedFast32()
{
    static TacFast32 instance;
    return instance;
}

}  // namespace taramel
