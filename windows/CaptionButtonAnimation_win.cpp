#include "windows/CaptionButtonAnimation_win.h"

#include <cstring>

#include "engine/SkinManager_win.h"
#include "images/ComposeImage32.h"
#include "render/Bitmap_win.h"

namespace taramel {

namespace {

constexpr unsigned kTickMilliseconds = 10;
constexpr const wchar_t* kFadeWindowClass = L"TaramelCaptionFade";

const wchar_t* FadeWindowClass()
{
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kFadeWindowClass;
        return RegisterClassW(&wc) != 0;
    }();
    return registered ? kFadeWindowClass : nullptr;
}

}  // namespace

TacSBAnimation::TacSBAnimation(TCaptionButtonFadeOwner& owner, int hit) : owner_(owner), hit_(hit) {}

TacSBAnimation::~TacSBAnimation()
{
    Stop();
}

void TacSBAnimation::Change(int state)
{
    Apply(fade_.Change(state));
}

void TacSBAnimation::Tick()
{
    const CaptionButtonFade::Frame frame = fade_.Tick();
    if (frame.WatchCursor) {
        POINT cursor;
        GetCursorPos(&cursor);
        const RECT button = owner_.FadeButtonOnScreen(hit_);
        if (!PtInRect(&button, cursor)) {
            if (timer_)
                timer_->SetEnabled(false);
            // The owner takes the hot state away, which fades this out.
            owner_.FadeCursorLeft(hit_);
        }
        return;
    }
    Apply(frame);
}

void TacSBAnimation::Apply(const CaptionButtonFade::Frame& frame)
{
    if (frame.Remake && !MakePicture()) {
        Stop();
        return;
    }
    if (frame.Alpha >= 0)
        Show(frame.Alpha);
    if (frame.Finished) {
        if (timer_)
            timer_->SetEnabled(false);
        FreeWindow();
        return;
    }
    if (frame.RunTimer && UseTimer) {
        if (!timer_) {
            timer_ = std::make_unique<TTimer>(nullptr);
            timer_->SetInterval(kTickMilliseconds);
            timer_->OnTimer = [this](TObject*) { Tick(); };
        }
        // A change restarts the count.
        timer_->SetEnabled(false);
        timer_->SetEnabled(true);
    } else if (timer_) {
        timer_->SetEnabled(false);
    }
}

bool TacSBAnimation::MakePicture()
{
    auto picture = std::make_unique<TBitmap>();
    TRect place;
    if (!owner_.FadePicture(hit_, fade_.Target(), *picture, place) || picture->Empty())
        return false;
    picture->SetPixelFormat(TPixelFormat::pf32bit);
    PremultiplyAlpha(*picture);  // as a layered window takes it
    picture_ = std::move(picture);
    place_ = place;
    return true;
}

void TacSBAnimation::Show(int alpha)
{
    alpha_ = alpha;
    const auto update = OptionalSystemFunctions().UpdateLayeredWindow;
    const HWND owner = owner_.FadeOwner();
    if (!picture_ || update == nullptr || owner == nullptr || !IsWindow(owner))
        return;
    if (window_ == nullptr || !IsWindow(window_)) {
        const wchar_t* cls = FadeWindowClass();
        if (cls == nullptr)
            return;
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_LAYERED, cls, L"",
                                  WS_POPUP, 0, 0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (window_ == nullptr)
            return;
    }
    RECT frame;
    GetWindowRect(owner, &frame);
    POINT at{frame.left + place_.Left, frame.top + place_.Top};
    SIZE size{picture_->Width(), picture_->Height()};
    // Directly above the form (or its border window): under whatever
    // covers the form, over the frame.
    const HWND above = owner_.FadeAbove();
    const HWND before = above ? GetWindow(above, GW_HWNDPREV) : nullptr;
    if (before != window_)
        SetWindowPos(window_, before ? before : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    HDC source = BitmapDC(*picture_);
    if (source == nullptr)
        return;
    GdiFlush();
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
    update(window_, nullptr, &at, &size, source, &origin, 0, &blend, ULW_ALPHA);
    if (!IsWindowVisible(window_))
        ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void TacSBAnimation::FreeWindow()
{
    if (window_ != nullptr && IsWindow(window_))
        DestroyWindow(window_);
    window_ = nullptr;
    picture_.reset();
}

void TacSBAnimation::Stop()
{
    if (timer_)
        timer_->SetEnabled(false);
    FreeWindow();
    fade_ = CaptionButtonFade{};
    alpha_ = 0;
}

}  // namespace taramel
