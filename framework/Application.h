// The application object: its hidden window, the forms it creates, the
// message loop, and the one place where errors are reported to the user.
// The screen object lists the forms that exist.
#pragma once

#include "framework/Component.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace taramel {

class TCustomForm;
class TTimer;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    // Creates the hidden window (class "TApplication", empty title).
    void Initialize();
    HWND Handle();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    TCustomForm* MainForm() const { return mainForm_; }

    // Constructs a form owned by the application; the first one becomes the
    // main form. An error in its creation handler is reported and creation
    // goes on, as the program's start-up requires.
    template <class Form>
    Form* CreateForm()
    {
        Form* form = nullptr;
        {
            TLoadingScope loading;
            form = new Form(this);
        }
        FormCreated(form);
        return form;
    }

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // Handles one message, waiting for it; false once the loop must end.
    bool HandleMessage();
    // Handles every message that is waiting, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Reports the exception being handled (call from a catch block).
    void HandleException();
    // Reports one message, led by its advice when there is one (see
    // ExceptionReportText): through OnException when it is set, else a
    // message box with the error icon and OK, captioned with the title.
    // While a report is showing, a further one is dropped: a timer that
    // fails at every tick would otherwise stack a new box on the open one
    // each time, without end. The failure comes again after the box closes.
    void ShowException(const std::string& message, const std::string& advice = {});
    // Whether a report is being shown now.
    bool Reporting() const { return reporting_; }
    // Replaces the message box (tests use it so that nothing blocks).
    std::function<void(const std::string& message)> OnException;

    // Called by a form being destroyed.
    void ForgetForm(TCustomForm* form)
    {
        if (mainForm_ == form)
            mainForm_ = nullptr;
    }

    // Frees a form once the current message is handled.
    void ReleaseForm(TCustomForm* form);

    // Timer plumbing for TTimer: the timers tick on the hidden window.
    UINT_PTR StartTimer(TTimer* timer, UINT interval);
    void StopTimer(UINT_PTR id);

private:
    void FormCreated(TCustomForm* form);
    bool ProcessMessage(MSG& msg);
    bool IsKeyMessage(MSG& msg);
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnTimerMessage(UINT_PTR id);

    HWND handle_ = nullptr;
    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool reporting_ = false;
    UINT_PTR nextTimerId_ = 1;
    // Every message of a tick looks its timer up here.
    std::unordered_map<UINT_PTR, TTimer*> timers_;
};

class TScreen : public TComponent {
public:
    TScreen() : TComponent(nullptr) {}
    std::string ClassName() const override { return "TScreen"; }
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }
    // The form whose window is active, or null.
    TCustomForm* ActiveForm() const;
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form) { forms_.push_back(form); }
    void RemoveForm(TCustomForm* form);
    std::vector<TCustomForm*> forms_;
};

extern TApplication* Application;
extern TScreen* Screen;

// For window procedures, hooks and timer callbacks: reports the exception
// being handled through the application and never throws.
void HandleCallbackException() noexcept;

}  // namespace taramel
