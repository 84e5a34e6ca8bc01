#include "images/BmpReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>

#include "base/Exception.h"

namespace taramel {

namespace {

// The reader's messages, in one place.
constexpr const char* kNotBmp = "Not a BMP file";
constexpr const char* kTruncatedHeader = "BMP file is truncated in its header";
constexpr const char* kShortData = "BMP image data is shorter than its stated size";
constexpr const char* kBadMasks = "BMP colour masks are invalid";
constexpr const char* kBadOffset = "BMP image data offset lies outside the file";
constexpr const char* kBadRle = "BMP compressed image data is damaged";

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

struct Rgb {
    std::uint8_t b, g, r;
};

// One colour channel held in a bit mask, scaled to 0..255 by rounding
// value * 255 / max (so 5 bits: 31 -> 255, 16 -> 132; 6 bits: 63 -> 255).
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    static Channel From(std::uint32_t mask)
    {
        Channel c;
        c.mask = mask;
        if (mask == 0)
            return c;
        c.shift = std::countr_zero(mask);
        const std::uint32_t bits = mask >> c.shift;
        if ((bits & (bits + 1)) != 0)  // not one contiguous run of ones
            throw Exception(kBadMasks);
        c.max = bits;
        return c;
    }
    std::uint8_t Get(std::uint32_t pixel) const
    {
        if (max == 0)
            return 0;
        const std::uint64_t v = (pixel & mask) >> shift;
        return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
    }
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // always positive here
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    bool core = false;
    std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
    bool haveMasks = false;
    std::size_t paletteStart = 0;
};

std::string Number(std::int64_t n) { return std::to_string(n); }

Header ReadHeader(const std::uint8_t* data, std::size_t size)
{
    Header h;
    if (size < 2 || data[0] != 'B' || data[1] != 'M')
        throw Exception(kNotBmp);
    if (size < 18)
        throw Exception(kTruncatedHeader);
    const std::uint32_t infoSize = U32(data + 14);
    if (infoSize != 12 && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 &&
        infoSize != 124)
        throw Exception("Unsupported BMP header size " + Number(infoSize));
    if (size < 14 + std::size_t(infoSize))
        throw Exception(kTruncatedHeader);
    const std::uint8_t* info = data + 14;
    if (infoSize == 12) {
        h.core = true;
        h.width = U16(info + 4);
        h.height = U16(info + 6);
        h.bitCount = static_cast<int>(U16(info + 10));
        h.paletteStart = 14 + 12;
        if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24)
            throw Exception("Unsupported BMP bit count " + Number(h.bitCount));
        return h;
    }
    h.width = static_cast<std::int32_t>(U32(info + 4));
    const std::int64_t height = static_cast<std::int32_t>(U32(info + 8));
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    h.bitCount = static_cast<int>(U16(info + 14));
    h.compression = U32(info + 16);
    h.colorsUsed = U32(info + 32);
    h.paletteStart = 14 + infoSize;
    switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: throw Exception("Unsupported BMP bit count " + Number(h.bitCount));
    }
    const bool rle = h.compression == kRle8 || h.compression == kRle4;
    const bool fields = h.compression == kBitfields || h.compression == kAlphaBitfields;
    if (h.compression != kRgb && !rle && !fields)
        throw Exception("Unsupported BMP compression " + Number(h.compression));
    if ((h.compression == kRle8 && h.bitCount != 8) || (h.compression == kRle4 && h.bitCount != 4) ||
        (fields && h.bitCount != 16 && h.bitCount != 32))
        throw Exception("BMP compression " + Number(h.compression) + " does not fit " + Number(h.bitCount) +
                        " bits per pixel");
    if (rle && h.topDown)
        throw Exception("BMP compressed image cannot be top-down");
    if (fields) {
        const std::size_t count = h.compression == kAlphaBitfields ? 4 : 3;
        if (infoSize >= 52) {
            // The masks are part of the header (they were filled by the writer).
            for (std::size_t i = 0; i < 3; ++i)
                h.masks[i] = U32(info + 40 + 4 * i);
            if (infoSize >= 56)
                h.masks[3] = U32(info + 52);
        } else {
            if (size < h.paletteStart + 4 * count)
                throw Exception(kTruncatedHeader);
            for (std::size_t i = 0; i < count; ++i)
                h.masks[i] = U32(data + h.paletteStart + 4 * i);
            h.paletteStart += 4 * count;
        }
        h.haveMasks = true;
    } else if (h.bitCount == 32 && infoSize >= 56) {
        // Plain 32-bit data whose header names an alpha channel.
        h.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, U32(info + 52) == 0xFF000000u ? 0xFF000000u : 0u};
    }
    return h;
}

