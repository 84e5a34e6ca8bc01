#include <gtest/gtest.h>

#include "render/SysColors.h"

namespace taramel {
namespace {

TColor FakeSysColor(int index)
{
    return index == 15 ? MakeColor(1, 2, 3, 0x7F) : 0;  // stray high byte is dropped
}

TEST(SysColors, PlainColoursPassAndSystemColoursResolve)
{
    EXPECT_EQ(ResolveColor(0x123456), 0x123456);
    EXPECT_EQ(ResolveColor(MakeColor(5, 0, 0, 0xFF)), MakeColor(255, 255, 255));  // window: white
    EXPECT_EQ(ResolveColor(MakeColor(15, 0, 0, 0xFF)), MakeColor(212, 208, 200));  // button face
    EXPECT_EQ(ResolveColor(MakeColor(200, 0, 0, 0xFF)), 0);                       // no such index
    SetSysColorProvider(&FakeSysColor);
    EXPECT_EQ(ResolveColor(MakeColor(15, 0, 0, 0xFF)), MakeColor(1, 2, 3));
    SetSysColorProvider(nullptr);
    EXPECT_EQ(ResolveColor(MakeColor(15, 0, 0, 0xFF)), MakeColor(212, 208, 200));
}

}  // namespace
}  // namespace taramel
