// The Win32 half of the work bitmap: pixels in a DIB section selected into a
// memory device context of its own, so that GDI text and screen copies draw
// into the same memory the pixel routines address.
#pragma once

#include <windows.h>

#include "render/Bitmap.h"

namespace taramel {

// The one owner of a DIB section in the program: the section, its bits and,
// when asked for, a memory device context of its own with the section
// selected. All three are freed together. 8-bit sections get a grey palette.
class TDibSection {
public:
    enum TDcUse { kNoDC, kWithDC };
    TDibSection(int width, int height, int bitsPerPixel, bool topDown, TDcUse dc);
    ~TDibSection();
    TDibSection(const TDibSection&) = delete;
    TDibSection& operator=(const TDibSection&) = delete;

    // The bits exist (and the context, when one was asked for).
    bool Ok() const { return bits_ != nullptr; }
    HBITMAP Handle() const { return bitmap_; }
    HDC DC() const { return dc_; }
    // Bytes of one row, padded to 32 bits.
    std::size_t RowBytes() const { return rowBytes_; }
    // Row y counted from the top, whatever the order in memory.
    std::uint8_t* Row(int y) const
    {
        const int stored = topDown_ ? y : height_ - 1 - y;
        return bits_ + rowBytes_ * static_cast<std::size_t>(stored);
    }

private:
    std::size_t rowBytes_;
    int height_;
    bool topDown_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint8_t* bits_ = nullptr;
};

// Makes every bitmap created from now on a DIB section. Called once at
// start-up, before any bitmap exists.
void InstallDibSectionStorage();

// The memory device context with the bitmap's DIB section selected, or null
// for an empty bitmap or one kept on the heap. GDI may batch its drawing:
// call GdiFlush after drawing through the context and before reading the
// pixels through the row addresses.
HDC BitmapDC(TBitmap& bitmap);
// The DIB section itself, or null as above.
HBITMAP BitmapHandle(TBitmap& bitmap);

// Pixel storage for one DIB section; exposed for the factory and tests.
std::unique_ptr<PixelStorage> CreateDibPixelStorage(const PixelStorageRequest& request);

}  // namespace taramel
