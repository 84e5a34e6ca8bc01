// The virtual desktop's own process starts with the first window made on it,
// as a child of whoever makes that window. These tests make one before any
// installer runs, or the desktop would start inside the installer's job and
// the job would never end.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

class DesktopFirst : public testing::Environment {
public:
    void SetUp() override
    {
        HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        if (window != nullptr)
            DestroyWindow(window);
    }
};

const testing::Environment* const kDesktopFirst = testing::AddGlobalTestEnvironment(new DesktopFirst);

}  // namespace
