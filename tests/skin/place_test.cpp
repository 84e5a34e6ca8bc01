#include <gtest/gtest.h>

#include "skin/SkinFiles.h"
#include "skin/SkinPlace.h"
#include "skin/StoredSkins.h"
#include "skin/PackedSkin.h"
#include "tests/skin/package_fixtures.h"

namespace taramel {
namespace {

using test::BytesOf;

TEST(SkinPlace, NormalDir)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"C", "C:\\"},
        {"C:\\App\\", "C:\\App\\"},
        {"C:\\App/", "C:\\App\\"},
        {"C:\\App", "C:\\App\\"},
        {"Skins", "Skins\\"},
        {"/", "\\"},  // a lone separator is the root, not a drive letter
        {"\\", "\\"},
    };
    for (const auto& [dir, expected] : cases)
        EXPECT_EQ(NormalDir(dir), expected) << dir;
}

TEST(SkinPlace, ReadablePathWritesDoubledSeparatorsOnce)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"C:\\App\\\\Topaz\\Options.dat", "C:\\App\\Topaz\\Options.dat"},
        {"C:\\App\\\\\\Topaz\\\\", "C:\\App\\Topaz\\"},
        {"\\\\server\\share\\\\Topaz", "\\\\server\\share\\Topaz"},  // a network path keeps its pair
        {"\\\\\\server", "\\\\server"},
        {"C:\\Тарамел\\\\Topaz", "C:\\Тарамел\\Topaz"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(ReadablePath(path), expected) << path;
}

TEST(SkinPlace, Resolved)
{
    struct Case {
        const char* exe;
        const char* dir;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\App\\Bin\\", "..\\Skins", "C:\\App\\Skins"},
        {"C:\\App\\Bin\\", "..", "C:\\App\\"},
        {"C:\\App\\Bin\\", "..Skins", "C:\\App\\kins"},  // the first three characters always go
        {"C:\\App\\Bin\\", ".\\Skins", "C:\\App\\Bin\\Skins"},
        {"C:\\App\\Bin\\", "./Skins", "C:\\App\\Bin\\Skins"},
        {"C:\\App\\Bin\\", "Skins", "C:\\App\\Bin\\Skins"},
        {"C:\\App\\Bin\\", "Skins\\Dark\\", "C:\\App\\Bin\\Skins\\Dark\\"},
        {"C:\\App\\Bin\\", "", "C:\\App\\Bin\\"},
        {"C:\\App\\Bin\\", "C:\\App\\", "C:\\App\\"},
        {"C:\\App\\Bin\\", "D:", "D:"},
        {"C:\\App\\Bin\\", "\\\\server\\share", "\\\\server\\share"},
        {"C:\\App\\Bin\\", "\\Skins", "C:\\App\\Bin\\\\Skins"},
        // Above a drive's root there is nothing: the root stays.
        {"C:\\", "..\\Skins", "C:\\Skins"},
        {"C:\\", "..", "C:\\"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Resolved(c.dir, c.exe), c.expected) << c.exe << " + " << c.dir;
}

TEST(SkinPlace, LooksForThePackedFileThenTheFolder)
{
    TMemoryFileSystem files("C:\\App\\");
    const TSkinPlace place = ChooseSkinPlace("C:\\App\\", "Topaz", TsStoredSkins{}, files);
    EXPECT_EQ(place.Kind, TSkinPlaceKind::Missing);
    const std::vector<std::string> asked = {"file C:\\App\\Topaz.asz", "file C:\\App\\\\Topaz\\Options.dat"};
    EXPECT_EQ(files.Asked, asked);
    EXPECT_EQ(place.SkinPath, "");
}

TEST(SkinPlace, ThePackedFileWins)
{
    TMemoryFileSystem files("C:\\App\\");
    files.AddFile("C:\\App\\Topaz.asz", WritePackedSkin({{"Options.dat", BytesOf("packed")}}));
    files.AddFile("C:\\App\\Topaz\\Options.dat", "folder");
    const TSkinPlace place = ChooseSkinPlace("C:\\App\\", "Topaz", TsStoredSkins{}, files);
    EXPECT_EQ(place.Kind, TSkinPlaceKind::Packed);
    EXPECT_EQ(place.PackedFile, "C:\\App\\Topaz.asz");
    EXPECT_EQ(place.SkinPath, "C:\\App\\\\");
    const auto reader = OpenPackedSkin(place, TsStoredSkins{}, files);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->Options, BytesOf("packed"));
}

TEST(SkinPlace, FolderSkin)
{
    TMemoryFileSystem files("C:\\App\\");
    files.AddFile("C:\\App\\Topaz\\Options.dat", "folder");
    const TSkinPlace place = ChooseSkinPlace("C:\\App", "Topaz", TsStoredSkins{}, files);
    EXPECT_EQ(place.Kind, TSkinPlaceKind::Folder);
    EXPECT_EQ(place.OptionsFile, "C:\\App\\Topaz\\Options.dat");
    EXPECT_EQ(place.SkinPath, "C:\\App\\Topaz\\");
    EXPECT_EQ(OpenPackedSkin(place, TsStoredSkins{}, files), nullptr);
}

