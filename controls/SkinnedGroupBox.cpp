#include "controls/SkinnedGroupBox.h"

#include <algorithm>

#include "controls/SkinnedPanel.h"
#include "engine/ControlPaint_win.h"
#include "framework/Graphics.h"
#include "paint/SectionPaint.h"
#include "paint/SectionPaint_win.h"
#include "paint/Text_win.h"
#include "render/BitmapCopy.h"
#include "render/Bitmap_win.h"
#include "render/WorkBitmaps.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"

namespace taramel {

RECT GroupCaptionRect(int width, int textWidth, int textHeight, TsCaptionLayout layout, bool rightToLeft,
                      int yOffset, bool skinned, int bevelWidth)
{
    const int h = std::max(4, textHeight) + 2;
    RECT r{0, 0, 0, h};
    if (skinned)
        r.bottom += yOffset;
    if (yOffset < 0)
        r.top += yOffset;
    if (layout == TsCaptionLayout::clTopCenter)
        r.left = (width - textWidth - 10) / 2;
    else if ((layout == TsCaptionLayout::clTopLeft) != rightToLeft)
        r.left = 6;
    else
        r.left = width - textWidth - 14;
    r.left = std::max<LONG>(0, r.left);
    r.right = std::min<LONG>(width, r.left + textWidth + 8);
    if (r.right - r.left < 2 * bevelWidth) {
        r.left -= bevelWidth;
        r.right += bevelWidth;
    }
    return r;
}

void TsGroupBox::SetCaptionLayout(TsCaptionLayout layout)
{
    if (layout == captionLayout_)
        return;
    captionLayout_ = layout;
    if (!Caption().empty())
        SkinData()->Invalidate();
}

void TsGroupBox::SetCaptionYOffset(int offset)
{
    if (offset == captionYOffset_)
        return;
    captionYOffset_ = offset;
    SkinData()->Invalidate();
}

void TsGroupBox::SetCaptionSkin(const std::string& section)
{
    if (section == captionSkin_)
        return;
    captionSkin_ = section;
    SkinData()->Invalidate();
}

RECT TsGroupBox::CaptionRect() const
{
    const std::string text = Caption();
    const SIZE t = text.empty() ? SIZE{0, 0} : FontTextExtent(Font().Handle(), text);
    const SIZE w = FontTextExtent(Font().Handle(), "W");
    return GroupCaptionRect(Width(), t.cx, w.cy, captionLayout_, false, captionYOffset_, SkinData()->Skinned(), 1);
}

void TsGroupBox::RebuildCache()
{
    TsCommonData& data = *SkinData();
    data.PrepareCache();
    if (data.CacheBmp->Empty())
        return;
    TBitmap& cache = *data.CacheBmp;
    HDC dc = BitmapDC(cache);
    if (dc == nullptr)
        return;
    const TSkinTables& t = *data.Tables();
    const BgCache bg = ParentBgCache(this);
    const RECT caption = CaptionRect();
    auto parentInto = [&](const RECT& r) {
        if (r.right <= r.left || r.bottom <= r.top)
            return;
        if (bg.HasBitmap) {
            TBitmap& parent = const_cast<TBitmap&>(*bg.Bitmap);
            if (HDC src = BitmapDC(parent))
                BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, src, bg.X + r.left, bg.Y + r.top,
                       SRCCOPY);
        } else {
            FillSolid(dc, r, bg.SolidColor);
        }
        GdiFlush();
    };
    // The band behind the caption shows the parent.
    parentInto(RECT{0, 0, Width(), std::max<LONG>(0, caption.bottom)});
    const int frameTop = captionYOffset_ < 0 ? 0 : (caption.bottom - caption.top) / 2;
    PaintControlSection(data, bg, false, cache, {0, frameTop, Width(), Height()}, 0);
    const std::string text = Caption();
    if (!text.empty()) {
        const int state = Focused() ? 1 : 0;
        const TRect cr{std::max<LONG>(0, caption.left), std::max<LONG>(0, caption.top), caption.right,
                       caption.bottom};
        // A section over part of the cache, painted at the origin of a
        // bitmap of its own (with the background under that origin).
        auto paintAt = [&](int index, const std::string& name, const BgCache& under) {
            if (cr.Empty())
                return;
            auto work = CreateWorkBitmap24(cr.Width(), cr.Height());
            PaintSection(t, index, name, under, {}, {work.get(), {0, 0, cr.Width(), cr.Height()}}, state, true);
            CopyBitmapRect(cache, cr.Left, cr.Top, *work, {0, 0, cr.Width(), cr.Height()});
        };
        int index = captionSkin_.empty() ? -1 : FindSection(t, captionSkin_);
        if (SectionExists(t, index)) {
            TBitmap copy;
            copy.Assign(cache);
            paintAt(index, captionSkin_, BgCacheFromBitmap(copy, cr.Left, cr.Top));
        } else {
            index = captionSkin_.empty() ? FindSection(t, "CHECKBOX") : -1;
            // Without a caption section the parent shows behind the text, so
            // the frame line never runs through it.
            parentInto(caption);
            if (SectionExists(t, index))
                paintAt(index, "CHECKBOX", Offset(bg, cr.Left, cr.Top));
        }
        DrawSkinText(dc, text, CaptionTextRequest(*this, data), DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, caption);
        GdiFlush();
    }
    data.CacheDirty = false;
}

