// A top-down picture in a memory DC, 32 bits a pixel unless asked otherwise:
// a test draws or copies a window into it and reads back exact colours.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace taramel::testsupport {

class TPixelCanvas {
public:
    TPixelCanvas(int width, int height, int bitCount = 32) : width_(width), height_(height)
    {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = static_cast<WORD>(bitCount);
        bi.bmiHeader.biCompression = BI_RGB;
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits_, nullptr, 0);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~TPixelCanvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TPixelCanvas(const TPixelCanvas&) = delete;
    TPixelCanvas& operator=(const TPixelCanvas&) = delete;

    HDC Dc() const { return dc_; }
    // The pixel bytes, rows padded to whole 32-bit words.
    std::uint8_t* Bits() const { return static_cast<std::uint8_t*>(bits_); }
    // Every pixel of a 32-bit canvas row by row, as colour values 0x00BBGGRR.
    std::vector<COLORREF> Pixels() const
    {
        GdiFlush();
        std::vector<COLORREF> pixels(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        const auto* p = static_cast<const std::uint32_t*>(bits_);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
        return pixels;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

}  // namespace taramel::testsupport
