#include "framework/WinControl.h"

#include "framework/Application.h"
#include "framework/Menus.h"
#include "base/Exception.h"
#include "base/ScopedFlag.h"
#include "framework/Unicode.h"
#include "framework/SystemAdvice.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

namespace taramel {

namespace {

// The control whose window is being created on this thread: its window
// procedure meets the window on the first message, before CreateWindowExW returns.
thread_local TWinControl* creatingControl = nullptr;

// The system procedure behind each registered class (DefWindowProcW for ours).
// Never freed: windows still meet their procedures while the application
// object destroys the forms at the program's end, after every static.
std::map<std::wstring, WNDPROC>& RegisteredClasses()
{
    static auto* classes = new std::map<std::wstring, WNDPROC>;
    return *classes;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    Destroying();
    DestroyComponents();
    // Children that others own go with their parent as well.
    while (!controls_.empty())
        delete controls_.back();
    DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND window)
{
    // Only windows of the classes we registered carry our pointer; the class's
    // procedure stays ours even when someone subclasses the window.
    if (!window || GetClassLongPtrW(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&InitialWndProc))
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.WinClassName = Widen(ClassName());
    params.Caption = Widen(TControl::Caption());
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = Parent() ? Parent()->Handle() : nullptr;
}

HWND TWinControl::Handle()
{
    if (!handle_) {
        if (IsDestroying())
            throw Exception("Control '" + Name() + "' has no window while it is being destroyed");
        CreateHandle();
    }
    return handle_;
}

void TWinControl::CreateHandle()
{
    // The parent's window comes first, and making it makes the windows of
    // all its children, this one included.
    if (Parent() && !Parent()->HandleAllocated()) {
        Parent()->HandleNeeded();
        if (handle_)
            return;
    }
    TCreateParams params;
    CreateParams(params);
    if (!params.WndParent && (params.Style & WS_CHILD))
        throw Exception("Control '" + Name() + "' has no parent window");

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    auto& classes = RegisteredClasses();
    auto known = classes.find(params.WinClassName);
    if (known == classes.end()) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        WNDPROC systemProc = DefWindowProcW;
        if (!params.BaseClassName.empty()) {
            if (!GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &wc))
                throw Exception("Window class " + Narrow(params.BaseClassName) + " is not available");
            systemProc = wc.lpfnWndProc;
        } else {
            wc.style = params.ClassStyle;
            wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            // The program's icon in title bars and on the task bar; a program
            // without one gets the system's. A control shows no icon, and a
            // class with one costs its registration a scaled copy for the
            // small size: only the forms' classes carry it.
            if (params.ClassIcon)
                wc.hIcon = LoadIconW(instance, L"MAINICON");
        }
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &InitialWndProc;
        wc.hInstance = instance;
        wc.lpszClassName = params.WinClassName.c_str();
        wc.hbrBackground = nullptr;
        if (!RegisterClassExW(&wc))
            throw Exception("Cannot register window class " + Narrow(params.WinClassName));
        known = classes.emplace(params.WinClassName, systemProc).first;
    }
    defWndProc_ = known->second;

    creatingControl = this;
    HWND window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                  params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                                  instance, nullptr);
    creatingControl = nullptr;
    if (!window) {
        handle_ = nullptr;
        throw Exception("Cannot create the window of " + ClassName(), kOutOfResourcesAdvice);
    }
    NoteHandleCreated(THandleKind::Window);
    handle_ = window;
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    CreateWnd();
    // Children made before the window get theirs now, in keyboard order.
    for (TControl* control : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(control))
            windowed->HandleNeeded();
    ArrangeTabOrder();
    AlignControls();
}

void TWinControl::CreateWnd() {}

