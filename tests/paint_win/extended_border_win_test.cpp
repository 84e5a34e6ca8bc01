// The frame cache of a form with an extended border, composed on memory
// bitmaps and read back by its alpha bytes.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "paint/ExtendedBorder_win.h"
#include "render/Bitmap_win.h"

namespace taramel::test {
namespace {

class ExtendedBorderWin : public ::testing::Test {
protected:
    void SetUp() override { InstallDibSectionStorage(); }
    void TearDown() override { SetPixelStorageFactory(nullptr); }
};

std::uint8_t Alpha(const TBitmap& b, int x, int y) { return b.ScanLine(y)[x * 4 + 3]; }

// A 100 x 60 form in a cache with the built-in shadow's margins around it;
// the cache starts all clear, as a new 32-bit cache is, with the form's
// picture in it but its alpha still 0 (GDI leaves alpha alone).
TEST_F(ExtendedBorderWin, FormOpaqueShadowAroundItAndTheTitleOpaqueAgain)
{
    const FrameMargins m{11, 7, 11, 11};
    TBitmap cache(11 + 100 + 11, 7 + 60 + 11, TPixelFormat::pf32bit);
    for (int y = 0; y < cache.Height(); ++y)
        std::fill(cache.ScanLine(y), cache.ScanLine(y) + cache.Width() * 4, std::uint8_t{0});
    const TRect form{11, 7, 111, 67};
    // The title band spans the frame's width over the shadow's top margin.
    const TRect title{0, 0, cache.Width(), 7 + 30};
    auto shadow = BuiltInShadow(m);
    ComposeExtendedBorder(cache, form, *shadow, m, m, title);

    struct Probe {
        const char* where;
        int x, y;
        int min, max;  // the alpha's range
    } probes[] = {
        {"inside the form", 60, 40, 255, 255},
        {"form's bottom-right pixel", 110, 66, 255, 255},
        {"title over the shadow's top margin", 60, 2, 255, 255},
        {"title over the left shadow", 3, 20, 255, 255},
        {"left shadow next to the form", 10, 50, 40, 254},
        {"right shadow next to the form", 111, 50, 40, 254},
        {"bottom shadow next to the form", 60, 67, 40, 254},
        {"left shadow's outer edge", 0, 50, 0, 0},
        {"bottom shadow's outer edge", 60, 77, 0, 0},
        {"bottom-right corner's outside", 121, 77, 0, 0},
    };
    for (const Probe& p : probes) {
        EXPECT_GE(Alpha(cache, p.x, p.y), p.min) << p.where;
        EXPECT_LE(Alpha(cache, p.x, p.y), p.max) << p.where;
    }
    // The edges are stretched: the left shadow is the same all down its
    // length below the title.
    for (int y = 40; y < 67; ++y)
        EXPECT_EQ(Alpha(cache, 10, y), Alpha(cache, 10, 50)) << y;
}

TEST_F(ExtendedBorderWin, A24BitCacheIsLeftAsItIs)
{
    TBitmap cache(30, 30, TPixelFormat::pf24bit);
    for (int y = 0; y < 30; ++y)
        std::fill(cache.ScanLine(y), cache.ScanLine(y) + 90, std::uint8_t{9});
    auto shadow = BuiltInShadow({5, 5, 5, 5});
    ComposeExtendedBorder(cache, {5, 5, 25, 25}, *shadow, {5, 5, 5, 5}, {5, 5, 5, 5}, {0, 0, 30, 10});
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 90; ++x)
            ASSERT_EQ(cache.ScanLine(y)[x], 9) << x << ',' << y;
}

}  // namespace
}  // namespace taramel::test
