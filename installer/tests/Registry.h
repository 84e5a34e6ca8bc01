// The per-user uninstall key, read back.
#pragma once

#include <optional>
#include <string>

namespace taramel::installer_test {

inline constexpr const wchar_t* kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Taramel";

bool UninstallKeyExists();
std::optional<std::wstring> UninstallText(const wchar_t* name);
std::optional<unsigned long> UninstallNumber(const wchar_t* name);
void RemoveUninstallKey();

}  // namespace taramel::installer_test
