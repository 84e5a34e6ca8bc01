// Builds small PNG files in memory for the reader's tests: chunks with their
// CRC computed by zlib (not by the reader's own CRC code), image rows
// compressed with zlib.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace taramel::test {

using Bytes = std::vector<std::uint8_t>;

inline void Put32(Bytes& b, std::uint32_t v)
{
    b.push_back(static_cast<std::uint8_t>(v >> 24));
    b.push_back(static_cast<std::uint8_t>(v >> 16));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
    b.push_back(static_cast<std::uint8_t>(v));
}

// One chunk: length, type, data, CRC (spoilt when badCrc).
inline Bytes Chunk(const char* type, const Bytes& data, bool badCrc = false)
{
    Bytes b;
    b.reserve(12 + data.size());
    Put32(b, static_cast<std::uint32_t>(data.size()));
    b.insert(b.end(), type, type + 4);
    b.insert(b.end(), data.begin(), data.end());
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
    if (!data.empty())
        crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    Put32(b, static_cast<std::uint32_t>(crc) ^ (badCrc ? 1u : 0u));
    return b;
}

inline Bytes IhdrData(std::uint32_t w, std::uint32_t h, int depth, int colorType, int interlace = 0,
                      int compression = 0, int filter = 0)
{
    Bytes b;
    Put32(b, w);
    Put32(b, h);
    b.push_back(static_cast<std::uint8_t>(depth));
    b.push_back(static_cast<std::uint8_t>(colorType));
    b.push_back(static_cast<std::uint8_t>(compression));
    b.push_back(static_cast<std::uint8_t>(filter));
    b.push_back(static_cast<std::uint8_t>(interlace));
    return b;
}

inline Bytes Ihdr(std::uint32_t w, std::uint32_t h, int depth, int colorType, int interlace = 0)
{
    return Chunk("IHDR", IhdrData(w, h, depth, colorType, interlace));
}

inline Bytes Zlib(const Bytes& raw)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
    out.resize(size);
    return out;
}

inline Bytes Idat(const Bytes& raw)
{
    return Chunk("IDAT", Zlib(raw));
}

inline Bytes Iend()
{
    return Chunk("IEND", {});
}

// The signature followed by the chunks.
inline Bytes Png(std::initializer_list<Bytes> chunks)
{
    Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    for (const Bytes& c : chunks)
        b.insert(b.end(), c.begin(), c.end());
    return b;
}

// Rows with filter byte 0 in front of each.
inline Bytes Unfiltered(std::initializer_list<Bytes> rows)
{
    Bytes b;
    for (const Bytes& r : rows) {
        b.push_back(0);
        b.insert(b.end(), r.begin(), r.end());
    }
    return b;
}

}  // namespace taramel::test
