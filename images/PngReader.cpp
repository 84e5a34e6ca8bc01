#include "images/PngReader.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "images/ColorManager.h"
#include "images/ZlibInflater.h"
#include "images/PngErrors.h"
#include "images/PngFilters.h"

namespace taramel {
namespace {

// What one colour type and bit depth becomes.
struct Layout {
    TPixelFormat format;
    TSampleFormat source;
    TSampleFormat target;
};

Layout ChooseLayout(const TPngHeader& h)
{
    const int d = h.bitDepth;
    auto indexFormat = [](int depth) {
        return depth == 1 ? TPixelFormat::pf1bit : depth <= 4 ? TPixelFormat::pf4bit : TPixelFormat::pf8bit;
    };
    switch (h.colorType) {
    case 0:
        if (d == 1 || d == 2 || d == 4 || d == 8 || d == 16) {
            const TPixelFormat f = indexFormat(d);
            return {f, {TColorScheme::csG, d, 1}, {TColorScheme::csG, BitsPerPixel(f), 1}};
        }
        break;
    case 2:
        if (d == 8 || d == 16)
            return {TPixelFormat::pf24bit, {TColorScheme::csRGB, d, 3}, {TColorScheme::csBGR, 8, 3}};
        break;
    case 3:
        if (d == 1 || d == 2 || d == 4 || d == 8) {
            const TPixelFormat f = indexFormat(d);
            return {f, {TColorScheme::csIndexed, d, 1}, {TColorScheme::csIndexed, BitsPerPixel(f), 1}};
        }
        break;
    case 4:
        if (d == 8 || d == 16)
            return {TPixelFormat::pf8bit, {TColorScheme::csGA, d, 2}, {TColorScheme::csG, 8, 1}};
        break;
    case 6:
        if (d == 8 || d == 16)
            return {TPixelFormat::pf32bit, {TColorScheme::csRGBA, d, 4}, {TColorScheme::csBGRA, 8, 4}};
        break;
    default: break;
    }
    ThrowPng(PngMessage::InvalidColorFormat);
}

// Pulls rows out of the IDAT chunks, one chunk after the other.
class ImageDataReader {
public:
    explicit ImageDataReader(const std::vector<TByteSpan>& spans) : decoder_(Z_PARTIAL_FLUSH, false), spans_(spans) {}

    void ReadRow(std::uint8_t* out, std::size_t size)
    {
        std::size_t filled = 0;
        while (filled < size) {
            if (decoder_.StreamEnded())
                ThrowPng(PngMessage::CompressionError);  // the image needs more rows
            if (decoder_.AvailableInput() == 0 && next_ < spans_.size()) {
                decoder_.SetInput(spans_[next_].data, spans_[next_].size);
                ++next_;
            }
            std::size_t produced = 0;
            const int result = decoder_.Decode(out + filled, size - filled, produced);
            filled += produced;
            if (result != Z_OK && result != Z_STREAM_END)
                ThrowPng(PngMessage::CompressionError);
            if (produced == 0 && result == Z_OK && decoder_.AvailableInput() == 0 && next_ >= spans_.size())
                ThrowPng(PngMessage::CompressionError);
        }
    }

    // After the last row: the stream must end with nothing more to inflate
    // and no input left in its chunk. A stream whose end marker is missing
    // after a complete image is accepted.
    void Finish()
    {
        if (!decoder_.StreamEnded()) {
            std::uint8_t extra;
            std::size_t produced = 0;
            for (;;) {
                if (decoder_.AvailableInput() == 0 && next_ < spans_.size()) {
                    decoder_.SetInput(spans_[next_].data, spans_[next_].size);
                    ++next_;
                }
                const int result = decoder_.Decode(&extra, 1, produced);
                if (produced > 0)
                    ThrowPng(PngMessage::ExtraData);
                if (result == Z_STREAM_END)
                    break;
                if (result != Z_OK && !(result == Z_BUF_ERROR && decoder_.AvailableInput() == 0))
                    ThrowPng(PngMessage::CompressionError);
                if (decoder_.AvailableInput() == 0 && next_ >= spans_.size())
                    break;
            }
        }
        if (decoder_.StreamEnded() && decoder_.AvailableInput() > 0)
            ThrowPng(PngMessage::ExtraData);
        decoder_.Finish();
    }

private:
    TLZ77Decoder decoder_;
    const std::vector<TByteSpan>& spans_;
    std::size_t next_ = 0;
};

struct Pass {
    int x0, y0, dx, dy;
};
constexpr Pass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

std::size_t PackedBytes(std::uint64_t pixels, int bitsPerPixel)
{
    return static_cast<std::size_t>((pixels * static_cast<std::uint64_t>(bitsPerPixel) + 7) / 8);
}

std::uint32_t MakeColor(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16;
}

std::uint16_t Read16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

// A sample of bKGD or tRNS brought to the 8 bits the pixels show.
std::uint8_t SampleTo8(unsigned v, int depth)
{
    if (depth == 16)
        return Scale16To8(v);
    if (depth == 8)
        return static_cast<std::uint8_t>(v & 0xFF);
    const unsigned max = (1u << depth) - 1;
    return static_cast<std::uint8_t>((v & max) * 255 / max);
}

class Decoder {
public:
    Decoder(const TPngChunkData& chunks, TPNGGraphic& image) : c_(chunks), h_(chunks.header), image_(image) {}

