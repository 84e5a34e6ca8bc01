#include "render/TextWrap.h"

#include <algorithm>

namespace taramel {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Moves a cut back when it would fall inside a surrogate pair.
std::size_t WholeCharacters(std::u16string_view text, std::size_t n)
{
    if (n > 0 && n < text.size() && IsHighSurrogate(text[n - 1]) && IsLowSurrogate(text[n]))
        --n;
    return n;
}

// The longest prefix that fits the width. The search grows from a short
// prefix, so a very long text costs only a few measures of about a line.
std::size_t FittingPrefix(std::u16string_view text, int width, const TTextWidth& widthOf)
{
    auto fits = [&](std::size_t n) { return widthOf(text.substr(0, n)) <= width; };
    std::size_t good = 0;
    std::size_t bad = std::min<std::size_t>(16, text.size());
    while (fits(bad)) {
        good = bad;
        if (bad == text.size())
            return bad;
        bad = std::min(bad * 2, text.size());
    }
    while (bad - good > 1) {
        const std::size_t middle = good + (bad - good) / 2;
        (fits(middle) ? good : bad) = middle;
    }
    return WholeCharacters(text, good);
}

std::size_t SkipBlanks(std::u16string_view text, std::size_t at)
{
    while (at < text.size() && text[at] == u' ')
        ++at;
    return at;
}

std::u16string WithEllipsis(std::u16string line, int width, const TTextWidth& widthOf)
{
    while (!line.empty() && widthOf(line + u"...") > width) {
        line.pop_back();
        if (!line.empty() && IsHighSurrogate(line.back()))
            line.pop_back();
    }
    return line.empty() ? line : line + u"...";
}

}  // namespace

std::vector<std::u16string> WrapTextLines(std::u16string_view text, int width, int maxLines,
                                          const TTextWidth& widthOf)
{
    std::vector<std::u16string> lines;
    std::size_t at = 0;
    while (at < text.size() && static_cast<int>(lines.size()) < maxLines) {
        const std::size_t feed = text.find(u'\n', at);
        const std::size_t paragraphEnd = feed == std::u16string_view::npos ? text.size() : feed;
        std::u16string_view rest = text.substr(at, paragraphEnd - at);
        if (!rest.empty() && rest.back() == u'\r')
            rest.remove_suffix(1);
        const std::size_t fit = FittingPrefix(rest, width, widthOf);
        if (fit == rest.size()) {
            lines.emplace_back(rest);
            at = feed == std::u16string_view::npos ? text.size() : feed + 1;
            continue;
        }
        // Break at the last blank that lies within the fitting part or just
        // after it; without one, where the line is full (at least one character).
        const std::size_t blank = rest.substr(0, fit + 1).find_last_of(u' ');
        std::size_t lineEnd = blank;
        if (blank != std::u16string_view::npos)
            while (lineEnd > 0 && rest[lineEnd - 1] == u' ')
                --lineEnd;
        if (blank == std::u16string_view::npos || lineEnd == 0) {
            const std::size_t cut = std::max<std::size_t>(fit, WholeCharacters(rest, 1) == 0 ? 2 : 1);
            lines.emplace_back(rest.substr(0, cut));
            at += cut;
        } else {
            lines.emplace_back(rest.substr(0, lineEnd));
            at = SkipBlanks(text, at + blank);
        }
    }
    if (at < text.size() && !lines.empty())
        lines.back() = WithEllipsis(std::move(lines.back()), width, widthOf);
    return lines;
}

}  // namespace taramel
