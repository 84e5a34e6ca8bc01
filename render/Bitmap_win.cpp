#include "render/Bitmap_win.h"

#include <cstring>
#include <new>

namespace taramel {
namespace {

class DibPixelStorage final : public PixelStorage {
public:
    explicit DibPixelStorage(const PixelStorageRequest& r) : rowBytes_(RowBytes(r.width, r.format)), height_(r.height), topDown_(r.topDown)
    {
        // Room for the grey palette of 8-bit bitmaps.
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colours[256];
        } info{};
        info.header.biSize = sizeof(BITMAPINFOHEADER);
        info.header.biWidth = r.width;
        info.header.biHeight = r.topDown ? -r.height : r.height;
        info.header.biPlanes = 1;
        info.header.biBitCount = static_cast<WORD>(r.format);
        info.header.biCompression = BI_RGB;
        if (r.format == TPixelFormat::pf8bit) {
            info.header.biClrUsed = 256;
            for (int i = 0; i < 256; ++i) {
                const auto v = static_cast<BYTE>(i);
                info.colours[i] = RGBQUAD{v, v, v, 0};
            }
        }
        dc_ = CreateCompatibleDC(nullptr);
        if (!dc_)
            return;
        bitmap_ = CreateDIBSection(dc_, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (!bitmap_) {
            bits_ = nullptr;
            return;
        }
        old_ = SelectObject(dc_, bitmap_);
    }
    ~DibPixelStorage() override
    {
        if (dc_ && old_)
            SelectObject(dc_, old_);
        if (bitmap_)
            DeleteObject(bitmap_);
        if (dc_)
            DeleteDC(dc_);
    }
    DibPixelStorage(const DibPixelStorage&) = delete;
    DibPixelStorage& operator=(const DibPixelStorage&) = delete;

    std::uint8_t* Row0() override
    {
        auto* bits = static_cast<std::uint8_t*>(bits_);
        if (!bits)
            return nullptr;
        return topDown_ ? bits : bits + rowBytes_ * static_cast<std::size_t>(height_ - 1);
    }
    std::ptrdiff_t Stride() const override
    {
        const auto stride = static_cast<std::ptrdiff_t>(rowBytes_);
        return topDown_ ? stride : -stride;
    }
    HDC DC() const { return dc_; }
    HBITMAP Handle() const { return bitmap_; }

private:
    std::size_t rowBytes_;
    int height_;
    bool topDown_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

DibPixelStorage* DibOf(TBitmap& bitmap)
{
    return dynamic_cast<DibPixelStorage*>(bitmap.Storage());
}

}  // namespace

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
