#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/CardNavigation.h"
#include "app/Deck.h"

namespace taramel {
namespace {

std::string ReadShippedDeck()
{
    std::ifstream in(std::string(TARAMEL_SOURCE_DIR) + "/app/test.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The deck that ships with the program: whole cards, no blank lines (they
// would shift every pair after them), only bytes that Windows-1251 defines,
// so that every line shows as Russian text on the systems it is made for.
TEST(SampleDeck, IsWholeCardsInWindows1251)
{
    const std::string bytes = ReadShippedDeck();
    TDeck deck;
    LoadDeck(deck, bytes);
    ASSERT_GE(deck.Count(), 80);
    EXPECT_EQ(deck.Count() % 2, 0);
    for (int i = 0; i < deck.Count(); ++i)
        EXPECT_FALSE(deck.Line(i).empty()) << "line " << i;
    EXPECT_EQ(bytes.find('\x98'), std::string::npos);  // the one undefined byte
    EXPECT_EQ(bytes.substr(0, 3), "\xCA\xE0\xEA");     // "Как", not a UTF-8 mark
    EXPECT_EQ(bytes.find("\r\n"), bytes.find('\n') - 1);
}

}  // namespace
}  // namespace taramel
