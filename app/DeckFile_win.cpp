#include "app/DeckFile_win.h"

#include <windows.h>

#include <vector>

#include "app/StudentMessages.h"
#include "base/Exception.h"
#include "framework/Unicode.h"

namespace taramel {
namespace {

std::wstring FullPath(const std::wstring& name)
{
    const DWORD n = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return name;
    std::wstring full(n, L'\0');
    const DWORD written = GetFullPathNameW(name.c_str(), n, full.data(), nullptr);
    full.resize(written);
    return full;
}

[[noreturn]] void RaiseCannotOpen(const std::wstring& name, DWORD code)
{
    const std::string path = Narrow(FullPath(name));
    throw Exception("Cannot open file \"" + path + "\". " + SystemErrorText(code), DeckOpenAdvice(path));
}

// Closes the handle however the read ends.
struct FileHandle {
    HANDLE h;
    ~FileHandle()
    {
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
};

}  // namespace

std::string SystemErrorText(unsigned long code)
{
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", n);
    if (text)
        LocalFree(text);
    while (!message.empty()) {
        const wchar_t c = message.back();
        if (c != L' ' && c != L'\t' && c != L'\r' && c != L'\n' && c != L'.')
            break;
        message.pop_back();
    }
    return Narrow(message);
}

std::string DeckTooLargeText(const std::string& fullPath)
{
    return "The deck file \"" + fullPath + "\" is larger than " + std::to_string(kMaxDeckFileBytes >> 20) +
           " MB, the most that is read";
}

namespace {
Exception DeckTooLarge(const std::wstring& name)
{
    const std::string path = Narrow(FullPath(name));
    return Exception(DeckTooLargeText(path), DeckTooLargeAdvice(path));
}
}  // namespace

std::string ReadDeckFile(const std::wstring& name)
{
    FileHandle file{CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.h == INVALID_HANDLE_VALUE)
        RaiseCannotOpen(name, GetLastError());
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.h, &size) && static_cast<unsigned long long>(size.QuadPart) > kMaxDeckFileBytes)
        throw DeckTooLarge(name);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.h, chunk, sizeof chunk, &got, nullptr))
            RaiseCannotOpen(name, GetLastError());
        if (got == 0)
            break;
        bytes.append(chunk, got);
        if (bytes.size() > kMaxDeckFileBytes)  // it grew while being read
            throw DeckTooLarge(name);
    }
    return bytes;
}

}  // namespace taramel
