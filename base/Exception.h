// The error type of the whole program: an exception that carries the text the
// user will read. Header-only and free of windows.h so that the portable core
// raises the same errors as the Win32 code.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace taramel {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// The text the common error report shows: the message, followed by "." when
// its last character comes after "." in code order. A message that already
// ends in "." or in ")" (both below or equal) gets none. Text is UTF-8, whose
// multi-byte characters all end in a byte above ".", just as their UTF-16
// code units lie above it.
// The error of a list asked for an item that does not exist.
inline std::string ListIndexErrorText(int index)
{
    return "List index out of bounds (" + std::to_string(index) + ")";
}

inline std::string ExceptionReportText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

}  // namespace taramel
