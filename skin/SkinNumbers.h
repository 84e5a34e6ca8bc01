// Number texts of a skin. Integers: optional leading blanks and sign, then
// decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X";
// nothing may follow the digits and the value must fit 32 bits (hexadecimal
// may use all 32 bits, so $FFFFFFFF is -1).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace taramel {

std::optional<std::int32_t> ParseSkinInteger(std::string_view text);
// Throws taramel::Exception "'<text>' is not a valid integer value".
std::int32_t StrictSkinInteger(std::string_view text);
// The lenient rule of section keys: the value, or the default when it does not parse.
std::int32_t SkinIntegerOr(std::string_view text, std::int32_t def);
// A real with "." as the decimal separator; the default when it does not parse.
double SkinRealOr(std::string_view text, double def);

}  // namespace taramel
