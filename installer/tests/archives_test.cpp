// The release archives as a user unpacks them (the build's fixture unpacks
// them before these tests): one folder, Taramel, holding the ready program
// folder and the README, and the 64-bit one runs from where it was unpacked.
#include "installer/tests/Files.h"
#include "installer/tests/Paths.h"
#include "installer/tests/StartedProgram.h"
#include "installer/tests/Text.h"

#include "TaramelVersion.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

namespace taramel::installer_test {
namespace {

struct Archive {
    const char* name;           // what the build's fixture unpacked it into
    std::wstring (*readyFolder)();
    WORD machine;               // of Taramel.exe
};

// The machine a Windows program is built for, from its PE header.
WORD MachineOf(const std::string& exe)
{
    if (exe.size() < 0x40 || exe.compare(0, 2, "MZ") != 0)
        return 0;
    const std::uint32_t pe = static_cast<std::uint8_t>(exe[0x3C]) | static_cast<std::uint8_t>(exe[0x3D]) << 8 |
                             static_cast<std::uint8_t>(exe[0x3E]) << 16 |
                             static_cast<std::uint32_t>(static_cast<std::uint8_t>(exe[0x3F])) << 24;
    if (exe.size() < pe + 6 || exe.compare(pe, 4, std::string("PE\0\0", 4)) != 0)
        return 0;
    return static_cast<WORD>(static_cast<std::uint8_t>(exe[pe + 4]) | static_cast<std::uint8_t>(exe[pe + 5]) << 8);
}

std::wstring UnpackedFolder(const Archive& a) { return Unpacked() + L"\\" + Widen(a.name); }

class Archives : public testing::TestWithParam<Archive> {};

TEST_P(Archives, HoldOneFolderWithTheReadyProgramFolderAndTheReadme)
{
    const std::wstring root = UnpackedFolder(GetParam());
    EXPECT_EQ(FolderNames(root), std::set<std::wstring>{L"Taramel"});
    const std::wstring folder = root + L"\\Taramel";
    EXPECT_EQ(FolderNames(folder), (std::set<std::wstring>{L"Taramel.exe", L"Topaz.asz", L"test.txt", L"README.txt"}));
    for (const wchar_t* name : {L"Taramel.exe", L"Topaz.asz", L"test.txt"}) {
        const auto unpacked = ReadBytes(folder + L"\\" + name);
        ASSERT_TRUE(unpacked.has_value()) << Narrow(name);
        EXPECT_TRUE(*unpacked == ReadBytes(GetParam().readyFolder() + L"\\" + name))
            << Narrow(name) << " differs from the ready folder's";
    }
    EXPECT_EQ(MachineOf(ReadBytes(folder + L"\\Taramel.exe").value_or("")), GetParam().machine);
}

TEST_P(Archives, ReadmeIsRussianTextForNotepadWithTheVersion)
{
    const std::string readme = ReadBytes(UnpackedFolder(GetParam()) + L"\\Taramel\\README.txt").value_or("");
    ASSERT_TRUE(readme.starts_with("\xEF\xBB\xBF")) << "no UTF-8 mark: Notepad of Windows 7 would guess";
    for (std::size_t i = 0; (i = readme.find('\n', i + 1)) != std::string::npos;)
        ASSERT_EQ(readme[i - 1], '\r') << "a line without CR at byte " << i;
    // How to start, where the settings go, how to use one's own deck in which encodings.
    for (const char* words : {"Тарамел " TARAMEL_VERSION_TEXT, "Taramel.exe", "Option.ini", "test.txt",
                              "Windows-1251", "UTF-8", "UTF-16"})
        EXPECT_NE(readme.find(words), std::string::npos) << words;
}

INSTANTIATE_TEST_SUITE_P(Release, Archives,
                         testing::Values(Archive{"win64", Program64, IMAGE_FILE_MACHINE_AMD64},
                                         Archive{"win32", Program32, IMAGE_FILE_MACHINE_I386}),
                         [](const testing::TestParamInfo<Archive>& info) { return std::string(info.param.name); });

TEST(Archive64, RunsFromWhereItWasUnpacked)
{
    const std::wstring folder = Unpacked() + L"\\win64\\Taramel";
    DeleteFileW((folder + L"\\Option.ini").c_str());
    const ProgramRun run =
        RunProgramOnce({folder + L"\\Taramel.exe", L"", folder}, Pictures() + L"\\unpacked-main-window.bmp");
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.skinnedPaint);
    ASSERT_TRUE(run.mainWindowFound);
    EXPECT_TRUE(run.frameShaped);
    EXPECT_TRUE(run.endedOnClose);
    EXPECT_EQ(GetPrivateProfileIntW(L"Option", L"index", -1, (folder + L"\\Option.ini").c_str()), 0)
        << "the program showed no card of the deck beside it, or could not write there";
    DeleteFileW((folder + L"\\Option.ini").c_str());
}

}  // namespace
}  // namespace taramel::installer_test
