// The settings file's names and the rules by which its text values are read.
#pragma once

#include <string>
#include <string_view>

namespace taramel {

inline constexpr const char* kSettingsFileName = "Option.ini";
inline constexpr const char* kSettingsSection = "Option";
inline constexpr const char* kKeyIndex = "index";
inline constexpr const char* kKeyInterval = "interval";
inline constexpr const char* kKeyRandom = "Random";
inline constexpr const char* kKeyTimer = "Timer";

// How many characters of a value are read.
inline constexpr std::size_t kMaxValueLength = 2047;

// Reads an integer value: "0x"/"0X" followed by at least one more character
// is hexadecimal; otherwise leading blanks, an optional sign, then decimal
// digits or hexadecimal digits behind "$", "x" or "X". Anything else, an
// empty text included, gives the default. A decimal number outside the 32-bit
// range gives the default; up to eight hexadecimal digits are the 32-bit
// pattern they spell (so "$FFFFFFFF" is -1), more give the default.
int ParseProfileInteger(std::string_view text, int defaultValue);

// Reads a boolean value: the integer rule with 1 or 0 as the default; any
// value but 0 is true.
bool ParseProfileBool(std::string_view text, bool defaultValue);

// The text a value is written as.
std::string FormatProfileInteger(int value);
std::string FormatProfileBool(bool value);

// The executable's folder: its full path up to and including the last "\" or
// ":" (empty when there is neither).
std::string ExecutableFolder(std::string_view modulePath);

}  // namespace taramel
