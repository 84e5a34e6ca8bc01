#include "images/PngErrors.h"

namespace taramel {

const char* const kLZ77Error = "LZ77 decompression error.";

std::string PngMessageText(PngMessage id)
{
    switch (id) {
    case PngMessage::InvalidFormat: return "Cannot load image. Invalid or unexpected PNG image format.";
    case PngMessage::CompressionScheme:
        return "Cannot load image. The compression scheme is not supported for PNG files.";
    case PngMessage::CrcError: return "Cannot load image. CRC error found in PNG file.";
    case PngMessage::InvalidPalette: return "Cannot load image. Palette in PNG file is invalid.";
    case PngMessage::InvalidColorFormat: return "Invalid color format in PNG file.";
    case PngMessage::CompressionError: return "Cannot load image. Compression error found in PNG file.";
    case PngMessage::ExtraData: return "Cannot load image. Extra compressed data found in PNG file.";
    case PngMessage::CriticalChunk: return "Cannot load PNG image. Unexpected but critical chunk detected.";
    }
    return "Cannot load image. Invalid or unexpected PNG image format.";
}

void ThrowPng(PngMessage id)
{
    throw EInvalidGraphic(PngMessageText(id));
}

}  // namespace taramel
