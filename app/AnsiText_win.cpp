#include "app/AnsiText_win.h"

#include <windows.h>

namespace taramel {

std::wstring AnsiToWide(std::string_view ansi)
{
    if (ansi.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
    return wide;
}

std::string WideToUtf8(std::wstring_view wide)
{
    if (wide.empty())
        return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
    return utf8;
}

std::string AnsiToUtf8(std::string_view ansi)
{
    return WideToUtf8(AnsiToWide(ansi));
}

}  // namespace taramel
