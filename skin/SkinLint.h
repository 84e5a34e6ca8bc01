// Checks a skin the way its author needs: what the engine would silently
// skip or misread (a missing parent section, a missing or unreadable image
// file, an image that does not fit its bitmap, state images of unequal
// width, a misspelt key, text that is hard to read) and files that nothing
// uses.
#pragma once

#include <string>
#include <vector>

#include "skin/SkinLoader.h"

namespace taramel {

struct TLintFinding {
    enum TLevel { Error, Warning };
    TLevel Level = Error;
    std::string Section;  // empty for findings about the whole skin
    std::string Key;
    std::string Text;
};

// Lints the skin that `source` describes. `files` names every file of the
// skin beside its options text (a folder's files, a packed skin's entries).
// Findings come in the order of the text: load failure, then sections and
// keys, then images, then contrast, then unused files.
std::vector<TLintFinding> LintSkin(const TSkinSource& source, const std::vector<std::string>& files);

}  // namespace taramel
