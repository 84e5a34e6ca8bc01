// The deck as a plain object: the lines of the deck file and the current index.
#pragma once

#include "app/DeckStore.h"

namespace taramel {

class TDeck final : public DeckStore {
public:
    void Assign(std::vector<std::string> lines) override;
    int Count() const override;
    std::string Line(int index) const override;
    int ItemIndex() const override { return itemIndex_; }
    void SetItemIndex(int index) override;

private:
    std::vector<std::string> lines_;
    int itemIndex_ = -1;
};

}  // namespace taramel
