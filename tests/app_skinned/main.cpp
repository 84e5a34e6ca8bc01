// The program's real windows with a skin on: the engine's own start-up
// comes first, as the program's does.
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
