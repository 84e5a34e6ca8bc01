// The kernel32 file system for skins: GetFileAttributesA, CreateFileA and
// FindFirstFileA, so paths are taken in the ANSI code page as the skin code
// builds them.
#pragma once

#include "skin/SkinFiles.h"

namespace taramel {

class TWin32FileSystem : public TSkinFileSystem {
public:
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    std::vector<std::uint8_t> ReadFile(const std::string& path) override;
    std::vector<TSkinFolderEntry> ListFolder(const std::string& path) override;
    // From GetModuleFileNameA of the executable.
    std::string ExeFolder() override;
    // Converted from the ANSI code page.
    std::string ShownPath(const std::string& path) override;
};

// The process-wide instance (set it current with SetCurrentSkinFileSystem).
TWin32FileSystem& Win32SkinFileSystem();

}  // namespace taramel
