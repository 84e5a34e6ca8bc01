// The chunk walk of a PNG file held in memory: signature, IHDR, the chunks
// the reader honours with their CRC test, and the places of the image data.
// Nothing is decoded here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace taramel {

struct TPngHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;
    int colorType = 0;
    int compression = 0;
    int filterMethod = 0;
    int interlace = 0;
};

struct TByteSpan {
    const std::uint8_t* data;
    std::size_t size;
};

struct TPngChunkData {
    TPngHeader header;
    std::vector<std::uint8_t> palette;  // PLTE bytes, red, green, blue per entry
    std::optional<std::uint32_t> gamma;  // gAMA value, gamma times 100000 (never 0)
    std::vector<std::uint8_t> background;    // bKGD bytes as stored
    std::vector<std::uint8_t> transparency;  // tRNS bytes as stored
    std::vector<TByteSpan> imageData;        // the IDAT chunks' data, in order
    std::size_t imageDataSize = 0;
};

// Walks the whole file up to IEND. Throws EInvalidGraphic with the PNG
// messages for a wrong signature or first chunk, a zero size, a compression
// method other than 0, a CRC mismatch, a bad palette length, an unknown
// critical chunk, or a file that ends inside a chunk or before IEND.
TPngChunkData ReadPngChunks(const std::uint8_t* data, std::size_t size);

// Chunk type names are compared ignoring the case of their letters.
bool ChunkTypeIs(const std::uint8_t* type, const char* name);

}  // namespace taramel
