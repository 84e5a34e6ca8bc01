#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <random>

#include "images/ComposeImage32.h"

namespace taramel {
namespace {

using Px = std::array<std::uint8_t, 4>;  // blue, green, red, alpha

void Set(TBitmap& b, int x, int y, Px p)
{
    const int n = BytesPerPixel(b.PixelFormat());
    std::copy_n(p.begin(), n, b.ScanLine(y) + n * x);
}

Px Get(const TBitmap& b, int x, int y)
{
    Px p{};
    const int n = BytesPerPixel(b.PixelFormat());
    std::copy_n(b.ScanLine(y) + n * x, n, p.begin());
    return p;
}

TEST(ComposeImage32, PerPixelAlphaRoundsDown)
{
    struct Case {
        Px dst, src;
        int percent;
        Px expected;
    };
    const Case cases[] = {
        {{100, 100, 100}, {200, 0, 100, 128}, 0, {150, 50, 100}},
        {{10, 10, 10}, {9, 11, 10, 1}, 0, {9, 10, 10}},  // floor(-1 / 256) = -1, floor(1 / 256) = 0
        {{0, 0, 0}, {255, 255, 255, 255}, 0, {254, 254, 254}},
        {{0, 0, 0}, {255, 255, 255, 255}, 50, {126, 126, 126}},  // alpha 50 * 255 div 100 = 127
        {{0, 0, 0}, {255, 255, 255, 255}, 100, {0, 0, 0}},
        {{40, 50, 60}, {1, 2, 3, 0}, 0, {40, 50, 60}},
    };
    for (const Case& c : cases) {
        TBitmap target(1, 1, TPixelFormat::pf24bit);
        TBitmap image(1, 1, TPixelFormat::pf32bit);
        Set(target, 0, 0, c.dst);
        Set(image, 0, 0, c.src);
        TComposeOptions o;
        o.blendPercent = c.percent;
        ComposeImage32(target, {0, 0, 1, 1}, image, {0, 0, 1, 1}, o);
        EXPECT_EQ(Get(target, 0, 0), c.expected) << int(c.src[3]) << " " << c.percent;
    }
}

TEST(ComposeImage32, NegativeOriginMovesBothRectanglesAndCountsAreClipped)
{
    TBitmap target(3, 2, TPixelFormat::pf24bit);
    TBitmap image(3, 2, TPixelFormat::pf32bit);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            Set(image, x, y, {static_cast<std::uint8_t>(10 * x + y + 1), 0, 0, 255});
    // Destination starts at (-1, 0): image column 1 lands on column 0.
    ComposeImage32(target, {-1, 0, 2, 2}, image, {0, 0, 3, 2}, {});
    EXPECT_EQ(Get(target, 0, 0)[0], 11 * 255 / 256);
    EXPECT_EQ(Get(target, 1, 1)[0], 22 * 255 / 256);
    EXPECT_EQ(Get(target, 2, 0)[0], 0);  // the destination rectangle ends at column 1
    // A source rectangle beyond the image is clipped to it.
    TBitmap t2(3, 3, TPixelFormat::pf24bit);
    ComposeImage32(t2, {1, 1, 4, 4}, image, {2, 0, 5, 3}, {});
    EXPECT_EQ(Get(t2, 1, 1)[0], 21 * 255 / 256);
    EXPECT_EQ(Get(t2, 1, 2)[0], 22 * 255 / 256);
    EXPECT_EQ(Get(t2, 2, 1)[0], 0);
}

TEST(ComposeImage32, TintTurnsTheImageGreyThenColoursIt)
{
    TBitmap target(2, 1, TPixelFormat::pf24bit);
    TBitmap image(2, 1, TPixelFormat::pf32bit);
    Set(image, 0, 0, {30, 60, 90, 255});     // grey (30 + 60 + 90) div 3 = 60
    Set(image, 1, 0, {255, 0, 255, 0});      // the key pixel keeps its colour
    TComposeOptions o;
    o.tint = 0x0080FF;  // red 255, green 128, blue 0
    ComposeImage32(target, {0, 0, 2, 1}, image, {0, 0, 2, 1}, o);
    // round(60 * 128 / 255) = 30; the image itself is tinted.
    EXPECT_EQ(Get(image, 0, 0), (Px{0, 30, 60, 255}));
    EXPECT_EQ(Get(image, 1, 0), (Px{255, 0, 255, 0}));
    EXPECT_EQ(Get(target, 0, 0), (Px{0, 29, 59, 0}));
}

TEST(ComposeImage32, KeyPixelsTakeTheBackgroundCache)
{
    TBitmap cache(3, 3, TPixelFormat::pf24bit);
    Set(cache, 2, 2, {7, 8, 9});
    TBitmap target(2, 2, TPixelFormat::pf24bit);
    Set(target, 0, 0, {1, 1, 1});
    Set(target, 1, 1, {5, 5, 5});
    TBitmap image(2, 2, TPixelFormat::pf32bit);
    Set(image, 0, 0, {255, 0, 255, 0});
    Set(image, 1, 1, {255, 0, 255, 0});
    Set(image, 1, 0, {200, 200, 200, 255});
    TComposeBackground bg{&cache, 2, 2, true};
    TComposeOptions o;
    o.background = &bg;
    ComposeImage32(target, {0, 0, 2, 2}, image, {0, 0, 2, 2}, o);
    EXPECT_EQ(Get(target, 0, 0), (Px{7, 8, 9, 0}));        // cache pixel (2, 2)
    EXPECT_EQ(Get(target, 1, 1), (Px{5, 5, 5, 0}));        // (3, 3) lies outside the cache
    EXPECT_EQ(Get(target, 1, 0), (Px{199, 199, 199, 0}));  // other pixels compose as usual
    // Without use-background the key pixels are left alone.
    bg.useBackground = false;
    Set(target, 0, 0, {1, 1, 1});
    ComposeImage32(target, {0, 0, 2, 2}, image, {0, 0, 2, 2}, o);
    EXPECT_EQ(Get(target, 0, 0), (Px{1, 1, 1, 0}));
}

TEST(ComposeImage32, ReflectionFadesBelowTheImage)
{
    TBitmap target(1, 10, TPixelFormat::pf24bit);
    TBitmap image(1, 6, TPixelFormat::pf32bit);
    for (int y = 0; y < 6; ++y)
        Set(image, 0, y, {static_cast<std::uint8_t>(250 + y), 0, 0, 255});
    TComposeOptions o;
    o.reflection = true;
    ComposeImage32(target, {0, 0, 1, 6}, image, {0, 0, 1, 6}, o);
    // n = min(6 div 2 - 1, 10 - 6 - 1) = 2 rows; levels 255 and 255 - 85.
    EXPECT_EQ(Get(target, 0, 6)[0], 0);
    EXPECT_EQ(Get(target, 0, 7)[0], 254 * 85 / 256);  // source row 6 - 1 - 1 = 4, a = 255 * 85 div 255
    EXPECT_EQ(Get(target, 0, 8)[0], 253 * 56 / 256);  // source row 3, a = 170 * 85 div 255 = 56
    EXPECT_EQ(Get(target, 0, 9)[0], 0);
}

// Every width (the four-pixel kernel and the pixels left after it), both
// destination formats and blend percents against the rule written out per
// pixel; the destination's alpha byte is never touched.
TEST(ComposeImage32, RowsOfEveryWidthFollowTheRule)
{
    std::mt19937 random(7);
    auto fill = [&random](TBitmap& b) {
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width() * BytesPerPixel(b.PixelFormat()); ++x)
                b.ScanLine(y)[x] = static_cast<std::uint8_t>(random());
    };
    for (const TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit})
        for (const int percent : {0, 30, 100})
            for (int w = 1; w <= 19; ++w) {
                TBitmap image(w, 3, TPixelFormat::pf32bit), target(w + 2, 3, format), before(w + 2, 3, format);
                fill(image);
                fill(target);
                before.Assign(target);
                TComposeOptions o;
                o.blendPercent = percent;
                ComposeImage32(target, {1, 0, 1 + w, 3}, image, {0, 0, w, 3}, o);
                const int n = BytesPerPixel(format);
                for (int y = 0; y < 3; ++y)
                    for (int x = 0; x < w + 2; ++x) {
                        const std::uint8_t* was = before.ScanLine(y) + n * x;
                        const std::uint8_t* now = target.ScanLine(y) + n * x;
                        if (x == 0 || x == w + 1) {
                            ASSERT_EQ(std::memcmp(was, now, static_cast<std::size_t>(n)), 0) << "outside, " << x;
                            continue;
                        }
                        const std::uint8_t* src = image.ScanLine(y) + 4 * (x - 1);
                        const int a = percent == 0 ? src[3] : (100 - percent) * src[3] / 100;
                        for (int c = 0; c < 3; ++c) {
                            const int expected = was[c] + static_cast<int>(std::floor((src[c] - was[c]) * a / 256.0));
                            ASSERT_EQ(now[c], expected) << "width " << w << ", x " << x << ", channel " << c
                                                        << ", percent " << percent << ", " << n * 8 << " bits";
                        }
                        if (n == 4) {
                            ASSERT_EQ(now[3], was[3]);
                        }
                    }
            }
}

TEST(ClearWhiteTransparent, OnlyWhiteWithAlphaZero)
{
    TBitmap b(4, 1, TPixelFormat::pf32bit);
    Set(b, 0, 0, {255, 255, 255, 0});
    Set(b, 1, 0, {255, 255, 255, 1});
    Set(b, 2, 0, {255, 254, 255, 0});
    Set(b, 3, 0, {255, 255, 255, 255});
    ClearWhiteTransparent(b);
    EXPECT_EQ(Get(b, 0, 0), (Px{0, 0, 0, 0}));
    EXPECT_EQ(Get(b, 1, 0), (Px{255, 255, 255, 1}));
    EXPECT_EQ(Get(b, 2, 0), (Px{255, 254, 255, 0}));
    EXPECT_EQ(Get(b, 3, 0), (Px{255, 255, 255, 255}));
}

}  // namespace
}  // namespace taramel
