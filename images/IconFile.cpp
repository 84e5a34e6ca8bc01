#include "images/IconFile.h"

#include <cstdlib>

#include "base/Exception.h"

namespace taramel {

namespace {

std::uint16_t Word16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Word32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Lower is better: the exact size, then larger ones by how much larger,
// then smaller ones by how much smaller.
long Distance(int w, int h, int width, int height)
{
    const long dw = w - width, dh = h - height;
    if (dw == 0 && dh == 0)
        return 0;
    if (dw >= 0 && dh >= 0)
        return 1 + dw + dh;
    return 100000 + std::labs(dw) + std::labs(dh);
}

}  // namespace

TIconFileImage ChooseIconImage(const std::uint8_t* data, std::size_t size, int width, int height)
{
    constexpr std::size_t kHeader = 6, kEntry = 16;
    if (data == nullptr || size < kHeader || Word16(data) != 0 || Word16(data + 2) != 1)
        throw Exception(kBadIconFile);
    const std::size_t count = Word16(data + 4);
    if (count == 0 || size < kHeader + count * kEntry)
        throw Exception(kBadIconFile);
    TIconFileImage best;
    long bestDistance = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = data + kHeader + i * kEntry;
        const std::uint32_t bytes = Word32(e + 8), offset = Word32(e + 12);
        if (bytes == 0 || offset > size || bytes > size - offset)
            throw Exception(kBadIconFile);
        TIconFileImage image;
        image.Width = e[0] == 0 ? 256 : e[0];
        image.Height = e[1] == 0 ? 256 : e[1];
        image.BitCount = Word16(e + 6);
        image.Data = data + offset;
        image.Size = bytes;
        const long distance = Distance(image.Width, image.Height, width, height);
        if (best.Data == nullptr || distance < bestDistance ||
            (distance == bestDistance && image.BitCount > best.BitCount)) {
            best = image;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace taramel
