#include "images/PictureWidth.h"

#include <algorithm>

namespace taramel {
namespace {

std::uint32_t LittleEndian(const std::uint8_t* p, int n)
{
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}

std::uint32_t BigEndian(const std::uint8_t* p, int n)
{
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = v << 8 | p[i];
    return v;
}

std::optional<std::int64_t> BmpWidth(std::span<const std::uint8_t> b)
{
    if (b.size() < 18)
        return std::nullopt;
    // The old core header stores 16-bit sizes, every later one 32-bit signed.
    if (LittleEndian(&b[14], 4) == 12)
        return b.size() < 20 ? std::nullopt : std::optional<std::int64_t>(LittleEndian(&b[18], 2));
    if (b.size() < 22)
        return std::nullopt;
    return static_cast<std::int32_t>(LittleEndian(&b[18], 4));
}

std::optional<std::int64_t> PngWidth(std::span<const std::uint8_t> b)
{
    // The signature, then the IHDR chunk: length, type, width.
    if (b.size() < 20 || BigEndian(&b[12], 4) != BigEndian(reinterpret_cast<const std::uint8_t*>("IHDR"), 4))
        return std::nullopt;
    return BigEndian(&b[16], 4);
}

std::optional<std::int64_t> JpegWidth(std::span<const std::uint8_t> b)
{
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF)
            return std::nullopt;
        const std::uint8_t marker = b[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        const std::size_t length = BigEndian(&b[at + 2], 2);
        // Start of frame (every kind but the huffman, arithmetic and
        // hierarchical tables that share the range): precision, height, width.
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame)
            return at + 9 <= b.size() ? std::optional<std::int64_t>(BigEndian(&b[at + 7], 2)) : std::nullopt;
        if (marker == 0xDA || length < 2)
            return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::int64_t> DeclaredPictureWidth(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return 0;
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return BmpWidth(bytes);
    static constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (bytes.size() >= 8 && std::equal(kPngSignature, kPngSignature + 8, bytes.begin()))
        return PngWidth(bytes);
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8)
        return JpegWidth(bytes);
    return std::nullopt;
}

}  // namespace taramel
