#include "images/ColorManager.h"

#include <cmath>
#include <cstring>

#include "images/PngErrors.h"

namespace taramel {
namespace {

const char* const kIndexedMix = "Conversion between indexed and non-indexed pixel formats is not supported.";
const char* const kBadDepth = "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.";
const char* const kBadSampleCount = "Sample count per pixel does not correspond to the given color scheme.";
const char* const kNoMethod = "Color conversion failed. Could not find a proper method.";

int SamplesOf(TColorScheme scheme)
{
    switch (scheme) {
    case TColorScheme::csG:
    case TColorScheme::csIndexed: return 1;
    case TColorScheme::csGA: return 2;
    case TColorScheme::csRGB:
    case TColorScheme::csBGR: return 3;
    case TColorScheme::csRGBA:
    case TColorScheme::csBGRA: return 4;
    }
    return 0;
}

bool ValidDepth(int bits)
{
    return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16;
}

}  // namespace

void TColorManager::SetGamma(double fileGamma, double displayGamma)
{
    std::array<std::uint8_t, 256> table{};
    const double exponent = 1.0 / (fileGamma * displayGamma);
    for (int i = 0; i < 256; ++i) {
        const double v = std::round(std::pow(i / 255.0, exponent) * 255.0);
        table[i] = static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
    }
    gamma_ = table;
}

void TColorManager::Prepare()
{
    ready_ = false;
    if (!ValidDepth(source_.bitsPerSample) || !ValidDepth(target_.bitsPerSample))
        throw EColorConversionError(kBadDepth);
    if (source_.samplesPerPixel != SamplesOf(source_.scheme) || target_.samplesPerPixel != SamplesOf(target_.scheme))
        throw EColorConversionError(kBadSampleCount);
    if ((source_.scheme == TColorScheme::csIndexed) != (target_.scheme == TColorScheme::csIndexed))
        throw EColorConversionError(kIndexedMix);

    const int sb = source_.bitsPerSample;
    const int tb = target_.bitsPerSample;
    const TColorScheme s = source_.scheme;
    const TColorScheme t = target_.scheme;
    bool found = true;
    if ((s == TColorScheme::csIndexed && t == TColorScheme::csIndexed) ||
        (s == TColorScheme::csG && t == TColorScheme::csG)) {
        if (sb == tb && sb <= 8)
            route_ = Route::CopyBytes;
        else if (sb == 2 && tb == 4)
            route_ = s == TColorScheme::csG ? Route::Grey2To4 : Route::Expand2To4;
        else if (s == TColorScheme::csG && sb == 16 && tb == 8)
            route_ = Route::Scale16To8;
        else
            found = false;
    } else if (s == TColorScheme::csGA && t == TColorScheme::csG && tb == 8 && (sb == 8 || sb == 16)) {
        route_ = sb == 8 ? Route::GreyAlpha8 : Route::GreyAlpha16;
    } else if (s == TColorScheme::csRGB && t == TColorScheme::csBGR && tb == 8 && (sb == 8 || sb == 16)) {
        route_ = sb == 8 ? Route::Rgb8 : Route::Rgb16;
    } else if (s == TColorScheme::csRGBA && t == TColorScheme::csBGRA && tb == 8 && (sb == 8 || sb == 16)) {
        route_ = sb == 8 ? Route::Rgba8 : Route::Rgba16;
    } else {
        found = false;
    }
    if (!found)
        throw EColorConversionError(kNoMethod);
    ready_ = true;
}

std::uint8_t TColorManager::Scale16(const std::uint8_t* sample) const
{
    const unsigned v = bigEndian_ ? (sample[0] << 8 | sample[1]) : (sample[1] << 8 | sample[0]);
    return Scale16To8(v);
}

void TColorManager::ConvertRow(const std::uint8_t* src, std::uint8_t* dst, int count) const
{
    if (!ready_)
        throw EColorConversionError(kNoMethod);
    const std::uint8_t* g = gamma_ ? gamma_->data() : nullptr;
    switch (route_) {
    case Route::CopyBytes:
        std::memcpy(dst, src, (static_cast<std::size_t>(count) * source_.bitsPerSample + 7) / 8);
        break;
    case Route::Expand2To4:
    case Route::Grey2To4: {
        const int factor = route_ == Route::Grey2To4 ? 5 : 1;
        for (int x = 0; x < count; ++x) {
            const int v = ((src[x >> 2] >> (6 - 2 * (x & 3))) & 3) * factor;
            if (x & 1)
                dst[x >> 1] = static_cast<std::uint8_t>(dst[x >> 1] | v);
            else
                dst[x >> 1] = static_cast<std::uint8_t>(v << 4);
        }
        break;
    }
    case Route::Scale16To8:
        for (int x = 0; x < count; ++x)
            dst[x] = Scale16(src + 2 * x);
        break;
    case Route::GreyAlpha8:
        for (int x = 0; x < count; ++x)
            dst[x] = src[2 * x];
        break;
    case Route::GreyAlpha16:
        for (int x = 0; x < count; ++x)
            dst[x] = Scale16(src + 4 * x);
        break;
    case Route::Rgb8:
        if (g) {
            for (int x = 0; x < count; ++x, src += 3, dst += 3) {
                dst[0] = g[src[2]];
                dst[1] = g[src[1]];
                dst[2] = g[src[0]];
            }
        } else {
            for (int x = 0; x < count; ++x, src += 3, dst += 3) {
                dst[0] = src[2];
                dst[1] = src[1];
                dst[2] = src[0];
            }
        }
        break;
    case Route::Rgb16:
        for (int x = 0; x < count; ++x, src += 6, dst += 3) {
            dst[0] = GammaCorrect(Scale16(src + 4));
            dst[1] = GammaCorrect(Scale16(src + 2));
            dst[2] = GammaCorrect(Scale16(src));
        }
        break;
    case Route::Rgba8:
        if (g) {
            for (int x = 0; x < count; ++x, src += 4, dst += 4) {
                dst[0] = g[src[2]];
                dst[1] = g[src[1]];
                dst[2] = g[src[0]];
                dst[3] = src[3];
            }
        } else {
            // Swapping red and blue in whole 32-bit words lets the compiler
            // vectorise the loop.
            for (int x = 0; x < count; ++x) {
                std::uint32_t p;
                std::memcpy(&p, src + 4 * x, 4);
                p = (p & 0xFF00FF00u) | ((p & 0x000000FFu) << 16) | ((p >> 16) & 0x000000FFu);
                std::memcpy(dst + 4 * x, &p, 4);
            }
        }
        break;
    case Route::Rgba16:
        for (int x = 0; x < count; ++x, src += 8, dst += 4) {
            dst[0] = GammaCorrect(Scale16(src + 4));
            dst[1] = GammaCorrect(Scale16(src + 2));
            dst[2] = GammaCorrect(Scale16(src));
            dst[3] = Scale16(src + 6);
        }
        break;
    }
}

}  // namespace taramel
