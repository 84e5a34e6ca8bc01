// The options text of a skin: INI-style lines read into sections and keys.
// Reads match section and key names without regard to case, and the first
// section or key of a name wins; names are kept exactly as written, because
// the tables built from them compare names with regard to case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taramel {

struct TOptionsKey {
    std::string Name;
    std::string Value;
};

struct TOptionsSection {
    std::string Name;
    std::vector<TOptionsKey> Keys;  // in text order, one per name (the first)

    // The value of the first key of this name (any case), or null.
    const std::string* Find(std::string_view key) const;
};

class TOptionsText {
public:
    TOptionsText() = default;
    explicit TOptionsText(std::string_view text) { Parse(text); }

    // Replaces the content with the sections of the text. Lines end with CR LF,
    // a lone CR or a lone LF; each is trimmed of blanks and control characters.
    // Empty lines, lines beginning with ";", lines before the first section and
    // lines without "=" are ignored. A section header repeated later (any case)
    // adds nothing: its lines are ignored, since reads would never reach them.
    void Parse(std::string_view text);
    // The simpler division of the manager's common sections: lines are not
    // trimmed; empty lines and lines beginning with ";" are skipped; "[name]"
    // opens a section; a key is the text before a line's first "=" (blanks
    // kept) and its value the rest of the line.
    void ParseUntrimmed(std::string_view text);

    const std::vector<TOptionsSection>& Sections() const { return sections_; }
    const TOptionsSection* FindSection(std::string_view name) const;
    // The value of a key, or null when the section or key is missing.
    const std::string* Find(std::string_view section, std::string_view key) const;
    // The value of a key, or the default when the section or key is missing.
    std::string Read(std::string_view section, std::string_view key, std::string_view def) const;

private:
    void ParseLines(std::string_view text, bool trim);
    std::vector<TOptionsSection> sections_;
};

// Trims blanks and control characters (every byte up to the blank) at both ends.
std::string_view TrimOptions(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);
std::string UpperAscii(std::string_view text);

}  // namespace taramel
