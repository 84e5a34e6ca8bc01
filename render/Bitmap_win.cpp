#include "render/Bitmap_win.h"

#include <cstring>
#include <new>

namespace taramel {
namespace {

class DibPixelStorage final : public PixelStorage {
public:
    explicit DibPixelStorage(const PixelStorageRequest& r)
        : dib_(r.width, r.height, static_cast<int>(r.format), r.topDown, TDibSection::kWithDC), topDown_(r.topDown)
    {
    }

    std::uint8_t* Row0() override { return dib_.Ok() ? dib_.Row(0) : nullptr; }
    std::ptrdiff_t Stride() const override
    {
        const auto stride = static_cast<std::ptrdiff_t>(dib_.RowBytes());
        return topDown_ ? stride : -stride;
    }
    HDC DC() const { return dib_.Ok() ? dib_.DC() : nullptr; }
    HBITMAP Handle() const { return dib_.Ok() ? dib_.Handle() : nullptr; }

private:
    TDibSection dib_;
    bool topDown_;
};

DibPixelStorage* DibOf(TBitmap& bitmap)
{
    return dynamic_cast<DibPixelStorage*>(bitmap.Storage());
}

}  // namespace

TDibSection::TDibSection(int width, int height, int bitsPerPixel, bool topDown, TDcUse dc)
    : rowBytes_((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4), height_(height), topDown_(topDown)
{
    // Room for the grey palette of 8-bit sections.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = topDown ? -height : height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = BI_RGB;
    if (bitsPerPixel == 8) {
        info.header.biClrUsed = 256;
        for (int i = 0; i < 256; ++i) {
            const auto v = static_cast<BYTE>(i);
            info.colours[i] = RGBQUAD{v, v, v, 0};
        }
    }
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_)
        return;
    if (dc == kWithDC) {
        dc_ = CreateCompatibleDC(nullptr);
        old_ = dc_ ? SelectObject(dc_, bitmap_) : nullptr;
        if (!old_)
            return;
    }
    bits_ = static_cast<std::uint8_t*>(bits);
}

TDibSection::~TDibSection()
{
    if (dc_) {
        if (old_)
            SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
}

std::unique_ptr<PixelStorage> CreateDibPixelStorage(const PixelStorageRequest& request)
{
    auto storage = std::make_unique<DibPixelStorage>(request);
    // TBitmap turns a storage without memory into std::bad_alloc.
    return storage;
}

void InstallDibSectionStorage()
{
    SetPixelStorageFactory(&CreateDibPixelStorage);
}

HDC BitmapDC(TBitmap& bitmap)
{
    DibPixelStorage* dib = DibOf(bitmap);
    return dib ? dib->DC() : nullptr;
}

HBITMAP BitmapHandle(TBitmap& bitmap)
{
    DibPixelStorage* dib = DibOf(bitmap);
    return dib ? dib->Handle() : nullptr;
}

}  // namespace taramel
