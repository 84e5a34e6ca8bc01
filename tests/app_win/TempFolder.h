// A fresh folder under the system's temporary folder, removed with its files
// when the test ends.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/WinTestFiles.h"

namespace taramel::testing {

class TempFolder {
public:
    TempFolder()
    {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        for (unsigned n = GetTickCount();; ++n) {
            path_ = std::string(base) + "taramel-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n);
            if (CreateDirectoryA(path_.c_str(), nullptr))
                break;
        }
        path_ += "\\";
    }
    ~TempFolder() { RemoveTree(path_.substr(0, path_.size() - 1)); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path with its final "\".
    const std::string& Path() const { return path_; }

private:
    static void RemoveTree(const std::string& dir)
    {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = fd.cFileName;
                if (name == "." || name == "..")
                    continue;
                const std::string full = dir + "\\" + name;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(full);
                else {
                    SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(full.c_str());
                }
            } while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryA(dir.c_str());
    }

    std::string path_;
};

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    testsupport::WriteWholeFile(path, bytes);
}

inline std::string ReadFileBytes(const std::string& path)
{
    return testsupport::ReadWholeFile(path).value_or(std::string());
}

}  // namespace taramel::testing
