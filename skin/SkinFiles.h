// File-system access for skins. The skin code builds paths the way Windows
// does: ANSI strings with "\" separators, a drive letter when absolute, and
// sometimes a doubled separator ("C:\App\\Topaz\Options.dat"), which every
// implementation here treats as one. Finding and reading a skin goes through
// the process's current file system, so that tests can hand in an in-memory
// one and the skin tool a native one.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace taramel {

struct TSkinFolderEntry {
    std::string Name;             // the entry's name alone, no folder
    bool IsFolder = false;
    bool HiddenOrSystem = false;  // hidden or system attribute (Win32 only)
};

// A skin path as a message shows it to a user: doubled separators written
// once ("C:\App\\Topaz" becomes "C:\App\Topaz"); a network path keeps its
// leading pair.
std::string ReadablePath(std::string_view path);

class TSkinFileSystem {
public:
    virtual ~TSkinFileSystem() = default;
    // True for an existing regular file (not a folder).
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    // The whole file; throws taramel::Exception when it cannot be read.
    virtual std::vector<std::uint8_t> ReadFile(const std::string& path) = 0;
    // The entries of a folder without "." and ".."; empty when the folder
    // does not exist. Order is the file system's own.
    virtual std::vector<TSkinFolderEntry> ListFolder(const std::string& path) = 0;
    // The executable's folder, ending with "\".
    virtual std::string ExeFolder() = 0;
    // A path as a message shows it: ReadablePath, in UTF-8 (paths are in
    // the ANSI code page on Windows, UTF-8 elsewhere).
    virtual std::string ShownPath(const std::string& path);
};

// std::filesystem underneath: "\" becomes "/" on systems whose separator is
// "/". Used by the skin tool and by native tests. The executable's folder is
// the one given, or the running program's own when empty.
class TNativeFileSystem : public TSkinFileSystem {
public:
    explicit TNativeFileSystem(std::string exeFolder = {});
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    std::vector<std::uint8_t> ReadFile(const std::string& path) override;
    std::vector<TSkinFolderEntry> ListFolder(const std::string& path) override;
    std::string ExeFolder() override;

    // The path as the host file system wants it.
    static std::string HostPath(const std::string& path);

private:
    std::string exeFolder_;
};

// Files held in memory, for tests. Paths compare without regard to ASCII case,
// with "/" and "\" alike and repeated separators taken as one, as Windows
// does. Every question asked is recorded, in order, as "kind path" with the
// path as it was asked (kind: "file", "dir", "read", "list").
class TMemoryFileSystem : public TSkinFileSystem {
public:
    explicit TMemoryFileSystem(std::string exeFolder = "C:\\App\\");

    // Adds a file (and every folder above it).
    void AddFile(const std::string& path, std::vector<std::uint8_t> data);
    void AddFile(const std::string& path, const std::string& text);
    void AddFolder(const std::string& path);
    void SetHidden(const std::string& path, bool hidden);

    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    std::vector<std::uint8_t> ReadFile(const std::string& path) override;
    std::vector<TSkinFolderEntry> ListFolder(const std::string& path) override;
    std::string ExeFolder() override;

    std::vector<std::string> Asked;

    // The comparison key of a path: upper case, "/" as "\", single separators,
    // no final separator.
    static std::string Key(const std::string& path);

private:
    struct Node {
        std::string name;  // as added
        bool folder = false;
        bool hidden = false;
        std::vector<std::uint8_t> data;
    };
    std::string exeFolder_;
    std::map<std::string, Node> nodes_;
};

// The file system the skin code uses. Until one is set it is a
// TNativeFileSystem (std::filesystem works in both builds); the Win32
// start-up sets the kernel32 one (SkinFiles_win.h).
TSkinFileSystem& CurrentSkinFileSystem();
// Sets the current file system (not owned; null restores the default).
void SetCurrentSkinFileSystem(TSkinFileSystem* fileSystem);

}  // namespace taramel
