#include "windows/WindowHook.h"

#include "engine/SkinnedWindows_win.h"
#include "engine/WindowSkinning_win.h"
#include "framework/Application.h"

namespace taramel {

namespace {

HHOOK hook = nullptr;
bool listExists = false;

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    try {
        return CallNextHookEx(hook, code, wParam, lParam);
    } catch (...) {
        HandleCallbackException();
        return 0;
    }
}

}  // namespace

bool InstallDialogHook()
{
    if (!listExists) {
        ExtraSkinWindows().clear();
        listExists = true;
    }
    if (hook == nullptr)
        hook = SetWindowsHookExW(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
    return hook != nullptr;
}

void RemoveDialogHook()
{
    if (hook != nullptr) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    ExtraSkinWindows().clear();
    listExists = false;
}

void InitializeWindowSkinning()
{
    class HookSkinning final : public WindowSkinning {
    public:
        bool InstallHook() override { return InstallDialogHook(); }
        void RemoveHook() override { RemoveDialogHook(); }
    };
    static HookSkinning skinning;
    RegisterWindowSkinning(&skinning);
}

bool DialogHookInstalled()
{
    return hook != nullptr;
}

bool HookedWindowListExists()
{
    return listExists;
}

}  // namespace taramel
