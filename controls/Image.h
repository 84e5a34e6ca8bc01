// A windowless picture: a 32-bit bitmap with per-pixel alpha (straight, not
// premultiplied), blended over whatever lies under it.
#pragma once

#include "framework/Control.h"
#include "render/Bitmap.h"
#include "render/Bitmap_win.h"

#include <memory>

namespace taramel {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    std::string ClassName() const override { return "TImage"; }

    // Copies the picture; it must be 32-bit (or empty).
    void SetPicture(const TBitmap& picture);
    const TBitmap& Picture() const { return picture_; }
    bool Transparent = true;

protected:
    void Paint(TCanvas& canvas) override;

private:
    // The picture premultiplied in a DIB section, as AlphaBlend wants it.
    void PrepareBlendBitmap();

    TBitmap picture_;
    std::unique_ptr<TDibSection> blend_;
};

}  // namespace taramel
