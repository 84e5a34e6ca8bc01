#include "controls/Image.h"

#include "render/PixelMath.h"

#include "base/Exception.h"
#include "framework/SystemAdvice.h"

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
    blend_.reset();
    Invalidate();
}

void TImage::PrepareBlendBitmap()
{
    const int width = picture_.Width();
    const int height = picture_.Height();
    blend_ = std::make_unique<TDibSection>(width, height, 32, true, TDibSection::kWithDC);
    if (!blend_->Ok()) {
        blend_.reset();
        throw Exception("Out of system resources", kOutOfResourcesAdvice);
    }
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = picture_.ScanLine(y);
        std::uint8_t* row = blend_->Row(y);
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
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (Transparent)
        GdiAlphaBlend(canvas.Handle(), 0, 0, picture_.Width(), picture_.Height(), blend_->DC(), 0, 0,
                      picture_.Width(), picture_.Height(), blend);
    else
        BitBlt(canvas.Handle(), 0, 0, picture_.Width(), picture_.Height(), blend_->DC(), 0, 0, SRCCOPY);
}

}  // namespace taramel
