#include "skin/SkinFiles_win.h"

#include <windows.h>

#include "base/Exception.h"

namespace taramel {

namespace {

DWORD Attributes(const std::string& path)
{
    return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
}

struct FileHandle {
    HANDLE handle;
    ~FileHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};

struct FindHandle {
    HANDLE handle;
    ~FindHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            FindClose(handle);
    }
};

}  // namespace

bool TWin32FileSystem::FileExists(const std::string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TWin32FileSystem::DirectoryExists(const std::string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::uint8_t> TWin32FileSystem::ReadFile(const std::string& path)
{
    FileHandle file{CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE)
        throw Exception("Cannot open file \"" + path + "\"");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.handle, &size) || size.QuadPart > 0x7FFFFFFF)
        throw Exception("Cannot read file \"" + path + "\"");
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD got = 0;
        if (!::ReadFile(file.handle, data.data() + done, static_cast<DWORD>(data.size() - done), &got,
                        nullptr) ||
            got == 0)
            throw Exception("Cannot read file \"" + path + "\"");
        done += got;
    }
    return data;
}

std::vector<TSkinFolderEntry> TWin32FileSystem::ListFolder(const std::string& path)
{
    std::vector<TSkinFolderEntry> entries;
    std::string pattern = path;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
        pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA found{};
    FindHandle find{FindFirstFileA(pattern.c_str(), &found)};
    if (find.handle == INVALID_HANDLE_VALUE)
        return entries;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        TSkinFolderEntry entry;
        entry.Name = name;
        entry.IsFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.HiddenOrSystem =
            (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
        entries.push_back(std::move(entry));
    } while (FindNextFileA(find.handle, &found));
    return entries;
}

std::string TWin32FileSystem::ExeFolder()
{
    char buffer[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string path(buffer, length < sizeof buffer ? length : 0);
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".\\") : path.substr(0, cut + 1);
}

TWin32FileSystem& Win32SkinFileSystem()
{
    // Never freed: the skin manager, destroyed with its form at the program's
    // end after every function-local static, may still read skins through it.
    static auto* instance = new TWin32FileSystem;
    return *instance;
}

std::string TWin32FileSystem::ShownPath(const std::string& path)
{
    const std::string readable = ReadablePath(path);
    if (readable.empty())
        return readable;
    const int wide = MultiByteToWideChar(CP_ACP, 0, readable.data(), static_cast<int>(readable.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, readable.data(), static_cast<int>(readable.size()), w.data(), wide);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

}  // namespace taramel
