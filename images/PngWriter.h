// Writes a bitmap as a PNG file: 8-bit RGB (RGBA for a 32-bit bitmap),
// unfiltered rows, one zlib stream. Used by the skin tool for the pictures it
// paints; the same bitmap always gives the same bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "render/Bitmap.h"

namespace taramel {

// A 24- or 32-bit bitmap as PNG bytes; other formats are converted to 24 bits
// on a copy first. An empty bitmap raises taramel::Exception.
std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap);

}  // namespace taramel
