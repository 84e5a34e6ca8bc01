#include "controls/SkinnedStatusBar.h"

#include <algorithm>

#include "controls/SkinnedPanel.h"
#include "engine/ControlPaint_win.h"
#include "engine/SkinDelivery_win.h"
#include "framework/Graphics.h"
#include "paint/GdiObjects_win.h"
#include "paint/Masks.h"
#include "paint/SectionPaint.h"
#include "paint/Text_win.h"
#include "render/Bitmap_win.h"
#include "render/WorkBitmaps.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"

#include <commctrl.h>

namespace taramel {

std::vector<RECT> StatusPanelAreas(int width, int height, const std::vector<TStatusPanel>& panels)
{
    if (panels.empty())
        return {RECT{0, 1, width - 1, height - 1}};
    std::vector<RECT> areas;
    int left = 0;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const int right = i + 1 == panels.size() ? width : left + panels[i].Width;
        areas.push_back(RECT{left, 0, right, height});
        left = right;
    }
    return areas;
}

bool ReachesOutside(const RECT& b, const RECT& client)
{
    // The last pixel is (right - 1, bottom - 1): a bar flush with its parent's
    // bottom right corner is wholly inside.
    auto outside = [&client](int x, int y) {
        return x < client.left || y < client.top || x >= client.right || y >= client.bottom;
    };
    return outside(b.left, b.top) || outside(b.right - 1, b.bottom - 1);
}

TsStatusBar::TsStatusBar(TComponent* owner) : TSkinnedControl(owner) {}

void TsStatusBar::UpdateCache()
{
    TsCommonData& data = *SkinData();
    bool dirty = data.CacheDirty || data.PartlyHidden;
    if (Parent() != nullptr)
        dirty = dirty || SendToControl(Parent(), CMD_IS_PARTLY_HIDDEN, 0) != 0;
    data.PartlyHidden = Parent() != nullptr && ReachesOutside(BoundsRect(), Parent()->ClientRect());
    const bool sized = data.CacheBmp && data.CacheBmp->Width() == Width() && data.CacheBmp->Height() == Height();
    if ((dirty || !sized) && !data.CacheLocked)
        RebuildCache();
}

void TsStatusBar::RebuildCache()
{
    TsCommonData& data = *SkinData();
    data.PrepareCache();
    if (data.CacheBmp->Empty())
        return;
    ++builds_;
    PaintControlSectionOnParent(data, this, true, *data.CacheBmp, {0, 0, Width(), Height()}, 0);
    if (HDC dc = BitmapDC(*data.CacheBmp)) {
        const std::vector<RECT> areas = StatusPanelAreas(Width(), Height(), Panels());
        for (std::size_t i = 0; i < areas.size(); ++i) {
            RECT r = areas[i];
            InflateRect(&r, -1, -1);
            if (Panels().empty())
                DrawPanel(dc, areas[i], SimpleText(), TAlignment::taLeftJustify, true, true);
            else
                DrawPanel(dc, r, Panels()[i].Text, Panels()[i].Alignment, i + 1 == areas.size(), false);
        }
        GdiFlush();
    }
    if (SizeGrip)
        DrawGrip();
    data.CacheDirty = false;
}

void TsStatusBar::DrawPanel(HDC dc, RECT r, const std::string& text, TAlignment alignment, bool last, bool simple)
{
    TsCommonData& data = *SkinData();
    const TSkinTables& t = *data.Tables();
    TBitmap& cache = *data.CacheBmp;
    const int panelMask = FindImage(t, data.SectionIndex, data.SkinSection(), "STATUSPANELMASK");
    if (ImageExists(t, panelMask)) {
        const TRect where = simple ? TRect{0, 0, Width(), Height()} : ToTRect(r);
        DrawMaskRect(t, cache, where, false, true, 0, t.Images[panelMask], BgCacheFromBitmap(cache, 0, 0));
    } else if (!simple && !last) {
        const int divider = FindSection(t, "DIVIDER");
        const int mask = SectionExists(t, divider) ? t.Sections[divider].BorderIndex : -1;
        if (ImageExists(t, mask)) {
            const int w = std::max(2, t.Images[mask].WL + t.Images[mask].WR);
            const int h = Height() - 2;
            const int x = r.right - w / 2 - 1;
            if (h > 0) {
                auto part = CreateWorkBitmap24(w, h);
                PaintSection(t, divider, "DIVIDER", BgCacheFromBitmap(cache, x, 1), {}, {part.get(), {0, 0, w, h}}, 0,
                             true);
                for (int y = 0; y < h; ++y)
                    for (int i = 0; i < w; ++i)
                        if (x + i >= 0 && x + i < cache.Width() && y + 1 < cache.Height())
                            std::copy_n(part->ScanLine(y) + i * 3, 3, cache.ScanLine(y + 1) + (x + i) * 3);
            }
        }
    }
    if (text.empty())
        return;
    RECT area = r;
    InflateRect(&area, -1, -1);
    area.bottom -= 1;
    area.left += 2;
    area.right -= 4;
    SelectObject(dc, Font().Handle());
    const std::string fitted = FitTextWithEllipsis(dc, text, area.right - area.left);
    const SkinTextRequest request = CaptionTextRequest(*this, data, data.InHotState());
    UINT align = DT_LEFT;
    if (alignment == TAlignment::taCenter)
        align = DT_CENTER;
    else if (alignment == TAlignment::taRightJustify)
        align = DT_RIGHT;
    DrawSkinText(dc, fitted, request, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, area);
}

