#include "controls/SkinnedPanel.h"

#include "engine/ControlPaint_win.h"
#include "engine/SkinDelivery_win.h"
#include "framework/Graphics.h"
#include "paint/GdiObjects_win.h"
#include "paint/SectionPaint_win.h"
#include "paint/Text_win.h"
#include "render/Bitmap_win.h"
#include "render/WorkBitmaps.h"
#include "skin/SkinState.h"

namespace taramel {

bool IsForwardedToChildren(std::uint16_t code)
{
    return code == CMD_NEW_SKIN || code == CMD_REMOVE_SKIN || code == CMD_REPAINT || code == CMD_ANIMATION_DONE;
}

void ForwardToChildren(TWinControl& container, const TMessage& message)
{
    TMessage copy = message;
    SendToChildControls(&container, copy);
}

bool HandleContainerSkinCommand(TWinControl& container, TsCommonData& data, TMessage& m)
{
    switch (SkinCommandOf(m.WParam)) {
    case CMD_NEW_SKIN:
        ForwardToChildren(container, m);
        if (reinterpret_cast<TsSkinManager*>(m.LParam) == data.SkinManager())
            data.HandleSkinCommand(m);
        return true;
    case CMD_ANIMATION_DONE:
        ForwardToChildren(container, m);
        return true;
    case CMD_IS_SKINNED:
        m.Result = 1;
        return true;
    default:
        return false;
    }
}

void EndParentUpdateOfChildren(TWinControl& container)
{
    for (int i = 0; i < container.ControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(container.Controls(i));
            w != nullptr && w->HandleAllocated() && w->Showing())
            SendToControl(w, CMD_END_PARENT_UPDATE, 0);
}

void DrawContainerCaption(HDC dc, TControl& control, const TsCommonData& data, RECT rect, UINT alignment)
{
    const std::string text = control.Caption();
    if (text.empty())
        return;
    const int h = FontTextExtent(control.Font().Handle(), "W").cy;
    rect.top = (rect.top + rect.bottom - h) / 2;
    rect.bottom = rect.top + h;
    DrawSkinText(dc, text, CaptionTextRequest(control, data), alignment | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, rect);
}

int TsPanel::FrameWidth() const
{
    const int bevels = (BevelOuter() != TBevelCut::bvNone ? 1 : 0) + (BevelInner() != TBevelCut::bvNone ? 1 : 0);
    return BevelWidth() * bevels;
}

void TsPanel::Paint(TCanvas& canvas)
{
    if (!SkinnedNow()) {
        TPanel::Paint(canvas);
        if (OnPaint)
            OnPaint(this, canvas);
        return;
    }
    PaintSkinned(canvas.Handle());
}

void TsPanel::PaintSkinned(HDC dc)
{
    TsCommonData& data = *SkinData();
    if (!Showing() && !SkinChangeAnimation)
        return;
    if ((data.MustPaintThroughCache() && !data.CustomColor()) || SkinChangeAnimation) {
        data.Updating = data.IsUpdating();
        if (data.Updating)
            return;
        const bool dirty = data.PartlyHidden || data.CacheDirty;
        if (data.RepaintsWithParent()) {
            RECT clip;
            GetClipBox(dc, &clip);
            data.PartlyHidden = clip.left != 0 || clip.top != 0 || clip.right != Width() || clip.bottom != Height();
        } else {
            data.PartlyHidden = false;
        }
        if ((dirty || !data.CacheBmp || data.CacheBmp->Width() != Width() || data.CacheBmp->Height() != Height()) &&
            !data.CacheLocked)
            RebuildCache();
        const RECT all{0, 0, Width(), Height()};
        CopyCacheExcludingChildren(*this, data, dc, all, {0, 0}, {0, 0}, false);
        return;
    }
    if (OnPaint && !data.CustomColor()) {
        TCanvas canvas(dc);
        OnPaint(this, canvas);
        return;
    }
    PaintDirect(dc);
}

void TsPanel::PaintDirect(HDC dc)
{
    TsCommonData& data = *SkinData();
    data.Updating = false;
    const int w = data.MaxBorderWidth();
    SavedDC saved(dc);
    BackgroundInfo info;
    if (data.CustomColor()) {
        info.Kind = bikColor;
        info.Color = Color();
    } else {
        RequestParentBackground(info, Parent(), false);
    }
    const RECT all{0, 0, Width(), Height()};
    const TsGeneralData* s = data.Section();
    if (s != nullptr && s->Transparency == 100 && info.Kind == bikBitmap && info.Bitmap != nullptr) {
        // The parent's picture shows through (under the border image, if any).
        auto work = CreateWorkBitmap24(Width(), Height());
        const BgCache bg = Offset(BackgroundToCache(info), Left(), Top());
        PaintControlSection(data, bg, false, *work, {0, 0, Width(), Height()}, 0);
        CopyBitmapToDC(*work, dc, all, 0, 0);
    } else if (w > 0) {
        auto work = CreateWorkBitmap24(Width(), Height());
        BgCache bg;
        bg.SolidColor = data.GetBackgroundColor(false);
        PaintControlSection(data, bg, true, *work, {0, 0, Width(), Height()}, 0);
        CopyBitmapToDC(*work, dc, all, 0, 0);
    } else {
        FillSolid(dc, all, info.Kind == bikColor ? info.Color : data.GetBackgroundColor(false));
    }
    DrawCaption(dc);
    if (OnPaint) {
        TCanvas canvas(dc);
        OnPaint(this, canvas);
    }
    // A plain panel keeps no picture of itself.
    data.FreeCache();
}

void TsPanel::RebuildCache()
{
    TsCommonData& data = *SkinData();
    if (!data.MustPaintThroughCache() && !SkinChangeAnimation)
        return;
    data.PrepareCache();
    if (data.CacheBmp->Empty())
        return;
    PaintControlSectionOnParent(data, this, false, *data.CacheBmp, {0, 0, Width(), Height()}, 0);
    if (HDC dc = BitmapDC(*data.CacheBmp)) {
        DrawCaption(dc);
        if (OnPaint) {
            TCanvas canvas(dc);
            OnPaint(this, canvas);
        }
        GdiFlush();
    }
    data.CacheDirty = false;
}

void TsPanel::DrawCaption(HDC dc)
{
    const int f = FrameWidth();
    const RECT inner{f, f, Width() - f, Height() - f};
    UINT align = DT_CENTER;
    if (Alignment() == TAlignment::taLeftJustify)
        align = DT_LEFT;
    else if (Alignment() == TAlignment::taRightJustify)
        align = DT_RIGHT;
    DrawContainerCaption(dc, *this, *SkinData(), inner, align);
}

bool TsPanel::HandleSkinCommand(TMessage& m)
{
    TsCommonData& data = *SkinData();
    const std::uint16_t code = SkinCommandOf(m.WParam);
    const bool mine = reinterpret_cast<TsSkinManager*>(m.LParam) == data.SkinManager();
    switch (code) {
    case CMD_REMOVE_SKIN:
        if (mine) {
            data.HandleSkinCommand(m);
            DoubleBuffered = true;
            Invalidate();
        }
        ForwardToChildren(*this, m);
        return true;
    case CMD_REPAINT:
        // The children first: a windowless child only marks its place in this
        // panel, so the panel's one repaint below draws both.
        ForwardToChildren(*this, m);
        if (mine) {
            data.HandleSkinCommand(m);
            // The cache is the skinned panel's buffer: it reaches the screen
            // in one copy, with nothing erased before it.
            DoubleBuffered = !data.Skinned();
            // A hidden panel paints in full with its dirty cache when shown.
            if (HandleAllocated() && !IsLoading() && Showing())
                RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
        }
        return true;
    case CMD_GET_BG_INFO:
        if (m.LParam == 0)
            return true;
        if (data.Skinned() && data.CacheDirty && !data.IsUpdating())
            RebuildCache();
        data.GetBackgroundInfo(*reinterpret_cast<BackgroundInfo*>(m.LParam), false);
        return true;
    case CMD_IS_UPDATING:
        if (!data.Skinned())
            return false;
        m.Result = data.IsUpdating() ? 1 : 0;
        return true;
    case CMD_END_PARENT_UPDATE:
        if (data.Skinned() && data.Updating) {
            data.Updating = false;
            data.Updating = data.IsUpdating();
            if (!data.Updating && HandleAllocated())
                RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
        }
        EndParentUpdateOfChildren(*this);
        return true;
    default:
        return HandleContainerSkinCommand(*this, data, m);
    }
}

bool TsPanel::HandleSkinnedMessage(TMessage& m)
{
    TsCommonData& data = *SkinData();
    switch (m.Msg) {
    case WM_PRINTCLIENT:
        data.Updating = false;
        return false;
    case WM_SIZE:
    case CM_VISIBLECHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
        data.CacheDirty = true;
        if (m.Msg == CM_VISIBLECHANGED)
            data.Updating = false;
        return false;
    case WM_WINDOWPOSCHANGING:
        if (const TsGeneralData* s = data.Section(); s != nullptr && s->Transparency != 0)
            data.CacheDirty = true;
        return false;
    default:
        return false;
    }
}

}  // namespace taramel
