#include "controls/ImageList.h"

#include <algorithm>

#include "paint/Glyphs.h"
#include "render/FactorOps.h"
#include "render/KeyOps.h"

namespace taramel {

TImageList::TImageList(int width, int height, TColor backgroundColor)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      key_(backgroundColor == clNone ? TransparentKey : backgroundColor)
{
}

int TImageList::Add(const TBitmap& picture)
{
    auto image = std::make_unique<TBitmap>(width_, height_, TPixelFormat::pf24bit);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = image->ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            const bool inside = x < picture.Width() && y < picture.Height();
            const TColor c = inside ? static_cast<TColor>(picture.PixelColor(x, y)) : key_;
            row[x * 3 + 0] = BlueOf(c);
            row[x * 3 + 1] = GreenOf(c);
            row[x * 3 + 2] = RedOf(c);
        }
    }
    images_.push_back(std::move(image));
    return Count() - 1;
}

void TImageList::Draw(TBitmap& destination, TPoint at, int index, const ImageDraw& how) const
{
    if (index < 0 || index >= Count() || width_ < 1 || height_ < 1)
        return;
    // The state's part of the image, on its own, so that greying touches
    // nothing else.
    const int states = std::max(1, how.NumGlyphs);
    const int w = width_ / states;
    if (w < 1)
        return;
    const int part = std::clamp(how.Enabled ? (how.Down ? 3 : how.State) : 0, 0, states - 1);
    TBitmap picture(w, height_, TPixelFormat::pf24bit);
    for (int y = 0; y < height_; ++y)
        std::copy_n(images_[static_cast<std::size_t>(index)]->ScanLine(y) + part * w * 3, w * 3,
                    picture.ScanLine(y));
    // Greying spares the list's background (the key), not the colour of the
    // image's corner: an image without see-through corners greys whole.
    const TRect whole{0, 0, w - 1, height_ - 1};
    if (how.Enabled) {
        if (!how.Hot && how.Grayed)
            GrayscaleExceptKey(picture, key_);
        if (how.Hot || how.BlendPercent < 1)
            CopyNonKeyPixels(destination, picture, at.X, at.Y, key_);
        else
            BlendByFactor(destination, at.X, at.Y, key_, std::min(how.BlendPercent, 100) / 100.0, whole, picture);
        return;
    }
    if (how.DisabledKinds & dgGrayed)
        GrayscaleExceptKey(picture, key_);
    if (how.DisabledKinds & dgBlended)  // halfway into what is under it
        BlendByFactor(destination, at.X, at.Y, key_, 0.5, whole, picture);
    else
        CopyNonKeyPixels(destination, picture, at.X, at.Y, key_);
}

}  // namespace taramel
