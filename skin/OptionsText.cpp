#include "skin/OptionsText.h"

#include <algorithm>

namespace taramel {

namespace {

char UpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Calls line(text) for every line; CR LF, lone CR and lone LF all end a line.
template <typename F>
void ForEachLine(std::string_view text, F line)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        line(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        line(text.substr(start));
}

}  // namespace

std::string_view TrimOptions(std::string_view text)
{
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(b, e - b);
}

bool SameTextAscii(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperChar(x) == UpperChar(y); });
}

std::string UpperAscii(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        c = UpperChar(c);
    return s;
}

const std::string* TOptionsSection::Find(std::string_view key) const
{
    for (const TOptionsKey& k : Keys)
        if (SameTextAscii(k.Name, key))
            return &k.Value;
    return nullptr;
}

void TOptionsText::Parse(std::string_view text) { ParseLines(text, true); }

void TOptionsText::ParseUntrimmed(std::string_view text) { ParseLines(text, false); }

void TOptionsText::ParseLines(std::string_view text, bool trim)
{
    auto cut = [trim](std::string_view s) { return trim ? TrimOptions(s) : s; };
    sections_.clear();
    TOptionsSection* open = nullptr;
    ForEachLine(text, [&](std::string_view raw) {
        std::string_view line = cut(raw);
        if (line.empty() || line.front() == ';')
            return;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string_view name = cut(line.substr(1, line.size() - 2));
            if (FindSection(name)) {
                open = nullptr;
            } else {
                sections_.push_back({std::string(name), {}});
                open = &sections_.back();
            }
            return;
        }
        if (!open)
            return;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return;
        std::string_view key = cut(line.substr(0, eq));
        if (open->Find(key))
            return;
        open->Keys.push_back({std::string(key), std::string(cut(line.substr(eq + 1)))});
    });
}

const TOptionsSection* TOptionsText::FindSection(std::string_view name) const
{
    for (const TOptionsSection& s : sections_)
        if (SameTextAscii(s.Name, name))
            return &s;
    return nullptr;
}

const std::string* TOptionsText::Find(std::string_view section, std::string_view key) const
{
    const TOptionsSection* s = FindSection(section);
    return s ? s->Find(key) : nullptr;
}

std::string TOptionsText::Read(std::string_view section, std::string_view key, std::string_view def) const
{
    const std::string* v = Find(section, key);
    return v ? *v : std::string(def);
}

}  // namespace taramel
