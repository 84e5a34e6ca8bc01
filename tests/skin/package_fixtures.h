// Builders of packed skin bytes for the tests, including broken ones.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace taramel::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline void PutInt32(Bytes& out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

inline Bytes Deflate(const Bytes& data, int level = 9)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    Bytes out(size);
    compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level);
    out.resize(size);
    return out;
}

// An archive written field by field, so that a test can lie in any field.
struct RawPack {
    Bytes bytes;
    explicit RawPack(std::int32_t count, const std::string& magic = "ASzf")
    {
        bytes.assign(magic.begin(), magic.end());
        PutInt32(bytes, count);
    }
    RawPack& Name(const std::string& name, std::int32_t length)
    {
        PutInt32(bytes, length);
        bytes.insert(bytes.end(), name.begin(), name.end());
        return *this;
    }
    RawPack& Entry(const std::string& name, const Bytes& data, std::int32_t claimedSize)
    {
        Name(name, static_cast<std::int32_t>(name.size()));
        PutInt32(bytes, claimedSize);
        const Bytes packed = Deflate(data);
        bytes.insert(bytes.end(), packed.begin(), packed.end());
        return *this;
    }
    RawPack& Entry(const std::string& name, const Bytes& data)
    {
        return Entry(name, data, static_cast<std::int32_t>(data.size()));
    }
};

// Bytes that do not compress: a fixed linear congruential sequence.
inline Bytes Noise(std::size_t size, std::uint32_t seed)
{
    Bytes out(size);
    for (auto& b : out) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(seed >> 24);
    }
    return out;
}

}  // namespace taramel::test
