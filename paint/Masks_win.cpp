#include "paint/Masks_win.h"

#include <algorithm>

#include "paint/GdiObjects_win.h"

namespace taramel {

void DrawMaskRegion(const TSkinTables& tables, TBitmap& destination, HRGN region, int state, const TsMaskData& mask)
{
    TAOR cut;
    DrawMaskRegionParts(tables, destination, state, mask, cut);
    if (!region)
        return;
    // Removing (rather than toggling) each run keeps a pixel out even when
    // two runs meet it.
    for (const TRect& r : cut) {
        const OwnedGdi<HRGN> run(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
        if (run.Get())
            CombineRgn(region, region, run.Get(), RGN_DIFF);
    }
}

void StretchNinePart(HDC dst, HDC src, const NinePartCopy& c)
{
    const RECT& D = c.Dest;
    const RECT& S = c.Source;
    const NineSides& A = c.Borders;
    const int dl = std::min(A.Left, c.Limits.Left), dt = std::min(A.Top, c.Limits.Top);
    const int dr = std::min(A.Right, c.Limits.Right), db = std::min(A.Bottom, c.Limits.Bottom);
    const int sw = S.right - S.left, sh = S.bottom - S.top;
    const int cx = sw - A.Left - A.Right, cy = sh - A.Top - A.Bottom;
    SetStretchBltMode(dst, BLACKONWHITE);
    auto blt = [&](int x, int y, int w, int h, int sx, int sy) {
        if (w > 0 && h > 0)
            BitBlt(dst, x, y, w, h, src, sx, sy, SRCCOPY);
    };
    auto stretch = [&](int x, int y, int w, int h, int sx, int sy, int swd, int sht) {
        if (w > 0 && h > 0 && swd > 0 && sht > 0)
            StretchBlt(dst, x, y, w, h, src, sx, sy, swd, sht, SRCCOPY);
    };
    // Tiles a source block of tw x th over the area from its top-left corner,
    // cutting the last column and row.
    auto tile = [&](int x0, int y0, int x1, int y1, int sx, int sy, int tw, int th) {
        if (tw < 1 || th < 1)
            return;
        for (int y = y0; y < y1; y += th)
            for (int x = x0; x < x1; x += tw)
                blt(x, y, std::min(tw, x1 - x), std::min(th, y1 - y), sx, sy);
    };
    // Corners, each with the strip beside it that a limited border leaves.
    blt(D.left, D.top, A.Left, dt, S.left, S.top);
    if (dt < A.Top)
        blt(D.left, D.top + dt, dl, A.Top - dt, S.left, S.top + dt);
    blt(D.left, D.bottom - db, A.Left, db, S.left, S.bottom - db);
    if (db < A.Bottom)
        blt(D.left, D.bottom - A.Bottom, dl, A.Bottom - db, S.left, S.bottom - A.Bottom);
    blt(D.right - A.Right, D.top, A.Right, dt, S.right - A.Right, S.top);
    if (dt < A.Top)
        blt(D.right - dr, D.top + dt, dr, A.Top - dt, S.right - dr, S.top + dt);
    blt(D.right - A.Right, D.bottom - db, A.Right, db, S.right - A.Right, S.bottom - db);
    if (db < A.Bottom)
        blt(D.right - dr, D.bottom - A.Bottom, dr, A.Bottom - db, S.right - dr, S.bottom - A.Bottom);
    // Edges.
    const int y0 = D.top + A.Top, y1 = D.bottom - A.Bottom, x0 = D.left + A.Left, x1 = D.right - A.Right;
    if (c.Modes.Left == nmStretch)
        stretch(D.left, y0, dl, y1 - y0, S.left, S.top + A.Top, dl, cy);
    else
        tile(D.left, y0, D.left + dl, y1, S.left, S.top + A.Top, dl, cy);
    if (c.Modes.Top == nmStretch)
        stretch(x0, D.top, x1 - x0, dt, S.left + A.Left, S.top, cx, dt);
    else
        tile(x0, D.top, x1, D.top + dt, S.left + A.Left, S.top, cx, dt);
    if (c.Modes.Right == nmStretch)
        stretch(D.right - dr, y0, dr, y1 - y0, S.right - dr, S.top + A.Top, dr, cy);
    else
        tile(D.right - dr, y0, D.right, y1, S.right - dr, S.top + A.Top, dr, cy);
    if (c.Modes.Bottom == nmStretch)
        stretch(x0, D.bottom - db, x1 - x0, db, S.left + A.Left, S.bottom - db, cx, db);
    else
        tile(x0, D.bottom - db, x1, D.bottom, S.left + A.Left, S.bottom - db, cx, db);
    if (!c.FillCentre)
        return;
    if (c.CentreMode == nmStretch)
        stretch(x0, y0, x1 - x0, y1 - y0, S.left + A.Left, S.top + A.Top, cx, cy);
    else
        tile(x0, y0, x1, y1, S.left + A.Left, S.top + A.Top, cx, cy);
}

}  // namespace taramel
