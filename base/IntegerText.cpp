#include "base/IntegerText.h"

#include "base/Exception.h"

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
    const auto parsed = ParseIntegerText(text);
    if (!parsed)
        return false;
    value = *parsed;
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
