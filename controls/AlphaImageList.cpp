#include "controls/AlphaImageList.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "base/Exception.h"
#include "images/IconFile.h"
#include "paint/Glyphs.h"
#include "render/Bitmap_win.h"

namespace taramel {

namespace {

constexpr int kAllocationStep = 4;

BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

// The pixels of a bitmap as 32-bit rows from the top.
bool ReadPixels(HBITMAP bitmap, int width, int height, TBitmap& picture)
{
    picture.SetSize(0, 0);
    picture.SetPixelFormat(TPixelFormat::pf32bit);
    picture.SetSize(width, height);
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(width) * height * 4);
    BITMAPINFO bi = TopDown32(width, height);
    HDC screen = GetDC(nullptr);
    const int read = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), rows.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (read != height)
        return false;
    for (int y = 0; y < height; ++y)
        std::memcpy(picture.ScanLine(y), rows.data() + static_cast<std::size_t>(y) * width * 4,
                    static_cast<std::size_t>(width) * 4);
    return true;
}

struct IconParts {
    ICONINFO info{};
    explicit IconParts(HICON icon) : ok(GetIconInfo(icon, &info) != FALSE) {}
    ~IconParts()
    {
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }
    bool ok;
};

}  // namespace

HICON IconFromPicture(const TBitmap& picture)
{
    const int w = picture.Width(), h = picture.Height();
    if (w < 1 || h < 1 || picture.PixelFormat() != TPixelFormat::pf32bit)
        return nullptr;
    TDibSection colour(w, h, 32, true, TDibSection::kNoDC);
    if (!colour.Ok())
        return nullptr;
    for (int y = 0; y < h; ++y)
        std::memcpy(colour.Row(y), picture.ScanLine(y), static_cast<std::size_t>(w) * 4);
    // The mask lets the background through where the picture has no alpha;
    // its rows are padded to 16 bits.
    const std::size_t stride = (static_cast<std::size_t>(w) + 15) / 16 * 2;
    std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(h), 0);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < w; ++x)
            if (p[4 * x + 3] == 0)
                bits[stride * y + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    HBITMAP mask = CreateBitmap(w, h, 1, 1, bits.data());
    if (!mask)
        return nullptr;
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colour.Handle();
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    return icon;
}

namespace {

bool IconPictureWithAlphaNote(HICON icon, TBitmap& picture, bool& hadAlpha)
{
    hadAlpha = false;
    IconParts parts(icon);
    if (!parts.ok || !parts.info.hbmMask)
        return false;
    BITMAP mask{};
    GetObjectW(parts.info.hbmMask, sizeof mask, &mask);
    const int w = mask.bmWidth;
    // A monochrome icon keeps its picture in the lower half of the mask.
    const int h = parts.info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
    if (w < 1 || h < 1)
        return false;
    TBitmap maskPixels;
    if (!ReadPixels(parts.info.hbmMask, w, mask.bmHeight, maskPixels))
        return false;
    if (parts.info.hbmColor) {
        if (!ReadPixels(parts.info.hbmColor, w, h, picture))
            return false;
    } else {
        picture.SetSize(0, 0);
        picture.SetPixelFormat(TPixelFormat::pf32bit);
        picture.SetSize(w, h);
        for (int y = 0; y < h; ++y)
            std::memcpy(picture.ScanLine(y), maskPixels.ScanLine(h + y), static_cast<std::size_t>(w) * 4);
    }
    hadAlpha = HasAlpha(picture);
    if (hadAlpha)
        return true;
    // Without alpha the mask says what is seen: white lets the background through.
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* m = maskPixels.ScanLine(y);
        std::uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < w; ++x)
            p[4 * x + 3] = m[4 * x] != 0 ? 0 : 255;
    }
    return true;
}

}  // namespace

bool IconPicture(HICON icon, TBitmap& picture)
{
    bool hadAlpha = false;
    return IconPictureWithAlphaNote(icon, picture, hadAlpha);
}

