// Splitting text into lines, the one rule for deck files and for the
// line lists of settings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taramel {

// A line ends at CR LF, a lone CR or a lone LF. A last line without a break
// is a line; a break at the very end adds no empty line. Nothing is trimmed
// or decoded.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace taramel
