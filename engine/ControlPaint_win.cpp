#include "engine/ControlPaint_win.h"

#include <algorithm>
#include <functional>

#include "base/Color.h"
#include "engine/SkinCommand_win.h"
#include "engine/SkinManager_win.h"
#include "framework/WinControl.h"
#include "paint/GdiObjects_win.h"
#include "paint/Masks.h"
#include "paint/SectionPaint.h"
#include "paint/SectionPaint_win.h"
#include "render/BitmapCopy.h"
#include "render/Bitmap_win.h"
#include "render/WorkBitmaps.h"
#include "render/SysColors.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"

namespace taramel {

namespace {

LRESULT Dispatch(TControl* control, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        if (w->HandleAllocated())
            return SendMessageA(w->Handle(), msg, wParam, lParam);
    }
    return control->Perform(msg, wParam, lParam);
}

// Without an answer and with a picture wanted at once, the control paints
// the area itself: its (OffsetX, OffsetY) lands at the target's origin.
void PaintInto(BackgroundInfo& info, const std::function<void(UINT, WPARAM)>& send)
{
    HDC dc = static_cast<HDC>(info.TargetDC);
    SavedDC saved(dc);
    POINT old;
    OffsetViewportOrgEx(dc, -info.OffsetX, -info.OffsetY, &old);
    const RECT area{info.Area.Left + info.OffsetX, info.Area.Top + info.OffsetY, info.Area.Right + info.OffsetX,
                    info.Area.Bottom + info.OffsetY};
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    send(WM_PAINT, reinterpret_cast<WPARAM>(dc));
}

}  // namespace

int RequestParentBackground(BackgroundInfo& info, TControl* control, bool paint)
{
    const bool paintWanted = info.PaintNow != 0;
    info.Kind = bikNone;
    info.PaintNow = paint ? 1 : 0;
    if (control == nullptr) {
        info.Kind = bikColor;
        info.Color = clBtnFace;
        return 0;
    }
    Dispatch(control, SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_INFO), reinterpret_cast<LPARAM>(&info));
    if (info.Kind != bikNone)
        return 1;
    if (paintWanted && info.TargetDC != nullptr) {
        PaintInto(info, [control](UINT msg, WPARAM dc) { Dispatch(control, msg, dc, 0); });
        return 0;
    }
    info.Kind = bikColor;
    const LRESULT answer = Dispatch(control, SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_COLOR), clNone);
    info.Color = answer != 0 ? static_cast<TColor>(answer) : static_cast<TColor>(ColorToRGB(control->Color()));
    if (info.PaintNow && info.TargetDC != nullptr)
        FillSolid(static_cast<HDC>(info.TargetDC), ToRECT(info.Area), info.Color);
    return 0;
}

int RequestParentBackgroundByHandle(BackgroundInfo& info, HWND window, bool paint)
{
    const bool paintWanted = info.PaintNow != 0;
    info.Kind = bikNone;
    info.PaintNow = paint ? 1 : 0;
    if (window != nullptr)
        SendMessageA(window, SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_INFO), reinterpret_cast<LPARAM>(&info));
    if (info.Kind != bikNone)
        return 1;
    if (paintWanted && info.TargetDC != nullptr && window != nullptr) {
        PaintInto(info, [window](UINT msg, WPARAM dc) { SendMessageA(window, msg, dc, 0); });
        return 0;
    }
    info.Kind = bikColor;
    info.Color = DefaultManager() != nullptr ? GlobalBackColor(DefaultManager()->Tables())
                                             : static_cast<TColor>(clBtnFace);
    return 0;
}

void ForwardBackgroundRequest(BackgroundInfo& info, TControl* parent, int dx, int dy)
{
    if (info.PaintNow) {
        // Painted at once: the parent copies from where the container sits.
        info.OffsetX += dx;
        info.OffsetY += dy;
        RequestParentBackground(info, parent, true);
        return;
    }
    RequestParentBackground(info, parent, false);
    if (info.Kind == bikBitmap) {
        info.OffsetX += dx;
        info.OffsetY += dy;
    }
}

void ForwardBackgroundRequestByHandle(BackgroundInfo& info, HWND parent, int dx, int dy)
{
    if (info.PaintNow) {
        info.OffsetX += dx;
        info.OffsetY += dy;
        RequestParentBackgroundByHandle(info, parent, true);
        return;
    }
    RequestParentBackgroundByHandle(info, parent, false);
    if (info.Kind == bikBitmap) {
        info.OffsetX += dx;
        info.OffsetY += dy;
    }
}