TsAlphaImageList::TsAlphaImageList(int width, int height) : width_(std::max(1, width)), height_(std::max(1, height))
{
}

TsAlphaImageList::~TsAlphaImageList()
{
    if (list_)
        ImageList_Destroy(list_);
}

void TsAlphaImageList::MakeList()
{
    if (list_)
        ImageList_Destroy(list_);
    list_ = ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, kAllocationStep, kAllocationStep);
    if (!list_)
        throw Exception("Out of system resources");
    ImageList_SetBkColor(list_, CLR_NONE);
}

void TsAlphaImageList::Loaded()
{
    if (!list_)
        MakeList();
    if (!generated_)
        GenerateSystemList();
}

HICON TsAlphaImageList::IconOfItem(const TsImgListItem& item) const
{
    if (item.ImageFormat == ifPNG) {
        // Made at the list's size with the filter, not left to the system's
        // scaling: the icon is all that remains once the items are gone.
        const auto picture = PngListPicture(item.ImgData.data(), item.ImgData.size(), width_, height_);
        HICON icon = IconFromPicture(*picture);
        if (!icon)
            throw Exception("Out of system resources");
        return icon;
    }
    const TIconFileImage image = ChooseIconImage(item.ImgData.data(), item.ImgData.size(), width_, height_);
    std::vector<BYTE> bytes(image.Data, image.Data + image.Size);
    HICON icon = CreateIconFromResourceEx(bytes.data(), static_cast<DWORD>(bytes.size()), TRUE, 0x00030000, width_,
                                          height_, LR_DEFAULTCOLOR);
    if (!icon)
        throw Exception(kBadIconFile);
    return icon;
}

void TsAlphaImageList::GenerateSystemList()
{
    if (!list_)
        return;
    std::vector<HICON> icons;
    try {
        for (const TsImgListItem& item : Items)
            icons.push_back(IconOfItem(item));
    } catch (...) {
        for (HICON icon : icons)
            DestroyIcon(icon);
        throw;
    }
    ImageList_RemoveAll(list_);
    for (HICON icon : icons) {
        ImageList_ReplaceIcon(list_, -1, icon);
        DestroyIcon(icon);
    }
    if (!Items.empty()) {
        generated_ = true;
        if (!KeepItems)
            Items.clear();
    }
}

void TsAlphaImageList::SetItemsData(const std::uint8_t* data, std::size_t size)
{
    Items = ReadImageListItems(data, size);
    generated_ = false;
    if (list_)
        GenerateSystemList();
}

int TsAlphaImageList::Count() const
{
    return list_ ? ImageList_GetImageCount(list_) : 0;
}

bool TsAlphaImageList::GetBitmap32(int index, TBitmap& picture) const
{
    if (!list_ || index < 0 || index >= Count())
        return false;
    const auto i = static_cast<std::size_t>(index);
    if (KeepItems && i < Items.size() && Items[i].ImageFormat == ifPNG && !Items[i].ImgData.empty()) {
        picture.Assign(*PngListPicture(Items[i].ImgData.data(), Items[i].ImgData.size(), width_, height_));
        return true;
    }
    HICON icon = ImageList_GetIcon(list_, index, ILD_NORMAL);
    if (!icon)
        return false;
    const bool ok = IconPicture(icon, picture);
    DestroyIcon(icon);
    return ok;
}

TSize TsAlphaImageList::DrawImageOnBitmap(TBitmap& destination, int x, int y, bool reflection, int glyphCount,
                                          int state, std::uint32_t tint, int blendPercent, int index) const
{
    const TStripPart part = StripPart(width_, height_, glyphCount, state);
    if (destination.Width() == 0 || !list_ || part.Size.cx < 1)
        return part.Size;
    TBitmap work(width_, height_, TPixelFormat::pf32bit);
    if (!GetBitmap32(index, work))
        return part.Size;
    TComposeOptions options;
    options.blendPercent = blendPercent;
    options.tint = tint;
    options.reflection = reflection;
    ComposeImage32(destination, TRect{x, y, x + part.Size.cx, y + part.Size.cy}, work, part.Source, options);
    return part.Size;
}