void TWinControl::ArrangeTabOrder()
{
    // The children in keyboard order are the lowest windows, the first of
    // them on top; windows made in that order already lie so, and moving each
    // again would cost start-up a window position change per child.
    std::vector<HWND> wanted;
    for (TWinControl* control : tabOrder_)
        if (control->handle_)
            wanted.push_back(control->handle_);
    HWND below = GetWindow(handle_, GW_CHILD);
    if (below != nullptr)
        below = GetWindow(below, GW_HWNDLAST);
    bool arranged = true;
    for (auto it = wanted.rbegin(); it != wanted.rend() && arranged; ++it) {
        arranged = below == *it;
        below = below != nullptr ? GetWindow(below, GW_HWNDPREV) : nullptr;
    }
    if (arranged)
        return;
    for (HWND window : wanted)
        SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWinControl::DestroyHandle()
{
    if (handle_)
        DestroyWindow(handle_);
}

void TWinControl::HandleDestroyed()
{
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
    hotControl_ = nullptr;
    captureControl_ = nullptr;
    NoteHandleFreed(THandleKind::Window);
    // The child windows went with this one.
    for (TControl* control : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->handle_)
            windowed->HandleDestroyed();
}

LRESULT CALLBACK TWinControl::InitialWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!control && creatingControl) {
        control = creatingControl;
        creatingControl = nullptr;
        control->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    if (!control) {
        WCHAR name[256];
        GetClassNameW(window, name, 256);
        auto found = RegisteredClasses().find(name);
        return CallWindowProcW(found != RegisteredClasses().end() ? found->second : DefWindowProcW, window, msg,
                               wParam, lParam);
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        if (control->IsDestroying())
            control->TWinControl::DefaultHandler(message);
        else
            control->WindowProc(message);
    } catch (...) {
        HandleCallbackException();
    }
    if (msg == WM_NCDESTROY && control->handle_ == window)
        control->HandleDestroyed();
    return message.Result;
}

void TWinControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT: return WMPaint(m);
    // Painting into a DC we are given, for printing and screenshots.
    case WM_PRINTCLIENT: return WMPaint(m);
    case WM_ERASEBKGND: return WMEraseBkgnd(m);
    case WM_SIZE: return WMSize(m);
    case WM_MOVE: return WMMove(m);
    case WM_MOUSEMOVE: return WMMouseMove(m);
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return WMMouseButton(m);
    case WM_MOUSELEAVE: return WMMouseLeave(m);
    case WM_COMMAND: return WMCommand(m);
    case WM_NOTIFY: return WMNotify(m);
    case WM_MEASUREITEM:
    case WM_MENUCHAR:
        if (!DispatchMenuItemMessage(m.Msg, m.WParam, m.LParam, m.Result))
            DefaultHandler(m);
        return;
    case WM_DRAWITEM:
        if (DispatchMenuItemMessage(m.Msg, m.WParam, m.LParam, m.Result))
            return;
        return WMReflect(m, reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam)->hwndItem, CN_DRAWITEM);
    case WM_CTLCOLORBTN: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: return WMCtlColor(m);
    case WM_SETCURSOR: return WMSetCursor(m);
    case CM_PARENTFONTCHANGED: case CM_PARENTCOLORCHANGED:
        TControl::WndProc(m);
        return;
    default: return TControl::WndProc(m);
    }
}

void TWinControl::DefaultHandler(TMessage& m)
{
    if (handle_)
        m.Result = CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
    else
        m.Result = 0;
}

void TWinControl::Paint(TCanvas& canvas)
{
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
}

