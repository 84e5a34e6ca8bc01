// Integers written in skin text: decimal, or hexadecimal behind "$" (also
// "0x"), with an optional sign and leading blanks.
#pragma once

#include <string>
#include <string_view>

namespace taramel {

// The conversion error's text for a word: "'%s' is not a valid integer value".
std::string NotAnIntegerMessage(std::string_view text);

// The value of the text, or taramel::Exception with NotAnIntegerMessage for
// anything else (an empty text, trailing characters, a decimal number outside
// the 32-bit range, more than eight significant hexadecimal digits).
// Hexadecimal spells the 32-bit pattern, so "$FFFFFFFF" is -1.
int StrToInt(std::string_view text);

// The same without raising: false for a text that is not an integer.
bool TryStrToInt(std::string_view text, int& value);

}  // namespace taramel