    void Run()
    {
        const Layout layout = ChooseLayout(h_);
        if (h_.width > kPngMaxSide || h_.height > kPngMaxSide ||
            std::uint64_t{h_.width} * h_.height > kPngMaxPixels)
            ThrowPng(PngMessage::InvalidFormat);
        if (c_.imageData.empty())
            ThrowPng(PngMessage::InvalidFormat);
        rawBits_ = h_.bitDepth * layout.source.samplesPerPixel;
        filterBpp_ = std::max(1, rawBits_ / 8);
        // Deflate cannot expand a byte into more than about 1032: data far too
        // short for the image are refused before the bitmap is allocated.
        if (RawSize() / 1100 > c_.imageDataSize + 64)
            ThrowPng(PngMessage::CompressionError);

        manager_.SetSourceFormat(layout.source);
        manager_.SetTargetFormat(layout.target);
        if (c_.gamma)
            manager_.SetGamma(*c_.gamma / 100000.0, 2.2);
        manager_.Prepare();
        BuildPalette(layout);
        format_ = layout.format;

        if (image_.OnProgress)
            image_.OnProgress("Preparing...", 0);
        image_.SetSize(0, 0);
        image_.SetPixelFormat(layout.format);
        image_.SetPalette(palette_);
        image_.SetSize(static_cast<int>(h_.width), static_cast<int>(h_.height));

        ImageDataReader reader(c_.imageData);
        if (h_.interlace == 0)
            DecodePass(reader, {0, 0, 1, 1});
        else
            for (const Pass& p : kAdam7)
                DecodePass(reader, p);
        reader.Finish();
    }

    const std::vector<TPaletteEntry>& Palette() const { return palette_; }
    const TColorManager& Manager() const { return manager_; }

private:
    std::uint64_t RawSize() const
    {
        if (h_.interlace == 0)
            return (PackedBytes(h_.width, rawBits_) + 1) * std::uint64_t{h_.height};
        std::uint64_t total = 0;
        for (const Pass& p : kAdam7) {
            const std::uint64_t w = PassSize(h_.width, p.x0, p.dx);
            const std::uint64_t rows = PassSize(h_.height, p.y0, p.dy);
            if (w > 0 && rows > 0)
                total += (PackedBytes(w, rawBits_) + 1) * rows;
        }
        return total;
    }

    static std::uint32_t PassSize(std::uint32_t size, int start, int step)
    {
        return size > static_cast<std::uint32_t>(start) ? (size - start + step - 1) / step : 0;
    }

    void BuildPalette(const Layout& layout)
    {
        palette_.clear();
        if (h_.colorType == 3) {
            if (c_.palette.empty())
                ThrowPng(PngMessage::InvalidPalette);
            for (std::size_t i = 0; i + 2 < c_.palette.size(); i += 3)
                palette_.push_back(MakeColor(manager_.GammaCorrect(c_.palette[i]),
                                             manager_.GammaCorrect(c_.palette[i + 1]),
                                             manager_.GammaCorrect(c_.palette[i + 2])));
        } else if (h_.colorType == 0 || h_.colorType == 4) {
            const int bits = BitsPerPixel(layout.format);
            const int levels = 1 << bits;
            for (int i = 0; i < levels; ++i) {
                const auto v = manager_.GammaCorrect(static_cast<std::uint8_t>(i * 255 / (levels - 1)));
                palette_.push_back(MakeColor(v, v, v));
            }
        }
    }

    // Checks the indexes of one raw row against a palette shorter than the
    // bit depth can address: such an index has no colour.
    void CheckIndexes(const std::uint8_t* row, std::uint32_t count) const
    {
        if (h_.colorType != 3 || palette_.size() >= (std::size_t{1} << h_.bitDepth))
            return;
        const unsigned limit = static_cast<unsigned>(palette_.size());
        const int d = h_.bitDepth;
        for (std::uint32_t x = 0; x < count; ++x) {
            unsigned v;
            if (d == 8) {
                v = row[x];
            } else {
                const std::uint32_t bit = x * d;
                v = (row[bit >> 3] >> (8 - d - (bit & 7))) & ((1u << d) - 1);
            }
            if (v >= limit)
                ThrowPng(PngMessage::InvalidPalette);
        }
    }

