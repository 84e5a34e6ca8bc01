#include "app/SettingsValues.h"

#include <cstdint>
#include <optional>

namespace taramel {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> ParseHexDigits(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::uint64_t> ParseDecimalDigits(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0x80000000u)
            return std::nullopt;
    }
    return value;
}

// Blanks, sign, then decimal or "$"/"x"/"X" hexadecimal digits, nothing after.
std::optional<std::int32_t> ParseWholeNumber(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::string_view rest = s.substr(i);
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        const auto bits = ParseHexDigits(rest.substr(1));
        if (!bits)
            return std::nullopt;
        const std::uint32_t value = negative ? 0u - *bits : *bits;
        return static_cast<std::int32_t>(value);
    }
    const auto magnitude = ParseDecimalDigits(rest);
    if (!magnitude)
        return std::nullopt;
    if (negative)
        return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(*magnitude));
    if (*magnitude > 0x7FFFFFFFu)
        return std::nullopt;
    return static_cast<std::int32_t>(*magnitude);
}

}  // namespace

int ParseProfileInteger(std::string_view text, int defaultValue)
{
    text = text.substr(0, std::min(text.size(), kMaxValueLength));
    std::optional<std::int32_t> value;
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        value = ParseWholeNumber("$" + std::string(text.substr(2)));
    else
        value = ParseWholeNumber(text);
    return value ? *value : defaultValue;
}

bool ParseProfileBool(std::string_view text, bool defaultValue)
{
    return ParseProfileInteger(text, defaultValue ? 1 : 0) != 0;
}

std::string FormatProfileInteger(int value)
{
    return std::to_string(value);
}

std::string FormatProfileBool(bool value)
{
    return value ? "1" : "0";
}

std::string ExecutableFolder(std::string_view modulePath)
{
    const std::size_t last = modulePath.find_last_of("\\:");
    if (last == std::string_view::npos)
        return std::string();
    return std::string(modulePath.substr(0, last + 1));
}

}  // namespace taramel
