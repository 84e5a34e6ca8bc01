// The width a picture file declares in its header, read without decoding it:
// the skin loader skips a picture of width 0 (an empty file included)
// instead of letting the reader fail the whole skin.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace taramel {

// The width in the header of a BMP, PNG or JPEG file, 0 for an empty file,
// nothing when the bytes are none of these or end before the width.
std::optional<std::int64_t> DeclaredPictureWidth(std::span<const std::uint8_t> bytes);

}  // namespace taramel
