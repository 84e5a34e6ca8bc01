#include "windows/BorderForm_win.h"

#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "render/Bitmap_win.h"

namespace taramel {

namespace {

constexpr wchar_t kBorderClass[] = L"TaramelBorderForm";

bool RegisterBorderClass()
{
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        // Double clicks on the caption maximise or restore the form.
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kBorderClass;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

bool IsFrameCode(LRESULT hit)
{
    return hit != HTNOWHERE && hit != HTCLIENT && hit != HTTRANSPARENT && hit != HTERROR;
}

}  // namespace

TacBorderForm::TacBorderForm(TsSkinProvider& owner) : owner_(&owner)
{
    if (!RegisterBorderClass())
        return;
    // Not owned by the form: an owned window always stays above its owner.
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kBorderClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr)
        return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TacBorderForm::Procedure));
}

TacBorderForm::~TacBorderForm()
{
    if (window_ == nullptr)
        return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

HWND TacBorderForm::OwnerWindow() const
{
    TCustomForm* form = owner_->Form();
    return form != nullptr && form->HandleAllocated() ? form->Handle() : nullptr;
}

void TacBorderForm::Hide()
{
    if (window_ != nullptr && IsWindowVisible(window_))
        ShowWindow(window_, SW_HIDE);
}

void TacBorderForm::Update(TsSkinProvider& provider)
{
    owner_ = &provider;
    if (window_ == nullptr || updating_ || (Application != nullptr && Application->Terminated()))
        return;
    const HWND owner = OwnerWindow();
    if (owner == nullptr || provider.Form()->IsDestroying()) {
        Hide();
        return;
    }
    updating_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{updating_};
    const bool appMinimized = Application != nullptr && Application->Handle() != nullptr &&
                              IsIconic(Application->Handle());
    if (!IsWindowVisible(owner) || IsIconic(owner) || appMinimized) {
        Hide();
        return;
    }
    provider.RefreshFrame();
    const TBitmap* picture = provider.FrameCache();
    if (picture == nullptr || picture->Width() <= 0 || picture->Height() <= 0) {
        Hide();
        return;
    }
    POINT at = provider.FrameOrigin();
    SIZE size{picture->Width(), picture->Height()};
    const auto ulw = OptionalSystemFunctions().UpdateLayeredWindow;
    const bool repaint = !filled_ || provider.FrameSerial() != shownSerial_ || size.cx != shownSize_.cx ||
                         size.cy != shownSize_.cy;
    constexpr UINT kPlace = SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
    // A topmost form takes it along among the topmost windows.
    const bool topmost = (GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (topmost != ((GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0))
        SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     kPlace | SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW);
    // Directly below the form.
    SetWindowPos(window_, owner, at.x, at.y, size.cx, size.cy, kPlace | (repaint ? 0 : SWP_NOREDRAW));
    if (ulw == nullptr)
        return;  // no layered windows: placed, never filled
    if (!repaint) {
        if (!IsWindowVisible(window_))
            SetWindowPos(window_, owner, 0, 0, 0, 0, kPlace | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        return;
    }
    const LONG exStyle = GetWindowLongW(window_, GWL_EXSTYLE);
    if ((exStyle & (WS_EX_LAYERED | WS_EX_NOACTIVATE)) != (WS_EX_LAYERED | WS_EX_NOACTIVATE))
        SetWindowLongW(window_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED | WS_EX_NOACTIVATE);
    // A maximised form shows its title only: the sides, the bottom and the
    // shadow would lie beyond the work area.
    const bool maximized = IsZoomed(owner) != FALSE;
    if (maximized) {
        const FrameMetrics m = provider.Metrics();
        const FrameLayout l = LayoutFrame(m);
        SetWindowRgn(window_,
                     CreateRectRgn(l.Form.Left + m.Border, l.Form.Top, l.Form.Right - m.Border,
                                   l.Form.Bottom - m.Border),
                     FALSE);
    } else if (maximizedRegion_) {
        SetWindowRgn(window_, nullptr, FALSE);
    }
    maximizedRegion_ = maximized;
    HDC source = BitmapDC(const_cast<TBitmap&>(*picture));
    if (source == nullptr)
        return;
    GdiFlush();
    POINT from{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (!ulw(window_, nullptr, &at, &size, source, &from, 0, &blend, ULW_ALPHA))
        return;
    filled_ = true;
    shownSerial_ = provider.FrameSerial();
    shownSize_ = size;
    SetWindowPos(window_, owner, 0, 0, 0, 0, kPlace | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

LRESULT TacBorderForm::Forward(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const HWND owner = OwnerWindow();
    if (owner == nullptr)
        return 0;
    const bool press = msg == WM_NCLBUTTONDOWN || msg == WM_NCRBUTTONDOWN || msg == WM_NCLBUTTONDBLCLK;
    if (!IsWindowEnabled(owner)) {
        // A form held by a modal window neither moves nor closes: the press
        // brings the modal window forward instead.
        if (press)
            if (HWND popup = GetLastActivePopup(owner); popup != nullptr && popup != owner)
                SetForegroundWindow(popup);
        return 0;
    }
    if (press) {
        // A press on the frame is a press on the form: it comes forward.
        if (GetForegroundWindow() != owner)
            SetForegroundWindow(owner);
        SetActiveWindow(owner);
    }
    return SendMessageW(owner, msg, wParam, lParam);
}

LRESULT TacBorderForm::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCHITTEST: {
        const HWND owner = OwnerWindow();
        if (owner != nullptr && !IsWindowEnabled(owner))
            return HTERROR;  // no hover, no press while the form is held
        const LRESULT hit = owner_->HitTest(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        // The form lies over its client: a point there belongs to it.
        return hit == HTCLIENT ? HTTRANSPARENT : hit;
    }
    case WM_NCMOUSEMOVE:
        if (!trackingLeave_) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE | TME_NONCLIENT, window_, 0};
            trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
        }
        // The form's buttons follow the mouse through its own hit test.
        if (const HWND owner = OwnerWindow())
            SendMessageW(owner, WM_NCHITTEST, 0, lParam);
        return 0;
    case WM_NCMOUSELEAVE:
        trackingLeave_ = false;
        if (const HWND owner = OwnerWindow())
            SendMessageW(owner, WM_NCMOUSELEAVE, 0, 0);
        return 0;
    case WM_NCLBUTTONDOWN:
        if (static_cast<int>(wParam) == HTERROR)
            return Forward(msg, wParam, lParam);  // brings a modal window forward
        [[fallthrough]];
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
        // The hit-test code is an int in a WPARAM: read back through int, a
        // negative code keeps its sign however the WPARAM was widened.
        return IsFrameCode(static_cast<int>(wParam)) ? Forward(msg, wParam, lParam) : 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        // The picture is the layered window's own; nothing to paint.
        PAINTSTRUCT ps;
        if (BeginPaint(window_, &ps) != nullptr)
            EndPaint(window_, &ps);
        return 0;
    }
    default: return DefWindowProcW(window_, msg, wParam, lParam);
    }
}

LRESULT CALLBACK TacBorderForm::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TacBorderForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window)
        return DefWindowProcW(window, msg, wParam, lParam);
    // The form's handlers run inside: what they throw is reported here.
    try {
        return self->Dispatch(msg, wParam, lParam);
    } catch (...) {
        HandleCallbackException();
        return 0;
    }
}

}  // namespace taramel
