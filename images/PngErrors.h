// The errors of the picture readers: one class per kind, all carrying the
// text the user reads, and the one table of the PNG reader's messages.
#pragma once

#include <string>

#include "base/Exception.h"

namespace taramel {

// A picture file that cannot be read (the PNG messages below).
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// The inflate library refused to start or to finish a stream.
class EGraphicCompression : public Exception {
public:
    using Exception::Exception;
};

// The colour converter was asked for a conversion it cannot do.
class EColorConversionError : public Exception {
public:
    using Exception::Exception;
};

enum class PngMessage {
    InvalidFormat,      // wrong signature, no IHDR first, zero size, cut-off file
    CompressionScheme,  // IHDR names a compression method other than 0
    CrcError,
    InvalidPalette,
    InvalidColorFormat,  // colour type and bit depth that make no bitmap
    CompressionError,    // inflate failed or the data ended early
    ExtraData,           // compressed data after the end of the image
    CriticalChunk,       // an unknown chunk that may not be skipped
};

// The message text with "PNG" filled in.
std::string PngMessageText(PngMessage id);
[[noreturn]] void ThrowPng(PngMessage id);

extern const char* const kLZ77Error;  // "LZ77 decompression error."

}  // namespace taramel
