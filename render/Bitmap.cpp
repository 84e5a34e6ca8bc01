#include "render/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace taramel {
namespace {

class HeapPixelStorage final : public PixelStorage {
public:
    explicit HeapPixelStorage(const PixelStorageRequest& r)
        : rowBytes_(RowBytes(r.width, r.format)),
          bytes_(rowBytes_ * static_cast<std::size_t>(r.height)),
          height_(r.height),
          topDown_(r.topDown)
    {
    }
    std::uint8_t* Row0() override
    {
        if (bytes_.empty())
            return nullptr;
        return topDown_ ? bytes_.data() : bytes_.data() + rowBytes_ * static_cast<std::size_t>(height_ - 1);
    }
    std::ptrdiff_t Stride() const override
    {
        const auto stride = static_cast<std::ptrdiff_t>(rowBytes_);
        return topDown_ ? stride : -stride;
    }

private:
    std::size_t rowBytes_;
    std::vector<std::uint8_t> bytes_;
    int height_;
    bool topDown_;
};

PixelStorageFactory g_factory = &CreateHeapPixelStorage;

using Palette = std::vector<TPaletteEntry>;

void ColorToBgra(std::uint32_t color, std::uint8_t out[4])
{
    out[0] = static_cast<std::uint8_t>(color >> 16);
    out[1] = static_cast<std::uint8_t>(color >> 8);
    out[2] = static_cast<std::uint8_t>(color);
    out[3] = 0;
}

// Reads pixel x of a row as blue, green, red, alpha.
void ReadPixel(const std::uint8_t* row, int x, TPixelFormat f, const Palette& palette, std::uint8_t out[4])
{
    switch (f) {
    case TPixelFormat::pf1bit:
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit: {
        const int index = ReadIndex(row, x, f);
        if (!palette.empty()) {
            ColorToBgra(static_cast<std::size_t>(index) < palette.size() ? palette[index] : 0, out);
            break;
        }
        // Without a palette the index is a grey level spread over the format's range.
        const int maxIndex = (1 << BitsPerPixel(f)) - 1;
        out[0] = out[1] = out[2] = static_cast<std::uint8_t>(index * 255 / maxIndex);
        out[3] = 0;
        break;
    }
    case TPixelFormat::pf24bit:
        std::memcpy(out, row + 3 * x, 3);
        out[3] = 0;
        break;
    case TPixelFormat::pf32bit:
        std::memcpy(out, row + 4 * x, 4);
        break;
    }
}

int NearestIndex(const Palette& palette, const std::uint8_t bgr[4])
{
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        std::uint8_t c[4];
        ColorToBgra(palette[i], c);
        long d = 0;
        for (int k = 0; k < 3; ++k)
            d += static_cast<long>(c[k] - bgr[k]) * (c[k] - bgr[k]);
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

void WritePixel(std::uint8_t* row, int x, TPixelFormat f, const Palette& palette, const std::uint8_t in[4])
{
    switch (f) {
    case TPixelFormat::pf1bit:
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit:
        if (!palette.empty())
            WriteIndex(row, x, f, NearestIndex(palette, in));
        else
            WriteIndex(row, x, f, in[1] >> (8 - BitsPerPixel(f)));
        break;
    case TPixelFormat::pf24bit:
        std::memcpy(row + 3 * x, in, 3);
        break;
    case TPixelFormat::pf32bit:
        std::memcpy(row + 4 * x, in, 4);
        break;
    }
}

}  // namespace

void SetPixelStorageFactory(PixelStorageFactory factory)
{
    g_factory = factory ? factory : &CreateHeapPixelStorage;
}

std::unique_ptr<PixelStorage> CreateHeapPixelStorage(const PixelStorageRequest& request)
{
    return std::make_unique<HeapPixelStorage>(request);
}

int BytesPerPixel(TPixelFormat format)
{
    return static_cast<int>(format) / 8;
}

int BitsPerPixel(TPixelFormat format)
{
    return static_cast<int>(format);
}

bool IsIndexed(TPixelFormat format)
{
    return format == TPixelFormat::pf1bit || format == TPixelFormat::pf4bit || format == TPixelFormat::pf8bit;
}

std::size_t RowBytes(int width, TPixelFormat format)
{
    const std::size_t bits = static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(format);
    return (bits + 31) / 32 * 4;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format, bool topDown)
    : format_(format), topDown_(topDown)
{
    Reallocate(width, height, format);
}

TBitmap::~TBitmap() = default;

void TBitmap::Reallocate(int width, int height, TPixelFormat format)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    std::unique_ptr<PixelStorage> fresh;
    if (width > 0 && height > 0) {
        fresh = g_factory(PixelStorageRequest{width, height, format, topDown_});
        if (!fresh || !fresh->Row0())
            throw std::bad_alloc();
        const std::size_t rowBytes = RowBytes(width, format);
        for (int y = 0; y < height; ++y)
            std::memset(fresh->Row0() + y * fresh->Stride(), 0, rowBytes);
        // Carry over the common area, converting pixels when the format changes.
        const int w = std::min(width, width_);
        const int h = std::min(height, height_);
        for (int y = 0; y < h && storage_; ++y) {
            const std::uint8_t* src = ScanLine(y);
            std::uint8_t* dst = fresh->Row0() + y * fresh->Stride();
            if (format == format_ && BytesPerPixel(format) > 0) {
                std::memcpy(dst, src, static_cast<std::size_t>(w) * static_cast<std::size_t>(BytesPerPixel(format)));
                continue;
            }
            if (format == format_) {
                for (int x = 0; x < w; ++x)
                    WriteIndex(dst, x, format, ReadIndex(src, x, format));
                continue;
            }
            std::uint8_t px[4];
            for (int x = 0; x < w; ++x) {
                ReadPixel(src, x, format_, palette_, px);
                WritePixel(dst, x, format, palette_, px);
            }
        }
    }
    storage_ = std::move(fresh);
    width_ = width;
    height_ = height;
    if (format != format_ && !IsIndexed(format))
        palette_.clear();
    format_ = format;
}

void TBitmap::SetSize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    Reallocate(width, height, format_);
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == format_)
        return;
    Reallocate(width_, height_, format);
}

void TBitmap::Assign(const TBitmap& source)
{
    if (&source == this)
        return;
    storage_.reset();
    width_ = height_ = 0;
    topDown_ = source.topDown_;
    Reallocate(source.width_, source.height_, source.format_);
    palette_ = source.palette_;
    const std::size_t rowBytes = RowBytes(width_, format_);
    for (int y = 0; y < height_; ++y)
        std::memcpy(ScanLine(y), source.ScanLine(y), rowBytes);
}

void TBitmap::SetPalette(std::vector<TPaletteEntry> palette)
{
    if (palette.size() > 256)
        palette.resize(256);
    palette_ = std::move(palette);
}

std::uint32_t TBitmap::PixelColor(int x, int y) const
{
    std::uint8_t px[4] = {};
    ReadPixel(ScanLine(y), x, format_, palette_, px);
    return static_cast<std::uint32_t>(px[2]) | (static_cast<std::uint32_t>(px[1]) << 8) |
           (static_cast<std::uint32_t>(px[0]) << 16);
}

int TBitmap::PixelIndex(int x, int y) const
{
    return ReadIndex(ScanLine(y), x, format_);
}

}  // namespace taramel
