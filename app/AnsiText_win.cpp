#include "app/AnsiText_win.h"

#include <windows.h>

#include "framework/Unicode.h"

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

std::string AnsiToUtf8(std::string_view ansi)
{
    return Narrow(AnsiToWide(ansi));
}

}  // namespace taramel
