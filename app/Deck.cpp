#include "app/Deck.h"

#include "base/Exception.h"

namespace taramel {

void TDeck::Assign(std::vector<std::string> lines)
{
    lines_ = std::move(lines);
    itemIndex_ = -1;
}

int TDeck::Count() const
{
    return static_cast<int>(lines_.size());
}

std::string TDeck::Line(int index) const
{
    if (index < 0 || index >= Count())
        throw Exception(ListIndexErrorText(index));
    return lines_[static_cast<std::size_t>(index)];
}

void TDeck::SetItemIndex(int index)
{
    itemIndex_ = (index >= 0 && index < Count()) ? index : -1;
}

}  // namespace taramel
