// An image list whose images keep their per-pixel alpha: items hold PNG or
// icon files, turned into the icons of a system image list when the list is
// loaded; a button's glyph is then composed from the list with its alpha,
// an extra transparency, a tint and a fading reflection.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "controls/ImageList.h"
#include "images/ComposeImage32.h"
#include "images/ImageListItems.h"

namespace taramel {

class TsAlphaImageList : public TCustomImageList {
public:
    explicit TsAlphaImageList(int width = 16, int height = 16);
    ~TsAlphaImageList() override;
    TsAlphaImageList(const TsAlphaImageList&) = delete;
    TsAlphaImageList& operator=(const TsAlphaImageList&) = delete;

    // The stored images. After loading they live only in the system list
    // and Items is emptied, unless KeepItems is set.
    std::vector<TsImgListItem> Items;
    bool KeepItems = false;

    // The end of loading: the system list is made and filled from Items
    // once. PNG and icon errors propagate; the list is then left as it was.
    void Loaded();
    // Rebuilds the system list from Items (every item decoded before any
    // image is replaced, so a bad item leaves the list whole).
    void GenerateSystemList();
    bool Generated() const { return generated_; }
    HIMAGELIST Handle() const { return list_; }

    // The stored items as kept with a form, and read back (then generated).
    std::vector<std::uint8_t> ItemsData() const { return WriteImageListItems(Items); }
    void SetItemsData(const std::uint8_t* data, std::size_t size);

    int Count() const override;
    int Width() const override { return width_; }
    int Height() const override { return height_; }

    // Image `index` as a 32-bit picture with alpha at the list's size; false
    // without a list or for an index outside it.
    bool GetBitmap32(int index, TBitmap& picture) const;

    // One state of image `index` composed onto a 24- or 32-bit destination
    // with its top-left corner at (x, y); the size of the state drawn.
    TSize DrawImageOnBitmap(TBitmap& destination, int x, int y, bool reflection, int glyphCount, int state,
                            std::uint32_t tint, int blendPercent, int index) const;
    // The same onto a device context, through a copy of its pixels.
    void DrawImageOnDC(HDC dc, int x, int y, bool reflection, int glyphCount, int state, std::uint32_t tint,
                       int blendPercent, int index) const;
    // The system's drawing of the list's icon at the list's size.
    void DrawIcon(HDC dc, int x, int y, int index) const;

    // Appends a copy of an icon; an icon without alpha gets it from its
    // mask, so that it is seen when composed. The new index, -1 on failure.
    int AddIcon(HICON icon);
    // After images were changed directly: kept items that outnumber the
    // images are generated again, and images without alpha get it from
    // their masks.
    void Change();
    // The other list's size, settings and images (its items when it keeps
    // them, else its icons).
    void Assign(const TsAlphaImageList& source);

    // A button's glyph: the state (one more when down), a tint for a grey
    // resting glyph, the blend of the normal state, and the disabled kinds.
    void Draw(TBitmap& destination, TPoint at, int index, const ImageDraw& how) const override;

private:
    void MakeList();
    HICON IconOfItem(const TsImgListItem& item) const;

    int width_, height_;
    HIMAGELIST list_ = nullptr;
    bool generated_ = false;
    bool changing_ = false;
};

// A 32-bit picture with alpha as an icon (the caller destroys it); the mask
// marks the pixels of alpha 0. Null when GDI fails.
HICON IconFromPicture(const TBitmap& picture);

// The colour bitmap of an icon as a 32-bit picture; one without alpha gets
// alpha from the icon's mask (0 where the mask lets the background through,
// 255 elsewhere). False when the icon cannot be read.
bool IconPicture(HICON icon, TBitmap& picture);

}  // namespace taramel