TColor ParentBackgroundColor(TControl* owner, HWND window)
{
    if (owner != nullptr && owner->Parent() != nullptr) {
        TWinControl* parent = owner->Parent();
        const LRESULT answer = Dispatch(parent, SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_COLOR), clNone);
        if (answer != 0 && answer != clNone)
            return static_cast<TColor>(answer);
        return static_cast<TColor>(ColorToRGB(parent->Color()));
    }
    if (window != nullptr && GetParent(window) != nullptr) {
        BackgroundInfo info;
        RequestParentBackgroundByHandle(info, GetParent(window), false);
        if (info.Kind == bikColor)
            return static_cast<TColor>(ColorToRGB(info.Color));
    }
    return static_cast<TColor>(ColorToRGB(clBtnFace));
}

BgCache ParentBgCache(TControl* control)
{
    BackgroundInfo info;
    RequestParentBackground(info, control != nullptr ? control->Parent() : nullptr, false);
    BgCache bg = BackgroundToCache(info);
    if (bg.HasBitmap && control != nullptr)
        bg = Offset(bg, control->Left(), control->Top());
    return bg;
}

void PaintControlSection(const TsCommonData& data, const BgCache& bg, bool fillCentre, TBitmap& bitmap,
                         const TRect& rect, int state)
{
    const TSkinTables* tables = data.Tables();
    if (tables == nullptr || !SectionExists(*tables, data.SectionIndex))
        return;
    if (rect.Left < 0 || rect.Top < 0 || rect.Right > bitmap.Width() || rect.Bottom > bitmap.Height())
        return;
    if (rect.Left != 0 || rect.Top != 0) {
        // Painted at the origin of a bitmap of its own and copied in: every
        // part of the painting then reads the background at the same place.
        auto work = CreateWorkBitmap24(rect.Width(), rect.Height());
        PaintControlSection(data, Offset(bg, rect.Left, rect.Top), fillCentre, *work,
                            {0, 0, rect.Width(), rect.Height()}, state);
        CopyBitmapRect(bitmap, rect.Left, rect.Top, *work, {0, 0, rect.Width(), rect.Height()});
        return;
    }
    TColor custom = clNone;
    if (data.CustomColor() && data.OwnerControl() != nullptr)
        custom = static_cast<TColor>(ColorToRGB(data.OwnerControl()->Color()));
    SectionTarget target{&bitmap, rect, 0, 0};
    if (custom != clNone) {
        PaintSectionBackground(*tables, data.SectionIndex, data.SkinSection(), bg, custom,
                               {data.PatternIndex, data.HotPatternIndex}, target, state != 0);
        return;
    }
    PaintSection(*tables, data.SectionIndex, data.SkinSection(), bg, {data.PatternIndex, data.HotPatternIndex},
                 target, state, fillCentre);
}

void PaintControlSectionOnParent(const TsCommonData& data, TControl* control, bool fillCentre, TBitmap& bitmap,
                                 const TRect& rect, int state)
{
    PaintControlSection(data, ParentBgCache(control), fillCentre, bitmap, rect, state);
}

