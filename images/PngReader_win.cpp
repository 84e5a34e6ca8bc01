#include "images/PngReader_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "images/ComposeImage32.h"
#include "render/Bitmap_win.h"

namespace taramel {
namespace {

// A top-down DIB section of 24 or 32 bits, selected into a memory DC of its
// own unless it is for handing to the system, with copies to and from work
// bitmaps of its size.
class DibSurface {
public:
    DibSurface(int width, int height, int bits, bool selected = true)
        : dib_(width, height, bits, true, selected ? TDibSection::kWithDC : TDibSection::kNoDC), width_(width),
          height_(height), bits_(bits)
    {
    }

    bool Ok() const { return dib_.Ok(); }
    HDC Dc() const { return dib_.DC(); }
    HBITMAP Bitmap() const { return dib_.Handle(); }
    std::uint8_t* Row(int y) const { return dib_.Row(y); }

    // Copies between the surface and a work bitmap of the same size and bits.
    void Load(const TBitmap& b) const
    {
        const std::size_t n = static_cast<std::size_t>(width_) * (bits_ / 8);
        for (int y = 0; y < height_; ++y)
            std::memcpy(Row(y), b.ScanLine(y), n);
    }
    void Store(TBitmap& b) const
    {
        const std::size_t n = static_cast<std::size_t>(width_) * (bits_ / 8);
        for (int y = 0; y < height_; ++y)
            std::memcpy(b.ScanLine(y), Row(y), n);
    }

private:
    TDibSection dib_;
    int width_, height_, bits_;
};

void DrawOrdinary(const TPNGGraphic& image, HDC canvas, const RECT& r)
{
    TBitmap copy;
    copy.Assign(image);
    copy.SetPixelFormat(TPixelFormat::pf24bit);
    DibSurface s(copy.Width(), copy.Height(), 24);
    if (!s.Ok())
        return;
    s.Load(copy);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (image.Transparent()) {
        GdiTransparentBlt(canvas, r.left, r.top, w, h, s.Dc(), 0, 0, copy.Width(), copy.Height(),
                          image.TransparentColor());
    } else {
        SetStretchBltMode(canvas, COLORONCOLOR);
        StretchBlt(canvas, r.left, r.top, w, h, s.Dc(), 0, 0, copy.Width(), copy.Height(), SRCCOPY);
    }
}

// The image stretched to w x h with the halftone mode: the colour channels
// directly, the alpha channel as a grey picture of its own, then put back.
bool StretchWithAlpha(const TBitmap& image, int w, int h, TBitmap& out)
{
    const int iw = image.Width(), ih = image.Height();
    DibSurface colour(iw, ih, 32), alpha(iw, ih, 32);
    DibSurface colourOut(w, h, 32), alphaOut(w, h, 32);
    if (!colour.Ok() || !alpha.Ok() || !colourOut.Ok() || !alphaOut.Ok())
        return false;
    colour.Load(image);
    for (int y = 0; y < ih; ++y) {
        const std::uint8_t* src = image.ScanLine(y);
        std::uint8_t* a = alpha.Row(y);
        for (int x = 0; x < iw; ++x)
            a[4 * x] = a[4 * x + 1] = a[4 * x + 2] = src[4 * x + 3];
    }
    for (HDC dc : {colourOut.Dc(), alphaOut.Dc()}) {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
    }
    StretchBlt(colourOut.Dc(), 0, 0, w, h, colour.Dc(), 0, 0, iw, ih, SRCCOPY);
    StretchBlt(alphaOut.Dc(), 0, 0, w, h, alpha.Dc(), 0, 0, iw, ih, SRCCOPY);
    GdiFlush();
    out.SetSize(0, 0);
    out.SetPixelFormat(TPixelFormat::pf32bit);
    out.SetSize(w, h);
    colourOut.Store(out);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* dst = out.ScanLine(y);
        const std::uint8_t* a = alphaOut.Row(y);
        for (int x = 0; x < w; ++x)
            dst[4 * x + 3] = a[4 * x + 1];
    }
    return true;
}

}  // namespace

void DrawPng(TPNGGraphic& image, HDC canvas, const RECT& r)
{
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (image.Empty() || w <= 0 || h <= 0 || !canvas)
        return;
    if (image.PixelFormat() != TPixelFormat::pf32bit) {
        DrawOrdinary(image, canvas, r);
        return;
    }
    const bool sameSize = w == image.Width() && h == image.Height();
    const bool reflect = image.Reflection != 0 && sameSize;
    const int workHeight = h + (image.Reflection != 0 ? h / 2 : 0);
    DibSurface work(w, workHeight, 24);
    if (!work.Ok())
        return;
    BitBlt(work.Dc(), 0, 0, w, workHeight, canvas, r.left, r.top, SRCCOPY);
    GdiFlush();
    TBitmap target(w, workHeight, TPixelFormat::pf24bit, true);
    work.Store(target);

    TComposeOptions options;
    options.reflection = reflect;
    if (sameSize) {
        ComposeImage32(target, {0, 0, w, h}, image, {0, 0, w, h}, options);
    } else {
        TBitmap stretched;
        if (!StretchWithAlpha(image, w, h, stretched))
            return;
        ComposeImage32(target, {0, 0, w, h}, stretched, {0, 0, w, h}, options);
    }
    work.Load(target);
    BitBlt(canvas, r.left, r.top, w, workHeight, work.Dc(), 0, 0, SRCCOPY);
}

HICON MakePngIcon(const TPNGGraphic& image, bool forced)
{
    if (image.Empty())
        return nullptr;
    const int w = image.Width(), h = image.Height();
    TBitmap colour;
    colour.Assign(image);
    // Bytes of the mask: 0 where the picture is transparent.
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(w) * h, 0);
    if (forced || image.PixelFormat() != TPixelFormat::pf32bit) {
        colour.SetPixelFormat(TPixelFormat::pf32bit);
        const std::uint8_t* first = colour.ScanLine(0);
        const std::uint8_t key[3] = {first[0], first[1], first[2]};
        for (int y = 0; y < h; ++y) {
            std::uint8_t* p = colour.ScanLine(y);
            for (int x = 0; x < w; ++x, p += 4) {
                if (std::equal(key, key + 3, p))
                    continue;
                p[3] = 255;
                mask[static_cast<std::size_t>(y) * w + x] = 255;
            }
        }
    }
    DibSurface colourDib(w, h, 32, false);
    if (!colourDib.Ok())
        return nullptr;
    colourDib.Load(colour);
    GdiFlush();
    // The mask reduced to 1 bit per pixel, rows padded to 16 bits.
    const std::size_t maskStride = (static_cast<std::size_t>(w) + 15) / 16 * 2;
    std::vector<std::uint8_t> bits(maskStride * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (mask[static_cast<std::size_t>(y) * w + x] >= 128)
                bits[maskStride * y + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, bits.data());
    if (!maskBitmap)
        return nullptr;
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = maskBitmap;
    info.hbmColor = colourDib.Bitmap();
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(maskBitmap);
    return icon;
}

}  // namespace taramel
