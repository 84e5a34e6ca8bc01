// The one way the program hands a target (a web address) to the shell's
// "open" verb. The opener is replaceable, so tests see what would open
// without starting a browser.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace taramel {

using TShellOpener = std::function<void(HWND owner, const std::string& target)>;

// The opener in use; by default ShellExecute with the "open" verb, whose
// result is not examined (without a browser nothing happens).
TShellOpener& ShellOpener();

// Opens the target through the opener in use, with `owner` as the owner of
// any window the shell shows.
void OpenWithShell(HWND owner, const std::string& target);

}  // namespace taramel
