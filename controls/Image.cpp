#include "controls/Image.h"

#include "render/PixelMath.h"

#include "base/Exception.h"

#include <cstring>

namespace taramel {

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    StoreBounds(0, 0, 105, 105);
}

void TImage::SetPicture(const TBitmap& picture)
{
    if (!picture.Empty() && picture.PixelFormat() != TPixelFormat::pf32bit)
        throw Exception("The picture must have 32 bits per pixel");
    picture_.Assign(picture);
    blend_.Reset();
    Invalidate();
}

void TImage::PrepareBlendBitmap()
{
    const int width = picture_.Width();
    const int height = picture_.Height();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    blend_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!blend_ || !bits)
        throw Exception("Out of system resources");
    auto* out = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = picture_.ScanLine(y);
        std::uint8_t* row = out + static_cast<std::ptrdiff_t>(y) * width * 4;
        for (int x = 0; x < width; ++x) {
            const unsigned alpha = in[x * 4 + 3];
            for (int c = 0; c < 3; ++c)
                row[x * 4 + c] = MulByte(in[x * 4 + c], alpha);
            row[x * 4 + 3] = static_cast<std::uint8_t>(alpha);
        }
    }
}

void TImage::Paint(TCanvas& canvas)
{
    if (picture_.Empty())
        return;
    if (!blend_)
        PrepareBlendBitmap();
    TMemoryDC memory(canvas.Handle());
    TSelectObject select(memory.Get(), blend_.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (Transparent)
        AlphaBlend(canvas.Handle(), 0, 0, picture_.Width(), picture_.Height(), memory.Get(), 0, 0,
                   picture_.Width(), picture_.Height(), blend);
    else
        BitBlt(canvas.Handle(), 0, 0, picture_.Width(), picture_.Height(), memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace taramel