std::vector<Rgb> ReadPalette(const std::uint8_t* data, std::size_t size, std::size_t offBits, const Header& h)
{
    std::vector<Rgb> palette;
    if (h.bitCount > 8)
        return palette;
    const std::size_t full = std::size_t(1) << h.bitCount;
    std::size_t count = (h.colorsUsed == 0 || h.colorsUsed > full) ? full : h.colorsUsed;
    const std::size_t entry = h.core ? 3 : 4;
    // Writers that store fewer colours than they should: take what lies
    // between the header and the pixels; indexes past it read black.
    const std::size_t end = std::min(offBits, size);
    if (end < h.paletteStart)
        count = 0;
    else
        count = std::min(count, (end - h.paletteStart) / entry);
    palette.resize(full, Rgb{0, 0, 0});
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = data + h.paletteStart + i * entry;
        palette[i] = Rgb{p[0], p[1], p[2]};
    }
    return palette;
}

void Put24(std::uint8_t* row, std::int64_t x, Rgb c)
{
    row[3 * x] = c.b;
    row[3 * x + 1] = c.g;
    row[3 * x + 2] = c.r;
}

void DecodeRows(const std::uint8_t* pixels, std::size_t stride, const Header& h, const std::vector<Rgb>& palette,
                TBitmap& target)
{
    const int width = static_cast<int>(h.width);
    const int height = static_cast<int>(h.height);
    const std::uint32_t defaultMasks16[3] = {0x7C00, 0x03E0, 0x001F};
    const std::uint32_t defaultMasks32[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    Channel red, green, blue, alpha;
    if (h.bitCount == 16 || h.bitCount == 32) {
        const bool own = h.haveMasks || h.masks[0] != 0;
        const std::uint32_t* def = h.bitCount == 16 ? defaultMasks16 : defaultMasks32;
        red = Channel::From(own ? h.masks[0] : def[0]);
        green = Channel::From(own ? h.masks[1] : def[1]);
        blue = Channel::From(own ? h.masks[2] : def[2]);
        alpha = Channel::From(h.bitCount == 32 ? h.masks[3] : 0);
    }
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* src = pixels + stride * static_cast<std::size_t>(row);
        const int y = h.topDown ? row : height - 1 - row;
        std::uint8_t* dst = target.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            switch (h.bitCount) {
            case 1: Put24(dst, x, palette[(src[x >> 3] >> (7 - (x & 7))) & 1]); break;
            case 4: Put24(dst, x, palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15]); break;
            case 8: Put24(dst, x, palette[src[x]]); break;
            case 16: {
                const std::uint32_t p = U16(src + 2 * x);
                Put24(dst, x, Rgb{blue.Get(p), green.Get(p), red.Get(p)});
                break;
            }
            case 24: Put24(dst, x, Rgb{src[3 * x], src[3 * x + 1], src[3 * x + 2]}); break;
            case 32: {
                const std::uint32_t p = U32(src + 4 * x);
                dst[4 * x] = blue.Get(p);
                dst[4 * x + 1] = green.Get(p);
                dst[4 * x + 2] = red.Get(p);
                dst[4 * x + 3] = h.haveMasks || h.masks[3] != 0 ? alpha.Get(p) : src[4 * x + 3];
                break;
            }
            }
        }
    }
}

