#include "images/Crc32.h"

#include <array>

namespace taramel {
namespace {

using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

// Table k gives the CRC contribution of a byte followed by k zero bytes, so
// that eight bytes are folded with eight independent look-ups.
Tables BuildTables()
{
    Tables t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n)
        for (int k = 1; k < 8; ++k)
            t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
    return t;
}

const Tables& CrcTables()
{
    static const Tables tables = BuildTables();
    return tables;
}

}  // namespace

std::uint32_t UpdateCrc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size)
{
    const Tables& t = CrcTables();
    std::uint32_t c = ~crc;
    while (size >= 8) {
        const std::uint32_t lo = c ^ (static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
                                      static_cast<std::uint32_t>(data[2]) << 16 |
                                      static_cast<std::uint32_t>(data[3]) << 24);
        c = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^ t[3][data[4]] ^
            t[2][data[5]] ^ t[1][data[6]] ^ t[0][data[7]];
        data += 8;
        size -= 8;
    }
    while (size-- > 0)
        c = t[0][(c ^ *data++) & 0xFF] ^ (c >> 8);
    return ~c;
}

}  // namespace taramel
