#include "base/TextLines.h"

namespace taramel {

std::vector<std::string> SplitLines(std::string_view text)
{
    // Counted first, so that a text of millions of lines is stored in one
    // allocation instead of being copied on every growth of the list.
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        breaks += text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    std::vector<std::string> lines;
    lines.reserve(breaks + 1);
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        ++i;
        if (c == '\r' && i < text.size() && text[i] == '\n')
            ++i;
        start = i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace taramel
