#include <gtest/gtest.h>

#include "PixelFixture.h"
#include "base/Exception.h"
#include "render/SmoothResample.h"

namespace taramel {
namespace {

using test::Bgra;

// A 24-bit bitmap of two identical rows with the given blue bytes.
void Row(TBitmap& b, const std::vector<int>& blues)
{
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(static_cast<int>(blues.size()), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < b.Width(); ++x)
            test::Set(b, x, y, {blues[static_cast<std::size_t>(x)], 0, 0, 0});
}

std::vector<int> Blues(TBitmap& b, int y)
{
    std::vector<int> out;
    for (int x = 0; x < b.Width(); ++x)
        out.push_back(test::Get(b, x, y).b);
    return out;
}

TEST(SmoothResample, SourcesUnderTwoByTwoAreRefused)
{
    for (auto [w, h] : {std::pair{1, 5}, std::pair{5, 1}, std::pair{0, 0}}) {
        TBitmap s(w, h, TPixelFormat::pf24bit), d;
        try {
            SmoothResample(s, d, 4, 1, 4);
            ADD_FAILURE() << "no error for " << w << "x" << h;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Source bitmap is too small");
        }
    }
    TBitmap s(3, 3, TPixelFormat::pf24bit), d;
    EXPECT_THROW(SmoothResample(s, d, 4, 7, 4), Exception);
    EXPECT_THROW(SmoothResample(s, d, 0, 1, 4), Exception);
}

TEST(SmoothResample, SameSizeCopies)
{
    TBitmap s(3, 2, TPixelFormat::pf32bit), d;
    test::Randomise(s, 3);
    SmoothResample(s, d, 3, 6, 2);
    EXPECT_EQ(d.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(test::Bytes(d), test::Bytes(s));
}

TEST(SmoothResample, SamplesWithoutHalfPixelShift)
{
    struct Case {
        int filter;
        std::vector<int> from;
        std::vector<int> to;
    } cases[] = {
        // Centres 0, 0.5, 1, 1.5; index 2 mirrors back to 1.
        {1, {0, 200}, {0, 100, 200, 200}},
        // Shrinking by 2: centres 0 and 2, box widened to (-1, 1]; index -1 mirrors to 1.
        {0, {10, 20, 30, 40}, {15, 25}},
        // Triangle shrinking by 2: weights 1/4, 1/2, 1/4 around 0 and 2.
        {1, {0, 40, 80, 120}, {20, 80}},
    };
    for (const Case& c : cases) {
        TBitmap s, d;
        Row(s, c.from);
        SmoothResample(s, d, static_cast<int>(c.to.size()), c.filter, 2);
        EXPECT_EQ(Blues(d, 0), c.to) << "filter " << c.filter;
        EXPECT_EQ(Blues(d, 1), c.to);
    }
}

TEST(SmoothResample, FilterTableValues)
{
    struct Case {
        int filter;
        double d, value;
    } cases[] = {
        {0, 0.5, 1.0},        {0, -0.5, 0.0},      {1, 0.25, 0.75},     {2, 0.5, 0.5},
        {3, 0.0, 0.75},       {3, 1.0, 0.125},     {4, 0.0, 2.0 / 3},   {4, 1.5, 0.125 / 6},
        {5, 0.0, 1.0},        {6, 0.0, 8.0 / 9},   {6, 1.0, 1.0 / 18},  {6, 2.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ResampleFilterValue(c.filter, c.d), c.value, 1e-12) << c.filter << " at " << c.d;
    EXPECT_DOUBLE_EQ(ResampleFilterSupport(0), 0.51);
    EXPECT_DOUBLE_EQ(ResampleFilterSupport(5), 3.0);
}

TEST(SmoothResample, OvershootIsClampedAndNegativeSumsGiveZero)
{
    // Mitchell over a hard edge rings below 0 and above 255.
    TBitmap s, d;
    Row(s, {0, 0, 255, 255, 0, 0, 255, 255});
    SmoothResample(s, d, 16, 6, 2);
    for (int v : Blues(d, 0)) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 255);
    }
    const std::vector<int> out = Blues(d, 0);
    // Centre 2 (0, 255, 255 at weights 3641, 58254, 3641): 255 * 61895 >> 16.
    EXPECT_EQ(out[4], 240);
    // Centre 2.5: 0, 255, 255, 0 with negative outer lobes sums past 255.
    EXPECT_EQ(out[5], 255);
    // Centre 4.5: 255, 0, 0, 255 sums below 0.
    EXPECT_EQ(out[9], 0);
}

TEST(SmoothResample, EveryFilterWorksOnTinySourcesWithoutReadingOutside)
{
    for (int filter = 0; filter <= 6; ++filter) {
        for (TPixelFormat f : {TPixelFormat::pf8bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
            TBitmap s(2, 2, f), d;
            test::Fill(s, {100, 100, 100, 100});
            SmoothResample(s, d, 7, filter, 5);
            EXPECT_EQ(d.Width(), 7);
            EXPECT_EQ(d.Height(), 5);
            EXPECT_EQ(d.PixelFormat(), f == TPixelFormat::pf32bit ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
            TBitmap big(9, 9, f);
            test::Fill(big, {100, 100, 100, 100});
            SmoothResample(big, d, 2, filter, 2);  // strong shrink: wide filters
            EXPECT_EQ(d.Width(), 2);
        }
    }
}

TEST(SmoothResample, BottomUpAndTopDownGiveTheSameBytes)
{
    std::vector<std::uint8_t> out[2];
    for (bool topDown : {false, true}) {
        TBitmap s(13, 11, TPixelFormat::pf32bit, topDown), d(1, 1, TPixelFormat::pf32bit, !topDown);
        test::Randomise(s, 5);
        SmoothResample(s, d, 29, 6, 7);
        out[topDown] = test::Bytes(d);
    }
    EXPECT_EQ(out[0], out[1]);
}

TEST(SmoothResample, DestinationMayBeTheSource)
{
    TBitmap s;
    Row(s, {0, 200});
    SmoothResample(s, s, 4, 1, 2);
    EXPECT_EQ(Blues(s, 1), (std::vector<int>{0, 100, 200, 200}));
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

// FNV-1a over the pixel bytes.
std::uint32_t Checksum(const TBitmap& b)
{
    std::uint32_t h = 2166136261u;
    for (std::uint8_t v : test::Bytes(b))
        h = (h ^ v) * 16777619u;
    return h;
}

TEST(SmoothResample, SeededPicturesGiveTheStoredBytesInEveryBuild)
{
    // The sums are integers, but the weights come from real filter values
    // (sine included): the checksums pin them so that both builds agree.
    const std::uint32_t expected[7][2] = {
        {4292664709u, 2841028591u}, {3084704447u, 2735577619u}, {3820980180u, 3940686852u},
        {238873074u, 463148847u},   {1494591188u, 2025156335u}, {1952700521u, 15199092u},
        {2965947880u, 1229621539u},
    };
    for (int filter = 0; filter < 7; ++filter) {
        const int sizes[2][2] = {{53, 31}, {17, 11}};
        for (int k = 0; k < 2; ++k) {
            TBitmap s(37, 23, TPixelFormat::pf32bit), d;
            test::Randomise(s, 77);
            SmoothResample(s, d, sizes[k][0], filter, sizes[k][1]);
            EXPECT_EQ(Checksum(d), expected[filter][k]) << "filter " << filter << " size " << k;
        }
    }
}

}  // namespace
}  // namespace taramel
