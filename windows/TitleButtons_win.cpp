#include "windows/TitleButtons_win.h"

#include "framework/Unicode.h"

namespace taramel {

namespace {

constexpr wchar_t kHintClass[] = L"TaramelTitleHint";
constexpr int kHintMaxWidth = 200;
constexpr int kHintPadding = 3;
constexpr int kFadeMaxLength = 100;
constexpr DWORD kFadeMs = 200;

HFONT HintFont()
{
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    return CreateFontIndirectW(&ncm.lfStatusFont);
}

bool SystemFadesTooltips()
{
    BOOL animation = FALSE;
    BOOL fade = FALSE;
    SystemParametersInfoW(SPI_GETTOOLTIPANIMATION, 0, &animation, 0);
    SystemParametersInfoW(SPI_GETTOOLTIPFADE, 0, &fade, 0);
    return animation && fade;
}

}  // namespace

TitleHintWindow::~TitleHintWindow()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
}

LRESULT CALLBACK TitleHintWindow::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Plain Win32 only: nothing here throws.
    auto* self = reinterpret_cast<TitleHintWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (msg) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_ERASEBKGND: return 1;
    case WM_PRINTCLIENT:
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = msg == WM_PAINT ? BeginPaint(window, &ps) : reinterpret_cast<HDC>(wParam);
        RECT r;
        GetClientRect(window, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
        FrameRect(dc, &r, GetSysColorBrush(COLOR_INFOTEXT));
        if (self != nullptr) {
            HFONT font = HintFont();
            HGDIOBJ old = SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
            InflateRect(&r, -kHintPadding, -kHintPadding);
            DrawTextW(dc, self->text_.c_str(), static_cast<int>(self->text_.size()), &r,
                      DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
            SelectObject(dc, old);
            DeleteObject(font);
        }
        if (msg == WM_PAINT)
            EndPaint(window, &ps);
        return 0;
    }
    default: break;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void TitleHintWindow::Show(const std::string& text, POINT cursor)
{
    Hide();
    if (text.empty())
        return;
    text_ = Widen(text);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    if (!GetClassInfoW(instance, kHintClass, &wc)) {
        wc = WNDCLASSW{};
        wc.lpfnWndProc = &TitleHintWindow::Procedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kHintClass;
        if (!RegisterClassW(&wc))
            return;  // no hint rather than no form
    }
    // The text's size, wrapped at the widest a hint may be.
    RECT measure{0, 0, kHintMaxWidth - 2 * kHintPadding, 0};
    HDC screen = GetDC(nullptr);
    HFONT font = HintFont();
    HGDIOBJ old = SelectObject(screen, font);
    DrawTextW(screen, text_.c_str(), static_cast<int>(text_.size()), &measure,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    const int width = std::min<int>(kHintMaxWidth, measure.right + 2 * kHintPadding);
    const int height = measure.bottom + 2 * kHintPadding;
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kHintClass, L"", WS_POPUP,
                              cursor.x + 8, cursor.y + 16, width, height, nullptr, nullptr, instance, this);
    if (window_ == nullptr)
        return;
    if (text_.size() < kFadeMaxLength && SystemFadesTooltips())
        AnimateWindow(window_, kFadeMs, AW_BLEND);
    else
        SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TitleHintWindow::Hide()
{
    if (window_ != nullptr) {
        DestroyWindow(window_);
        window_ = nullptr;
    }
    text_.clear();
}

}  // namespace taramel
