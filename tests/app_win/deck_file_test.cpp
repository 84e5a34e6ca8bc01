#include <gtest/gtest.h>

#include <windows.h>

#include "app/CardNavigation.h"
#include "app/Deck.h"
#include "app/DeckFile_win.h"
#include "base/Exception.h"
#include "tests/app_win/TempFolder.h"

namespace taramel {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

// Runs a test body with the current folder switched to dir.
class InFolder {
public:
    explicit InFolder(const std::string& dir)
    {
        GetCurrentDirectoryW(MAX_PATH, saved_);
        SetCurrentDirectoryA(dir.c_str());
    }
    ~InFolder() { SetCurrentDirectoryW(saved_); }

private:
    wchar_t saved_[MAX_PATH];
};

std::string OpenError(const std::wstring& name)
{
    try {
        ReadDeckFile(name);
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

TEST(DeckFile, ReadsTheWholeFileFromTheCurrentFolder)
{
    TempFolder dir;
    std::string bytes = "\xC2\xEE\xEF\xF0\xEE\xF1\r\n\xCE\xF2\xE2\xE5\xF2\r\n";
    bytes += std::string(70000, 'x');  // more than one read
    WriteFileBytes(dir.Path() + "test.txt", bytes);
    InFolder cd(dir.Path());
    EXPECT_EQ(ReadDeckFile(kDeckFileName), bytes);
    TDeck deck;
    LoadDeck(deck, ReadDeckFile(kDeckFileName));
    EXPECT_EQ(deck.Count(), 3);
    EXPECT_EQ(deck.ItemIndex(), 0);
    EXPECT_EQ(deck.Line(1), "\xCE\xF2\xE2\xE5\xF2");
}

TEST(DeckFile, MissingFileNamesTheFullPathAndTheSystemsReason)
{
    TempFolder dir;
    InFolder cd(dir.Path());
    const std::string message = OpenError(kDeckFileName);
    const std::string prefix = "Cannot open file \"" + dir.Path() + "test.txt\". ";
    ASSERT_EQ(message.substr(0, prefix.size()), prefix) << message;
    const std::string reason = message.substr(prefix.size());
    EXPECT_EQ(reason, SystemErrorText(ERROR_FILE_NOT_FOUND));
    ASSERT_FALSE(reason.empty());
    EXPECT_NE(reason.back(), '.');
    EXPECT_NE(reason.back(), '\n');
    EXPECT_NE(reason.back(), ' ');
}

TEST(DeckFile, FileOverTheLimitIsRefusedWithItsNameAndTheLimit)
{
    TempFolder dir;
    InFolder cd(dir.Path());
    // Sparse: the size is what counts, nothing is read.
    const std::string path = dir.Path() + "test.txt";
    for (const unsigned long long size : {kMaxDeckFileBytes + 1, 300ull << 20}) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER at;
        at.QuadPart = static_cast<LONGLONG>(size);
        SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
        EXPECT_EQ(OpenError(kDeckFileName),
                  "The deck file \"" + dir.Path() + "test.txt\" is larger than 8 MB, the most that is read");
    }
    // At the limit it is still read.
    WriteFileBytes(path, std::string(kMaxDeckFileBytes, '\n'));
    EXPECT_EQ(ReadDeckFile(kDeckFileName).size(), kMaxDeckFileBytes);
}

TEST(DeckFile, FileLockedForWritingCannotBeOpened)
{
    TempFolder dir;
    const std::string path = dir.Path() + "test.txt";
    WriteFileBytes(path, "q\r\na\r\n");
    // Another program holds it open for writing and lets others read: the
    // deck refuses to share it with a writer.
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    InFolder cd(dir.Path());
    const std::string message = OpenError(kDeckFileName);
    CloseHandle(writer);
    EXPECT_EQ(message.rfind("Cannot open file \"" + path + "\". ", 0), 0u) << message;
    EXPECT_EQ(ReadDeckFile(kDeckFileName), "q\r\na\r\n");
}

TEST(DeckFile, SystemErrorTextIsTrimmed)
{
    for (DWORD code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}) {
        const std::string text = SystemErrorText(code);
        ASSERT_FALSE(text.empty()) << code;
        const char last = text.back();
        EXPECT_TRUE(last != '.' && last != ' ' && last != '\r' && last != '\n') << text;
    }
}

}  // namespace
}  // namespace taramel
