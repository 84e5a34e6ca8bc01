#include "app/DeckLines.h"

#include "base/TextLines.h"

namespace taramel {

std::vector<std::string> SplitDeckLines(std::string_view bytes)
{
    return SplitLines(bytes.substr(0, bytes.find('\0')));
}

}  // namespace taramel
