#include "controls/SpinEdit.h"

#include "controls/SpinButton.h"
#include "engine/SkinCommand_win.h"
#include "render/Bitmap_win.h"

namespace taramel {

namespace {
constexpr int kButtonWidth = 15;
}

TsBaseSpinEdit::TsBaseSpinEdit(TComponent* owner) : TsEdit(owner)
{
    StoreBounds(0, 0, 121, 22);
    SetCaption("0");
    arrows_ = new TsSpinButton(this);
    arrows_->FocusControl = this;
    arrows_->OnUpClick = [this] { UpClick(); };
    arrows_->OnDownClick = [this] { DownClick(); };
    arrows_->SetParent(this);
}

TsBaseSpinEdit::~TsBaseSpinEdit() = default;

void TsBaseSpinEdit::CreateParams(TCreateParams& params)
{
    TsEdit::CreateParams(params);
    // The field's own painting leaves the arrows alone.
    params.Style |= WS_CLIPCHILDREN;
}

void TsBaseSpinEdit::CreateWnd()
{
    TsEdit::CreateWnd();
    PlaceButtons();
    ShowArrows();
}

void TsBaseSpinEdit::PlaceButtons()
{
    if (!HandleAllocated() || !arrows_)
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    arrows_->SetBounds(client.right - kButtonWidth, 0, kButtonWidth, client.bottom);
    SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, kButtonWidth + 1));
}

void TsBaseSpinEdit::BoundsChanged()
{
    TsEdit::BoundsChanged();
    PlaceButtons();
}

void TsBaseSpinEdit::ShowArrows()
{
    // A disabled skinned field shows its arrows inside its faded picture;
    // without a skin the system's disabled arrows stay.
    if (!arrows_)
        return;
    const bool enabled = Enabled();
    arrows_->SetEnabled(enabled);
    arrows_->UpButton()->SetEnabled(enabled);
    arrows_->DownButton()->SetEnabled(enabled);
    arrows_->SetVisible(enabled || !SkinnedNow());
}

void TsBaseSpinEdit::PaintDisabledExtras(TBitmap& cache)
{
    if (!arrows_ || !arrows_->HandleAllocated())
        return;
    HDC dc = BitmapDC(cache);
    if (dc == nullptr)
        return;
    const int b = BorderWidth();
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, arrows_->Left() + b, arrows_->Top() + b, nullptr);
    IntersectClipRect(dc, 0, 0, arrows_->Width(), arrows_->Height());
    SendMessageW(arrows_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(dc, saved);
    GdiFlush();
}

void TsBaseSpinEdit::AfterCommonCommand(TMessage& m)
{
    TsEdit::AfterCommonCommand(m);
    const auto code = SkinCommandOf(m.WParam);
    if (code == CMD_NEW_SKIN || code == CMD_REMOVE_SKIN || code == CMD_REPAINT)
        ShowArrows();
}

void TsBaseSpinEdit::UpClick()
{
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    if (OnUpClick)
        OnUpClick(this);
    else
        StepBy(1);
}

void TsBaseSpinEdit::DownClick()
{
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    if (OnDownClick)
        OnDownClick(this);
    else
        StepBy(-1);
}

void TsBaseSpinEdit::WMMouseWheel(TMessage& m)
{
    const int notches = GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA;
    if (notches != 0 && !ReadOnly())
        StepBy(notches);
    m.Result = 1;
}

bool TsBaseSpinEdit::IsValidChar(wchar_t c) const
{
    wchar_t separator[4] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    return (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == separator[0] || (c < 32 && c != L'\r');
}

void TsBaseSpinEdit::WMChar(TMessage& m)
{
    const auto c = static_cast<wchar_t>(m.WParam);
    const bool typing = c >= 32 || c == L'\b';
    if (!IsValidChar(c) || (typing && !EditorEnabled)) {
        MessageBeep(0);
        return;
    }
    TsEdit::WndProc(m);
}

void TsBaseSpinEdit::WMKeyDown(TMessage& m)
{
    if (m.WParam == VK_UP)
        UpClick();
    else if (m.WParam == VK_DOWN)
        DownClick();
    TsEdit::WndProc(m);
}

void TsBaseSpinEdit::WMPaintOverArrows(TMessage& m)
{
    // The themed edit draws its frame and face over its whole window when it
    // gains the focus or the mouse, the arrows inside it included, and
    // nothing tells the arrows to paint again: they would vanish until the
    // mouse passed over them. They repaint after every paint of the field.
    TsEdit::WndProc(m);
    RepaintArrows();
}

void TsBaseSpinEdit::RepaintArrows()
{
    if (arrows_ && arrows_->HandleAllocated() && IsWindowVisible(arrows_->Handle()))
        RedrawWindow(arrows_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TsBaseSpinEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_CHAR: return WMChar(m);
    case WM_KEYDOWN: return WMKeyDown(m);
    case WM_MOUSEWHEEL: return WMMouseWheel(m);
    case WM_CUT:
    case WM_PASTE:
        if (EditorEnabled && !ReadOnly())
            TsEdit::WndProc(m);
        return;
    case WM_NCPAINT:
    case WM_PAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return WMPaintOverArrows(m);
    case CM_ENABLEDCHANGED:
        TsEdit::WndProc(m);
        ShowArrows();
        return;
    default: TsEdit::WndProc(m);
    }
}

}  // namespace taramel
