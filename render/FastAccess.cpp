#include "render/FastAccess.h"

#include <algorithm>

namespace taramel {
namespace {

bool Attachable(const TBitmap* b, TPixelFormat format)
{
    return b && b->Width() >= 2 && b->Height() >= 2 && b->PixelFormat() == format;
}

constexpr TPixelFormat FormatOf(int bytesPerPixel)
{
    return bytesPerPixel == 3 ? TPixelFormat::pf24bit : TPixelFormat::pf32bit;
}

}  // namespace

template <int B>
bool TacFastBase<B>::Attach(TBitmap* bitmap)
{
    if (!Attachable(bitmap, FormatOf(B))) {
        Width = 0;
        return false;
    }
    Bitmap = bitmap;
    Width = bitmap->Width();
    Height = bitmap->Height();
    Row0 = bitmap->Row0();
    Stride = bitmap->ScanLine(1) - bitmap->ScanLine(0);
    return true;
}

template class TacFastBase<3>;
template class TacFastBase<4>;

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
    if (!Attachable(source, FormatOf(B)) || !Attachable(destination, FormatOf(B))) {
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
