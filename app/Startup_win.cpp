#include "app/Startup_win.h"

#include "app/MainWindow_win.h"
#include "app/SettingsDialog_win.h"
#include "app/AboutDialog_win.h"
#include "framework/Application.h"
#include "engine/SkinManager_win.h"
#include "windows/WindowHook.h"

namespace taramel {

int RunProgram()
{
    try {
        // The skinning engine's own set-up comes before any window exists.
        InitializeWindowSkinning();
        InitializeSkinEngine();
        Application->Initialize();
        Application->SetTitle("Тарамел");
        // Each form reports an error of its creation handler itself and
        // start-up goes on with the next one.
        Application->CreateForm<TForm1>();
        Application->CreateForm<TForm2>();
        Application->CreateForm<TForm3>();
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
