#include "skin/SkinNumbers.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "framework/Exception.h"

namespace taramel {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> ParseSkinInteger(std::string_view s)
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
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    std::uint64_t value = 0;
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    for (; i < s.size(); ++i) {
        int d = hex ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
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

std::int32_t StrictSkinInteger(std::string_view text)
{
    if (auto v = ParseSkinInteger(text))
        return *v;
    throw Exception("'" + std::string(text) + "' is not a valid integer value");
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
