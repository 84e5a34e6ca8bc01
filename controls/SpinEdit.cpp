#include "controls/SpinEdit.h"

#include "controls/CommonControls.h"
#include "framework/Handles.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>

namespace taramel {

namespace {
constexpr int kButtonWidth = 15;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TWinControl(owner)
{
    StoreBounds(0, 0, 121, 22);
    SetColor(clWindow);
    SetTabStop(true);
    SetCaption("0");
}

TSpinEdit::~TSpinEdit()
{
    // The arrow window would die with the edit's window; it goes first so
    // that its count is kept here, where the edit's messages no longer reach
    // this class.
    Destroying();
    if (buttons_) {
        DestroyWindow(buttons_);
        NoteHandleFreed(THandleKind::Window);
        buttons_ = nullptr;
    }
}

void TSpinEdit::CreateParams(TCreateParams& params)
{
    EnsureCommonControls();
    TWinControl::CreateParams(params);
    params.BaseClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TSpinEdit::CreateWnd()
{
    buttons_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (buttons_) {
        NoteHandleCreated(THandleKind::Window);
        // A wide range and a position put back after every step: the arrows
        // never stop at an end of their own, the bounds are ours.
        SendMessageW(buttons_, UDM_SETRANGE32, static_cast<WPARAM>(-0x7FFFFFFF), 0x7FFFFFFF);
        if (!Enabled())
            EnableWindow(buttons_, FALSE);
    }
    PlaceButtons();
}

void TSpinEdit::PlaceButtons()
{
    if (!HandleAllocated() || !buttons_)
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    MoveWindow(buttons_, client.right - kButtonWidth, 0, kButtonWidth, client.bottom, TRUE);
    SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, kButtonWidth + 1));
}

void TSpinEdit::BoundsChanged()
{
    TWinControl::BoundsChanged();
    PlaceButtons();
}

int TSpinEdit::Value() const
{
    std::string text = Caption();
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return minValue_;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    int value = 0;
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end)
        return minValue_;
    return value;
}

int TSpinEdit::CheckValue(int value) const
{
    if (minValue_ == maxValue_)
        return value;
    return std::clamp(value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

void TSpinEdit::SetValue(int value)
{
    SetCaption(std::to_string(CheckValue(value)));
}

void TSpinEdit::UpClick()
{
    if (GetWindowLongW(Handle(), GWL_STYLE) & ES_READONLY) {
        MessageBeep(0);
        return;
    }
    SetValue(Value() + increment_);
}

void TSpinEdit::DownClick()
{
    if (GetWindowLongW(Handle(), GWL_STYLE) & ES_READONLY) {
        MessageBeep(0);
        return;
    }
    SetValue(Value() - increment_);
}

bool TSpinEdit::IsValidChar(wchar_t c) const
{
    return (c >= L'0' && c <= L'9') || (c < 32 && c != L'\r');
}

void TSpinEdit::WMChar(TMessage& m)
{
    if (!IsValidChar(static_cast<wchar_t>(m.WParam))) {
        MessageBeep(0);
        return;
    }
    DefaultHandler(m);
}

void TSpinEdit::WMKeyDown(TMessage& m)
{
    if (m.WParam == VK_UP)
        UpClick();
    else if (m.WParam == VK_DOWN)
        DownClick();
    DefaultHandler(m);
}

void TSpinEdit::WMNotify(TMessage& m)
{
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (header && header->hwndFrom == buttons_ && header->code == UDN_DELTAPOS) {
        const auto* delta = reinterpret_cast<const NMUPDOWN*>(m.LParam);
        if (delta->iDelta > 0)
            UpClick();
        else if (delta->iDelta < 0)
            DownClick();
        m.Result = 1;  // the arrows' own position stays where it is
        return;
    }
    TWinControl::WndProc(m);
}

void TSpinEdit::WMPaintOverArrows(TMessage& m)
{
    // The themed edit draws its frame and face over its whole window when it
    // gains the focus or the mouse, the arrow window inside it included, and
    // nothing tells the arrows to paint again: they vanished until the mouse
    // passed over them. They repaint after every paint of the field.
    TWinControl::WndProc(m);
    RepaintArrows();
}

void TSpinEdit::RepaintArrows()
{
    if (buttons_)
        RedrawWindow(buttons_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TSpinEdit::WMKillFocus(TMessage& m)
{
    DefaultHandler(m);
    RepaintArrows();
    const int value = Value();
    if (CheckValue(value) != value)
        SetValue(value);
}

void TSpinEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_CHAR: return WMChar(m);
    case WM_KEYDOWN: return WMKeyDown(m);
    case WM_NOTIFY: return WMNotify(m);
    case WM_KILLFOCUS: return WMKillFocus(m);
    case WM_NCPAINT:
    case WM_PAINT:
    case WM_SETFOCUS: return WMPaintOverArrows(m);
    case WM_NCDESTROY:
        if (buttons_) {
            NoteHandleFreed(THandleKind::Window);
            buttons_ = nullptr;
        }
        return TWinControl::WndProc(m);
    case CN_COMMAND:
        if (HIWORD(m.WParam) == EN_CHANGE && OnChange)
            OnChange(this);
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: m.Result = ControlColor(reinterpret_cast<HDC>(m.WParam)); return;
    case CM_ENABLEDCHANGED:
        TWinControl::WndProc(m);
        if (buttons_)
            EnableWindow(buttons_, Enabled());
        return;
    default: TWinControl::WndProc(m);
    }
}

}  // namespace taramel
