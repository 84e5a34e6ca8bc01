// Conversions from the ANSI code page (deck lines, profile values, paths
// handed to the A functions); UTF-8 and UTF-16 convert in framework/Unicode.h.
#pragma once

#include <string>
#include <string_view>

namespace taramel {

std::wstring AnsiToWide(std::string_view ansi);
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace taramel
