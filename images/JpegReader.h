// Reads a JPEG picture through libjpeg into a 24-bit bitmap (grey and CMYK
// pictures are converted). libjpeg's errors become taramel::Exception with
// libjpeg's own text; nothing is read past the given bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/Bitmap.h"

namespace taramel {

// Largest width or height accepted, and largest pixel count. A picture
// must also be backed by its data: at most kJpegPixelsPerByte pixels per
// byte of input beyond the first kJpegPixelAllowance, so a short file that
// claims a huge picture is refused before its pixels are allocated.
inline constexpr int kJpegMaxSide = 32768;
inline constexpr std::int64_t kJpegMaxPixels = std::int64_t(1) << 26;
inline constexpr std::int64_t kJpegPixelsPerByte = 1024;
inline constexpr std::int64_t kJpegPixelAllowance = std::int64_t(1) << 20;

void LoadJpegFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& target);

}  // namespace taramel
