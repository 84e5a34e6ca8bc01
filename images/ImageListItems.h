// The stored images of an alpha image list: each item holds a PNG file or an
// icon file as it was added, so that the glyph keeps its alpha until the
// list turns it into a system image. The items are kept with the form that
// owns the list as one block of bytes, written and read here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/Geometry.h"
#include "render/Bitmap.h"

namespace taramel {

enum TsImageFormat : std::uint8_t { ifPNG = 0, ifICO = 1 };

struct TsImgListItem {
    TsImageFormat ImageFormat = ifPNG;
    TPixelFormat PixelFormat = TPixelFormat::pf32bit;
    std::vector<std::uint8_t> ImgData;  // the whole PNG or icon file
    bool operator==(const TsImgListItem&) const = default;
};

inline constexpr const char* kImageListDataDamaged = "The image list's stored images are damaged";

// The items as one block: "AIL1", the count, then per item its format, its
// bits per pixel and its data with their length (little-endian 32-bit
// numbers). Reading checks every length against what is left and every
// format, and throws taramel::Exception kImageListDataDamaged otherwise.
std::vector<std::uint8_t> WriteImageListItems(const std::vector<TsImgListItem>& items);
std::vector<TsImgListItem> ReadImageListItems(const std::uint8_t* data, std::size_t size);

// One state of a strip of `glyphCount` images side by side in a list image
// of listWidth x listHeight: where it lies in the image and its size. A
// count below 1 counts as 1 and the state is kept within the strip, so a
// strip of 4 drawn in state 7 shows its last image.
struct TStripPart {
    TRect Source;
    TSize Size;
};
TStripPart StripPart(int listWidth, int listHeight, int glyphCount, int state);

// A PNG item's picture for a list of width x height: 32-bit with alpha. An
// image with its own alpha keeps it; any other becomes opaque but for the
// colour of its pixel (0, 0), which becomes see-through (as its icon does).
// Another size is scaled with the Mitchell-Netravali filter; a picture under
// 2 pixels in either direction, which that filter cannot take, by repeating
// its pixels. PNG errors propagate.
std::unique_ptr<TBitmap> PngListPicture(const std::uint8_t* data, std::size_t size, int width, int height);

// True when some pixel of a 32-bit bitmap has an alpha other than 0.
bool HasAlpha(const TBitmap& picture);
// Every pixel that is not the key (0x00FF00FF with alpha 0) gets alpha 255.
void MakeOpaqueExceptKey(TBitmap& picture);

}  // namespace taramel
