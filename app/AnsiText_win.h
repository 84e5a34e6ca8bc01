// Conversions between the ANSI code page (deck lines, profile values, paths
// handed to the A functions) and the UTF-8 the program's messages are kept in.
#pragma once

#include <string>
#include <string_view>

namespace taramel {

std::wstring AnsiToWide(std::string_view ansi);
std::string WideToUtf8(std::wstring_view wide);
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace taramel
