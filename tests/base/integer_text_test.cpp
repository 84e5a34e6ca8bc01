#include <gtest/gtest.h>

#include "base/Exception.h"
#include "base/IntegerText.h"

namespace taramel {
namespace {

TEST(StrToInt, DecimalAndDollarHexadecimal)
{
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"0", 0},           {"255", 255},          {"-17", -17},           {"+8", 8},
        {"  42", 42},       {"$FF", 255},          {"$ff", 255},           {"0x10", 16},
        {"-$10", -16},      {"$FFFFFFFF", -1},     {"$7FFFFFFF", 2147483647}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},          {"$000000000001", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, AnythingElseIsAConversionError)
{
    for (const char* text : {"", " ", "x", "12x", "1 ", "$", "0x", "-", "2147483648", "-2147483649",
                             "$100000000", "1.5", "$G"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

}  // namespace
}  // namespace taramel
