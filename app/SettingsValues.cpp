#include "app/SettingsValues.h"

#include <algorithm>
#include <optional>

#include "base/IntegerText.h"

namespace taramel {

int ParseProfileInteger(std::string_view text, int defaultValue)
{
    text = text.substr(0, std::min(text.size(), kMaxValueLength));
    // "0x" is a prefix only at the very start; after blanks or a sign it is
    // the digit 0 followed by a letter.
    std::optional<std::int32_t> value;
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        value = ParseIntegerText("$" + std::string(text.substr(2)), {.zeroXPrefix = false});
    else
        value = ParseIntegerText(text, {.zeroXPrefix = false});
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
