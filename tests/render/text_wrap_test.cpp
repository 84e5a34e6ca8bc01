#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/TextWrap.h"

namespace taramel {
namespace {

using Lines = std::vector<std::u16string>;

// Every code unit is 10 pixels wide; counts what was measured.
struct FixedWidth {
    std::size_t measured = 0;
    int operator()(std::u16string_view text)
    {
        measured += text.size();
        return static_cast<int>(text.size()) * 10;
    }
};

Lines Wrap(std::u16string_view text, int width, int maxLines)
{
    FixedWidth font;
    return WrapTextLines(text, width, maxLines, std::ref(font));
}

TEST(TextWrap, WrapsClipsAtWholeLinesAndMarksTheCut)
{
    struct Case {
        const char* what;
        std::u16string text;
        int width;
        int maxLines;
        Lines lines;
    };
    const Case cases[] = {
        {"fits", u"short", 100, 3, {u"short"}},
        {"empty", u"", 100, 3, {}},
        {"breaks at the last blank that fits", u"aaa bbb ccc", 70, 3, {u"aaa bbb", u"ccc"}},
        {"a blank just after the full line", u"aaaa bbb", 40, 3, {u"aaaa", u"bbb"}},
        {"blanks at a break are dropped", u"aaa    bbb", 50, 3, {u"aaa", u"bbb"}},
        {"a word longer than a line", u"abcdefghij", 40, 3, {u"abcd", u"efgh", u"ij"}},
        {"line feeds", u"a\r\nb\n\nc", 100, 5, {u"a", u"b", u"", u"c"}},
        {"cut at the last line that fits", u"aaa bbb ccc ddd eee", 70, 2, {u"aaa bbb", u"ccc ..."}},
        {"the ellipsis needs room", u"aaa bbb ccc", 70, 1, {u"aaa ..."}},
        {"no room even for one character", u"abcdefgh", 35, 1, {u""}},
        {"more paragraphs than lines", u"a\nb\nc", 100, 2, {u"a", u"b..."}},
        {"surrogate pairs stay whole", u"\U0001F600\U0001F600", 30, 3, {u"\U0001F600", u"\U0001F600"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Wrap(c.text, c.width, c.maxLines), c.lines) << c.what;
}

TEST(TextWrap, AHundredThousandCharacterLineCostsOnlyTheLinesShown)
{
    std::u16string text;
    for (int i = 0; i < 20000; ++i)
        text += u"word ";
    FixedWidth font;
    const Lines lines = WrapTextLines(text, 478, 4, std::ref(font));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], u"word word word word word word word word word");  // 44 of 47 places
    EXPECT_EQ(lines[3], u"word word word word word word word word word...");
    EXPECT_LE(font.measured, 20000u);
}

}  // namespace
}  // namespace taramel
