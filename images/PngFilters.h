// The five row filters of PNG image data, undone in place.
#pragma once

#include <cstddef>
#include <cstdint>

namespace taramel {

enum class PngFilter : std::uint8_t { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

// Restores row (length bytes) filtered with filter against previous (the
// restored row above, or null for the first row of an image or pass, which
// counts as zeros). bpp is the pixel size in whole bytes, at least 1. Returns
// false for a filter byte above 4, leaving the row unchanged.
bool UnfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t length, int bpp);

}  // namespace taramel