    void DecodePass(ImageDataReader& reader, const Pass& p)
    {
        const std::uint32_t w = PassSize(h_.width, p.x0, p.dx);
        const std::uint32_t rows = PassSize(h_.height, p.y0, p.dy);
        if (w == 0 || rows == 0)
            return;
        const std::size_t rowBytes = PackedBytes(w, rawBits_);
        // Two rows with their filter byte in front: current and previous.
        std::vector<std::uint8_t> current(rowBytes + 1), previous(rowBytes + 1);
        std::vector<std::uint8_t> scattered;
        const bool direct = p.dx == 1;
        if (!direct)
            scattered.resize(RowBytes(static_cast<int>(w), format_));
        int lastPercent = -1;
        for (std::uint32_t r = 0; r < rows; ++r) {
            reader.ReadRow(current.data(), rowBytes + 1);
            if (!UnfilterRow(current[0], current.data() + 1, r ? previous.data() + 1 : nullptr, rowBytes, filterBpp_))
                ThrowPng(PngMessage::InvalidFormat);
            CheckIndexes(current.data() + 1, w);
            std::uint8_t* target = image_.ScanLine(static_cast<int>(p.y0 + r * p.dy));
            if (direct) {
                manager_.ConvertRow(current.data() + 1, target, static_cast<int>(w));
            } else {
                manager_.ConvertRow(current.data() + 1, scattered.data(), static_cast<int>(w));
                Scatter(scattered.data(), target, w, p);
            }
            std::swap(current, previous);
            if (image_.OnProgress) {
                const int percent = static_cast<int>((r + 1) * 100ull / rows);
                if (percent != lastPercent)
                    image_.OnProgress("Transfering...", percent);
                lastPercent = percent;
            }
        }
    }

    // Writes the pixels of one pass row into every dx-th pixel of the bitmap row.
    void Scatter(const std::uint8_t* src, std::uint8_t* dst, std::uint32_t count, const Pass& p) const
    {
        const int bpp = BytesPerPixel(format_);
        if (bpp == 0 || format_ == TPixelFormat::pf8bit) {
            for (std::uint32_t k = 0; k < count; ++k)
                WriteIndex(dst, static_cast<int>(p.x0 + k * p.dx), format_, ReadIndex(src, static_cast<int>(k), format_));
            return;
        }
        for (std::uint32_t k = 0; k < count; ++k)
            std::memcpy(dst + static_cast<std::size_t>(p.x0 + k * p.dx) * bpp, src + static_cast<std::size_t>(k) * bpp,
                        static_cast<std::size_t>(bpp));
    }

    const TPngChunkData& c_;
    const TPngHeader& h_;
    TPNGGraphic& image_;
    TColorManager manager_;
    std::vector<TPaletteEntry> palette_;
    TPixelFormat format_ = TPixelFormat::pf32bit;
    int rawBits_ = 8;
    int filterBpp_ = 1;
};

}  // namespace

void TPNGGraphic::Reset()
{
    SetSize(0, 0);
    SetPalette({});
    header_ = {};
    alpha_ = false;
    transparentColor_ = kNoTransparentColor;
    backgroundColor_ = 0xFFFFFF;
    transparency_.fill(255);
    fileGamma_ = 1.0;
}

void TPNGGraphic::LoadFromStream(const std::uint8_t* data, std::size_t size)
{
    Reset();
    try {
        const TPngChunkData chunks = ReadPngChunks(data, size);
        Decoder decoder(chunks, *this);
        decoder.Run();

        const TPngHeader& h = chunks.header;
        const TColorManager& m = decoder.Manager();
        header_ = h;
        alpha_ = h.colorType == 6;
        if (chunks.gamma)
            fileGamma_ = *chunks.gamma / 100000.0;
        auto grey = [&](const std::vector<std::uint8_t>& b) {
            const std::uint8_t v = m.GammaCorrect(SampleTo8(Read16(b.data()), h.bitDepth));
            return MakeColor(v, v, v);
        };
        auto rgb = [&](const std::vector<std::uint8_t>& b) {
            return MakeColor(m.GammaCorrect(SampleTo8(Read16(b.data()), h.bitDepth)),
                             m.GammaCorrect(SampleTo8(Read16(b.data() + 2), h.bitDepth)),
                             m.GammaCorrect(SampleTo8(Read16(b.data() + 4), h.bitDepth)));
        };
        const auto& bg = chunks.background;
        const auto& palette = decoder.Palette();
        if ((h.colorType == 0 || h.colorType == 4) && bg.size() >= 2)
            backgroundColor_ = grey(bg);
        else if ((h.colorType == 2 || h.colorType == 6) && bg.size() >= 6)
            backgroundColor_ = rgb(bg);
        else if (h.colorType == 3 && !bg.empty() && bg[0] < palette.size())
            backgroundColor_ = palette[bg[0]];
        const auto& tr = chunks.transparency;
        if (h.colorType == 0 && tr.size() >= 2)
            transparentColor_ = grey(tr);
        else if (h.colorType == 2 && tr.size() >= 6)
            transparentColor_ = rgb(tr);
        else if (h.colorType == 3)
            std::copy_n(tr.begin(), std::min<std::size_t>(tr.size(), 256), transparency_.begin());
    } catch (...) {
        Reset();
        throw;
    }
}

void LoadPngFromMemory(const std::uint8_t* data, std::size_t size, TPNGGraphic& target)
{
    target.LoadFromStream(data, size);
}

}  // namespace taramel
