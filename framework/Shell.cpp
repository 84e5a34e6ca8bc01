#include "framework/Shell.h"

#include <shellapi.h>

namespace taramel {

TShellOpener& ShellOpener()
{
    static TShellOpener opener = [](HWND owner, const std::string& target) {
        ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOW);
    };
    return opener;
}

void OpenWithShell(HWND owner, const std::string& target)
{
    if (ShellOpener())
        ShellOpener()(owner, target);
}

}  // namespace taramel
