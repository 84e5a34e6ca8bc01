#include "controls/SkinnedEdit.h"

#include "engine/ControlPaint_win.h"
#include "paint/Text_win.h"
#include "render/Bitmap_win.h"

namespace taramel {

TColor TsEdit::FieldColor() const
{
    const TsGeneralData* s = SkinData()->Section();
    if (s == nullptr || SkinData()->CustomColor())
        return const_cast<TsEdit*>(this)->Color();
    return SkinData()->InHotState() ? s->HotColor : s->Color;
}

TColor TsEdit::FieldFontColor() const
{
    const TsGeneralData* s = SkinData()->Section();
    if (s == nullptr || SkinData()->CustomFont())
        return const_cast<TsEdit*>(this)->Font().Color();
    const TColor hot = s->HotFontColor[0];
    return SkinData()->InHotState() && hot != -1 ? hot : s->FontColor[0];
}

int TsEdit::BorderWidth() const
{
    if (!HandleAllocated())
        return 0;
    HWND window = const_cast<TsEdit*>(this)->Handle();
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return std::max(0, static_cast<int>((outer.right - outer.left - client.right) / 2));
}

void TsEdit::RebuildCache()
{
    TsCommonData& data = *SkinData();
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    data.PrepareCache();
    if (!data.CacheBmp)
        return;
    TBitmap& cache = *data.CacheBmp;
    if (cache.Width() != w || cache.Height() != h)
        cache.SetSize(w, h);
    const BgCache bg = ParentBgCache(this);
    const bool hot = data.InHotState();
    PaintControlSection(data, bg, true, cache, TRect{0, 0, w, h}, hot ? 1 : 0);
    const int a = BorderWidth();
    const std::string text = Caption();
    if (!text.empty())
        if (HDC dc = BitmapDC(cache)) {
            SkinTextRequest request = CaptionTextRequest(*this, data, hot);
            // The fade below makes the disabled look; text washed out
            // before it would vanish into the field.
            request.Enabled = true;
            DrawSkinText(dc, text, request, DT_SINGLELINE | DT_NOPREFIX, RECT{a + 1, a + 1, w - a, h - a});
            GdiFlush();
        }
    if (!Enabled()) {
        PaintDisabledExtras(cache);
        PaintDisabled(cache, DisabledKind, DisabledBackground{bg.Bitmap, bg.X, bg.Y, bg.SolidColor}, 0, 0,
                      data.GetBackgroundColor(false));
    }
    data.CacheDirty = false;
}

void TsEdit::PaintFrame()
{
    const int b = BorderWidth();
    if (b <= 0)
        return;
    TsCommonData& data = *SkinData();
    RebuildCache();
    if (!data.CacheBmp || data.CacheBmp->Empty())
        return;
    HWND window = Handle();
    HDC dc = GetWindowDC(window);
    if (dc == nullptr)
        return;
    const int saved = SaveDC(dc);
    const int w = Width(), h = Height();
    ExcludeClipRect(dc, b, b, w - b, h - b);
    CopyBitmapToDC(*data.CacheBmp, dc, RECT{0, 0, w, h}, 0, 0);
    RestoreDC(dc, saved);
    ReleaseDC(window, dc);
}

void TsEdit::PaintDisabledClient(TMessage& m)
{
    // A disabled field is the cache's inner part: the system's grey text
    // would not match the faded frame.
    TsCommonData& data = *SkinData();
    TPaintDC paint(Handle());
    HDC dc = m.WParam != 0 ? reinterpret_cast<HDC>(m.WParam) : paint.Get();
    if (data.CacheDirty || !data.CacheBmp || data.CacheBmp->Width() != Width())
        RebuildCache();
    if (!data.CacheBmp || data.CacheBmp->Empty())
        return;
    const int b = BorderWidth();
    CopyBitmapToDC(*data.CacheBmp, dc, RECT{0, 0, Width() - 2 * b, Height() - 2 * b}, b, b);
    m.Result = 0;
}

void TsEdit::PrintClient(TMessage& m)
{
    // A print of the whole field into a DC that starts at the window's
    // corner: the cache (frame and face) exactly as large as the window,
    // then, for an enabled field, the system's text inside the frame.
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    TsCommonData& data = *SkinData();
    data.Updating = false;
    RebuildCache();
    if (dc == nullptr || !data.CacheBmp || data.CacheBmp->Empty())
        return;
    CopyBitmapToDC(*data.CacheBmp, dc, RECT{0, 0, Width(), Height()}, 0, 0);
    if (!Enabled())
        return;
    const int b = BorderWidth();
    const int saved = SaveDC(dc);
    POINT origin;
    GetWindowOrgEx(dc, &origin);
    SetWindowOrgEx(dc, origin.x - b, origin.y - b, nullptr);
    IntersectClipRect(dc, 0, 0, Width() - 2 * b, Height() - 2 * b);
    DefaultHandler(m);
    RestoreDC(dc, saved);
}

LRESULT TsEdit::FieldBrush(HDC dc)
{
    const TColor back = FieldColor();
    SetTextColor(dc, ColorToRGB(FieldFontColor()));
    SetBkColor(dc, ColorToRGB(back));
    if (!brush_ || brushColor_ != back) {
        brush_.Reset(CreateSolidBrush(ColorToRGB(back)));
        brushColor_ = back;
    }
    return reinterpret_cast<LRESULT>(brush_.Get());
}

void TsEdit::HotStateChanged(TMessage& m)
{
    // The colours and the frame change with the hot state.
    SkinData()->HandleWindowMessage(m);
    TEdit::WndProc(m);
    SkinData()->CacheDirty = true;
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

bool TsEdit::HandleSkinnedMessage(TMessage& m)
{
    if (!SkinnedNow())
        return false;
    switch (m.Msg) {
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
        if (!Enabled())
            return false;
        m.Result = FieldBrush(reinterpret_cast<HDC>(m.WParam));
        return true;
    case WM_NCPAINT:
        PaintFrame();
        m.Result = 0;
        return true;
    case WM_PAINT:
        if (Enabled())
            return false;
        PaintDisabledClient(m);
        return true;
    case WM_ERASEBKGND:
        if (Enabled())
            return false;
        m.Result = 1;
        return true;
    case WM_PRINTCLIENT:
        PrintClient(m);
        return true;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: HotStateChanged(m); return true;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case WM_SIZE:
        SkinData()->CacheDirty = true;
        TEdit::WndProc(m);
        // An enabled field's text is the system's own: typing repaints
        // nothing more.
        if (HandleAllocated() && (m.Msg != CM_TEXTCHANGED || !Enabled()))
            RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
        return true;
    default:
        return false;
    }
}

}  // namespace taramel
