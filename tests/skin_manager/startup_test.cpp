// The start-up step that switches the skin on: a skin "Topaz" beside the
// program is found, read and announced; without one the program stays
// unskinned and says nothing.
#include <gtest/gtest.h>

#include <memory>

#include "skin/SkinFiles_win.h"
#include "engine/SkinManager_win.h"
#include "tests/framework/TestSupport.h"
#include "tests/skin_manager/Recorder.h"
#include "tests/skin_manager/SkinFolders.h"
#include "windows/WindowHook.h"

namespace taramel {
namespace {

using namespace testing_support;

// The layout's inactive manager, as the main window stores it.
std::unique_ptr<TsSkinManager> LayoutManager()
{
    auto manager = std::make_unique<TsSkinManager>(nullptr);
    manager->BeginLoading();
    manager->SetActive(false);
    manager->SetSkinDirectory("D:\\Design\\Skins");
    manager->SetSkinName("Topaz");
    manager->EndLoading();
    return manager;
}

// A plain form watched for skin commands, and the layout's manager.
class StartUp : public ::testing::Test {
protected:
    void SetUp() override { log.Watch(form.get(), "form", false); }

    ReportCatcher reports;
    std::unique_ptr<TForm> form{NewForm()};
    TCommandLog log;
    std::unique_ptr<TsSkinManager> manager = LayoutManager();
};

TEST_F(StartUp, TopazBesideTheProgramIsFoundReadAndAnnounced)
{
    TTopazBesideProgram topaz;
    ActivateSkinBesideProgram(*manager, "Topaz");
    topaz.Remove();

    EXPECT_TRUE(manager->Active());
    EXPECT_EQ(manager->SkinInfo(), "6.5");
    // The folder is the executable's (ending with "\\") joined to the name
    // with one more separator, as the skin lookup writes it.
    EXPECT_EQ(manager->SkinData().SkinPath, Win32SkinFileSystem().ExeFolder() + "\\Topaz\\");
    EXPECT_EQ(log.CodesOf("form"), (std::vector<std::uint16_t>{CMD_NEW_SKIN, CMD_ANIMATION_DONE, CMD_REPAINT}));
    EXPECT_TRUE(DialogHookInstalled());
    EXPECT_TRUE(reports.reports.empty());
}

TEST_F(StartUp, NoSkinBesideTheProgramStaysUnskinnedInSilence)
{
    ASSERT_FALSE(Win32SkinFileSystem().DirectoryExists(Win32SkinFileSystem().ExeFolder() + "Topaz"));
    ActivateSkinBesideProgram(*manager, "Topaz");
    EXPECT_FALSE(manager->Active());
    EXPECT_EQ(manager->SkinInfo(), "N/A");
    EXPECT_EQ(log.CodesOf("form"), std::vector<std::uint16_t>{CMD_REMOVE_SKIN});
    EXPECT_FALSE(DialogHookInstalled());
    EXPECT_TRUE(reports.reports.empty());
}

}  // namespace
}  // namespace taramel
