#include "framework/Shell.h"


namespace taramel {

TShellOpener& ShellOpener()
{
    // Never freed, as everything static that a control may use: controls are
    // destroyed with the application object, after function-local statics.
    static auto* opener = new TShellOpener([](HWND owner, const std::string& target) {
        // The shell's library is loaded when a link is first opened rather
        // than with the program: it is large, and start-up never needs it.
        // It is one of the system's known libraries, so the name cannot be
        // taken from the program's folder.
        using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
        static const ShellExecuteFn shellExecute = []() -> ShellExecuteFn {
            HMODULE shell = LoadLibraryW(L"shell32.dll");
            return shell ? reinterpret_cast<ShellExecuteFn>(reinterpret_cast<void*>(
                               GetProcAddress(shell, "ShellExecuteA")))
                         : nullptr;
        }();
        if (shellExecute)
            shellExecute(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOW);
    });
    return *opener;
}

void OpenWithShell(HWND owner, const std::string& target)
{
    if (ShellOpener())
        ShellOpener()(owner, target);
}

}  // namespace taramel
