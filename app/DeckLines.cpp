#include "app/DeckLines.h"

namespace taramel {

std::vector<std::string> SplitDeckLines(std::string_view bytes)
{
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);

    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(bytes.substr(start, i - start));
        ++i;
        if (c == '\r' && i < bytes.size() && bytes[i] == '\n')
            ++i;
        start = i;
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

}  // namespace taramel