TEST(SkinPlace, RelativeFolderPackedFromTheCurrentFolderFolderFromTheProgramsFolder)
{
    TMemoryFileSystem files("C:\\App\\");
    files.AddFile("C:\\App\\Skins\\Topaz.asz", WritePackedSkin({{"Options.dat", BytesOf("p")}}));
    const TSkinPlace place = ChooseSkinPlace("Skins", "Topaz", TsStoredSkins{}, files);
    const std::vector<std::string> asked = {"file Skins\\Topaz.asz", "file C:\\App\\Skins\\Topaz\\Options.dat"};
    EXPECT_EQ(files.Asked, asked);
    EXPECT_EQ(place.Kind, TSkinPlaceKind::Missing);
}

TEST(SkinPlace, StoredSkins)
{
    TMemoryFileSystem files("C:\\App\\");
    TsStoredSkins stored;
    stored.Items.resize(2);
    stored.Items[0].Name = "First";
    stored.Items[1].Name = "Topaz";
    stored.Items[1].Data = WritePackedSkin({{"Options.dat", BytesOf("stored")}});

    TSkinPlace place = ChooseSkinPlace("C:\\App\\", "Topaz", stored, files);
    EXPECT_EQ(place.Kind, TSkinPlaceKind::Stored);
    EXPECT_EQ(place.StoredIndex, 1);
    EXPECT_EQ(place.SkinName, "Topaz");
    EXPECT_EQ(place.SkinPath, "");
    const auto reader = OpenPackedSkin(place, stored, files);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->Options, BytesOf("stored"));

    // Names compare with case: "topaz" is not there, so the first one serves.
    place = ChooseSkinPlace("C:\\App\\", "topaz", stored, files);
    EXPECT_EQ(place.StoredIndex, 0);
    EXPECT_EQ(place.SkinName, "First");
    EXPECT_EQ(OpenPackedSkin(place, stored, files), nullptr);  // held in collections
}

class SkinListing : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto packed = WritePackedSkin({{"Options.dat", BytesOf("x")}});
        files.AddFile("C:\\Skins\\Zeta.asz", packed);
        files.AddFile("C:\\Skins\\Autumn.Dark.asz", packed);
        files.AddFile("C:\\Skins\\Winter.ASZ", packed);
        files.AddFile("C:\\Skins\\.Dot.asz", packed);
        files.AddFile("C:\\Skins\\Secret.asz", packed);
        files.SetHidden("C:\\Skins\\Secret.asz", true);
        files.AddFile("C:\\Skins\\notes.txt", "x");
        files.AddFile("C:\\Skins\\Topaz\\Options.dat", "x");
        files.AddFile("C:\\Skins\\beta\\options.dat", "x");  // the file system ignores case
        files.AddFile("C:\\Skins\\Empty\\master.bmp", "x");
        files.AddFile("C:\\Skins\\Folder.asz\\Options.dat", "x");  // a folder, whatever its name
    }
    TMemoryFileSystem files{"C:\\App\\"};
};

TEST_F(SkinListing, ThreeModes)
{
    struct Case {
        TSkinListMode mode;
        std::vector<std::string> names;
        const char* first;
    };
    // The memory file system lists in upper-case key order: AUTUMN, BETA, EMPTY, FOLDER.ASZ, ...
    const Case cases[] = {
        {TSkinListMode::Folders, {"beta", "Folder.asz", "Topaz"}, "beta"},
        {TSkinListMode::Packed, {"Autumn", "Zeta"}, "Autumn"},
        {TSkinListMode::Both, {"Autumn", "beta", "Folder.asz", "Topaz", "Zeta"}, "Autumn"},
    };
    for (const Case& c : cases) {
        const TSkinList list = ListSkins("C:\\Skins", c.mode, TsStoredSkins{}, files);
        EXPECT_EQ(list.Names, c.names) << int(c.mode);
        EXPECT_EQ(list.First, c.first) << int(c.mode);
    }
}

TEST_F(SkinListing, StoredSkinsComeFirstAndNameTheFirst)
{
    TsStoredSkins stored;
    stored.Items.resize(2);
    stored.Items[0].Name = "Zulu";
    stored.Items[1].Name = "alpha";
    const TSkinList list = ListSkins("C:\\Skins", TSkinListMode::Packed, stored, files);
    const std::vector<std::string> names = {"alpha", "Autumn", "Zeta", "Zulu"};
    EXPECT_EQ(list.Names, names);
    EXPECT_EQ(list.First, "Zulu");
}

TEST_F(SkinListing, AMissingFolderListsOnlyStoredSkins)
{
    const TSkinList list = ListSkins("C:\\Nowhere", TSkinListMode::Both, TsStoredSkins{}, files);
    EXPECT_TRUE(list.Names.empty());
    EXPECT_EQ(list.First, "");
}

TEST(MemoryFileSystem, PathsCompareAsWindowsDoes)
{
    TMemoryFileSystem files;
    files.AddFile("C:\\App\\Topaz\\Options.dat", "x");
    const std::pair<const char*, bool> files_[] = {
        {"C:\\App\\Topaz\\Options.dat", true}, {"c:/app/topaz/OPTIONS.DAT", true},
        {"C:\\App\\\\Topaz\\Options.dat", true}, {"C:\\App\\Topaz", false}, {"C:\\App\\Topaz\\Options", false},
    };
    for (const auto& [path, exists] : files_)
        EXPECT_EQ(files.FileExists(path), exists) << path;
    EXPECT_TRUE(files.DirectoryExists("C:\\App\\Topaz\\"));
    EXPECT_FALSE(files.DirectoryExists("C:\\App\\Topaz\\Options.dat"));
    EXPECT_THROW(files.ReadFile("C:\\App\\Other.dat"), std::exception);
}

}  // namespace
}  // namespace taramel
