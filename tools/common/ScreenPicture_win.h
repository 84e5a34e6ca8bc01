// Pictures that the picture tools save: rows of pixels, or what the screen
// shows of a rectangle, written as 24-bit BMP files (the scripts turn them
// into PNG). Each save says on standard output whether it worked.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace taramel::tools {

// Rows of blue, green, red bytes, top row first.
inline bool SaveBmp(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rows)
{
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> data(static_cast<std::size_t>(stride * height));
    for (int y = 0; y < height; ++y)
        std::copy_n(rows.begin() + static_cast<std::ptrdiff_t>(y) * width * 3, width * 3,
                    data.begin() + static_cast<std::ptrdiff_t>(height - 1 - y) * stride);
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    ih.biSize = sizeof(ih);
    ih.biWidth = width;
    ih.biHeight = height;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(ih);
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(data.size());
    bool ok = false;
    if (FILE* f = _wfopen(path.c_str(), L"wb")) {
        ok = std::fwrite(&fh, sizeof(fh), 1, f) == 1 && std::fwrite(&ih, sizeof(ih), 1, f) == 1 &&
             std::fwrite(data.data(), data.size(), 1, f) == 1;
        ok = std::fclose(f) == 0 && ok;
    }
    std::fwprintf(stdout, L"%ls %ls\n", ok ? L"saved" : L"could not save", path.c_str());
    return ok;
}

// What the screen shows of `r`.
inline bool SaveScreen(const RECT& r, const std::wstring& path)
{
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::vector<std::uint8_t> rows;
    rows.reserve(static_cast<std::size_t>(width) * height * 3);
    const auto* p = static_cast<const std::uint8_t*>(bits);
    for (int i = 0; i < width * height; ++i)
        rows.insert(rows.end(), p + i * 4, p + i * 4 + 3);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return SaveBmp(path, width, height, rows);
}

}  // namespace taramel::tools
