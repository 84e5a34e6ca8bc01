// Files and folders as the installer tests look at them.
#pragma once

#include <optional>
#include <set>
#include <string>

namespace taramel::installer_test {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool IsFile(const std::wstring& path);
bool IsFolder(const std::wstring& path);
// The names in a folder (not . and ..); empty when there is no folder.
std::set<std::wstring> FolderNames(const std::wstring& folder);
// Removes a folder with everything in it; nothing when there is none.
void RemoveTree(const std::wstring& folder);
// Windows' own folders of this user (CSIDL_...).
std::wstring KnownFolder(int csidl);

}  // namespace taramel::installer_test