void TsStatusBar::DrawGrip()
{
    TsCommonData& data = *SkinData();
    const TSkinTables& t = *data.Tables();
    int grip = FindImage(t, FindSection(t, "GLOBALINFO"), "GLOBALINFO", "GRIPIMAGE");
    if (!ImageExists(t, grip))
        grip = FindImage(t, FindSection(t, "FORM"), "FORM", "GRIPIMAGE");
    if (!ImageExists(t, grip))
        return;
    const TSize size = ImageStateSize(t, grip);
    TBitmap& cache = *data.CacheBmp;
    DrawMaskImage(t, cache, {Width() - size.cx, Height() - size.cy}, 0, BgCacheFromBitmap(cache, 0, 0), t.Images[grip],
                  1);
}

void TsStatusBar::PaintTo(HDC dc, const RECT& clip)
{
    TsCommonData& data = *SkinData();
    data.Updating = data.IsUpdating();
    if (data.Updating)
        return;
    UpdateCache();
    CopyCacheExcludingChildren(*this, data, dc, RECT{0, 0, Width(), Height()}, {0, 0}, {0, 0}, false);
    PaintControls(dc, clip);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(Controls(i)); w != nullptr && w->HandleAllocated())
            SendToControl(w, CMD_END_PARENT_UPDATE, 0);
}

bool TsStatusBar::HandleSkinCommand(TMessage& m)
{
    TsCommonData& data = *SkinData();
    const std::uint16_t code = SkinCommandOf(m.WParam);
    const bool mine = reinterpret_cast<TsSkinManager*>(m.LParam) == data.SkinManager();
    switch (code) {
    case CMD_NEW_SKIN:
    case CMD_REPAINT:
        if (!mine)
            return false;
        ForwardToChildren(*this, m);
        data.HandleSkinCommand(m);
        // A hidden bar paints in full with its dirty cache when shown.
        if (code == CMD_REPAINT && Showing())
            Invalidate();
        return true;
    case CMD_REMOVE_SKIN:
        if (mine) {
            data.HandleSkinCommand(m);
            Invalidate();
        }
        ForwardToChildren(*this, m);
        return true;
    case CMD_END_PARENT_UPDATE:
        if (data.Updating) {
            data.Updating = false;
            Invalidate();
        }
        return true;
    case CMD_IS_SKINNED:
        m.Result = 1;
        return true;
    case CMD_GET_BG_INFO:
        // Children on the bar need its picture before the bar has painted.
        if (data.Skinned() && !data.IsUpdating())
            UpdateCache();
        return false;
    default:
        return false;
    }
}

bool TsStatusBar::HandleSkinnedMessage(TMessage& m)
{
    TsCommonData& data = *SkinData();
    if (!SkinnedNow())
        return false;
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        if (SkinChangeAnimation && m.Msg == WM_PAINT)
            return false;
        if (m.WParam != 0) {
            PaintTo(reinterpret_cast<HDC>(m.WParam), ClientRect());
        } else {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            PaintTo(dc, ps.rcPaint);
            EndPaint(Handle(), &ps);
        }
        m.Result = 0;
        return true;
    }
    case WM_ERASEBKGND:
        m.Result = 1;
        return true;
    case WM_MOVE:
        if (const TsGeneralData* s = data.Section(); s != nullptr && (s->Transparency >= 1 || s->HotTransparency >= 1))
            data.CacheDirty = true;
        return false;
    case SB_SETTEXTW:
    case SB_SETTEXTA:
    case SB_SIMPLE:
    case SB_SETPARTS:
    case WM_SIZE:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        data.CacheDirty = true;
        return false;
    default:
        return false;
    }
}

}  // namespace taramel
