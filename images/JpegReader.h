// Reads a JPEG picture through libjpeg into a 24-bit bitmap (grey and CMYK
// pictures are converted). libjpeg's errors become taramel::Exception with
// libjpeg's own text; nothing is read past the given bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/Bitmap.h"

namespace taramel {

// Largest width or height accepted, and largest pixel count.
inline constexpr int kJpegMaxSide = 32768;
inline constexpr std::int64_t kJpegMaxPixels = std::int64_t(1) << 28;

void LoadJpegFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& target);

}  // namespace taramel
