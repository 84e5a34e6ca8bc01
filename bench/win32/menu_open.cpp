// Opening the skinned window menu to its first complete paint, beside the
// system's own popup menu with the same items, alternating in one run. The
// menu is complete when its loop first goes idle (the owner's WM_ENTERIDLE,
// sent once the shown menu has painted and no message waits); the menu is
// then ended. Medians of many openings; the goal is at most 2x.
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "framework/Menus.h"
#include "windows/SystemMenu_win.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace taramel {
namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point gIdleAt;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (DispatchMenuItemMessage(message, wParam, lParam, result))
        return result;
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
        gIdleAt = Clock::now();
        EndMenu();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::string SkinFolderBesideBuild()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    // build/winNN/bench/win32/bench_menu_open.exe -> build/winNN/skins
    for (int up = 0; up < 3; ++up)
        folder = folder.substr(0, folder.find_last_of(L'\\'));
    std::string narrow;
    for (wchar_t c : folder + L"\\skins")
        narrow += static_cast<char>(c);
    return narrow;
}

double MedianMicroseconds(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace
}  // namespace taramel

int main()
{
    using namespace taramel;
    InitializeSkinEngine();
    Application->Initialize();
    TsSkinManager manager(nullptr);
    manager.SetActive(false);
    manager.SetSkinDirectory(SkinFolderBesideBuild());
    manager.SetSkinName("Topaz");
    manager.SetActive(true);
    if (!manager.SkinReady()) {
        std::fprintf(stderr, "menu_open: Topaz not found in %s\n", SkinFolderBesideBuild().c_str());
        return 1;
    }
    WNDCLASSW cls{};
    cls.lpfnWndProc = OwnerProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"TaramelMenuBench";
    RegisterClassW(&cls);
    HWND owner = CreateWindowExW(0, cls.lpszClassName, L"Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400, 300,
                                 nullptr, nullptr, cls.hInstance, nullptr);
    SetForegroundWindow(owner);

    TsSystemMenu menu(nullptr);
    menu.Rebuild(owner);
    SystemMenuInput in;
    in.Buttons.VisibleClose = in.Buttons.VisibleMin = in.Buttons.EnabledMin = true;
    menu.Refresh(in);

    auto open = [&](bool skinned) {
        manager.SkinableMenus().HookPopupMenu(menu, skinned);
        const Clock::time_point start = Clock::now();
        menu.Show(owner, 120, 90);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        return std::chrono::duration<double, std::micro>(gIdleAt - start).count();
    };
    for (int i = 0; i < 10; ++i) {  // fonts, classes and the skin's pictures made once
        open(true);
        open(false);
    }
    std::vector<double> skinned, system;
    for (int i = 0; i < 200; ++i) {
        skinned.push_back(open(true));
        system.push_back(open(false));
    }
    const double a = MedianMicroseconds(skinned);
    const double b = MedianMicroseconds(system);
    std::printf("window menu, opened to its first complete paint (median of 200, alternating)\n");
    std::printf("  skinned (Topaz)        %9.1f us\n", a);
    std::printf("  system's own drawing   %9.1f us\n", b);
    std::printf("  ratio                  %9.2fx   (goal: at most 2x)\n", a / b);
    DestroyWindow(owner);
    return a / b <= 2.0 ? 0 : 1;
}
