// The kernel32 file system that the program uses on Windows.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "base/Exception.h"
#include "skin/SkinFiles_win.h"
#include "skin/SkinPlace.h"
#include "skin/StoredSkins.h"

namespace taramel {
namespace {

namespace fs = std::filesystem;

class Win32Files : public ::testing::Test {
protected:
    void SetUp() override
    {
        work = fs::temp_directory_path() / "taramel-win32-files";
        fs::remove_all(work);
        fs::create_directories(work / "Topaz");
        std::ofstream(work / "Topaz" / "Options.dat", std::ios::binary) << "[GLOBALINFO]\r\n";
        std::ofstream(work / "Autumn.Dark.asz", std::ios::binary) << "ASzf";
        std::ofstream(work / "Hidden.asz", std::ios::binary) << "ASzf";
        SetFileAttributesA((Dir() + "\\Hidden.asz").c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
    void TearDown() override
    {
        SetFileAttributesA((Dir() + "\\Hidden.asz").c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(work);
    }
    std::string Dir() const { return work.string(); }
    fs::path work;
    TWin32FileSystem& files = Win32SkinFileSystem();
};

TEST_F(Win32Files, ExistenceAndReading)
{
    EXPECT_TRUE(files.FileExists(Dir() + "\\Topaz\\Options.dat"));
    EXPECT_TRUE(files.FileExists(Dir() + "\\\\Topaz\\Options.dat"));  // a doubled separator is one
    EXPECT_FALSE(files.FileExists(Dir() + "\\Topaz"));
    EXPECT_TRUE(files.DirectoryExists(Dir() + "\\Topaz"));
    EXPECT_TRUE(files.DirectoryExists(Dir() + "\\Topaz\\"));
    EXPECT_FALSE(files.DirectoryExists(Dir() + "\\Topaz\\Options.dat"));
    EXPECT_FALSE(files.FileExists(""));
    const auto data = files.ReadFile(Dir() + "\\Topaz\\Options.dat");
    EXPECT_EQ(std::string(data.begin(), data.end()), "[GLOBALINFO]\r\n");
    EXPECT_THROW(files.ReadFile(Dir() + "\\Missing.dat"), Exception);
    const std::string exe = files.ExeFolder();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe.back(), '\\');
    EXPECT_TRUE(files.FileExists(exe + "test_skin.exe"));
}

TEST_F(Win32Files, ListingMarksFoldersAndHiddenEntries)
{
    auto entries = files.ListFolder(Dir());
    std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.Name < b.Name; });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Name, "Autumn.Dark.asz");
    EXPECT_FALSE(entries[0].IsFolder);
    EXPECT_FALSE(entries[0].HiddenOrSystem);
    EXPECT_EQ(entries[1].Name, "Hidden.asz");
    EXPECT_TRUE(entries[1].HiddenOrSystem);
    EXPECT_EQ(entries[2].Name, "Topaz");
    EXPECT_TRUE(entries[2].IsFolder);
    EXPECT_TRUE(files.ListFolder(Dir() + "\\Nowhere").empty());

    const TSkinList list = ListSkins(Dir(), TSkinListMode::Both, TsStoredSkins{}, files);
    EXPECT_EQ(list.Names, (std::vector<std::string>{"Autumn", "Topaz"}));
}

}  // namespace
}  // namespace taramel

#endif
