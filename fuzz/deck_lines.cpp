// Splits arbitrary bytes into deck lines and checks what the split promises:
// no line holds a line break or a NUL, and joining the lines with LF and
// splitting again gives the same deck.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/DeckLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = taramel::SplitDeckLines(bytes);
    std::string joined;
    for (const auto& line : lines) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            std::abort();
        joined += line;
        joined += '\n';
    }
    if (joined.size() > size + 1 || taramel::SplitDeckLines(joined) != lines)
        std::abort();
    return 0;
}
