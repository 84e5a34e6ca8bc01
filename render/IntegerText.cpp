#include "render/IntegerText.h"

#include <cstdint>

#include "framework/Exception.h"

namespace taramel {

std::string NotAnIntegerMessage(std::string_view text)
{
    std::string message;
    message.reserve(text.size() + 32);
    message += '\'';
    message += text;
    message += "' is not a valid integer value";
    return message;
}

bool TryStrToInt(std::string_view text, int& value)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return false;
    std::uint64_t v = 0;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        int digit;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (hex && ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else if (hex && ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        else
            return false;
        v = v * (hex ? 16 : 10) + static_cast<unsigned>(digit);
        if (v > (hex ? 0xFFFFFFFFull : 0x80000000ull))
            return false;
    }
    if (hex) {
        const auto bits = static_cast<std::uint32_t>(v);
        value = static_cast<int>(negative ? 0u - bits : bits);
        return true;
    }
    if (!negative && v > 0x7FFFFFFFull)
        return false;
    value = negative ? static_cast<int>(-static_cast<std::int64_t>(v)) : static_cast<int>(v);
    return true;
}

int StrToInt(std::string_view text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw Exception(NotAnIntegerMessage(text));
    return value;
}

}  // namespace taramel
