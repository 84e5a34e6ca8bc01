// Reading and writing whole files in Win32 tests, through kernel32 as the
// program itself does.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace taramel::testsupport {

// Replaces the file's content; false when it cannot be created.
inline bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(h);
    return ok;
}

// The file's bytes, or nothing when it cannot be opened.
inline std::optional<std::string> ReadWholeFile(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(h, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(h);
    return bytes;
}

}  // namespace taramel::testsupport
