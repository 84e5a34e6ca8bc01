// The rounding rules of the pixel arithmetic, each written once.
//
// Two families coexist and must not be unified: byte weights with integer
// shifts (fast, used on whole bitmaps) and real factors rounded to the nearest
// integer (used on small bitmaps). The skins' look depends on the last unit.
#pragma once

#include <cmath>
#include <cstdint>

namespace taramel {

// 0 below 0, 255 from 256 on, else the value.
constexpr int ClampByte(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// A percent 0..100 as a byte weight: p * 255 / 100 with integer division, so
// 100 gives 255 and 50 gives 127.
constexpr int PercentToWeight(int percent) { return ClampByte(percent * 255 / 100); }

// Byte-weight blend: w/256 of the destination and (255 - w)/256 of the source,
// plus 127/256 so that the result is rounded rather than cut. The weights sum
// to 255, not 256, so full weight on one side loses a unit: w = 0 with source
// 255 gives (65025 + 127) >> 8 = 254. The largest sum, 255 * 255 + 127 =
// 65152, fits in 16 unsigned bits, which the vector loop relies on.
constexpr std::uint8_t BlendByte(unsigned dst, unsigned src, unsigned w)
{
    return static_cast<std::uint8_t>((dst * w + src * (255 - w) + 127) >> 8);
}

// Mask mix: second + w * (first - second) / 256 with the division floored,
// written as one non-negative numerator: w * (first - second) + 256 * second
// >= -255 * second + 256 * second >= 0, so the shift is a floor.
constexpr std::uint8_t MixByte(int first, int second, int w)
{
    return static_cast<std::uint8_t>((w * (first - second) + second * 256) >> 8);
}

// Shade toward a colour through a mask byte: c + floor(m * (px - c) / 256).
// The product may be negative; an arithmetic right shift is a floor division.
constexpr std::uint8_t ShadeByte(int px, int c, int m)
{
    return static_cast<std::uint8_t>(c + ((m * (px - c)) >> 8));
}

// The product of two bytes read as fractions of 255, rounded to the nearest:
// round(a * b / 255). There are no ties (2ab is even, 255 odd), so adding
// 127 before the integer division is exact. Premultiplied alpha, tints and
// CMYK to RGB use it.
constexpr std::uint8_t MulByte(unsigned a, unsigned b)
{
    return static_cast<std::uint8_t>((a * b + 127) / 255);
}

// A byte of a picture with straight (not premultiplied) alpha `a` laid over
// `dst`: round((src * a + dst * (255 - a)) / 255). Alpha 0 leaves dst and 255
// gives src exactly. The numerator is an integer n <= 65025; n / 255 is never
// a tie (that needs 2n an odd multiple of 255, but 2n is even), so adding 127
// before the integer division rounds to the nearest.
constexpr std::uint8_t OverByte(unsigned dst, unsigned src, unsigned a)
{
    return static_cast<std::uint8_t>((src * a + dst * (255 - a) + 127) / 255);
}

// Average of two colour bytes, leaning 129/256 toward the second: white
// over black gives 126, black over white 128.
constexpr std::uint8_t AverageByte(unsigned a, unsigned b)
{
    return static_cast<std::uint8_t>((a * 127 + b * 129) >> 8);
}

// The grey of a pixel: the plain mean of its three colour bytes, cut down.
constexpr std::uint8_t GreyOf(unsigned blue, unsigned green, unsigned red)
{
    return static_cast<std::uint8_t>((blue + green + red) / 3);
}

// Real arithmetic rounds to the nearest integer with ties to even (the
// processor's default mode): 127.5 gives 128, 126.5 gives 126.
inline int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// A real result as a byte. The operations keep results inside 0..255 for
// factors inside 0..1; a factor outside that range is clamped rather than
// wrapped around.
inline std::uint8_t RoundToByte(double v)
{
    if (!(v > -0.5))  // also catches NaN
        return 0;
    if (v >= 255.5)
        return 255;
    // RoundEven without a library call (which the 32-bit runtime makes
    // slowly): adding 1.5 * 2^52 leaves no fraction bits, so the SSE2 sum is
    // rounded to the nearest integer, ties to even, exactly as nearbyint does
    // in the default rounding mode; v is inside -0.5..255.5 here.
    constexpr double kShift = 6755399441055744.0;
    return static_cast<std::uint8_t>(static_cast<int>((v + kShift) - kShift));
}

// Real-factor blend: f is the share of the destination that remains.
inline std::uint8_t FactorByte(int src, int dst, double f) { return RoundToByte(src - f * (src - dst)); }

}  // namespace taramel
