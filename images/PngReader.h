// TPNGGraphic: a work bitmap loaded from a PNG file. Colour type 6 (RGBA)
// becomes a 32-bit bitmap with per-pixel alpha; RGB becomes 24 bits; grey and
// indexed images become 1-, 4- or 8-bit bitmaps with a palette. Drawing with
// alpha and making icons are the Win32 half (PngReader_win.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "images/PngChunks.h"
#include "render/Bitmap.h"

namespace taramel {

// "No transparent colour".
constexpr std::uint32_t kNoTransparentColor = 0x1FFFFFFF;

// Width and height are each at most this, and their product at most
// kPngMaxPixels: a header promising more is refused before anything is
// allocated.
constexpr std::uint32_t kPngMaxSide = 32768;
constexpr std::uint64_t kPngMaxPixels = std::uint64_t{1} << 25;

class TPNGGraphic : public TBitmap {
public:
    // Progress of a load: "Preparing..." once before decoding, then
    // "Transfering..." with the percent of rows done.
    using ProgressHandler = std::function<void(const std::string& text, int percent)>;

    // Reads a whole PNG file held in memory; the bitmap takes its size, pixel
    // format, palette and pixels. On failure the bitmap is left empty and
    // EInvalidGraphic, EGraphicCompression or EColorConversionError is thrown.
    void LoadFromStream(const std::uint8_t* data, std::size_t size);

    // True after loading an RGBA image: the only kind that keeps alpha.
    bool Alpha() const { return alpha_; }
    // From tRNS of grey and RGB images: the colour 0x00BBGGRR that the
    // transparent pixels show; kNoTransparentColor when none.
    bool Transparent() const { return transparentColor_ != kNoTransparentColor; }
    std::uint32_t TransparentColor() const { return transparentColor_; }
    // From bKGD, as the colour the pixels would show; white when absent.
    std::uint32_t BackgroundColor() const { return backgroundColor_; }
    // Alpha of each palette index of an indexed image (255 beyond tRNS).
    const std::array<std::uint8_t, 256>& TransparencyTable() const { return transparency_; }
    // gAMA / 100000; 1 when the file has none.
    double FileGamma() const { return fileGamma_; }
    const TPngHeader& Header() const { return header_; }

    // When set, drawing adds a mirrored, fading copy below the image.
    std::uint8_t Reflection = 0;
    ProgressHandler OnProgress;

private:
    void Reset();

    TPngHeader header_;
    bool alpha_ = false;
    std::uint32_t transparentColor_ = kNoTransparentColor;
    std::uint32_t backgroundColor_ = 0xFFFFFF;
    std::array<std::uint8_t, 256> transparency_{};
    double fileGamma_ = 1.0;
};

// Decodes a whole PNG file held in memory, as TPNGGraphic loading does; throws the PNG errors.
void LoadPngFromMemory(const std::uint8_t* data, std::size_t size, TPNGGraphic& target);

}  // namespace taramel
