#include <gtest/gtest.h>

#include "base/Exception.h"
#include "skin/OptionsText.h"
#include "skin/SkinNumbers.h"

namespace taramel {
namespace {

TEST(OptionsText, LineEndingsTrimmingAndComments)
{
    TOptionsText t("junk=1\r\n [ Button ] \r\n\tCOLOR = 12 \x01\r"
                   "; comment=2\n\nnokey\nHOTCOLOR=3=4\r\n[EDIT]\nA=\n");
    ASSERT_EQ(t.Sections().size(), 2u);
    EXPECT_EQ(t.Sections()[0].Name, "Button");
    ASSERT_EQ(t.Sections()[0].Keys.size(), 2u);
    EXPECT_EQ(t.Sections()[0].Keys[0].Name, "COLOR");
    EXPECT_EQ(t.Sections()[0].Keys[0].Value, "12");
    EXPECT_EQ(t.Sections()[0].Keys[1].Value, "3=4");
    EXPECT_EQ(t.Find("EDIT", "A"), t.Find("edit", "a"));
    ASSERT_NE(t.Find("EDIT", "A"), nullptr);
    EXPECT_EQ(*t.Find("EDIT", "A"), "");
    EXPECT_EQ(t.FindSection("junk"), nullptr);
}

TEST(OptionsText, FirstSectionAndFirstKeyWin)
{
    TOptionsText t("[Panel]\nCOLOR=1\ncolor=2\n[PANEL]\nCOLOR=3\nTRANSPARENCY=50\n[Other]\nX=1");
    ASSERT_EQ(t.Sections().size(), 2u);
    EXPECT_EQ(t.Read("PANEL", "COLOR", "d"), "1");
    EXPECT_EQ(t.Read("panel", "TRANSPARENCY", "d"), "d");
    EXPECT_EQ(t.Read("OTHER", "X", "d"), "1");
}

TEST(OptionsText, UntrimmedDivisionKeepsBlanks)
{
    TOptionsText t;
    t.ParseUntrimmed(" [A]\n[B]\n KEY = v \nKEY=w\n;X=1\n\n");
    ASSERT_EQ(t.Sections().size(), 1u);
    EXPECT_EQ(t.Sections()[0].Name, "B");
    EXPECT_EQ(t.Read("b", " KEY ", "?"), " v ");
    EXPECT_EQ(t.Read("B", "KEY", "?"), "w");
}

struct IntCase {
    const char* text;
    bool ok;
    std::int32_t value;
};

TEST(SkinNumbers, IntegerSyntax)
{
    const IntCase cases[] = {
        {"0", true, 0},           {"  42", true, 42},         {"-16777201", true, -16777201},
        {"+7", true, 7},          {"$1F", true, 31},          {"x10", true, 16},
        {"X10", true, 16},        {"0x10", true, 16},         {"0X1f", true, 31},
        {"-$10", true, -16},      {"$FFFFFFFF", true, -1},    {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0}, {"$100000000", false, 0},   {"12 ", false, 0},
        {"", false, 0},           {" ", false, 0},            {"-", false, 0},
        {"$", false, 0},          {"0x", false, 0},           {"1.5", false, 0},
        {"abc", false, 0},        {"99999999999999999999", false, 0},
    };
    for (const IntCase& c : cases) {
        auto v = ParseSkinInteger(c.text);
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (c.ok && v) {
            EXPECT_EQ(*v, c.value) << c.text;
        }
    }
}

TEST(SkinNumbers, StrictConversionMessage)
{
    try {
        StrictSkinInteger(" 1a");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "' 1a' is not a valid integer value");
    }
    EXPECT_EQ(SkinIntegerOr("bad", 30), 30);
}

TEST(SkinNumbers, RealWithDot)
{
    EXPECT_DOUBLE_EQ(SkinRealOr("6.5", 0), 6.5);
    EXPECT_DOUBLE_EQ(SkinRealOr(" 300", 0), 300);
    EXPECT_DOUBLE_EQ(SkinRealOr("-1.25e2", 0), -125);
    EXPECT_DOUBLE_EQ(SkinRealOr("6,5", 7), 7);
    EXPECT_DOUBLE_EQ(SkinRealOr(".", 7), 7);
    EXPECT_DOUBLE_EQ(SkinRealOr("1e99999", 7), 7);
}

}  // namespace
}  // namespace taramel