// Run-length data, bottom-up. Pixels that the data skips (by a delta or an
// early end of line) stay black; runs past the right edge are cut.
void DecodeRle(const std::uint8_t* p, const std::uint8_t* end, const Header& h, const std::vector<Rgb>& palette,
               TBitmap& target)
{
    const std::int64_t width = h.width;
    const std::int64_t height = h.height;
    const bool four = h.compression == kRle4;
    std::int64_t x = 0, y = 0;
    auto put = [&](std::uint32_t index) {
        if (x < width && y < height)
            Put24(target.ScanLine(static_cast<int>(height - 1 - y)), x, palette[index]);
        ++x;
    };
    while (true) {
        if (end - p < 2) {
            if (y >= height - 1)
                return;  // the writer left out the end marks of the last line
            throw Exception(kShortData);
        }
        const std::uint8_t count = p[0];
        const std::uint8_t value = p[1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < width; ++i)
                put(four ? ((i & 1) ? value & 15 : value >> 4) : value);
            continue;
        }
        switch (value) {
        case 0:  // end of line
            x = 0;
            ++y;
            break;
        case 1:  // end of picture
            return;
        case 2:  // move right and up
            if (end - p < 2)
                throw Exception(kShortData);
            x += p[0];
            y += p[1];
            p += 2;
            break;
        default: {  // a literal run of `value` pixels, padded to 16 bits
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            const std::size_t padded = (bytes + 1) & ~std::size_t(1);
            if (static_cast<std::size_t>(end - p) < bytes)
                throw Exception(kShortData);
            for (int i = 0; i < value; ++i)
                put(four ? ((i & 1) ? p[i / 2] & 15 : p[i / 2] >> 4) : p[i]);
            p += std::min(padded, static_cast<std::size_t>(end - p));
            break;
        }
        }
        if (y > height)
            throw Exception(kBadRle);
    }
}

}  // namespace

void LoadBmpFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& target)
{
    if (data == nullptr)
        size = 0;
    const Header h = ReadHeader(data, size);
    if (h.width <= 0 || h.height <= 0 || h.width > kBmpMaxSide || h.height > kBmpMaxSide ||
        h.width * h.height > kBmpMaxPixels)
        throw Exception("BMP size " + Number(h.width) + " x " + Number(h.height) + " is out of range");
    const std::size_t offBits = U32(data + 10);
    if (offBits < h.paletteStart || offBits >= size)
        throw Exception(kBadOffset);
    const std::vector<Rgb> palette = ReadPalette(data, size, offBits, h);
    const std::uint8_t* pixels = data + offBits;
    const std::size_t available = size - offBits;
    const bool rle = h.compression == kRle8 || h.compression == kRle4;
    const std::uint64_t stride = (std::uint64_t(h.width) * h.bitCount + 31) / 32 * 4;
    if (!rle) {
        // The last row may lack its padding; everything else must be there.
        const std::uint64_t needed = stride * (h.height - 1) + (std::uint64_t(h.width) * h.bitCount + 7) / 8;
        if (needed > available)
            throw Exception(kShortData);
    } else if (std::uint64_t(h.width) * h.height > std::uint64_t(available) * 1024 + 65536) {
        // Runs and skips can describe a huge picture in a few bytes; a
        // picture this large for its data is refused before allocating it.
        // A flat picture written as runs takes about one byte per hundred
        // pixels, well inside the bound.
        throw Exception(kShortData);
    }
    const TPixelFormat format = h.bitCount == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
    target.SetSize(0, 0);
    target.SetPixelFormat(format);
    target.SetSize(static_cast<int>(h.width), static_cast<int>(h.height));
    try {
        if (rle)
            DecodeRle(pixels, pixels + available, h, palette, target);
        else
            DecodeRows(pixels, static_cast<std::size_t>(stride), h, palette, target);
    } catch (...) {
        target.SetSize(0, 0);
        throw;
    }
}

}  // namespace taramel
