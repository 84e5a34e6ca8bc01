// Reads the BMP files a skin names: 1, 4, 8, 16 (5-5-5 and 5-6-5 bit
// fields), 24 and 32 bits per pixel, top-down and bottom-up, RLE4 and RLE8,
// with the core (OS/2) header or an info header of version 3, 4 or 5.
// Anything else, and any file that lies about its size, is refused with a
// taramel::Exception. Pixels of 1 to 24 bits become a 24-bit bitmap; 32-bit
// files become a 32-bit bitmap with their alpha (the fourth byte, or the
// alpha bit field when one is given; 0 when none).
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/Bitmap.h"

namespace taramel {

// Largest width or height accepted, and largest pixel count.
inline constexpr int kBmpMaxSide = 32768;
inline constexpr std::int64_t kBmpMaxPixels = std::int64_t(1) << 26;

void LoadBmpFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& target);

}  // namespace taramel
