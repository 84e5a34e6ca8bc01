// The work bitmap: a device-independent bitmap of 1, 4, 8, 24 or 32 bits per
// pixel addressed by rows. 1- and 4-bit pixels are palette indexes packed from
// the most significant bit of each byte; an 8-bit bitmap is grey unless it has
// a palette, when its bytes are palette indexes too. Pixels are blue, green, red (and alpha); rows are padded
// to 4 bytes. By default rows are stored bottom-up, as the system stores
// device-independent bitmaps, so row 1 lies below row 0 in memory and the
// stride is negative; pixel code must use Row0() and Stride(), never assume.
//
// Where the memory comes from is pluggable: on the heap in the portable core,
// a DIB section with its own memory device context in the Win32 build (see
// Bitmap_win.h), so that text and screen copies can draw into the same pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace taramel {

enum class TPixelFormat { pf1bit = 1, pf4bit = 4, pf8bit = 8, pf24bit = 24, pf32bit = 32 };

// One palette entry as a colour value 0x00BBGGRR (red in the low byte).
using TPaletteEntry = std::uint32_t;

// The pixel memory of one bitmap.
class PixelStorage {
public:
    virtual ~PixelStorage() = default;
    // Address of row 0 and the signed distance from row 0 to row 1.
    virtual std::uint8_t* Row0() = 0;
    virtual std::ptrdiff_t Stride() const = 0;
};

struct PixelStorageRequest {
    int width;
    int height;
    TPixelFormat format;
    bool topDown;
};

using PixelStorageFactory = std::unique_ptr<PixelStorage> (*)(const PixelStorageRequest&);

// The factory every new bitmap uses; the Win32 start-up installs DIB sections.
void SetPixelStorageFactory(PixelStorageFactory factory);
std::unique_ptr<PixelStorage> CreateHeapPixelStorage(const PixelStorageRequest& request);

// Whole bytes of one pixel: 0 for the 1- and 4-bit formats.
int BytesPerPixel(TPixelFormat format);
int BitsPerPixel(TPixelFormat format);
bool IsIndexed(TPixelFormat format);
// Bytes of one stored row: width * bits rounded up to whole 32-bit words.
std::size_t RowBytes(int width, TPixelFormat format);

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, TPixelFormat format, bool topDown = false);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap();

    int Width() const { return width_; }
    int Height() const { return height_; }
    TPixelFormat PixelFormat() const { return format_; }
    bool TopDown() const { return topDown_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Changing the size keeps the pixels of the common top-left area (new
    // pixels are zero); changing the format converts every pixel (24 to 32
    // bits gives alpha 0, 32 to 24 drops alpha, 8 bits without a palette is
    // grey: the three colour bytes take the grey value, and converting to 8
    // bits takes the green byte). Indexed pixels with a palette become their
    // palette colour; converting to an indexed format with a palette takes the
    // nearest entry, without one the grey level of the green byte. Either
    // reallocates: row addresses taken before are stale.
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    void SetSize(int width, int height);
    void SetPixelFormat(TPixelFormat format);
    // Makes this bitmap an exact copy of the source (size, format, pixels).
    void Assign(const TBitmap& source);

    // Null for an empty bitmap.
    std::uint8_t* Row0() { return storage_ ? storage_->Row0() : nullptr; }
    const std::uint8_t* Row0() const { return storage_ ? storage_->Row0() : nullptr; }
    std::ptrdiff_t Stride() const { return storage_ ? storage_->Stride() : 0; }
    std::uint8_t* ScanLine(int y) { return Row0() + y * Stride(); }
    const std::uint8_t* ScanLine(int y) const { return Row0() + y * Stride(); }

    PixelStorage* Storage() { return storage_.get(); }

    // The colours of the palette indexes (at most 256); empty for the
    // true-colour formats and for a grey 8-bit bitmap. Setting it changes no
    // pixel bytes.
    const std::vector<TPaletteEntry>& Palette() const { return palette_; }
    void SetPalette(std::vector<TPaletteEntry> palette);
    // Pixel (x, y) of any format as a colour 0x00BBGGRR (alpha dropped); an
    // index beyond the palette reads as black. No bounds check.
    std::uint32_t PixelColor(int x, int y) const;
    // Palette index of pixel (x, y) of an indexed bitmap. No bounds check.
    int PixelIndex(int x, int y) const;

private:
    void Reallocate(int width, int height, TPixelFormat format);

    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf24bit;
    bool topDown_ = false;
    std::unique_ptr<PixelStorage> storage_;
    std::vector<TPaletteEntry> palette_;
};

// Index of pixel x of a packed row of an indexed format.
inline int ReadIndex(const std::uint8_t* row, int x, TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case TPixelFormat::pf4bit: return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    default: return row[x];
    }
}

inline void WriteIndex(std::uint8_t* row, int x, TPixelFormat format, int index)
{
    switch (format) {
    case TPixelFormat::pf1bit: {
        const int shift = 7 - (x & 7);
        row[x >> 3] = static_cast<std::uint8_t>((row[x >> 3] & ~(1 << shift)) | ((index & 1) << shift));
        break;
    }
    case TPixelFormat::pf4bit:
        if (x & 1)
            row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & 0xF0) | (index & 0x0F));
        else
            row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & 0x0F) | ((index & 0x0F) << 4));
        break;
    default: row[x] = static_cast<std::uint8_t>(index); break;
    }
}

}  // namespace taramel
