// The installer's pages driven as a user clicks through them: a folder the
// user may not write is refused on the folder page with a message that says
// why, in Russian, and the installer stays on that page.
#include "installer/tests/Paths.h"
#include "installer/tests/Processes.h"
#include "installer/tests/Registry.h"
#include "installer/tests/Text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace taramel::installer_test {
namespace {

constexpr int kNextButton = 1;

struct ProcessWindows {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto* windows = reinterpret_cast<ProcessWindows*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == windows->process && IsWindowVisible(window))
        windows->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK AppendText(HWND child, LPARAM param)
{
    wchar_t text[1024] = {};
    GetWindowTextW(child, text, 1024);
    *reinterpret_cast<std::wstring*>(param) += std::wstring(text) + L"\n";
    return TRUE;
}

// What a window and all its controls say.
std::wstring AllText(HWND window)
{
    std::wstring text;
    AppendText(window, reinterpret_cast<LPARAM>(&text));
    EnumChildWindows(window, AppendText, reinterpret_cast<LPARAM>(&text));
    return text;
}

std::vector<HWND> TopWindowsOf(DWORD process)
{
    ProcessWindows windows{process, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows.found;
}

TEST(InstallerPages, FolderTheUserMayNotWriteIsRefusedWithAMessageThatSaysWhy)
{
    const std::wstring folder = L"Z:\\sys\\kernel";
    const std::wstring refusal = L"нет права записи";
    RunningProcess setup(L"\"" + InstallerToRun() + L"\" /D=" + folder);
    ASSERT_TRUE(setup.Started());

    // Next on every page (welcome, components, folder) until the message comes.
    HWND message = nullptr;
    std::wstring said;
    for (int click = 0; click < 10 && message == nullptr && setup.Running(); ++click) {
        for (int wait = 0; wait < 30 && message == nullptr; ++wait) {
            Sleep(100);
            for (HWND w : TopWindowsOf(setup.Id())) {
                const std::wstring text = AllText(w);
                if (text.find(refusal) != std::wstring::npos) {
                    message = w;
                    said = text;
                }
            }
        }
        if (message != nullptr)
            break;
        for (HWND w : TopWindowsOf(setup.Id()))
            if (HWND next = GetDlgItem(w, kNextButton); next != nullptr && IsWindowEnabled(next))
                PostMessageW(w, WM_COMMAND, MAKEWPARAM(kNextButton, BN_CLICKED), reinterpret_cast<LPARAM>(next));
    }
    ASSERT_NE(message, nullptr) << "no message refusing the folder";
    EXPECT_NE(said.find(folder), std::wstring::npos) << Narrow(said);
    EXPECT_NE(said.find(L"Выберите папку"), std::wstring::npos) << Narrow(said);

    PostMessageW(message, WM_COMMAND, IDOK, 0);
    Sleep(1000);
    // Still there, on the folder page, with nothing installed.
    EXPECT_TRUE(setup.Running());
    EXPECT_FALSE(UninstallKeyExists());
    EXPECT_FALSE(GetFileAttributesW(StartMenuShortcut().c_str()) != INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace taramel::installer_test
