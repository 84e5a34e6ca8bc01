// Converts rows of image samples into rows of bitmap pixels: PNG's grey,
// indexed, RGB and their alpha forms at 1 to 16 bits per sample into the
// work bitmap's packed indexes, BGR and BGRA bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace taramel {

enum class TColorScheme {
    csG,        // grey; as a target: grey levels kept as palette indexes
    csGA,       // grey and alpha
    csIndexed,  // palette indexes
    csRGB,
    csRGBA,
    csBGR,   // the bitmap's 24-bit pixels
    csBGRA,  // the bitmap's 32-bit pixels
};

struct TSampleFormat {
    TColorScheme scheme = TColorScheme::csG;
    int bitsPerSample = 8;
    int samplesPerPixel = 1;
};

class TColorManager {
public:
    void SetSourceFormat(const TSampleFormat& format) { source_ = format; ready_ = false; }
    void SetTargetFormat(const TSampleFormat& format) { target_ = format; ready_ = false; }
    const TSampleFormat& SourceFormat() const { return source_; }
    const TSampleFormat& TargetFormat() const { return target_; }
    // 16-bit samples arrive most significant byte first unless told otherwise.
    void SetSourceBigEndian(bool bigEndian) { bigEndian_ = bigEndian; }

    // A gamma table for 8-bit targets: out = round((in / 255) ^ (1 / (fileGamma
    // * displayGamma)) * 255). It applies to colour samples written as BGR or
    // BGRA (alpha is coverage, not light, and keeps its value); indexed and
    // grey targets carry their colours in the palette, see GammaCorrect.
    void SetGamma(double fileGamma, double displayGamma = 2.2);
    void ClearGamma() { gamma_.reset(); }
    bool HasGamma() const { return gamma_.has_value(); }
    std::uint8_t GammaCorrect(std::uint8_t value) const { return gamma_ ? (*gamma_)[value] : value; }

    // Checks that the source can be converted into the target and chooses the
    // row routine. Throws EColorConversionError with the reason otherwise.
    void Prepare();
    // Converts count pixels of a packed source row into a target row that
    // begins with pixel 0 (Prepare first).
    void ConvertRow(const std::uint8_t* source, std::uint8_t* target, int count) const;

private:
    enum class Route {
        CopyBytes,       // same packed layout (1/1, 4/4, 8/8)
        Expand2To4,      // 2-bit samples into 4-bit indexes
        Grey2To4,        // the same with grey levels times 5
        Scale16To8,      // one 16-bit sample
        GreyAlpha8,      // grey of grey-and-alpha
        GreyAlpha16,
        Rgb8,
        Rgb16,
        Rgba8,
        Rgba16,
    };
    std::uint8_t Scale16(const std::uint8_t* sample) const;

    TSampleFormat source_;
    TSampleFormat target_{TColorScheme::csBGRA, 8, 4};
    bool bigEndian_ = true;
    bool ready_ = false;
    Route route_ = Route::CopyBytes;
    std::optional<std::array<std::uint8_t, 256>> gamma_;
};

// The integer rule that brings a 16-bit sample to 8 bits: value * 255 div 65535.
constexpr std::uint8_t Scale16To8(unsigned value)
{
    return static_cast<std::uint8_t>(value * 255u / 65535u);
}

}  // namespace taramel