void TsGroupBox::Paint(TCanvas& canvas)
{
    TsCommonData& data = *SkinData();
    if (!SkinnedNow()) {
        TGroupBox::Paint(canvas);
        return;
    }
    data.Updating = data.IsUpdating();
    if (data.Updating)
        return;
    if (data.RepaintsWithParent() && Parent() != nullptr) {
        const RECT client = Parent()->ClientRect();
        const POINT a{Left() + 1, Top() + 1}, b{Left() + Width() - 1, Top() + Height() - 1};
        data.PartlyHidden = !PtInRect(&client, a) || !PtInRect(&client, b);
    } else {
        data.PartlyHidden = false;
    }
    if (!data.CacheLocked)
        RebuildCache();
    CopyCacheExcludingChildren(*this, data, canvas.Handle(), RECT{0, 0, Width(), Height()}, {0, 0}, {0, 0}, false);
    EndParentUpdateOfChildren(*this);
}

bool TsGroupBox::HandleSkinCommand(TMessage& m)
{
    TsCommonData& data = *SkinData();
    const std::uint16_t code = SkinCommandOf(m.WParam);
    const bool mine = reinterpret_cast<TsSkinManager*>(m.LParam) == data.SkinManager();
    switch (code) {
    case CMD_REMOVE_SKIN:
    case CMD_REPAINT:
        if (mine) {
            data.HandleSkinCommand(m);
            ForwardToChildren(*this, m);
            // A hidden box paints in full with its dirty cache when shown.
            if (Showing())
                Invalidate();
        } else {
            ForwardToChildren(*this, m);
        }
        return true;
    case CMD_IS_UPDATING:
        if (!data.Skinned())
            return false;
        m.Result = data.CacheDirty || data.IsUpdating() ? 1 : 0;
        return true;
    case CMD_GET_BG_INFO: {
        if (m.LParam == 0 || captionSkin_.empty())
            return false;
        auto& info = *reinterpret_cast<BackgroundInfo*>(m.LParam);
        if (data.Skinned() && data.CacheDirty && !data.IsUpdating())
            RebuildCache();
        if (!data.CacheBmp || data.CacheBmp->Empty())
            return false;
        info.Kind = bikBitmap;
        if (info.PaintNow && info.TargetDC != nullptr) {
            // Painted at once from the place the asker names, like every
            // other bitmap answer.
            CopyBitmapToDC(*data.CacheBmp, static_cast<HDC>(info.TargetDC), ToRECT(info.Area), info.OffsetX,
                           info.OffsetY);
        } else {
            info.Bitmap = data.CacheBmp.get();
            info.OffsetX = info.OffsetY = 0;
        }
        return true;
    }
    default:
        return HandleContainerSkinCommand(*this, data, m);
    }
}

bool TsGroupBox::HandleSkinnedMessage(TMessage& m)
{
    TsCommonData& data = *SkinData();
    switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        data.CacheDirty = true;
        return false;
    case WM_MOVE:
        data.CacheDirty = data.CacheDirty || data.RepaintsWithParent();
        return false;
    default:
        return false;
    }
}

}  // namespace taramel
