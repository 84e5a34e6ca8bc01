#include "images/IconFile.h"

#include <algorithm>
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

std::uint64_t RowBytes(std::uint64_t width, std::uint64_t bits) { return (width * bits + 31) / 32 * 4; }

// A BMP image of an icon holds its header, its palette, its colour rows and
// its mask rows; the system's icon maker reads all of them, so all must be
// inside the bytes given. PNG images carry their own checked lengths.
bool WholeBitmapImage(const std::uint8_t* p, std::size_t size)
{
    static const std::uint8_t kPng[4] = {0x89, 'P', 'N', 'G'};
    if (size >= 4 && std::equal(kPng, kPng + 4, p))
        return true;
    if (size < 40)
        return false;
    const std::uint32_t header = Word32(p);
    const auto width = static_cast<std::int32_t>(Word32(p + 4));
    const auto height = static_cast<std::int32_t>(Word32(p + 8));
    const std::uint16_t bits = Word16(p + 14);
    const std::uint32_t compression = Word32(p + 16), used = Word32(p + 32);
    if (header < 40 || header > size || width <= 0 || height <= 0 || height % 2 != 0 || compression != 0)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    const std::uint64_t colours = bits <= 8 ? (used != 0 ? used : 1u << bits) : 0;
    const std::uint64_t rows = static_cast<std::uint64_t>(height) / 2;
    const std::uint64_t need =
        header + 4 * colours + RowBytes(static_cast<std::uint64_t>(width), bits) * rows + RowBytes(static_cast<std::uint64_t>(width), 1) * rows;
    return need <= size;
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
    if (!WholeBitmapImage(best.Data, best.Size))
        throw Exception(kBadIconFile);
    return best;
}

}  // namespace taramel
