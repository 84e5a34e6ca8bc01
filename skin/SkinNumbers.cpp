#include "skin/SkinNumbers.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "base/Exception.h"
#include "base/IntegerText.h"

namespace taramel {

std::optional<std::int32_t> ParseSkinInteger(std::string_view s)
{
    return ParseIntegerText(s);
}

std::int32_t StrictSkinInteger(std::string_view text)
{
    if (auto v = ParseSkinInteger(text))
        return *v;
    throw Exception(NotAnIntegerMessage(text));
}

std::int32_t SkinIntegerOr(std::string_view text, std::int32_t def)
{
    return ParseSkinInteger(text).value_or(def);
}

double SkinRealOr(std::string_view text, double def)
{
    // Blanks, sign, digits with one optional "." and an optional exponent;
    // parsed by hand so that the C locale's separator never matters.
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::string_view s = text.substr(i);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    double sign = 1;
    std::size_t p = 0;
    if (p < s.size() && (s[p] == '-' || s[p] == '+'))
        sign = s[p++] == '-' ? -1 : 1;
    double value = 0;
    int digits = 0;
    for (; p < s.size() && s[p] >= '0' && s[p] <= '9'; ++p, ++digits)
        value = value * 10 + (s[p] - '0');
    if (p < s.size() && s[p] == '.') {
        double scale = 0.1;
        for (++p; p < s.size() && s[p] >= '0' && s[p] <= '9'; ++p, ++digits, scale /= 10)
            value += (s[p] - '0') * scale;
    }
    if (digits == 0)
        return def;
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
        ++p;
        int esign = 1;
        if (p < s.size() && (s[p] == '-' || s[p] == '+'))
            esign = s[p++] == '-' ? -1 : 1;
        int e = 0, edigits = 0;
        for (; p < s.size() && s[p] >= '0' && s[p] <= '9'; ++p, ++edigits)
            e = e < 10000 ? e * 10 + (s[p] - '0') : e;
        if (edigits == 0)
            return def;
        value *= std::pow(10.0, esign * e);
    }
    if (p != s.size() || !std::isfinite(value))
        return def;
    return sign * value;
}

}  // namespace taramel
