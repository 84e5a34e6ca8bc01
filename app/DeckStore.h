// What the card deck needs of the list that holds its lines and the current
// index. The program keeps the deck in its hidden list box (through
// TListDeckStore); tests and tools use the plain TDeck. Both follow the same rules, so the navigation steps are
// written once against this interface.
#pragma once

#include <string>
#include <vector>
#include <utility>

namespace taramel {

class DeckStore {
public:
    virtual ~DeckStore() = default;

    // Replaces every line; nothing is selected afterwards.
    virtual void Assign(std::vector<std::string> lines) = 0;
    virtual int Count() const = 0;
    // Raises "List index out of bounds (%d)" for an index that names no line.
    virtual std::string Line(int index) const = 0;
    // The current index, -1 when nothing is selected.
    virtual int ItemIndex() const = 0;
    // Moves the selection. An index that names no line leaves nothing
    // selected (-1), which is what the system's list box does with it.
    virtual void SetItemIndex(int index) = 0;
};

// The deck kept in a list of the window framework (the program's hidden list
// box), which has the same five members and rules but knows nothing of decks.
template <class List>
class TListDeckStore final : public DeckStore {
public:
    explicit TListDeckStore(List& list) : list_(list) {}
    void Assign(std::vector<std::string> lines) override { list_.Assign(std::move(lines)); }
    int Count() const override { return list_.Count(); }
    std::string Line(int index) const override { return list_.Line(index); }
    int ItemIndex() const override { return list_.ItemIndex(); }
    void SetItemIndex(int index) override { list_.SetItemIndex(index); }

private:
    List& list_;
};

}  // namespace taramel
