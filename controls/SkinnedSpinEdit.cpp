#include "controls/SkinnedSpinEdit.h"

#include "controls/SpinButton.h"
#include "engine/ControlPaint_win.h"
#include "render/Bitmap_win.h"

namespace taramel {

TColor TsSpinEdit::FieldColor() const
{
    const TsGeneralData* s = SkinData()->Section();
    if (s == nullptr || SkinData()->CustomColor())
        return const_cast<TsSpinEdit*>(this)->Color();
    return SkinData()->InHotState() ? s->HotColor : s->Color;
}

TColor TsSpinEdit::FieldFontColor() const
{
    const TsGeneralData* s = SkinData()->Section();
    if (s == nullptr || SkinData()->CustomFont())
        return const_cast<TsSpinEdit*>(this)->Font().Color();
    const TColor hot = s->HotFontColor[0];
    return SkinData()->InHotState() && hot != -1 ? hot : s->FontColor[0];
}

void TsSpinEdit::PaintFrame()
{
    // The frame is as wide as the window's real non-client edge, taken from
    // the section painted at the window's size.
    HWND window = Handle();
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    const int b = (w - client.right) / 2;
    if (b <= 0 || w <= 0 || h <= 0)
        return;
    TsCommonData& data = *SkinData();
    data.PrepareCache();
    if (!data.CacheBmp || data.CacheBmp->Width() != w || data.CacheBmp->Height() != h)
        data.CacheBmp->SetSize(w, h);
    PaintControlSectionOnParent(data, this, true, *data.CacheBmp, TRect{0, 0, w, h}, data.InHotState() ? 1 : 0);
    HDC dc = GetWindowDC(window);
    if (dc == nullptr)
        return;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, b, b, w - b, h - b);
    CopyBitmapToDC(*data.CacheBmp, dc, RECT{0, 0, w, h}, 0, 0);
    RestoreDC(dc, saved);
    ReleaseDC(window, dc);
}

bool TsSpinEdit::HandleSkinnedMessage(TMessage& m)
{
    if (!SkinnedNow())
        return false;
    switch (m.Msg) {
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
        if (!Enabled())
            return false;
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        const TColor back = FieldColor();
        SetTextColor(dc, ColorToRGB(FieldFontColor()));
        SetBkColor(dc, ColorToRGB(back));
        if (!brush_ || brushColor_ != back) {
            brush_.Reset(CreateSolidBrush(ColorToRGB(back)));
            brushColor_ = back;
        }
        m.Result = reinterpret_cast<LRESULT>(brush_.Get());
        return true;
    }
    case WM_NCPAINT:
        PaintFrame();
        if (Arrows() && Arrows()->HandleAllocated())
            RedrawWindow(Arrows()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        m.Result = 0;
        return true;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The colours and the frame change with the hot state.
        SkinData()->HandleWindowMessage(m);
        TSpinEdit::WndProc(m);
        if (HandleAllocated()) {
            RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
        }
        return true;
    default:
        return false;
    }
}

}  // namespace taramel
