#include "images/PngWriter.h"

#include <zlib.h>

#include "base/Exception.h"
#include "images/Crc32.h"

namespace taramel {

namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(std::vector<std::uint8_t>& out, const char* kind, const std::vector<std::uint8_t>& data)
{
    Put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), kind, kind + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, UpdateCrc32(0, out.data() + start, out.size() - start));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap)
{
    if (bitmap.Empty())
        throw Exception("An empty picture cannot be written as PNG");
    const TPixelFormat format = bitmap.PixelFormat();
    if (format != TPixelFormat::pf24bit && format != TPixelFormat::pf32bit) {
        TBitmap copy;
        copy.Assign(bitmap);
        copy.SetPixelFormat(TPixelFormat::pf24bit);
        return EncodePng(copy);
    }
    const bool alpha = format == TPixelFormat::pf32bit;
    const int channels = alpha ? 4 : 3;
    const int w = bitmap.Width(), h = bitmap.Height();

    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(h) * (1 + static_cast<std::size_t>(w) * channels));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);  // no filter
        const std::uint8_t* px = bitmap.ScanLine(y);
        for (int x = 0; x < w; ++x, px += channels) {
            raw.push_back(px[2]);
            raw.push_back(px[1]);
            raw.push_back(px[0]);
            if (alpha)
                raw.push_back(px[3]);
        }
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(size);
    if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        throw Exception("The picture could not be compressed");
    packed.resize(size);

    std::vector<std::uint8_t> header;
    Put32(header, static_cast<std::uint32_t>(w));
    Put32(header, static_cast<std::uint32_t>(h));
    header.insert(header.end(), {8, static_cast<std::uint8_t>(alpha ? 6 : 2), 0, 0, 0});

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", {});
    return out;
}

}  // namespace taramel
