// CRC-32 of the ISO 3309 polynomial (reflected 0xEDB88320), as PNG chunks and
// zip files carry it. The tables are built on first use; the data are taken
// eight bytes at a time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace taramel {

// Continues a CRC: start with crc = 0; the result of one call feeds the next.
std::uint32_t UpdateCrc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size);

}  // namespace taramel