void TWinControl::PaintControls(HDC dc, const RECT& clip)
{
    for (TControl* control : controls_) {
        if (control->IsWindowed() || !control->Visible())
            continue;
        RECT bounds = control->BoundsRect();
        RECT meet;
        if (!IntersectRect(&meet, &bounds, &clip))
            continue;
        TSavedDC saved(dc);
        IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::WMPaint(TMessage& m)
{
    const bool hasGraphicChildren =
        std::any_of(controls_.begin(), controls_.end(), [](TControl* c) { return !c->IsWindowed(); });
    if (m.WParam) {
        // Painting into a DC we were given (a parent or a print request).
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        RECT clip = ClientRect();
        if (WrapsSystemClass())
            DefaultHandler(m);
        else {
            TCanvas canvas(dc);
            canvas.Font = Font();
            Paint(canvas);
        }
        PaintControls(dc, clip);
        return;
    }
    if (WrapsSystemClass() && !hasGraphicChildren)
        return DefaultHandler(m);

    TPaintDC paint(handle_);
    const RECT clip = paint.PaintRect();
    if (WrapsSystemClass()) {
        // System controls paint into the DC they are given; the windowless
        // children go on top.
        m.Result = CallWindowProcW(defWndProc_, handle_, WM_PAINT, reinterpret_cast<WPARAM>(paint.Get()), 0);
        PaintControls(paint.Get(), clip);
        return;
    }
    const RECT client = ClientRect();
    if (DoubleBuffered && client.right > 0 && client.bottom > 0) {
        TMemoryDC memory(paint.Get());
        TBitmapHandle bitmap(CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
        TSelectObject select(memory.Get(), bitmap.Get());
        IntersectClipRect(memory.Get(), clip.left, clip.top, clip.right, clip.bottom);
        {
            TCanvas canvas(memory.Get());
            canvas.Font = Font();
            Paint(canvas);
        }
        PaintControls(memory.Get(), clip);
        BitBlt(paint.Get(), clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, memory.Get(),
               clip.left, clip.top, SRCCOPY);
    } else {
        TCanvas canvas(paint.Get());
        canvas.Font = Font();
        Paint(canvas);
        PaintControls(paint.Get(), clip);
    }
}

void TWinControl::WMEraseBkgnd(TMessage& m)
{
    if (WrapsSystemClass())
        return DefaultHandler(m);
    // Our own windows paint their whole background in WM_PAINT.
    m.Result = 1;
}

void TWinControl::UpdateBoundsFromWindow()
{
    RECT rect;
    GetWindowRect(handle_, &rect);
    HWND parentWindow = GetParent(handle_);
    if (parentWindow && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parentWindow, reinterpret_cast<POINT*>(&rect), 2);
    const bool sizeChanged = rect.right - rect.left != Width() || rect.bottom - rect.top != Height();
    StoreBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (sizeChanged)
        AlignControls();
}

void TWinControl::WMSize(TMessage& m)
{
    DefaultHandler(m);
    if (!movingWindow_ && !IsIconic(handle_))
        UpdateBoundsFromWindow();
    else if (!IsIconic(handle_))
        AlignControls();
}

void TWinControl::WMMove(TMessage& m)
{
    DefaultHandler(m);
    if (!movingWindow_ && !IsIconic(handle_))
        UpdateBoundsFromWindow();
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    if (handle_) {
        TFlagScope moving(movingWindow_);
        MoveWindow(handle_, left, top, std::max(width, 0), std::max(height, 0), TRUE);
    }
    TControl::SetBounds(left, top, width, height);
}

void TWinControl::BoundsChanged()
{
    AlignControls();
    if (Parent())
        Parent()->AlignControls();
}

void TWinControl::SetParent(TWinControl* parent)
{
    if (parent == Parent())
        return;
    if (handle_ && !parent)
        DestroyHandle();
    TControl::SetParent(parent);
    if (handle_ && parent && parent->HandleAllocated() && GetParent(handle_) != parent->handle_) {
        ::SetParent(handle_, parent->handle_);
        MoveWindow(handle_, Left(), Top(), Width(), Height(), TRUE);
    }
}

RECT TWinControl::ClientRect() const
{
    RECT rect{0, 0, Width(), Height()};
    if (handle_)
        GetClientRect(handle_, &rect);
    return rect;
}

std::string TWinControl::Caption() const
{
    if (!handle_)
        return TControl::Caption();
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return Narrow(text);
}

void TWinControl::TextChanged()
{
    if (handle_)
        SetWindowTextW(handle_, Widen(TControl::Caption()).c_str());
    Invalidate();
}

void TWinControl::FontChanged()
{
    if (handle_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    for (TControl* control : std::vector<TControl*>(controls_))
        control->Perform(CM_PARENTFONTCHANGED);
    Invalidate();
}

void TWinControl::ColorChanged()
{
    for (TControl* control : std::vector<TControl*>(controls_))
        control->Perform(CM_PARENTCOLORCHANGED);
    Invalidate();
}

void TWinControl::EnabledChanged()
{
    if (handle_)
        EnableWindow(handle_, Enabled());
    Invalidate();
}

void TWinControl::VisibleChanged()
{
    if (handle_)
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
    if (Parent())
        Parent()->AlignControls();
}

void TWinControl::Invalidate()
{
    if (handle_)
        ::InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::Repaint()
{
    if (handle_)
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TWinControl::InvalidateRect(const RECT& rect)
{
    if (handle_)
        ::InvalidateRect(handle_, &rect, FALSE);
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        tabOrder_.push_back(windowed);
}

void TWinControl::RemoveControl(TControl* control)
{
    if (hotControl_ == control)
        hotControl_ = nullptr;
    if (captureControl_ == control) {
        captureControl_ = nullptr;
        if (handle_ && GetCapture() == handle_)
            ReleaseCapture();
    }
    std::erase(controls_, control);
    std::erase(tabOrder_, static_cast<TWinControl*>(dynamic_cast<TWinControl*>(control)));
    if (!IsDestroying())
        AlignControls();
}

void TWinControl::AlignControls()
{
    if (aligning_ || IsDestroying())
        return;
    TFlagScope aligning(aligning_);
    RECT rest = ClientRect();
    auto place = [](TControl* control, int left, int top, int width, int height) {
        control->SetBounds(left, top, width, height);
    };
    for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (TControl* control : controls_) {
            if (control->Align() != kind || !control->Visible())
                continue;
            const int width = rest.right - rest.left;
            const int height = rest.bottom - rest.top;
            switch (kind) {
            case TAlign::alTop:
                place(control, rest.left, rest.top, width, control->Height());
                rest.top += control->Height();
                break;
            case TAlign::alBottom:
                place(control, rest.left, rest.bottom - control->Height(), width, control->Height());
                rest.bottom -= control->Height();
                break;
            case TAlign::alLeft:
                place(control, rest.left, rest.top, control->Width(), height);
                rest.left += control->Width();
                break;
            case TAlign::alRight:
                place(control, rest.right - control->Width(), rest.top, control->Width(), height);
                rest.right -= control->Width();
                break;
            case TAlign::alClient:
                place(control, rest.left, rest.top, width, height);
                break;
            case TAlign::alNone: break;
            }
        }
    }
}

TControl* TWinControl::ControlAtPos(POINT point) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        if (control->IsWindowed() || !control->Visible() || !control->Enabled())
            continue;
        RECT bounds = control->BoundsRect();
        if (PtInRect(&bounds, point))
            return control;
    }
    return nullptr;
}

void TWinControl::SetHotControl(TControl* control)
{
    if (hotControl_ == control)
        return;
    TControl* old = hotControl_;
    hotControl_ = control;
    if (old)
        old->Perform(CM_MOUSELEAVE);
    if (control)
        control->Perform(CM_MOUSEENTER);
}

void TWinControl::ForwardMouse(TControl* control, TMessage& m)
{
    const int x = GET_X_LPARAM(m.LParam) - control->Left();
    const int y = GET_Y_LPARAM(m.LParam) - control->Top();
    m.Result = control->Perform(m.Msg, m.WParam, MAKELPARAM(x, y));
}

void TWinControl::WMMouseMove(TMessage& m)
{
    if (!MouseInControl()) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&track);
        Perform(CM_MOUSEENTER);
    }
    const POINT point{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* target = captureControl_ ? captureControl_ : ControlAtPos(point);
    SetHotControl(captureControl_ ? (ControlAtPos(point) == captureControl_ ? captureControl_ : nullptr) : target);
    if (target)
        return ForwardMouse(target, m);
    TControl::WndProc(m);
}

void TWinControl::WMMouseButton(TMessage& m)
{
    const POINT point{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    const bool down = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDOWN;
    if (down) {
        if (TControl* target = ControlAtPos(point)) {
            captureControl_ = target;
            SetCapture(handle_);
            return ForwardMouse(target, m);
        }
        return TControl::WndProc(m);
    }
    if (TControl* target = captureControl_) {
        captureControl_ = nullptr;
        if (GetCapture() == handle_)
            ReleaseCapture();
        return ForwardMouse(target, m);
    }
    TControl::WndProc(m);
}

void TWinControl::WMMouseLeave(TMessage& m)
{
    SetHotControl(nullptr);
    Perform(CM_MOUSELEAVE);
    DefaultHandler(m);
}

void TWinControl::WMReflect(TMessage& m, HWND child, UINT reflected)
{
    TWinControl* control = child && child != handle_ ? FromHandle(child) : nullptr;
    if (control) {
        m.Result = control->Perform(reflected, m.WParam, m.LParam);
        return;
    }
    DefaultHandler(m);
}

void TWinControl::WMCommand(TMessage& m)
{
    WMReflect(m, reinterpret_cast<HWND>(m.LParam), CN_COMMAND);
}

void TWinControl::WMNotify(TMessage& m)
{
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    WMReflect(m, header ? header->hwndFrom : nullptr, CN_NOTIFY);
}

void TWinControl::WMCtlColor(TMessage& m)
{
    HWND child = reinterpret_cast<HWND>(m.LParam);
    TWinControl* control = child != handle_ ? FromHandle(child) : nullptr;
    if (control) {
        m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        if (m.Result)
            return;
    }
    DefaultHandler(m);
}

void TWinControl::WMSetCursor(TMessage& m)
{
    if (reinterpret_cast<HWND>(m.WParam) == handle_ && LOWORD(m.LParam) == HTCLIENT) {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(handle_, &point);
        TControl* control = ControlAtPos(point);
        LPCWSTR cursor = control && control->Cursor ? control->Cursor : Cursor;
        if (cursor) {
            SetCursor(LoadCursorW(nullptr, cursor));
            m.Result = 1;
            return;
        }
    }
    DefaultHandler(m);
}

HBRUSH TWinControl::BackgroundBrush()
{
    const TColor color = Color();
    if (!backgroundBrush_ || backgroundBrushColor_ != color) {
        backgroundBrush_.Reset(CreateSolidBrush(ColorToRGB(color)));
        backgroundBrushColor_ = color;
    }
    return backgroundBrush_.Get();
}

LRESULT TWinControl::ControlColor(HDC dc)
{
    SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
    SetBkColor(dc, ColorToRGB(Color()));
    return reinterpret_cast<LRESULT>(BackgroundBrush());
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabOrder_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!Parent())
        return;
    auto& list = Parent()->tabOrder_;
    std::erase(list, this);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
    // The window order follows the keyboard order, as dialog navigation expects.
    if (handle_) {
        HWND after = order == 0 ? HWND_TOP : list[static_cast<std::size_t>(order - 1)]->handle_;
        if (after)
            SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TWinControl::SetTabStop(bool tabStop)
{
    tabStop_ = tabStop;
    if (handle_) {
        LONG style = GetWindowLongW(handle_, GWL_STYLE);
        style = tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        SetWindowLongW(handle_, GWL_STYLE, style);
    }
}

bool TWinControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

bool TWinControl::CanFocus() const
{
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw Exception("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TWinControl::CollectTabStops(std::vector<TWinControl*>& list) const
{
    for (TWinControl* control : tabOrder_) {
        if (!control->Visible() || !control->Enabled())
            continue;
        if (control->tabStop_)
            list.push_back(control);
        control->CollectTabStops(list);
    }
}

std::vector<TWinControl*> TWinControl::TabList() const
{
    std::vector<TWinControl*> list;
    CollectTabStops(list);
    return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward) const
{
    const auto list = TabList();
    if (list.empty())
        return nullptr;
    auto it = std::find(list.begin(), list.end(), current);
    if (it == list.end())
        return forward ? list.front() : list.back();
    const auto size = static_cast<std::ptrdiff_t>(list.size());
    const auto index = it - list.begin();
    return list[static_cast<std::size_t>((index + (forward ? 1 : size - 1)) % size)];
}

}  // namespace taramel
