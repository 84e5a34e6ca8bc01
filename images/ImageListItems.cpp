#include "images/ImageListItems.h"

#include <algorithm>
#include <cstring>

#include "base/Exception.h"
#include "images/ComposeImage32.h"
#include "images/PngReader.h"
#include "render/SmoothResample.h"

namespace taramel {

namespace {

constexpr char kMagic[4] = {'A', 'I', 'L', '1'};
constexpr std::uint32_t kKeyPixel = 0x00FF00FF;

void PutNumber(std::vector<std::uint8_t>& out, std::uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
}

class TReader {
public:
    TReader(const std::uint8_t* data, std::size_t size) : p_(data), left_(data ? size : 0) {}
    const std::uint8_t* Take(std::size_t n)
    {
        if (n > left_)
            throw Exception(kImageListDataDamaged);
        const std::uint8_t* at = p_;
        p_ += n;
        left_ -= n;
        return at;
    }
    std::uint32_t Number()
    {
        const std::uint8_t* b = Take(4);
        return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }
    std::uint8_t Byte() { return *Take(1); }
    std::size_t Left() const { return left_; }

private:
    const std::uint8_t* p_;
    std::size_t left_;
};

std::uint32_t Read32(const std::uint8_t* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// Scales by repeating pixels: for pictures the filter cannot take.
void RepeatPixels(const TBitmap& source, TBitmap& target)
{
    for (int y = 0; y < target.Height(); ++y) {
        const std::uint8_t* in = source.ScanLine(y * source.Height() / target.Height());
        std::uint8_t* out = target.ScanLine(y);
        for (int x = 0; x < target.Width(); ++x)
            std::memcpy(out + 4 * x, in + 4 * (x * source.Width() / target.Width()), 4);
    }
}

}  // namespace

std::vector<std::uint8_t> WriteImageListItems(const std::vector<TsImgListItem>& items)
{
    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    PutNumber(out, static_cast<std::uint32_t>(items.size()));
    for (const TsImgListItem& item : items) {
        out.push_back(item.ImageFormat);
        out.push_back(static_cast<std::uint8_t>(item.PixelFormat));
        PutNumber(out, static_cast<std::uint32_t>(item.ImgData.size()));
        out.insert(out.end(), item.ImgData.begin(), item.ImgData.end());
    }
    return out;
}

std::vector<TsImgListItem> ReadImageListItems(const std::uint8_t* data, std::size_t size)
{
    TReader in(data, size);
    if (std::memcmp(in.Take(4), kMagic, 4) != 0)
        throw Exception(kImageListDataDamaged);
    const std::uint32_t count = in.Number();
    // Every item takes at least six bytes: a count beyond them is a lie.
    if (count > in.Left() / 6)
        throw Exception(kImageListDataDamaged);
    std::vector<TsImgListItem> items(count);
    for (TsImgListItem& item : items) {
        const std::uint8_t format = in.Byte();
        const std::uint8_t bits = in.Byte();
        if (format > ifICO || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
            throw Exception(kImageListDataDamaged);
        item.ImageFormat = static_cast<TsImageFormat>(format);
        item.PixelFormat = static_cast<TPixelFormat>(bits);
        const std::uint32_t length = in.Number();
        const std::uint8_t* bytes = in.Take(length);
        item.ImgData.assign(bytes, bytes + length);
    }
    if (in.Left() != 0)
        throw Exception(kImageListDataDamaged);
    return items;
}

TStripPart StripPart(int listWidth, int listHeight, int glyphCount, int state)
{
    const int count = std::max(1, glyphCount);
    const int w = std::max(0, listWidth) / count;
    const int h = std::max(0, listHeight);
    const int part = std::clamp(state, 0, count - 1);
    return {TRect{w * part, 0, w * part + w, h}, TSize{w, h}};
}

std::unique_ptr<TBitmap> PngListPicture(const std::uint8_t* data, std::size_t size, int width, int height)
{
    TPNGGraphic png;
    LoadPngFromMemory(data, size, png);
    auto picture = std::make_unique<TBitmap>();
    picture->Assign(png);
    if (picture->PixelFormat() != TPixelFormat::pf32bit || !png.Alpha()) {
        const std::uint32_t key = picture->PixelColor(0, 0);
        picture->SetPixelFormat(TPixelFormat::pf32bit);
        for (int y = 0; y < picture->Height(); ++y) {
            std::uint8_t* p = picture->ScanLine(y);
            for (int x = 0; x < picture->Width(); ++x, p += 4) {
                const std::uint32_t colour = p[2] | (p[1] << 8) | (p[0] << 16);
                // See-through pixels turn black too, so that scaling blends
                // nothing of their colour into the edges.
                if (colour == key)
                    std::memset(p, 0, 4);
                else
                    p[3] = 255;
            }
        }
    }
    ClearWhiteTransparent(*picture);
    if (width < 1 || height < 1 || (picture->Width() == width && picture->Height() == height))
        return picture;
    auto scaled = std::make_unique<TBitmap>(width, height, TPixelFormat::pf32bit);
    if (picture->Width() < 2 || picture->Height() < 2)
        RepeatPixels(*picture, *scaled);
    else
        SmoothResample(*picture, *scaled, width, static_cast<int>(TResampleFilter::Mitchell), height);
    return scaled;
}

bool HasAlpha(const TBitmap& picture)
{
    if (picture.PixelFormat() != TPixelFormat::pf32bit)
        return false;
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x, p += 4)
            if (p[3] != 0)
                return true;
    }
    return false;
}

void MakeOpaqueExceptKey(TBitmap& picture)
{
    if (picture.PixelFormat() != TPixelFormat::pf32bit)
        return;
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x, p += 4)
            if (Read32(p) != kKeyPixel)
                p[3] = 255;
    }
}

}  // namespace taramel
