#include "framework/Application.h"

#include "base/Exception.h"
#include "base/ScopedFlag.h"
#include "framework/Form.h"
#include "framework/Handles.h"
#include "framework/Messages.h"
#include "framework/SystemAdvice.h"
#include "framework/Timer.h"
#include "framework/Unicode.h"
#include "render/SysColors_win.h"

#include <algorithm>

namespace taramel {

namespace {
TScreen screenInstance;
TApplication applicationInstance;
constexpr wchar_t kApplicationClass[] = L"TApplication";
}  // namespace

TScreen* Screen = &screenInstance;
TApplication* Application = &applicationInstance;

void HandleCallbackException() noexcept
{
    try {
        Application->HandleException();
    } catch (...) {
        // The report itself failed; nothing is left to tell the user with.
    }
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication()
{
    Destroying();
    DestroyComponents();
    for (auto& [id, timer] : timers_)
        KillTimer(handle_, id);
    timers_.clear();
    if (handle_) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
        NoteHandleFreed(THandleKind::Window);
        handle_ = nullptr;
    }
}

void TApplication::Initialize()
{
    // Colours named by system index follow the system's scheme.
    InstallWin32SysColors();
    Handle();
}

HWND TApplication::Handle()
{
    if (handle_)
        return handle_;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(instance, kApplicationClass, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &WindowProcedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kApplicationClass;
        if (!RegisterClassExW(&wc))
            throw Exception("Cannot register the application window class", kOutOfResourcesAdvice);
    }
    // Hidden and untitled: the main form carries the task-bar button.
    handle_ = CreateWindowExW(0, kApplicationClass, L"",
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, instance, nullptr);
    if (!handle_)
        throw Exception("Cannot create the application window", kOutOfResourcesAdvice);
    NoteHandleCreated(THandleKind::Window);
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return handle_;
}

LRESULT CALLBACK TApplication::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* application = reinterpret_cast<TApplication*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    try {
        if (application) {
            switch (msg) {
            case WM_TIMER: application->OnTimerMessage(wParam); return 0;
            case CM_RELEASE: {
                auto* form = reinterpret_cast<TCustomForm*>(lParam);
                for (int i = 0; i < Screen->FormCount(); ++i)
                    if (Screen->Forms(i) == form) {
                        delete form;
                        break;
                    }
                return 0;
            }
            default: break;
            }
        }
    } catch (...) {
        HandleCallbackException();
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void TApplication::FormCreated(TCustomForm* form)
{
    if (!mainForm_)
        mainForm_ = form;
    form->AfterConstruction();
}

void TApplication::Run()
{
    if (mainForm_)
        mainForm_->Show();
    // The loop ends when the quit message arrives, not when Terminate is
    // called: the messages posted before it are still handled.
    while (HandleMessage()) {
    }
}

bool TApplication::HandleMessage()
{
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        terminated_ = true;
        return false;
    }
    ProcessMessage(msg);
    return true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        ProcessMessage(msg);
    }
}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (IsKeyMessage(msg))
        return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool TApplication::IsKeyMessage(MSG& msg)
{
    const bool dialogKey = msg.wParam == VK_TAB || msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE;
    if (msg.message != WM_KEYDOWN || !dialogKey || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    if (!form)
        return false;
    try {
        if (msg.wParam != VK_TAB)
            return form->DialogKey(msg.wParam);
        form->SelectNext(GetKeyState(VK_SHIFT) >= 0);
    } catch (...) {
        HandleException();
    }
    return true;
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::HandleException()
{
    std::string message, advice;
    try {
        throw;
    } catch (const Exception& error) {
        message = error.Message();
        advice = error.Advice();
    } catch (const std::exception& error) {
        message = error.what();
    } catch (...) {
        message = "Unknown error";
    }
    ShowException(message, advice);
}

void TApplication::ShowException(const std::string& message, const std::string& advice)
{
    if (reporting_)
        return;
    const TFlagScope reporting(reporting_);
    const std::string text = ExceptionReportText(message, advice);
    if (OnException) {
        OnException(text);
        return;
    }
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(title_).c_str(), MB_ICONERROR | MB_OK);
}

void TApplication::ReleaseForm(TCustomForm* form)
{
    PostMessageW(Handle(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(form));
}

UINT_PTR TApplication::StartTimer(TTimer* timer, UINT interval)
{
    const UINT_PTR id = nextTimerId_++;
    if (!SetTimer(Handle(), id, interval, nullptr))
        throw Exception("Not enough timers available", kOutOfResourcesAdvice);
    timers_.emplace(id, timer);
    return id;
}

void TApplication::StopTimer(UINT_PTR id)
{
    if (handle_)
        KillTimer(handle_, id);
    timers_.erase(id);
}

void TApplication::OnTimerMessage(UINT_PTR id)
{
    const auto it = timers_.find(id);
    if (it != timers_.end())
        it->second->Timer();
}

TCustomForm* TScreen::ActiveForm() const
{
    return dynamic_cast<TCustomForm*>(TWinControl::FromHandle(GetActiveWindow()));
}

void TScreen::RemoveForm(TCustomForm* form)
{
    std::erase(forms_, form);
}

}  // namespace taramel