void RefreshCorners(TsCommonData& data, int state, unsigned corners)
{
    const TSkinTables* tables = data.Tables();
    TControl* owner = data.OwnerControl();
    if (tables == nullptr || !ImageExists(*tables, data.BorderMaskIndex) || !data.CacheBmp || owner == nullptr)
        return;
    TBitmap& cache = *data.CacheBmp;
    // The cache may lag behind the control's size (it is resized when it is
    // rebuilt): only pixels that exist are touched.
    const int W = std::min(owner->Width(), cache.Width());
    const int H = std::min(owner->Height(), cache.Height());
    if (W <= 1 || H <= 1)
        return;
    const TsMaskData& mask = tables->Images[data.BorderMaskIndex];
    const TBitmap* source = MaskSourceBitmap(*tables, mask);
    if (source == nullptr || source->PixelFormat() != TPixelFormat::pf24bit)
        return;
    const TRect image = mask.ImageRect;
    const int sx = image.Left + ClampState(mask, state) * StateImageWidth(mask);
    const int sy = image.Top;
    const int sw = StateImageWidth(mask);
    const int sh = StateImageHeight(mask);
    const int wl = mask.WL, wt = mask.WT, wr = mask.WR, wb = mask.WB;

    const BgCache bg = ParentBgCache(owner);
    const TColor solid = bg.SolidColor;
    if (!bg.HasBitmap && solid == clNone && mask.MaskType == 0)
        return;

    auto patch = [&](int dx, int dy, int px, int py, int w, int h) {
        for (int y = 0; y < h; ++y) {
            const int cy = dy + y, iy = sy + py + y;
            if (cy < 0 || cy >= H || iy < 0 || iy >= source->Height())
                continue;
            const std::uint8_t* in = source->ScanLine(iy);
            std::uint8_t* out = cache.ScanLine(cy);
            for (int x = 0; x < w; ++x) {
                const int cx = dx + x, ix = sx + px + x;
                if (cx < 0 || cx >= W || ix < 0 || ix >= source->Width())
                    continue;
                const std::uint8_t* p = in + ix * 3;
                if (!(p[0] == 0xFF && p[1] == 0x00 && p[2] == 0xFF))
                    continue;
                std::uint8_t* q = out + cx * 3;
                if (bg.HasBitmap) {
                    const int bx = cx + bg.X, by = cy + bg.Y;
                    const TBitmap& b = *bg.Bitmap;
                    if (bx < 0 || by < 0 || bx >= b.Width() || by >= b.Height())
                        continue;
                    const int bpp = b.PixelFormat() == TPixelFormat::pf32bit ? 4 : 3;
                    const std::uint8_t* r = b.ScanLine(by) + bx * bpp;
                    q[0] = r[0], q[1] = r[1], q[2] = r[2];
                } else {
                    const std::uint32_t c = ColorToRGB(solid);
                    q[0] = static_cast<std::uint8_t>(c >> 16);
                    q[1] = static_cast<std::uint8_t>(c >> 8);
                    q[2] = static_cast<std::uint8_t>(c);
                }
            }
        }
    };
    if (corners & 1)
        patch(0, 0, 0, 0, wl, wt);
    if (corners & 2)
        patch(0, H - wb, 0, sh - wb, wl, wb);
    if (corners & 8)
        patch(W - wr, H - wb, sw - wr, sh - wb, wr, wb);
    if (corners & 4)
        patch(W - wr, 0, sw - wr, 0, wr, wt);
}

void CopyBitmapToDC(TBitmap& bitmap, HDC dc, const RECT& dest, int sx, int sy)
{
    if (HDC src = BitmapDC(bitmap)) {
        GdiFlush();
        BitBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, src, sx, sy, SRCCOPY);
    }
}

void ExcludeGraphicChildren(HDC dc, TWinControl& control, POINT offset)
{
    for (int i = 0; i < control.ControlCount(); ++i) {
        TControl* child = control.Controls(i);
        if (child->IsWindowed() || !child->Visible())
            continue;
        const RECT b = child->BoundsRect();
        ExcludeClipRect(dc, b.left + offset.x, b.top + offset.y, b.right + offset.x, b.bottom + offset.y);
    }
}

void CopyCacheExcludingChildren(TWinControl& control, TsCommonData& data, HDC dc, const RECT& dest, POINT source,
                                POINT offset, bool refreshCorners)
{
    if (!data.CacheBmp || data.CacheBmp->Empty())
        return;
    if (refreshCorners)
        RefreshCorners(data, 0, 15);
    SavedDC saved(dc);
    IntersectClipRect(dc, dest.left, dest.top, dest.right, dest.bottom);
    for (int i = 0; i < control.ControlCount(); ++i) {
        TControl* child = control.Controls(i);
        // Windows paint themselves over their parent's picture; windowless
        // children are painted over the copied cache afterwards and need it
        // under their see-through pixels.
        if (!child->Visible() || !child->IsWindowed())
            continue;
        RECT b = child->BoundsRect();
        OffsetRect(&b, offset.x, offset.y);
        RECT meet;
        if (IntersectRect(&meet, &b, &dest))
            ExcludeClipRect(dc, b.left, b.top, b.right, b.bottom);
    }
    CopyBitmapToDC(*data.CacheBmp, dc, dest, source.x, source.y);
}

SkinTextRequest CaptionTextRequest(const TControl& control, const TsCommonData& data, bool hot)
{
    SkinTextRequest request;
    request.Tables = data.Tables();
    request.SectionIndex = data.SectionIndex;
    request.Enabled = control.Enabled();
    request.Hot = hot;
    request.CustomFont = data.CustomFont();
    request.Font = control.Font().Handle();
    return request;
}

}  // namespace taramel
