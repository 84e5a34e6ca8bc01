#include "controls/SpinEdit.h"

#include "controls/SpinButton.h"

#include <algorithm>
#include <charconv>
#include <limits>

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
    arrows_ = new TsSpinButton(this);
    arrows_->FocusControl = this;
    arrows_->OnUpClick = [this] { UpClick(); };
    arrows_->OnDownClick = [this] { DownClick(); };
    arrows_->SetParent(this);
}

TSpinEdit::~TSpinEdit() = default;

void TSpinEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.BaseClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TSpinEdit::CreateWnd()
{
    PlaceButtons();
}

void TSpinEdit::PlaceButtons()
{
    if (!HandleAllocated() || !arrows_)
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    arrows_->SetBounds(client.right - kButtonWidth, 0, kButtonWidth, client.bottom);
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

void TSpinEdit::Step(long long delta)
{
    if (GetWindowLongW(Handle(), GWL_STYLE) & ES_READONLY) {
        MessageBeep(0);
        return;
    }
    // Without bounds a step past the largest or smallest integer stays there
    // instead of wrapping round to the other end.
    const long long next = std::clamp<long long>(static_cast<long long>(Value()) + delta,
                                                 std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SetValue(static_cast<int>(next));
}

void TSpinEdit::UpClick()
{
    Step(increment_);
}

void TSpinEdit::DownClick()
{
    Step(-static_cast<long long>(increment_));
}

void TSpinEdit::WMMouseWheel(TMessage& m)
{
    const int notches = GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA;
    if (notches != 0)
        Step(static_cast<long long>(notches) * increment_);
    m.Result = 1;
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

void TSpinEdit::WMPaintOverArrows(TMessage& m)
{
    // The themed edit draws its frame and face over its whole window when it
    // gains the focus or the mouse, the arrows inside it included, and
    // nothing tells the arrows to paint again: they would vanish until the
    // mouse passed over them. They repaint after every paint of the field.
    TWinControl::WndProc(m);
    RepaintArrows();
}

void TSpinEdit::RepaintArrows()
{
    if (arrows_ && arrows_->HandleAllocated())
        RedrawWindow(arrows_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
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
    case WM_MOUSEWHEEL: return WMMouseWheel(m);
    case WM_KILLFOCUS: return WMKillFocus(m);
    case WM_NCPAINT:
    case WM_PAINT:
    case WM_SETFOCUS: return WMPaintOverArrows(m);
    case CN_COMMAND:
        if (HIWORD(m.WParam) == EN_CHANGE && OnChange)
            OnChange(this);
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: m.Result = ControlColor(reinterpret_cast<HDC>(m.WParam)); return;
    case CM_ENABLEDCHANGED:
        TWinControl::WndProc(m);
        if (arrows_) {
            arrows_->SetEnabled(Enabled());
            arrows_->UpButton()->SetEnabled(Enabled());
            arrows_->DownButton()->SetEnabled(Enabled());
        }
        return;
    default: TWinControl::WndProc(m);
    }
}

}  // namespace taramel
