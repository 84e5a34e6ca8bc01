#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/CardNavigation.h"
#include "app/Deck.h"
#include "app/DeckLines.h"
#include "base/Exception.h"

namespace taramel {
namespace {

using Lines = std::vector<std::string>;

// A card view that remembers what it was given.
struct RecordingView : CardView {
    std::string question = "design question";
    std::string answer = "design answer";
    void SetQuestion(const std::string& line) override { question = line; }
    void SetAnswer(const std::string& line) override { answer = line; }
};

Lines Numbered(int n)
{
    Lines lines;
    for (int i = 0; i < n; ++i)
        lines.push_back("line " + std::to_string(i));
    return lines;
}

std::string ErrorOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

TEST(DeckLines, LineBreakKindsGiveTheSameDeck)
{
    const Lines expected = {"a", "b", "", "c"};
    for (const char* text : {"a\r\nb\r\n\r\nc", "a\rb\r\rc", "a\nb\n\nc", "a\r\nb\r\rc\n", "a\nb\r\n\nc\r\n",
                             "a\rb\n\r\nc\r"}) {
        EXPECT_EQ(SplitDeckLines(text), expected) << text;
    }
}

TEST(DeckLines, NulIsReadAsASpaceAndNothingIsTrimmed)
{
    const std::string text("  q1 \r\nans\0wer\r\nkept", 20);
    EXPECT_EQ(SplitDeckLines(text), (Lines{"  q1 ", "ans wer", "kept"}));
    EXPECT_EQ(SplitDeckLines(std::string("\0abc", 4)), Lines{" abc"});
    EXPECT_EQ(SplitDeckLines(""), Lines{});
    EXPECT_EQ(SplitDeckLines("\n"), Lines{""});
    EXPECT_EQ(SplitDeckLines("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitDeckLines("\n\r"), (Lines{"", ""}));  // LF then a lone CR
}

TEST(DeckLines, TabsExpandAndOtherControlCharactersAreNotShown)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\tb", "a       b"},
        {"\tx", "        x"},
        {"1234567\tx", "1234567 x"},
        {"12345678\tx", "12345678        x"},
        {"Да\tнет", "Да      нет"},  // columns count characters, not UTF-8 bytes
        {"a\x01\x1F\x7F" "b\x1B[0m", "ab[0m"},
        {"", ""},
    };
    for (const auto& [line, shown] : cases)
        EXPECT_EQ(CardDisplayText(line), shown) << line;
}

TEST(DeckLines, ByteOrderMarkStaysAndBytesAreNotDecoded)
{
    const std::string text = "\xEF\xBB\xBF\xC2\xEE\xEF\xF0\xEE\xF1\r\n\xCE\xF2\xE2\xE5\xF2";
    const Lines lines = SplitDeckLines(text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "\xEF\xBB\xBF\xC2\xEE\xEF\xF0\xEE\xF1");
    EXPECT_EQ(lines[1], "\xCE\xF2\xE2\xE5\xF2");
}

// "Вопрос" / "Ответ" in each of the codes a deck may come in.
const std::string kQuestion1251 = "\xC2\xEE\xEF\xF0\xEE\xF1";
const std::string kAnswer1251 = "\xCE\xF2\xE2\xE5\xF2";
const std::string kQuestionUtf8 = "Вопрос";
const std::string kAnswerUtf8 = "Ответ";

std::string Utf16(const std::u16string& text, TByteOrder order)
{
    std::string bytes;
    for (char16_t c : text) {
        const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
        bytes += order == TByteOrder::LittleEndian ? low : high;
        bytes += order == TByteOrder::LittleEndian ? high : low;
    }
    return bytes;
}

std::string Utf16Le(const std::u16string& text)
{
    return Utf16(text, TByteOrder::LittleEndian);
}

std::string Utf16Be(const std::u16string& text)
{
    return Utf16(text, TByteOrder::BigEndian);
}

TEST(CardNavigation, ByteOrderMarkChoosesHowTheDeckIsRead)
{
    struct Case {
        const char* name;
        std::string file;
        TLineEncoding encoding;
        Lines lines;
    };
    const Case cases[] = {
        {"ANSI, byte for byte", kQuestion1251 + "\r\n" + kAnswer1251, TLineEncoding::Ansi,
         {kQuestion1251, kAnswer1251}},
        {"UTF-8 mark", "\xEF\xBB\xBF" + kQuestionUtf8 + "\r\n" + kAnswerUtf8 + "\r\n", TLineEncoding::Utf8,
         {kQuestionUtf8, kAnswerUtf8}},
        {"UTF-16 LE mark", "\xFF\xFE" + Utf16Le(u"Вопрос\r\nОтвет\r\n"), TLineEncoding::Utf8,
         {kQuestionUtf8, kAnswerUtf8}},
        {"UTF-16 LE, lone CR and LF", "\xFF\xFE" + Utf16Le(u"a\rb\nc"), TLineEncoding::Utf8, {"a", "b", "c"}},
        // Outside the basic plane, a lone surrogate, an odd last byte.
        {"UTF-16 LE, surrogates", "\xFF\xFE" + Utf16Le(u"\U0001F600\n\xD800x") + "\x41", TLineEncoding::Utf8,
         {"\xF0\x9F\x98\x80", "\xEF\xBF\xBDx"}},
        {"UTF-16 LE, NUL as a space", "\xFF\xFE" + Utf16Le(std::u16string(u"q\na\0kept", 8)),
         TLineEncoding::Utf8, {"q", "a kept"}},
        {"UTF-8 mark alone", "\xEF\xBB\xBF", TLineEncoding::Utf8, {}},
        {"UTF-16 BE mark", "\xFE\xFF" + Utf16Be(u"Вопрос\r\nОтвет\r\n"), TLineEncoding::Utf8,
         {kQuestionUtf8, kAnswerUtf8}},
        {"UTF-16 BE, surrogates", "\xFE\xFF" + Utf16Be(u"\U0001F600\n\xD800x") + "\x41", TLineEncoding::Utf8,
         {"\xF0\x9F\x98\x80", "\xEF\xBF\xBDx"}},
        {"part of a UTF-8 mark", "\xEF\xBBq", TLineEncoding::Ansi, {"\xEF\xBBq"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDeck deck;
        EXPECT_EQ(LoadDeck(deck, c.file), c.encoding);
        Lines lines;
        for (int i = 0; i < deck.Count(); ++i)
            lines.push_back(deck.Line(i));
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(deck.ItemIndex(), c.lines.empty() ? -1 : 0);
    }
}

TEST(CardGenerator, MatchesTheLinearCongruentialRule)
{
    TCardGenerator g;
    EXPECT_EQ(g.Random(9), 0u);  // seed 1: floor(9 * 1 / 2^32)
    EXPECT_EQ(g.GeneratorSeed, 1u);
    EXPECT_EQ(g.Random(9), 0u);
    EXPECT_EQ(g.GeneratorSeed, 134775814u);
    g.GeneratorSeed = 0xFFFFFFFFu;
    // The seed becomes -134775813 + 1 mod 2^32, and a draw with m = 2^32 - 1
    // is one less than the seed.
    EXPECT_EQ(g.Random(0xFFFFFFFFu), 0u - 134775813u);
    EXPECT_EQ(g.GeneratorSeed, 0u - 134775812u);
}

TEST(CardNavigation, TenLineDeckInRandomOrderShowsTheKnownSequence)
{
    TDeck deck;
    RecordingView view;
    TCardGenerator g;
    LoadDeck(deck, "q0\na0\nq1\na1\nq2\na2\nq3\na3\nq4\na4\n");
    const int expectedDraws[] = {0, 0, 7, 1, 2, 6};
    const int expectedPicks[] = {0, 0, 8, 2, 2, 6};
    for (int k = 0; k < 6; ++k) {
        TCardGenerator probe = g;
        EXPECT_EQ(static_cast<int>(probe.Random(9)), expectedDraws[k]) << k;
        NextCardAtRandom(deck, g, view);
        EXPECT_EQ(deck.ItemIndex(), expectedPicks[k]) << k;
        EXPECT_EQ(view.question, "q" + std::to_string(expectedPicks[k] / 2));
        EXPECT_EQ(view.answer, "a" + std::to_string(expectedPicks[k] / 2));
    }
}

TEST(CardNavigation, RandomPickIsEvenOrTheLastLineOfAnOddDeck)
{
    EXPECT_EQ(RandomPickFromDraw(0), 0);
    EXPECT_EQ(RandomPickFromDraw(1), 2);
    EXPECT_EQ(RandomPickFromDraw(2), 2);
    EXPECT_EQ(RandomPickFromDraw(0xFFFFFFFFu), 0);  // -1 is odd: -1 + 1
    EXPECT_EQ(RandomPickFromDraw(0x7FFFFFFFu), static_cast<int>(0x80000000u));
}

TEST(CardNavigation, FileOrderWrapsAtTheEndOfTheDeck)
{
    struct Case {
        int count;
        std::vector<int> seen;
    };
    const Case cases[] = {{6, {2, 4, 0, 2}}, {5, {2, 4, 0, 2}}, {2, {0, 0, 0, 0}}, {1, {0, 0, 0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        TDeck deck;
        RecordingView view;
        deck.Assign(Numbered(c.count));
        deck.SetItemIndex(0);
        std::vector<int> seen;
        for (int k = 0; k < 4; ++k) {
            NextCardInFileOrder(deck, view);
            seen.push_back(deck.ItemIndex());
        }
        EXPECT_EQ(seen, c.seen);
    }
}

TEST(CardNavigation, EmptyDeckFailsEveryStepAtIndexMinusOne)
{
    TDeck deck;
    RecordingView view;
    TCardGenerator g;
    LoadDeck(deck, "");
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_EQ(deck.ItemIndex(), -1);
    EXPECT_EQ(ErrorOf([&] { ShowCurrentCard(deck, view); }), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf([&] { NextCardInFileOrder(deck, view); }), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf([&] { NextCardAtRandom(deck, g, view); }), "List index out of bounds (-1)");
    EXPECT_EQ(view.question, "design question");
    EXPECT_EQ(view.answer, "design answer");
}

TEST(CardNavigation, OneLineDeckShowsItsQuestionWithAnEmptyAnswer)
{
    TDeck deck;
    RecordingView view;
    TCardGenerator g;
    LoadDeck(deck, "only");
    EXPECT_EQ(ErrorOf([&] { ShowCurrentCard(deck, view); }), "");
    EXPECT_EQ(view.question, "only");
    EXPECT_EQ(view.answer, "");
    for (int k = 0; k < 5; ++k) {
        ErrorOf([&] { NextCardAtRandom(deck, g, view); });
        EXPECT_EQ(deck.ItemIndex(), 0);
    }
}

TEST(CardNavigation, TwoLineDeckAlwaysStaysOnItsOneCard)
{
    TDeck deck;
    RecordingView view;
    TCardGenerator g;
    LoadDeck(deck, "q\r\na\r\n");
    NextCardInFileOrder(deck, view);
    EXPECT_EQ(deck.ItemIndex(), 0);
    for (int k = 0; k < 5; ++k) {
        NextCardAtRandom(deck, g, view);
        EXPECT_EQ(deck.ItemIndex(), 0);
    }
    EXPECT_EQ(view.question, "q");
    EXPECT_EQ(view.answer, "a");
}

TEST(CardNavigation, OddDeckShowsItsLastQuestionWithAnEmptyAnswerThenWraps)
{
    TDeck deck;
    RecordingView view;
    deck.Assign(Numbered(5));
    deck.SetItemIndex(2);
    ShowCurrentCard(deck, view);
    // To 4, the last line: a question without an answer, never the
    // previous card's answer.
    EXPECT_EQ(ErrorOf([&] { NextCardInFileOrder(deck, view); }), "");
    EXPECT_EQ(deck.ItemIndex(), 4);
    EXPECT_EQ(view.question, "line 4");
    EXPECT_EQ(view.answer, "");
    // Then the first card again, not a step past the end.
    EXPECT_EQ(ErrorOf([&] { NextCardInFileOrder(deck, view); }), "");
    EXPECT_EQ(deck.ItemIndex(), 0);
    EXPECT_EQ(view.question, "line 0");
    EXPECT_EQ(view.answer, "line 1");
}

// An odd index (which the program no longer reaches) swaps the roles of the
// lines until the end of the deck, and the step after it starts again at 0.
TEST(CardNavigation, OddCurrentIndexWrapsToTheStartAtTheEnd)
{
    TDeck deck;
    RecordingView view;
    deck.Assign(Numbered(6));
    deck.SetItemIndex(1);
    NextCardInFileOrder(deck, view);
    EXPECT_EQ(deck.ItemIndex(), 3);
    EXPECT_EQ(view.question, "line 3");
    EXPECT_EQ(view.answer, "line 4");
    NextCardInFileOrder(deck, view);
    EXPECT_EQ(deck.ItemIndex(), 5);
    EXPECT_EQ(view.answer, "");
    NextCardInFileOrder(deck, view);
    EXPECT_EQ(deck.ItemIndex(), 0);
}

TEST(CardNavigation, AStoredPositionCountsOnlyAsAQuestionOfThisDeck)
{
    struct Case {
        int stored;
        int count;
        int position;
    };
    const Case cases[] = {
        {0, 10, 0}, {8, 10, 8}, {8, 9, 8},                  // questions, the last of an odd deck too
        {1, 10, 0}, {7, 10, 0},                            // answer lines
        {10, 10, 0}, {500, 10, 0}, {-1, 10, 0}, {-5, 10, 0},  // no line of this deck
        {0, 0, 0}, {4, 0, 0},                              // an empty deck
    };
    for (const Case& c : cases)
        EXPECT_EQ(StoredPositionInDeck(c.stored, c.count), c.position) << c.stored << " of " << c.count;
}

TEST(CardNavigation, APositionIsStoredAsAQuestionLine)
{
    const std::pair<int, int> cases[] = {{0, 0}, {6, 6}, {1, 0}, {7, 6}, {-1, -1}};
    for (const auto& [index, stored] : cases)
        EXPECT_EQ(PositionToStore(index), stored) << index;
}

TEST(Deck, IndexThatNamesNoLineLeavesNothingSelected)
{
    TDeck deck;
    deck.Assign(Numbered(4));
    for (int bad : {4, 100, -2, -1}) {
        deck.SetItemIndex(2);
        deck.SetItemIndex(bad);
        EXPECT_EQ(deck.ItemIndex(), -1) << bad;
    }
    EXPECT_EQ(ErrorOf([&] { deck.Line(4); }), "List index out of bounds (4)");
}

TEST(ExceptionReport, PeriodOnlyWhenTheLastCharacterComesAfterIt)
{
    EXPECT_EQ(ExceptionReportText("List index out of bounds (3)"), "List index out of bounds (3)");
    EXPECT_EQ(ExceptionReportText("Unable to write to C:\\x\\Option.ini"),
              "Unable to write to C:\\x\\Option.ini.");
    EXPECT_EQ(ExceptionReportText("Done."), "Done.");
    EXPECT_EQ(ExceptionReportText("a-"), "a-");
    EXPECT_EQ(ExceptionReportText("a/"), "a/.");
    EXPECT_EQ(ExceptionReportText("Ошибка"), "Ошибка.");
    EXPECT_EQ(ExceptionReportText(""), "");
}

TEST(ExceptionReport, AdviceLeadsAndTheMessageStaysWordForWordBelow)
{
    EXPECT_EQ(ExceptionReportText("Unable to write to C:\\x\\Option.ini", "Не удалось сохранить."),
              "Не удалось сохранить.\n\nUnable to write to C:\\x\\Option.ini.");
    EXPECT_EQ(ExceptionReportText("List index out of bounds (3)", ""), "List index out of bounds (3)");
}

}  // namespace
}  // namespace taramel
