// The main of the Win32 test programs whose tests drive real windows with the
// skinning engine: on the one GUI thread, after the engine's own start-up in
// the program's order.
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "windows/WindowHook.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    taramel::InitializeWindowSkinning();
    taramel::InitializeSkinEngine();
    taramel::Application->Initialize();
    taramel::Application->SetTitle("Тарамел");
    return RUN_ALL_TESTS();
}
