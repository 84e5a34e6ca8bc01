// The installer under wine, in a prefix of its own made fresh for these
// tests: what a silent install puts where, the installed program started by
// its shortcut, an install over an earlier one, the uninstaller, and folders
// the user may not write.
#include "installer/tests/Files.h"
#include "installer/tests/Paths.h"
#include "installer/tests/Processes.h"
#include "installer/tests/Registry.h"
#include "installer/tests/Shortcut.h"
#include "installer/tests/StartedProgram.h"
#include "installer/tests/Text.h"

#include "TaramelVersion.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cctype>
#include <set>
#include <string>

namespace taramel::installer_test {
namespace {

const std::set<std::wstring> kInstalledNames = {L"Taramel.exe", L"Topaz.asz", L"test.txt", L"Uninstall.exe"};

std::wstring Quoted(const std::wstring& s) { return L"\"" + s + L"\""; }

// Where a test puts a file in place of the install folder.
std::wstring FileInPlaceOfTheFolder() { return KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\not-a-folder"; }

// Same case-insensitive comparison Windows makes of paths.
bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

class Installer : public testing::Test {
protected:
    // Every test starts with nothing of ours in the prefix.
    void SetUp() override { RemoveEverythingOurs(); }
    void TearDown() override { RemoveEverythingOurs(); }

    static void RemoveEverythingOurs()
    {
        RemoveTree(DefaultInstallFolder());
        RemoveUninstallKey();
        DeleteFileW(StartMenuShortcut().c_str());
        DeleteFileW(DesktopShortcut().c_str());
        DeleteFileW(FileInPlaceOfTheFolder().c_str());
    }

    static RunResult Install(const std::wstring& options = L"/S")
    {
        return RunToEnd(Quoted(InstallerToRun()) + L" " + options);
    }
    static void InstallSilently(const std::wstring& options = L"")
    {
        const RunResult r = Install(L"/S" + (options.empty() ? L"" : L" " + options));
        ASSERT_TRUE(r.started) << "cannot start " << Narrow(InstallerToRun());
        ASSERT_TRUE(r.ended);
        ASSERT_EQ(r.exitCode, 0u);
    }
    // The quiet uninstall command Windows would run, read from the key.
    static void UninstallSilently()
    {
        const auto command = UninstallText(L"QuietUninstallString");
        ASSERT_TRUE(command.has_value());
        const RunResult r = RunToEnd(*command);
        ASSERT_TRUE(r.started) << Narrow(*command);
        ASSERT_TRUE(r.ended);
        ASSERT_EQ(r.exitCode, 0u);
    }
    static std::wstring Installed(const wchar_t* name) { return DefaultInstallFolder() + L"\\" + name; }
    static std::string Shipped(const wchar_t* name) { return ReadBytes(Program64() + L"\\" + name).value_or(""); }
};

TEST_F(Installer, SilentInstallPutsProgramSkinAndDeckInTheUsersProgramsFolder)
{
    InstallSilently();
    EXPECT_EQ(FolderNames(DefaultInstallFolder()), kInstalledNames);
    // The 64-bit program on 64-bit Windows; the skin and the deck as shipped.
    for (const wchar_t* name : {L"Taramel.exe", L"Topaz.asz", L"test.txt"}) {
        const auto installed = ReadBytes(Installed(name));
        ASSERT_TRUE(installed.has_value()) << Narrow(name);
        EXPECT_TRUE(*installed == Shipped(name)) << Narrow(name) << " differs from the ready folder's";
    }
}

TEST_F(Installer, StartMenuShortcutStartsTheProgramInItsFolderWithItsIcon)
{
    InstallSilently();
    const auto link = ReadShortcut(StartMenuShortcut());
    ASSERT_TRUE(link.has_value()) << "no shortcut " << Narrow(StartMenuShortcut());
    EXPECT_TRUE(SamePath(link->target, Installed(L"Taramel.exe"))) << Narrow(link->target);
    EXPECT_EQ(link->arguments, L"");
    // The deck is read from the working folder.
    EXPECT_TRUE(SamePath(link->workingFolder, DefaultInstallFolder())) << Narrow(link->workingFolder);
    EXPECT_TRUE(SamePath(link->iconFile, Installed(L"Taramel.exe"))) << Narrow(link->iconFile);
    EXPECT_EQ(link->iconIndex, 0);
    // The desktop shortcut is off unless asked for.
    EXPECT_FALSE(IsFile(DesktopShortcut()));
}

TEST_F(Installer, UninstallKeyTellsNameIconVersionPublisherSizeAndCommands)
{
    InstallSilently();
    const std::wstring folder = DefaultInstallFolder();
    const std::wstring uninstaller = Quoted(folder + L"\\Uninstall.exe");
    struct Text {
        const wchar_t* name;
        std::wstring value;
    };
    const Text texts[] = {
        {L"DisplayName", L"Тарамел"},
        {L"DisplayIcon", folder + L"\\Taramel.exe,0"},
        {L"DisplayVersion", Widen(TARAMEL_VERSION_TEXT)},
        {L"Publisher", L"Тарамел"},
        {L"InstallLocation", folder},
        {L"UninstallString", uninstaller},
        {L"QuietUninstallString", uninstaller + L" /S"},
    };
    for (const Text& t : texts) {
        const auto value = UninstallText(t.name);
        ASSERT_TRUE(value.has_value()) << Narrow(t.name);
        EXPECT_EQ(*value, t.value) << Narrow(t.name);
    }
    EXPECT_EQ(UninstallNumber(L"NoModify"), 1ul);
    EXPECT_EQ(UninstallNumber(L"NoRepair"), 1ul);
    // In kilobytes: at least the program, the skin and the deck.
    unsigned long long bytes = 0;
    for (const wchar_t* name : {L"Taramel.exe", L"Topaz.asz", L"test.txt"})
        bytes += Shipped(name).size();
    const auto size = UninstallNumber(L"EstimatedSize");
    ASSERT_TRUE(size.has_value());
    EXPECT_GE(*size, bytes / 1024);
    EXPECT_LE(*size, bytes / 1024 + 1024);
}

TEST_F(Installer, ShortcutStartsTheSkinnedMainWindowWhichShowsTheDecksFirstCard)
{
    InstallSilently();
    const auto link = ReadShortcut(StartMenuShortcut());
    ASSERT_TRUE(link.has_value());
    const ProgramRun run = RunProgramOnce({link->target, link->arguments, link->workingFolder},
                                          Pictures() + L"\\installed-main-window.bmp");
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.skinnedPaint) << "no skinned paint: the skin beside the program was not found";
    ASSERT_TRUE(run.mainWindowFound);
    EXPECT_TRUE(run.frameShaped) << "the frame is not the skin's";
    EXPECT_TRUE(run.endedOnClose);
    // Closed after showing a card of the deck, the program notes where the
    // student stopped beside itself: the first card. With no deck in its
    // working folder it would show none and note nothing.
    const std::wstring settings = Installed(L"Option.ini");
    ASSERT_TRUE(IsFile(settings)) << "the program shows no card, or cannot write beside itself";
    EXPECT_EQ(GetPrivateProfileIntW(L"Option", L"index", -1, settings.c_str()), 0);
}

TEST_F(Installer, DesktopShortcutWhenAskedKeptByReinstallAndRemovedByUninstall)
{
    InstallSilently(L"/DESKTOP");
    const auto link = ReadShortcut(DesktopShortcut());
    ASSERT_TRUE(link.has_value());
    EXPECT_TRUE(SamePath(link->target, Installed(L"Taramel.exe")));
    EXPECT_TRUE(SamePath(link->workingFolder, DefaultInstallFolder()));
    InstallSilently();
    EXPECT_TRUE(IsFile(DesktopShortcut())) << "a reinstall dropped the shortcut the user chose";
    UninstallSilently();
    EXPECT_FALSE(IsFile(DesktopShortcut()));
}

TEST_F(Installer, InstallOverAnEarlierOneKeepsChangedSettingsAndDeckAndReplacesProgramAndSkin)
{
    InstallSilently();
    const std::string settings = "[Option]\r\nindex=42\r\nrandom=0\r\ntimer=1\r\ninterval=7\r\n";
    const std::string deck = Shipped(L"test.txt") + "Мой вопрос?\r\nМой ответ.\r\n";
    WriteBytes(Installed(L"Option.ini"), settings);
    WriteBytes(Installed(L"test.txt"), deck);
    // An earlier version's program and skin.
    WriteBytes(Installed(L"Taramel.exe"), "an earlier program");
    WriteBytes(Installed(L"Topaz.asz"), "an earlier skin");

    InstallSilently();
    EXPECT_EQ(ReadBytes(Installed(L"Option.ini")), settings);
    EXPECT_EQ(ReadBytes(Installed(L"test.txt")), deck);
    EXPECT_TRUE(ReadBytes(Installed(L"Taramel.exe")) == Shipped(L"Taramel.exe"));
    EXPECT_TRUE(ReadBytes(Installed(L"Topaz.asz")) == Shipped(L"Topaz.asz"));
}

TEST_F(Installer, SilentUninstallLeavesNothingOfOursButKeepsTheChangedDeckAndSettings)
{
    InstallSilently();
    const std::string deck = "Мой вопрос?\r\nМой ответ.\r\n";
    const std::string settings = "[Option]\r\nindex=2\r\n";
    WriteBytes(Installed(L"test.txt"), deck);
    WriteBytes(Installed(L"Option.ini"), settings);
    UninstallSilently();
    EXPECT_EQ(FolderNames(DefaultInstallFolder()), (std::set<std::wstring>{L"Option.ini", L"test.txt"}));
    EXPECT_EQ(ReadBytes(Installed(L"test.txt")), deck);
    EXPECT_EQ(ReadBytes(Installed(L"Option.ini")), settings);
    EXPECT_FALSE(IsFile(StartMenuShortcut()));
    EXPECT_FALSE(UninstallKeyExists());
}

TEST_F(Installer, UninstallRemovesTheShippedDeckEvenAfterAReinstall)
{
    InstallSilently();
    InstallSilently();
    UninstallSilently();
    EXPECT_FALSE(IsFolder(DefaultInstallFolder())) << "left: " << FolderNames(DefaultInstallFolder()).size()
                                                   << " files";
    EXPECT_FALSE(IsFile(StartMenuShortcut()));
    EXPECT_FALSE(UninstallKeyExists());
}

// Folders the user may not write. Wine runs as the Unix user and does not
// model Windows' access lists; a folder of sysfs refuses every new file even
// to the machine's administrator, so it stands for one.
struct Unwritable {
    const char* what;
    std::wstring (*folder)();
};

class RefusedFolder : public Installer, public testing::WithParamInterface<Unwritable> {};

TEST_P(RefusedFolder, SilentInstallFailsAndChangesNothing)
{
    const std::wstring folder = GetParam().folder();
    // The premise: nothing can be made there.
    const std::wstring probe = folder + L"\\probe.tmp";
    HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        DeleteFileW(probe.c_str());
        FAIL() << "wine lets this user write in " << Narrow(folder);
    }
    const bool wasFolder = IsFolder(folder);
    const auto wasFile = ReadBytes(folder);

    const RunResult r = Install(L"/S /D=" + folder);
    ASSERT_TRUE(r.started);
    ASSERT_TRUE(r.ended);
    EXPECT_NE(r.exitCode, 0u);
    EXPECT_FALSE(UninstallKeyExists());
    EXPECT_FALSE(IsFile(StartMenuShortcut()));
    EXPECT_EQ(IsFolder(folder), wasFolder);
    EXPECT_EQ(ReadBytes(folder), wasFile);
}

std::wstring MadeFileInPlaceOfTheFolder()
{
    WriteBytes(FileInPlaceOfTheFolder(), "a file stands where the folder would be");
    return FileInPlaceOfTheFolder();
}

INSTANTIATE_TEST_SUITE_P(
    Unwritable, RefusedFolder,
    testing::Values(Unwritable{"an existing folder", [] { return std::wstring(L"Z:\\sys\\kernel"); }},
                    Unwritable{"a new folder inside one", [] { return std::wstring(L"Z:\\sys\\kernel\\Taramel"); }},
                    Unwritable{"a file in its place", MadeFileInPlaceOfTheFolder}),
    [](const testing::TestParamInfo<Unwritable>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

}  // namespace
}  // namespace taramel::installer_test
