// The start-up step that switches the skin on: a skin "Topaz" beside the
// program is found, read and announced; without one the program stays
// unskinned and says nothing.
#include <gtest/gtest.h>

#include <memory>

#include "skin/SkinFiles_win.h"
#include "skin/sSkinManager_win.h"
#include "tests/framework/TestSupport.h"
#include "tests/skin_manager/Recorder.h"
#include "tests/skin_manager/SkinFolders.h"
#include "windows/acDials_win.h"

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

TEST(StartUp, TopazBesideTheProgramIsFoundReadAndAnnounced)
{
    const std::string beside = Win32SkinFileSystem().ExeFolder() + "Topaz";
    ASSERT_FALSE(Win32SkinFileSystem().DirectoryExists(beside)) << "left over from an earlier run: " << beside;
    CreateDirectoryA(beside.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((ManagerFixtures() + "\\Topaz\\Options.dat").c_str(), (beside + "\\Options.dat").c_str(),
                          FALSE));
    ReportCatcher reports;
    std::unique_ptr<TForm> form(NewForm());
    TCommandLog log;
    log.Watch(form.get(), "form", false);
    auto manager = LayoutManager();
    ActivateSkinBesideProgram(*manager, "Topaz");
    DeleteFileA((beside + "\\Options.dat").c_str());
    RemoveDirectoryA(beside.c_str());

    EXPECT_TRUE(manager->Active());
    EXPECT_EQ(manager->SkinInfo(), "6.5");
    // The folder is the executable's (ending with "\\") joined to the name
    // with one more separator, as the skin lookup writes it.
    EXPECT_EQ(manager->SkinData().SkinPath, Win32SkinFileSystem().ExeFolder() + "\\Topaz\\");
    EXPECT_EQ(log.CodesOf("form"), (std::vector<std::uint16_t>{CMD_NEW_SKIN, CMD_ANIMATION_DONE, CMD_REPAINT}));
    EXPECT_TRUE(DialogHookInstalled());
    EXPECT_TRUE(reports.reports.empty());
}

TEST(StartUp, NoSkinBesideTheProgramStaysUnskinnedInSilence)
{
    ASSERT_FALSE(Win32SkinFileSystem().DirectoryExists(Win32SkinFileSystem().ExeFolder() + "Topaz"));
    ReportCatcher reports;
    std::unique_ptr<TForm> form(NewForm());
    TCommandLog log;
    log.Watch(form.get(), "form", false);
    auto manager = LayoutManager();
    ActivateSkinBesideProgram(*manager, "Topaz");
    EXPECT_FALSE(manager->Active());
    EXPECT_EQ(manager->SkinInfo(), "N/A");
    EXPECT_EQ(log.CodesOf("form"), std::vector<std::uint16_t>{CMD_REMOVE_SKIN});
    EXPECT_FALSE(DialogHookInstalled());
    EXPECT_TRUE(reports.reports.empty());
}

}  // namespace
}  // namespace taramel
