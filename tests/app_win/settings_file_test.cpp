#include <gtest/gtest.h>

#include <windows.h>

#include "app/SettingsFile_win.h"
#include "app/SettingsValues.h"
#include "base/Exception.h"
#include "tests/app_win/TempFolder.h"

namespace taramel {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

TEST(SettingsFile, MissingFileGivesEveryDefault)
{
    TempFolder dir;
    const TSettingsFile settings(dir.Path() + "Option.ini");
    EXPECT_EQ(settings.ReadInteger(kKeyIndex, 0), 0);
    EXPECT_EQ(settings.ReadInteger(kKeyInterval, 1), 1);
    EXPECT_TRUE(settings.ReadBool(kKeyRandom, true));
    EXPECT_FALSE(settings.ReadBool(kKeyTimer, false));
}

TEST(SettingsFile, WriteCreatesFileAndSectionInTheOrderWritten)
{
    TempFolder dir;
    const TSettingsFile settings(dir.Path() + "Option.ini");
    settings.WriteBool(kKeyRandom, false);
    settings.WriteBool(kKeyTimer, true);
    settings.WriteInteger(kKeyInterval, 15);
    settings.WriteInteger(kKeyIndex, -1);
    const std::string text = ReadFileBytes(settings.Path());
    EXPECT_EQ(text, "[Option]\r\nRandom=0\r\nTimer=1\r\ninterval=15\r\nindex=-1\r\n");
    EXPECT_FALSE(settings.ReadBool(kKeyRandom, true));
    EXPECT_TRUE(settings.ReadBool(kKeyTimer, false));
    EXPECT_EQ(settings.ReadInteger(kKeyInterval, 1), 15);
    EXPECT_EQ(settings.ReadInteger(kKeyIndex, 0), -1);
}

TEST(SettingsFile, ReadSeesTheFilesCurrentContent)
{
    TempFolder dir;
    const TSettingsFile settings(dir.Path() + "Option.ini");
    settings.WriteInteger(kKeyInterval, 3);
    EXPECT_EQ(settings.ReadInteger(kKeyInterval, 1), 3);
    WriteFileBytes(settings.Path(), "[option]\r\nINTERVAL=   15\r\nRandom=0x0\r\nTimer=2\r\nindex=15s\r\n");
    EXPECT_EQ(settings.ReadInteger(kKeyInterval, 1), 15);
    EXPECT_FALSE(settings.ReadBool(kKeyRandom, true));
    EXPECT_TRUE(settings.ReadBool(kKeyTimer, false));
    EXPECT_EQ(settings.ReadInteger(kKeyIndex, 0), 0);
    WriteFileBytes(settings.Path(), "[Option]\r\nRandom=yes\r\n");
    EXPECT_TRUE(settings.ReadBool(kKeyRandom, true));
    EXPECT_EQ(settings.ReadInteger(kKeyInterval, 1), 1);
}

TEST(SettingsFile, RefusedWriteRaisesTheMessageWithTheFullPath)
{
    TempFolder dir;
    // A folder where the file should be: the system refuses the write even
    // to an administrator, unlike a read-only attribute.
    const std::string path = dir.Path() + "Option.ini";
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    const TSettingsFile settings(path);
    try {
        settings.WriteInteger(kKeyIndex, 4);
        FAIL() << "the write was not refused";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + path);
    }
}

TEST(SettingsFile, BesideExecutableIsInTheProgramsFolder)
{
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string expected = ExecutableFolder(module) + "Option.ini";
    EXPECT_EQ(TSettingsFile::BesideExecutable().Path(), expected);
}

}  // namespace
}  // namespace taramel
