// The skin manager's tests drive real windows on the one GUI thread, after
// the engine's own start-up; no report or version message may block.
#include "framework/Application.h"
#include "engine/SkinManager_win.h"
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
