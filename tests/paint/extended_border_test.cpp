// The opaque form and the built-in shadow of an extended border, read back
// from memory bitmaps.
#include "paint/ExtendedBorder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace taramel {
namespace {

std::uint8_t AlphaAt(const TBitmap& b, int x, int y) { return b.ScanLine(y)[x * 4 + 3]; }

TEST(SetAlphaIn, OnlyTheRectangleCutToTheBitmapAndOnlyWith32Bits)
{
    TBitmap b(6, 5, TPixelFormat::pf32bit);
    SetAlphaIn(b, {0, 0, 6, 5}, 0);
    // Reaches past the right and bottom edges: cut, no write outside.
    SetAlphaIn(b, {4, 3, 9, 9}, 255);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(AlphaAt(b, x, y), (x >= 4 && y >= 3) ? 255 : 0) << x << ',' << y;
    // A 24-bit bitmap has no alpha byte: its colours stay as they are.
    TBitmap rgb(2, 1, TPixelFormat::pf24bit);
    std::fill(rgb.ScanLine(0), rgb.ScanLine(0) + 6, std::uint8_t{7});
    SetAlphaIn(rgb, {0, 0, 2, 1}, 255);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(rgb.ScanLine(0)[i], 7);
}

TEST(BuiltInShadow, DarkestAtTheFormFadingToNothingOutside)
{
    const FrameMargins m{11, 7, 11, 11};
    const auto s = BuiltInShadow(m);
    ASSERT_EQ(s->Width(), 23);
    ASSERT_EQ(s->Height(), 19);
    // The centre (the form's place) and the pixels next to it are the
    // darkest; the outer edge and the outer corners are clear.
    const std::uint8_t centre = AlphaAt(*s, 11, 7);
    EXPECT_GT(centre, 0);
    EXPECT_EQ(AlphaAt(*s, 0, 7), 0);
    EXPECT_EQ(AlphaAt(*s, 22, 7), 0);
    EXPECT_EQ(AlphaAt(*s, 11, 0), 0);
    EXPECT_EQ(AlphaAt(*s, 11, 18), 0);
    EXPECT_EQ(AlphaAt(*s, 0, 0), 0);
    // Going outwards it never gets darker, on every side.
    for (int x = 11; x > 0; --x)
        EXPECT_GE(AlphaAt(*s, x, 7), AlphaAt(*s, x - 1, 7)) << x;
    for (int y = 7; y < 18; ++y)
        EXPECT_GE(AlphaAt(*s, 11, y), AlphaAt(*s, 11, y + 1)) << y;
    // Premultiplied black: every colour byte is 0.
    for (int y = 0; y < s->Height(); ++y)
        for (int x = 0; x < s->Width(); ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(s->ScanLine(y)[x * 4 + c], 0);
    // No margins: a single opaque-shadow pixel, no crash.
    EXPECT_EQ(BuiltInShadow({})->Width(), 1);
    EXPECT_EQ(BuiltInShadow({-3, 0, 0, 0})->Width(), 1);
}

}  // namespace
}  // namespace taramel
