#include "app/Startup_win.h"

#include "app/MainWindow_win.h"
#include "app/SettingsDialog_win.h"
#include "app/AboutDialog_win.h"
#include "framework/Application.h"
#include "engine/SkinManager_win.h"
#include "windows/WindowHook.h"

#include <windows.h>

#include <cstdio>

namespace taramel {

namespace {

// With TARAMEL_STARTUP_TRACE set, every step of start-up is told to the
// debugger as "MARK STEP MILLISECONDS" (the performance counter's time, the
// clock of wine's trace timestamps): tools/startup-time.sh --trace lists the
// steps beside the DLL loads. Without the variable nothing is told.
void MarkStartupStep(const char* step)
{
    static const bool tracing = GetEnvironmentVariableW(L"TARAMEL_STARTUP_TRACE", nullptr, 0) > 0;
    if (!tracing)
        return;
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    char text[96];
    std::snprintf(text, sizeof text, "MARK %s %.2f\n", step,
                  static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart));
    OutputDebugStringA(text);
}

}  // namespace

int RunProgram()
{
    try {
        MarkStartupStep("program-start");
        // The skinning engine's own set-up comes before any window exists.
        InitializeWindowSkinning();
        InitializeSkinEngine();
        MarkStartupStep("engine-ready");
        Application->Initialize();
        Application->SetTitle("Тарамел");
        MarkStartupStep("application-window");
        // Each form reports an error of its creation handler itself and
        // start-up goes on with the next one.
        Application->CreateForm<TForm1>();
        MarkStartupStep("main-form");
        Application->CreateForm<TForm2>();
        MarkStartupStep("settings-dialog-and-skin");
        Application->CreateForm<TForm3>();
        MarkStartupStep("about-dialog");
        Application->Run();
    } catch (...) {
        // Only the set-up of the application itself can land here (its
        // window could not be made); there is nothing left to run.
        Application->HandleException();
        return 1;
    }
    return 0;
}

}  // namespace taramel
