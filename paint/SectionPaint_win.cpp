#include "paint/SectionPaint_win.h"

#include <algorithm>

#include "paint/GdiObjects_win.h"
#include "render/Bitmap_win.h"
#include "render/SysColors.h"
#include "render/WorkBitmaps.h"
#include "skin/SkinLookups.h"

namespace taramel {

void PaintSectionToDC(const TSkinTables& tables, int sectionIndex, std::string_view sectionName, const BgCache& bg,
                      HDC dc, TPoint offset, const RECT& rect, int state, bool fillCentre)
{
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (!SectionExists(tables, sectionIndex) || rect.left < 0 || rect.top < 0 || w <= 0 || h <= 0)
        return;
    SavedDC saved(dc);
    auto work = CreateWorkBitmap24(w, h);
    PaintSection(tables, sectionIndex, sectionName, bg, {}, {work.get(), {0, 0, w, h}, offset.X, offset.Y}, state,
                 fillCentre);
    if (HDC src = BitmapDC(*work)) {
        GdiFlush();
        BitBlt(dc, rect.left, rect.top, w, h, src, 0, 0, SRCCOPY);
    }
}

int PaintSectionByName(const TSkinTables& tables, TBitmap& bitmap, std::string_view name, std::string_view fallback,
                       HDC dc, int state, const RECT& rect)
{
    int index = FindSection(tables, name);
    if (!SectionExists(tables, index))
        index = FindSection(tables, fallback);
    if (!SectionExists(tables, index))
        return -1;
    BgCache bg;
    if (dc) {
        if (HDC own = BitmapDC(bitmap)) {
            BitBlt(own, 0, 0, bitmap.Width(), bitmap.Height(), dc, rect.left, rect.top, SRCCOPY);
            GdiFlush();
            bg = BgCacheFromBitmap(bitmap, 0, 0);
        }
    }
    PaintSection(tables, index, tables.Sections[index].SectionName, bg, {},
                 {&bitmap, {0, 0, bitmap.Width(), bitmap.Height()}}, state, true);
    return index;
}

void FillSolid(HDC dc, const RECT& rect, TColor color)
{
    SavedDC saved(dc);
    const OwnedGdi<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ResolveColor(color)) & 0xFFFFFF));
    FillRect(dc, &rect, brush.Get());
}

void FillBorderFrame(HDC dc, const RECT& r, int left, TColor color, int bottom, int right, int top)
{
    const OwnedGdi<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ResolveColor(color)) & 0xFFFFFF));
    const RECT strips[4] = {{r.left, r.top, r.right, r.top + top},
                            {r.left, r.top + top, r.left + left, r.bottom},
                            {r.left + left, r.bottom - bottom, r.right, r.bottom},
                            {r.right - right, r.top + top, r.right, r.bottom - bottom}};
    for (const RECT& s : strips)
        FillRect(dc, &s, brush.Get());
}

void CopyBorderStrips(HDC dst, int b, HDC src, int width, int height)
{
    b = std::clamp(b, 0, std::min(width, height));
    if (b == 0)
        return;
    BitBlt(dst, 0, 0, b, height, src, 0, 0, SRCCOPY);                           // left
    BitBlt(dst, b, 0, width - b, b, src, b, 0, SRCCOPY);                        // top
    BitBlt(dst, width - b, b, b, height - b, src, width - b, b, SRCCOPY);        // right
    BitBlt(dst, b, height - b, width - 2 * b, b, src, b, height - b, SRCCOPY);  // bottom
}

}  // namespace taramel
