#include "base/TextLines.h"

namespace taramel {

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
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
