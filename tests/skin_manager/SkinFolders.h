// Skin folders made by the tests beside the test program, removed afterwards.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "skin/SkinFiles_win.h"

namespace taramel::testing_support {

inline std::string ManagerFixtures()
{
    return std::string(TARAMEL_TEST_DATA) + "\\skins\\Manager";
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

inline void WriteText(const std::string& path, const std::string& text)
{
    WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// A folder of the test's own beside the program; everything in it is
// deleted when the object goes (one level of sub-folders).
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& name) : path_(Win32SkinFileSystem().ExeFolder() + name)
    {
        Remove();
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TScratchFolder() { Remove(); }
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    // A skin folder NAME with the given options text.
    void AddSkinFolder(const std::string& name, const std::string& options) const
    {
        CreateDirectoryA((*this / name).c_str(), nullptr);
        WriteText(*this / name + "\\Options.dat", options);
    }

private:
    void Remove() const { RemoveTree(path_); }
    static void RemoveTree(const std::string& folder)
    {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name == "." || name == "..")
                    continue;
                const std::string path = folder + "\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(path);
                else
                    DeleteFileA(path.c_str());
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string path_;
};

// The fixture skin "Topaz" put beside the test program as a folder (or a
// given file, by its full path, as its packed file "Topaz.asz"), until
// Remove or the end.
class TTopazBesideProgram {
public:
    explicit TTopazBesideProgram(const std::string& packedFile = {})
        : folder_(Win32SkinFileSystem().ExeFolder() + "Topaz"), packed_(folder_ + ".asz")
    {
        if (Win32SkinFileSystem().DirectoryExists(folder_) || Win32SkinFileSystem().FileExists(packed_))
            ADD_FAILURE() << "left over from an earlier run: " << folder_;
        if (!packedFile.empty()) {
            EXPECT_TRUE(CopyFileA(packedFile.c_str(), packed_.c_str(), FALSE)) << packedFile;
            return;
        }
        CreateDirectoryA(folder_.c_str(), nullptr);
        EXPECT_TRUE(CopyFileA((ManagerFixtures() + "\\Topaz\\Options.dat").c_str(),
                              (folder_ + "\\Options.dat").c_str(), FALSE));
    }
    ~TTopazBesideProgram() { Remove(); }
    void Remove() const
    {
        DeleteFileA((folder_ + "\\Options.dat").c_str());
        RemoveDirectoryA(folder_.c_str());
        DeleteFileA(packed_.c_str());
    }

private:
    std::string folder_, packed_;
};

}  // namespace taramel::testing_support
