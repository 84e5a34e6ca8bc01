// What a shortcut (.lnk) says, read back through the shell's own interface.
#pragma once

#include <optional>
#include <string>

namespace taramel::installer_test {

struct ShortcutInfo {
    std::wstring target;
    std::wstring arguments;
    std::wstring workingFolder;
    std::wstring iconFile;
    int iconIndex = 0;
};

// Nothing when the file is missing or is no shortcut.
std::optional<ShortcutInfo> ReadShortcut(const std::wstring& lnkPath);

}  // namespace taramel::installer_test
