#include "images/PngChunks.h"

#include <cstring>

#include "images/Crc32.h"
#include "images/PngErrors.h"

namespace taramel {
namespace {

const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t kChunkHeader = 8;  // length and type
constexpr std::size_t kCrcSize = 4;

std::uint32_t BigEndian32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

// One chunk in place: its type, data and the stored CRC after them.
struct Chunk {
    const std::uint8_t* type;
    const std::uint8_t* data;
    std::uint32_t length;
};

class ChunkWalker {
public:
    ChunkWalker(const std::uint8_t* data, std::size_t size) : data_(data), size_(size), pos_(8) {}

    // The next chunk header; a file that ends before it is cut off.
    Chunk Next()
    {
        if (size_ - pos_ < kChunkHeader)
            ThrowPng(PngMessage::InvalidFormat);
        const std::uint32_t length = BigEndian32(data_ + pos_);
        if (length > 0x7FFFFFFFu)
            ThrowPng(PngMessage::InvalidFormat);
        Chunk c{data_ + pos_ + 4, data_ + pos_ + kChunkHeader, length};
        pos_ += kChunkHeader;
        // Data and CRC must lie inside the file even for chunks that are skipped.
        if (size_ - pos_ < static_cast<std::size_t>(length) + kCrcSize)
            ThrowPng(PngMessage::InvalidFormat);
        pos_ += static_cast<std::size_t>(length) + kCrcSize;
        return c;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_;
};

void CheckCrc(const Chunk& c)
{
    const std::uint32_t crc = UpdateCrc32(0, c.type, 4 + static_cast<std::size_t>(c.length));
    if (crc != BigEndian32(c.data + c.length))
        ThrowPng(PngMessage::CrcError);
}

bool IsCritical(const std::uint8_t* type)
{
    return (type[0] & 0x20) == 0;
}

TPngHeader ReadHeader(const Chunk& c)
{
    if (!ChunkTypeIs(c.type, "IHDR") || c.length != 13)
        ThrowPng(PngMessage::InvalidFormat);
    CheckCrc(c);
    TPngHeader h;
    h.width = BigEndian32(c.data);
    h.height = BigEndian32(c.data + 4);
    h.bitDepth = c.data[8];
    h.colorType = c.data[9];
    h.compression = c.data[10];
    h.filterMethod = c.data[11];
    h.interlace = c.data[12];
    if (h.width == 0 || h.height == 0 || h.width > 0x7FFFFFFFu || h.height > 0x7FFFFFFFu)
        ThrowPng(PngMessage::InvalidFormat);
    if (h.compression != 0)
        ThrowPng(PngMessage::CompressionScheme);
    // Only filter method 0 and interlace methods 0 and 1 exist; anything else
    // cannot be decoded.
    if (h.filterMethod != 0 || h.interlace > 1)
        ThrowPng(PngMessage::InvalidFormat);
    return h;
}

}  // namespace

bool ChunkTypeIs(const std::uint8_t* type, const char* name)
{
    for (int i = 0; i < 4; ++i)
        if ((type[i] | 0x20) != (static_cast<std::uint8_t>(name[i]) | 0x20))
            return false;
    return true;
}

TPngChunkData ReadPngChunks(const std::uint8_t* data, std::size_t size)
{
    if (!data || size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0)
        ThrowPng(PngMessage::InvalidFormat);
    ChunkWalker walker(data, size);
    TPngChunkData out;
    out.header = ReadHeader(walker.Next());
    for (;;) {
        const Chunk c = walker.Next();
        const std::uint8_t* t = c.type;
        if (ChunkTypeIs(t, "IEND")) {
            CheckCrc(c);
            break;
        }
        if (ChunkTypeIs(t, "IDAT")) {
            CheckCrc(c);
            if (c.length > 0) {
                out.imageData.push_back({c.data, c.length});
                out.imageDataSize += c.length;
            }
        } else if (ChunkTypeIs(t, "PLTE")) {
            CheckCrc(c);
            if (c.length % 3 != 0 || c.length == 0 || c.length > 3 * 256)
                ThrowPng(PngMessage::InvalidPalette);
            out.palette.assign(c.data, c.data + c.length);
        } else if (ChunkTypeIs(t, "gAMA")) {
            CheckCrc(c);
            // A gamma of 0 would divide by zero; such a chunk says nothing.
            if (c.length == 4 && BigEndian32(c.data) != 0)
                out.gamma = BigEndian32(c.data);
        } else if (ChunkTypeIs(t, "bKGD")) {
            CheckCrc(c);
            out.background.assign(c.data, c.data + c.length);
        } else if (ChunkTypeIs(t, "tRNS")) {
            CheckCrc(c);
            out.transparency.assign(c.data, c.data + c.length);
        } else if (ChunkTypeIs(t, "IHDR") || IsCritical(t)) {
            ThrowPng(PngMessage::CriticalChunk);
        }
    }
    return out;
}

}  // namespace taramel
