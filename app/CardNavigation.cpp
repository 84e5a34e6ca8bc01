#include "app/CardNavigation.h"

#include "app/DeckLines.h"
#include "app/StudentMessages.h"
#include "base/Exception.h"

namespace taramel {

TLineEncoding LoadDeck(DeckStore& deck, std::string_view fileBytes)
{
    constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
    constexpr std::string_view utf16LeMark = "\xFF\xFE";
    constexpr std::string_view utf16BeMark = "\xFE\xFF";
    TLineEncoding encoding = TLineEncoding::Utf8;
    if (fileBytes.starts_with(utf8Mark))
        deck.Assign(SplitDeckLines(fileBytes.substr(utf8Mark.size())));
    else if (fileBytes.starts_with(utf16LeMark))
        deck.Assign(SplitDeckLines(Utf16ToUtf8(fileBytes.substr(utf16LeMark.size()), TByteOrder::LittleEndian)));
    else if (fileBytes.starts_with(utf16BeMark))
        deck.Assign(SplitDeckLines(Utf16ToUtf8(fileBytes.substr(utf16BeMark.size()), TByteOrder::BigEndian)));
    else {
        deck.Assign(SplitDeckLines(fileBytes));
        encoding = TLineEncoding::Ansi;
    }
    SetCurrentIndex(deck, 0);
    return encoding;
}

void SetCurrentIndex(DeckStore& deck, int v)
{
    if (v != deck.ItemIndex())
        deck.SetItemIndex(v);
}

namespace {
// A line of the deck for a card; a line the deck does not have is reported
// with the advice for the student before the list's own text.
std::string CardLine(const DeckStore& deck, int index)
{
    try {
        return deck.Line(index);
    } catch (const Exception& e) {
        throw Exception(e.Message(), NoSuchCardAdvice());
    }
}
}  // namespace

void ShowCurrentCard(const DeckStore& deck, CardView& view)
{
    view.SetQuestion(CardLine(deck, deck.ItemIndex()));
    const int answer = deck.ItemIndex() + 1;
    view.SetAnswer(answer == deck.Count() ? std::string() : CardLine(deck, answer));
}

void NextCardInFileOrder(DeckStore& deck, CardView& view)
{
    const int i = deck.ItemIndex();
    const int n = deck.Count();
    const int next = (i + 2 >= n) ? 0 : i + 2;
    SetCurrentIndex(deck, next);
    ShowCurrentCard(deck, view);
}

int RandomPickFromDraw(std::uint32_t draw)
{
    // The draw is a signed 32-bit number to the rest of the step: the oddness
    // test is the signed remainder, and adding 1 wraps like the 32-bit sum.
    std::uint32_t r = draw;
    if (static_cast<std::int32_t>(r) % 2 != 0)
        r += 1u;
    return static_cast<std::int32_t>(r);
}

int StoredPositionInDeck(int stored, int count)
{
    return stored >= 0 && stored < count && stored % 2 == 0 ? stored : 0;
}

int PositionToStore(int index)
{
    return index > 0 && index % 2 != 0 ? index - 1 : index;
}

void NextCardAtRandom(DeckStore& deck, TCardGenerator& generator, CardView& view)
{
    const int n = deck.Count();
    const int pick = RandomPickFromDraw(generator.Random(static_cast<std::uint32_t>(n - 1)));
    SetCurrentIndex(deck, pick);
    ShowCurrentCard(deck, view);
}

}  // namespace taramel
