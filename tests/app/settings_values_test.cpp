#include <gtest/gtest.h>

#include <string>

#include "app/SettingsValues.h"

namespace taramel {
namespace {

struct IntegerCase {
    const char* text;
    int defaultValue;
    int expected;
};

TEST(SettingsValues, IntegerParsingFollowsTheProfileRules)
{
    const IntegerCase cases[] = {
        {"15", 1, 15},
        {"   15", 1, 15},
        {"15s", 1, 1},
        {"15 ", 1, 1},
        {"", 7, 7},
        {"-1", 0, -1},
        {"+42", 0, 42},
        {"0x0", 1, 0},
        {"0X1f", 0, 31},
        {"0x", 5, 5},          // too short for the 0x rule, and not a number
        {"0xg", 5, 5},
        {"$10", 0, 16},
        {"x10", 0, 16},
        {"X10", 0, 16},
        {" -$10", 0, -16},
        {"$FFFFFFFF", 0, -1},
        {"$100000000", 3, 3},  // more than 32 bits
        {"2147483647", 0, 2147483647},
        {"2147483648", 9, 9},
        {"-2147483648", 0, -2147483647 - 1},
        {"-2147483649", 9, 9},
        {"yes", 1, 1},
        {"-", 4, 4},
        {"$", 4, 4},
        {"\t5", 4, 4},         // only spaces are blanks
        {"0x 5", 4, 4},
        {"0x-5", 4, 4},
        {"007", 0, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseProfileInteger(c.text, c.defaultValue), c.expected) << '"' << c.text << '"';
}

TEST(SettingsValues, OnlyTheFirst2047CharactersAreRead)
{
    const std::string longValue = std::string(2046, ' ') + "12";
    EXPECT_EQ(ParseProfileInteger(longValue, 0), 1);
    EXPECT_EQ(ParseProfileInteger(std::string(2045, ' ') + "12", 0), 12);
}

TEST(SettingsValues, BooleansAreIntegersWithZeroAsFalse)
{
    EXPECT_FALSE(ParseProfileBool("0x0", true));
    EXPECT_TRUE(ParseProfileBool("yes", true));
    EXPECT_FALSE(ParseProfileBool("yes", false));
    EXPECT_TRUE(ParseProfileBool("2", false));
    EXPECT_TRUE(ParseProfileBool("-1", false));
    EXPECT_FALSE(ParseProfileBool("0", true));
    EXPECT_EQ(FormatProfileBool(true), "1");
    EXPECT_EQ(FormatProfileBool(false), "0");
    EXPECT_EQ(FormatProfileInteger(-1), "-1");
}

TEST(SettingsValues, ExecutableFolderEndsAtTheLastBackslashOrColon)
{
    EXPECT_EQ(ExecutableFolder("C:\\Program Files\\Taramel\\Taramel.exe"), "C:\\Program Files\\Taramel\\");
    EXPECT_EQ(ExecutableFolder("C:Taramel.exe"), "C:");
    EXPECT_EQ(ExecutableFolder("\\\\server\\share\\T.exe"), "\\\\server\\share\\");
    EXPECT_EQ(ExecutableFolder("Taramel.exe"), "");
}

}  // namespace
}  // namespace taramel
