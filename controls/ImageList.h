// Image lists for the buttons' glyphs: what a button asks of a list (the
// size of its images and one image drawn into the button's picture), and a
// plain list of pictures with a transparent key colour.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "render/Bitmap.h"

namespace taramel {

// How a button wants an image drawn.
struct ImageDraw {
    int State = 0;          // 0 normal, 1 hot, 2 pressed
    bool Down = false;      // the button stays down
    int NumGlyphs = 1;      // states side by side in one image
    bool Hot = false;       // the button is hot (focused or under the mouse)
    bool Grayed = false;    // grey while not hot
    int BlendPercent = 0;   // how much of the picture under it the image lets through
    bool Enabled = true;
    unsigned DisabledKinds = 0;  // TsDisabledGlyphKind bits
    bool Reflected = false;
    // The colour 0x00BBGGRR a list with alpha tints a grey resting glyph
    // with; 0x1FFFFFFF for none.
    std::uint32_t Tint = 0x1FFFFFFF;
};

class TCustomImageList {
public:
    virtual ~TCustomImageList() = default;
    virtual int Count() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws image `index` with its top-left corner at `at` of the 24-bit
    // destination; nothing for an index outside the list.
    virtual void Draw(TBitmap& destination, TPoint at, int index, const ImageDraw& how) const = 0;
};

// Pictures of one size, each drawn over the list's background colour, which
// is the transparent key (0xFF00FF when the list has none): grey while not
// hot when the button asks for it, blended when the button blends, faded
// or grey when the button is disabled.
class TImageList : public TCustomImageList {
public:
    TImageList(int width, int height, TColor backgroundColor = clNone);
    // Adds a copy of the picture (cut or padded to the list's size); its index.
    int Add(const TBitmap& picture);

    int Count() const override { return static_cast<int>(images_.size()); }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Draw(TBitmap& destination, TPoint at, int index, const ImageDraw& how) const override;

private:
    int width_, height_;
    TColor key_;
    std::vector<std::unique_ptr<TBitmap>> images_;
};

}  // namespace taramel
