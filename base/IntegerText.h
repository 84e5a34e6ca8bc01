// The one rule by which the program reads an integer written as text (skin
// options, gradient texts, settings values): leading blanks, an optional sign,
// then decimal digits, or hexadecimal digits behind "$", "x" or "X" (and,
// where the caller allows it, "0x" or "0X"), and nothing after the digits.
// A decimal value must fit 32 signed bits; hexadecimal may use all 32 bits
// and spells the bit pattern, so "$FFFFFFFF" is -1 and "-$1" is -1.
// StrToInt and TryStrToInt are the same rule for callers that want the
// conversion error or a plain yes or no.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace taramel {

struct IntegerTextRules {
    // Whether "0x"/"0X" introduces hexadecimal digits like "$".
    bool zeroXPrefix = true;
};

inline std::optional<std::int32_t> ParseIntegerText(std::string_view s, IntegerTextRules rules = {})
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    bool hex = false;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        ++i;
    } else if (rules.zeroXPrefix && i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    std::uint64_t value = 0;
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
        if (value > limit)
            return std::nullopt;
    }
    auto bits = static_cast<std::uint32_t>(value);
    if (negative)
        bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

// The conversion error's text for a word: "'%s' is not a valid integer value".
std::string NotAnIntegerMessage(std::string_view text);

// The value of the text by the rule above (with "0x"), or taramel::Exception
// with NotAnIntegerMessage for anything else.
int StrToInt(std::string_view text);

// The same without raising: false for a text that is not an integer.
bool TryStrToInt(std::string_view text, int& value);

}  // namespace taramel
