#include "engine/MenuPaint.h"

#include "paint/SectionPaint.h"
#include "render/BitmapCopy.h"
#include "render/FactorOps.h"
#include "skin/SkinLookups.h"

namespace taramel {

namespace {

// How much of a disabled item's own look remains over its background.
constexpr double kDisabledBlend = 0.4;

const TsMaskData* ImageAt(const TSkinTables& t, int index)
{
    return ImageExists(t, index) ? &t.Images[static_cast<std::size_t>(index)] : nullptr;
}

void PaintStrip(const TSkinTables& t, std::string_view name, TBitmap& bitmap, const TRect& r)
{
    const int section = FindSection(t, name);
    if (SectionExists(t, section) && !r.Empty())
        PaintSection(t, section, name, BgCacheFromBitmap(bitmap, r.Left, r.Top), {}, {&bitmap, r, 0, 0}, 0, true);
}

}  // namespace

MenuBackgroundLayout PaintMenuBackground(const TSkinTables& t, const MenuBackgroundMetrics& m,
                                         std::string_view icoLineSection, std::string_view extraLineSection,
                                         TBitmap& bitmap, TAOR& cut)
{
    const MenuBackgroundLayout layout = LayoutMenuBackground(m);
    if (bitmap.Empty())
        return layout;
    const TRect whole{0, 0, bitmap.Width(), bitmap.Height()};
    const int menu = FindSection(t, "MAINMENU");
    if (SectionExists(t, menu))
        PaintSection(t, menu, "MAINMENU", EmptyBgCache, {}, {&bitmap, whole, 0, 0}, 0, true);
    PaintStrip(t, icoLineSection, bitmap, layout.GlyphColumn);
    if (const TsMaskData* border = ImageAt(t, MenuBorderImage(t))) {
        DrawMaskRect(t, bitmap, whole, false, true, 0, *border, BgCacheFromBitmap(bitmap, 0, 0));
        CollectKeyRects(t, cut, bitmap.Width(), *border, false, 0);
        CollectKeyRects(t, cut, bitmap.Width(), *border, true, bitmap.Height() - border->WB);
    }
    if (m.ExtraLineWidth > 0)
        PaintStrip(t, extraLineSection, bitmap, layout.ExtraLine);
    return layout;
}

bool PaintMenuItemFace(const TSkinTables& t, TBitmap& item, const TBitmap& background, TPoint at,
                       const MenuItemFace& face)
{
    if (item.Empty())
        return true;
    const TRect area{0, 0, item.Width(), item.Height()};
    CopyBitmapRect(item, 0, 0, background, {at.X, at.Y, at.X + item.Width(), at.Y + item.Height()});
    const int section = FindSection(t, "MENUITEM");
    if (SectionExists(t, section))
        PaintSection(t, section, "MENUITEM", BgCacheFromBitmap(background, at.X, at.Y), {}, {&item, area, 0, 0},
                     face.Enabled && face.Selected ? 1 : 0, true);
    if (!face.Checked || face.HasGlyph)
        return true;
    int image = face.Radio ? FindImageExact(t, "GLOBALINFO", "RADIOCHECKED") : -1;
    if (!ImageExists(t, image))
        image = FindImageExact(t, "GLOBALINFO", "CHECK");
    if (!ImageExists(t, image))
        image = FindImageExact(t, "GLOBALINFO", "BOXCHECKED");
    if (const TsMaskData* mask = ImageAt(t, image)) {
        const TSize size = ImageStateSize(t, image);
        DrawMaskImage(t, item, {face.Margin, (item.Height() - size.cy) / 2}, face.Selected && face.Enabled ? 1 : 0,
                      BgCacheFromBitmap(item, 0, 0), *mask, 1);
        return true;
    }
    return false;
}

bool PaintMenuDivider(const TSkinTables& t, TBitmap& item, const TBitmap& background, TPoint at, const TRect& line)
{
    if (!item.Empty())
        CopyBitmapRect(item, 0, 0, background, {at.X, at.Y, at.X + item.Width(), at.Y + item.Height()});
    const int section = FindSection(t, "DIVIDERV");
    const TsMaskData* mask = ImageAt(t, FindImage(t, section, "DIVIDERV", "BORDERSMASK"));
    if (mask == nullptr)
        return false;
    if (!line.Empty() && !item.Empty())
        DrawMaskRect(t, item, line, true, true, 0, *mask, BgCacheFromBitmap(background, at.X, at.Y));
    return true;
}

void PaintMenuLine(const TSkinTables& t, TBitmap& bitmap, const TRect& r, std::string_view section)
{
    const TRect area = Intersect(r, {0, 0, bitmap.Width(), bitmap.Height()});
    const int index = FindSection(t, section);
    if (!SectionExists(t, index) || area.Empty())
        return;
    // Read from a copy: the section is painted where its background lies.
    TBitmap under(area.Width(), area.Height(), TPixelFormat::pf24bit);
    CopyBitmapRect(under, 0, 0, bitmap, area);
    PaintSection(t, index, section, BgCacheFromBitmap(under, 0, 0), {}, {&bitmap, area, 0, 0}, 0, true);
}

void FadeDisabledMenuItem(TBitmap& item, const TBitmap& background, TPoint at)
{
    if (item.Empty())
        return;
    TBitmap under(item.Width(), item.Height(), TPixelFormat::pf24bit);
    CopyBitmapRect(under, 0, 0, background, {at.X, at.Y, at.X + item.Width(), at.Y + item.Height()});
    BlendByFactor(item, 0, 0, TransparentKey, kDisabledBlend, {0, 0, item.Width() - 1, item.Height() - 1}, under);
}

}  // namespace taramel
