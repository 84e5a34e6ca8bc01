// The error type of the whole program: an exception that carries the text the
// user will read. Header-only and free of windows.h so that the portable core
// raises the same errors as the Win32 code.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace taramel {

// Message is the error's own text; Advice, when there is one, says to the
// student in Russian what happened and what to do, and leads the report.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    Exception(const std::string& message, std::string advice)
        : std::runtime_error(message), advice_(std::move(advice))
    {
    }
    std::string Message() const { return what(); }
    const std::string& Advice() const { return advice_; }

private:
    std::string advice_;
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

// The report of an error with advice: the advice, an empty line, then the
// error's own text as above, kept word for word as the detail.
inline std::string ExceptionReportText(std::string_view message, std::string_view advice)
{
    if (advice.empty())
        return ExceptionReportText(message);
    return std::string(advice) + "\n\n" + ExceptionReportText(message);
}

}  // namespace taramel