void TsAlphaImageList::DrawImageOnDC(HDC dc, int x, int y, bool reflection, int glyphCount, int state,
                                     std::uint32_t tint, int blendPercent, int index) const
{
    const int h = height_ + (reflection ? height_ / 2 : 0);
    TBitmap work(width_, h, TPixelFormat::pf24bit);
    HDC workDC = BitmapDC(work);
    if (workDC == nullptr)
        return;
    BitBlt(workDC, 0, 0, width_, h, dc, x, y, SRCCOPY);
    GdiFlush();
    DrawImageOnBitmap(work, 0, 0, reflection, glyphCount, state, tint, blendPercent, index);
    BitBlt(dc, x, y, width_, h, workDC, 0, 0, SRCCOPY);
}

void TsAlphaImageList::DrawIcon(HDC dc, int x, int y, int index) const
{
    if (!list_)
        return;
    ImageList_SetBkColor(list_, CLR_NONE);
    HICON icon = ImageList_GetIcon(list_, index, ILD_TRANSPARENT);
    if (!icon)
        return;
    DrawIconEx(dc, x, y, icon, width_, height_, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
}

int TsAlphaImageList::AddIcon(HICON icon)
{
    if (!list_)
        MakeList();
    const int index = ImageList_ReplaceIcon(list_, -1, icon);
    Change();
    return index;
}

void TsAlphaImageList::Change()
{
    if (changing_ || !list_)
        return;
    changing_ = true;
    try {
        if (KeepItems && Count() < static_cast<int>(Items.size())) {
            GenerateSystemList();
        } else {
            for (int i = 0; i < Count(); ++i) {
                HICON icon = ImageList_GetIcon(list_, i, ILD_NORMAL);
                if (!icon)
                    continue;
                TBitmap picture;
                bool hadAlpha = true;
                const bool read = IconPictureWithAlphaNote(icon, picture, hadAlpha);
                DestroyIcon(icon);
                if (!read || hadAlpha)
                    continue;
                if (HICON fixed = IconFromPicture(picture)) {
                    ImageList_ReplaceIcon(list_, i, fixed);
                    DestroyIcon(fixed);
                }
            }
        }
    } catch (...) {
        changing_ = false;
        throw;
    }
    changing_ = false;
}

void TsAlphaImageList::Assign(const TsAlphaImageList& source)
{
    if (&source == this)
        return;
    width_ = source.width_;
    height_ = source.height_;
    KeepItems = source.KeepItems;
    Items.clear();
    generated_ = false;
    MakeList();
    if (source.KeepItems && !source.Items.empty()) {
        Items = source.Items;
        GenerateSystemList();
        return;
    }
    for (int i = 0; i < source.Count(); ++i)
        if (HICON icon = ImageList_GetIcon(source.list_, i, ILD_TRANSPARENT)) {
            ImageList_ReplaceIcon(list_, -1, icon);
            DestroyIcon(icon);
        }
    generated_ = source.generated_;
}

void TsAlphaImageList::Draw(TBitmap& destination, TPoint at, int index, const ImageDraw& how) const
{
    int state = how.State + (how.Down ? 1 : 0);
    std::uint32_t tint = how.Tint;
    int blend = how.BlendPercent;
    if (!how.Enabled) {
        // A disabled glyph: grey (a white tint keeps only the grey level),
        // half see-through, or both, as the button's kinds ask.
        state = 0;
        tint = (how.DisabledKinds & dgGrayed) ? 0xFFFFFF : kNoTint;
        blend = (how.DisabledKinds & dgBlended) ? std::max(blend, 50) : blend;
    }
    DrawImageOnBitmap(destination, at.X, at.Y, how.Reflected, how.NumGlyphs, state, tint, blend, index);
}

}  // namespace taramel
