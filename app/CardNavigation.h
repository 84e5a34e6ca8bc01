// Loading the deck, showing the current card and the two next-card rules.
// Errors are not caught here: each ends the step it happens in.
#pragma once

#include <string_view>

#include "app/CardGenerator.h"
#include "app/CardView.h"
#include "app/DeckStore.h"

namespace taramel {

// The code the deck's lines are written in.
enum class TLineEncoding { Ansi, Utf8 };

// Replaces the deck with the lines of the file's bytes and selects line 0.
// A file that starts with the UTF-8 byte-order mark gives its lines in UTF-8
// without the mark, one that starts with a UTF-16 mark (little- or
// big-endian) is converted to UTF-8 lines; every other file gives its bytes unchanged, as
// lines in the ANSI code page. Editors of today save with such a mark, and
// without this the cards of such a deck would show as garbled text.
TLineEncoding LoadDeck(DeckStore& deck, std::string_view fileBytes);

// Moves the selection to v unless it is there already.
void SetCurrentIndex(DeckStore& deck, int v);

// Question := line i, then answer := line i + 1, the index read afresh for
// each; a failed read leaves that label as it was and ends the step. The
// last line of a deck with an odd count is a question without an answer: its
// answer is empty, never the previous card's.
void ShowCurrentCard(const DeckStore& deck, CardView& view);

// Advances by one card; wraps to 0 at the end of the deck (when index + 2
// names no line), so an odd deck goes from its last question to the first
// card, not past the end.
void NextCardInFileOrder(DeckStore& deck, CardView& view);

// Draws r = Random(count - 1), makes it even by adding 1 to an odd r, selects
// it and shows the card.
void NextCardAtRandom(DeckStore& deck, TCardGenerator& generator, CardView& view);

// The index the random rule picks for a draw.
int RandomPickFromDraw(std::uint32_t draw);

// The position a stored index names in a deck of `count` lines: the stored
// index when it is a question line of this deck (even, below the count),
// otherwise the start of the deck. A position from an older or another deck,
// or one typed into the settings file, would show an answer as the question
// and keep the roles swapped for every later card.
int StoredPositionInDeck(int stored, int count);

// The index to store for the current index: never an answer line (an odd
// index is stored as the question of its card); -1 stays -1.
int PositionToStore(int index);

}  // namespace taramel
