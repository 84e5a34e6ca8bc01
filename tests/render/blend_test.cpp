#include <gtest/gtest.h>

#include "PixelFixture.h"
#include "render/Blend.h"
#include "render/PixelMath.h"

namespace taramel {
namespace {

using test::Bgra;

TEST(Blend, ByteRuleLosesAUnitAtTheExtremes)
{
    struct Case {
        unsigned dst, src, w, expected;
    } cases[] = {
        {0, 255, 0, 254}, {255, 0, 255, 254}, {0, 255, 128, 127}, {255, 0, 128, 127},
        {0, 0, 77, 0},    {255, 255, 0, 254}, {100, 200, 255, 100}, {100, 100, 128, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BlendByte(c.dst, c.src, c.w), c.expected) << c.dst << " " << c.src << " " << c.w;
        TBitmap d(2, 2, TPixelFormat::pf32bit), s(2, 2, TPixelFormat::pf32bit);
        const int dv = static_cast<int>(c.dst), sv = static_cast<int>(c.src);
        test::Fill(d, {dv, dv, dv, dv});
        test::Fill(s, {sv, sv, sv, sv});
        BlendBitmaps(d, s, static_cast<int>(c.w), 0, 0, TRect{0, 0, 2, 2});
        const int e = static_cast<int>(c.expected);
        EXPECT_EQ(test::Get(d, 1, 1), (Bgra{e, e, e, e}));  // alpha blended too
    }
}

TEST(Blend, NegativePointMovesTheSourceRectangle)
{
    TBitmap d(30, 20, TPixelFormat::pf24bit), s(20, 10, TPixelFormat::pf24bit);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            test::Set(s, x, y, {x, y, 255, 0});
    BlendBitmaps(d, s, 0, -5, -3, TRect{0, 0, 20, 10});
    // Source columns 5..19 and rows 3..9 land at (0, 0): 15 x 7 pixels.
    EXPECT_EQ(test::Get(d, 0, 0), (Bgra{BlendByte(0, 5, 0), BlendByte(0, 3, 0), 254, 0}));
    EXPECT_EQ(test::Get(d, 14, 6), (Bgra{BlendByte(0, 19, 0), BlendByte(0, 9, 0), 254, 0}));
    EXPECT_EQ(test::Get(d, 15, 0), (Bgra{}));
    EXPECT_EQ(test::Get(d, 0, 7), (Bgra{}));
}

TEST(Blend, ClipsAtBothBitmapsEdges)
{
    struct Case {
        int x, y;
        TRect r;
        int changed;  // pixels of the destination that change
    } cases[] = {
        {0, 0, {0, 0, 4, 4}, 16},   {2, 2, {0, 0, 4, 4}, 4},  {0, 0, {-2, -1, 4, 4}, 6},
        {0, 0, {0, -5, 4, -1}, 0},  {3, 0, {0, 0, 9, 9}, 4},  {4, 0, {0, 0, 4, 4}, 0},
        {0, 0, {3, 3, 1, 1}, 0},    {-4, 0, {0, 0, 4, 4}, 0}, {1, 1, {2, 2, 9, 9}, 4},
    };
    for (const Case& c : cases) {
        TBitmap d(4, 4, TPixelFormat::pf24bit), s(4, 4, TPixelFormat::pf24bit);
        test::Fill(s, {255, 255, 255, 0});
        BlendBitmaps(d, s, 0, c.x, c.y, c.r);
        int changed = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                changed += test::Get(d, x, y).b != 0;
        EXPECT_EQ(changed, c.changed) << c.x << "," << c.y << " " << c.r.Left << "," << c.r.Top << ","
                                      << c.r.Right << "," << c.r.Bottom;
    }
}

TEST(Blend, DifferentFormatsChangeNothing)
{
    TBitmap d(4, 4, TPixelFormat::pf24bit), s(4, 4, TPixelFormat::pf32bit);
    test::Fill(s, {255, 255, 255, 255});
    BlendBitmaps(d, s, 0, 0, 0, TRect{0, 0, 4, 4});
    EXPECT_EQ(test::Get(d, 1, 1), (Bgra{}));
    TBitmap d8(4, 4, TPixelFormat::pf8bit), s8(4, 4, TPixelFormat::pf8bit);
    test::Fill(s8, {255});
    BlendBitmaps(d8, s8, 0, 0, 0, TRect{0, 0, 4, 4});
    EXPECT_EQ(test::Get(d8, 1, 1).b, 0);
}

TEST(Blend, SameSizeBlendsWholeBitmapsOnlyWhenSizesMatch)
{
    TBitmap d(3, 2, TPixelFormat::pf24bit), s(3, 2, TPixelFormat::pf24bit);
    test::Fill(d, {100, 100, 100, 0});
    test::Fill(s, {200, 0, 255, 0});
    BlendSameSize(d, s, 128);
    EXPECT_EQ(test::Get(d, 2, 1), (Bgra{BlendByte(100, 200, 128), BlendByte(100, 0, 128), BlendByte(100, 255, 128)}));
    TBitmap other(3, 3, TPixelFormat::pf24bit);
    BlendSameSize(other, s, 0);
    EXPECT_EQ(test::Get(other, 0, 0), (Bgra{}));
}

TEST(Blend, SameSizeIntoEqualsCopyThenBlendAndRefusesMismatches)
{
    // Padded rows (37 pixels) and unpadded ones (40, one run), rows of the
    // three bitmaps in the same or in different orders.
    for (int width : {37, 40})
        for (bool aDown : {false, true})
            for (bool bDown : {false, true}) {
                TBitmap a(width, 5, TPixelFormat::pf24bit, aDown), b(width, 5, TPixelFormat::pf24bit, bDown),
                    out(width, 5, TPixelFormat::pf24bit, aDown);
                test::Randomise(a, 3);
                test::Randomise(b, 4);
                for (int w : {0, 51, 127, 204, 255}) {
                    TBitmap expected(1, 1, TPixelFormat::pf24bit);
                    expected.Assign(a);
                    BlendSameSize(expected, b, w);
                    ASSERT_TRUE(BlendSameSizeInto(out, a, b, w));
                    for (int y = 0; y < 5; ++y)
                        for (int x = 0; x < width; ++x)
                            ASSERT_EQ(test::Get(out, x, y), test::Get(expected, x, y))
                                << "w=" << w << " width " << width << " " << x << "," << y << " " << aDown << bDown;
                }
            }
    TBitmap a(37, 5, TPixelFormat::pf24bit), b(37, 5, TPixelFormat::pf24bit), out(37, 5, TPixelFormat::pf24bit);
    // Refused (nothing written): another size, another format, under 2 x 2.
    TBitmap small(36, 5, TPixelFormat::pf24bit), wide(37, 5, TPixelFormat::pf32bit), dot(1, 1, TPixelFormat::pf24bit);
    test::Fill(small, {9, 9, 9, 0});
    EXPECT_FALSE(BlendSameSizeInto(small, a, b, 0));
    EXPECT_EQ(test::Get(small, 0, 0), (Bgra{9, 9, 9, 0}));
    EXPECT_FALSE(BlendSameSizeInto(out, a, small, 0));
    EXPECT_FALSE(BlendSameSizeInto(wide, a, b, 0));
    EXPECT_FALSE(BlendSameSizeInto(dot, dot, dot, 0));
}

TEST(Blend, BitmapOntoItselfReadsTheOriginalPixelsLeftOfIt)
{
    // Bytes are walked from the right: shifting one pixel right reads pixels
    // not yet blended.
    TBitmap b(4, 2, TPixelFormat::pf24bit);
    for (int x = 0; x < 4; ++x)
        test::Set(b, x, 0, {40 * x, 0, 0, 0});
    BlendBitmaps(b, b, 0, 1, 0, TRect{0, 0, 3, 1});
    EXPECT_EQ(test::Get(b, 1, 0).b, BlendByte(40, 0, 0));
    EXPECT_EQ(test::Get(b, 2, 0).b, BlendByte(80, 40, 0));
    EXPECT_EQ(test::Get(b, 3, 0).b, BlendByte(120, 80, 0));
}

TEST(Blend, VectorLoopMatchesTheReferenceByteForByte)
{
    std::mt19937 gen(7);
    for (bool wide : {true, false})
        for (std::size_t n : {0u, 1u, 15u, 16u, 17u, 100u, 4099u}) {
            const bool was = UseWideBlendLoops(wide);
            std::vector<std::uint8_t> d(n), s(n);
            for (auto& v : d)
                v = static_cast<std::uint8_t>(gen());
            for (auto& v : s)
                v = static_cast<std::uint8_t>(gen());
            // Every weight: the vector loops (chosen by the processor) and the
            // three-operand form give the plain rule's bytes.
            for (unsigned w = 0; w < 256; ++w) {
                auto fast = d, ref = d;
                BlendBytes(fast.data(), s.data(), n, w);
                BlendBytesReference(ref.data(), s.data(), n, w);
                ASSERT_EQ(fast, ref) << "n=" << n << " w=" << w;
                std::vector<std::uint8_t> out(n, 0xAB);
                const auto untouched = d;
                BlendBytesInto(out.data(), d.data(), s.data(), n, w);
                ASSERT_EQ(out, ref) << "into, n=" << n << " w=" << w;
                ASSERT_EQ(d, untouched) << "into changed its input, n=" << n << " w=" << w;
            }
            UseWideBlendLoops(was);
        }
}

TEST(Blend, OneColourIntoARowMatchesThePlainRuleForEveryWeight)
{
    std::mt19937 gen(9);
    for (bool wide : {true, false})
        for (int bpp : {3, 4})
            for (std::size_t n : {0u, 5u, 95u, 96u, 97u, 200u, 1923u}) {
                const bool was = UseWideBlendLoops(wide);
                std::vector<std::uint8_t> d(n);
                for (auto& v : d)
                    v = static_cast<std::uint8_t>(gen());
                const std::uint8_t pixel[4] = {0, 255, 128, 77};
                for (unsigned w = 0; w < 256; ++w) {
                    auto fast = d;
                    BlendColourBytes(fast.data(), pixel, bpp, n, w);
                    for (std::size_t k = 0; k < n; ++k)
                        ASSERT_EQ(fast[k], BlendByte(d[k], pixel[k % bpp], w))
                            << "bpp " << bpp << " n=" << n << " w=" << w << " byte " << k << " wide " << wide;
                }
                UseWideBlendLoops(was);
            }
}

TEST(Blend, SeededBitmapsMatchThePlainRuleInBothRowOrders)
{
    for (TPixelFormat f : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        std::vector<std::uint8_t> results[2];
        for (bool topDown : {false, true}) {
            TBitmap d(123, 37, f, topDown), s(97, 41, f, !topDown);
            test::Randomise(d, 11);
            test::Randomise(s, 12);
            TBitmap before(1, 1, f);
            before.Assign(d);
            BlendBitmaps(d, s, 90, 30, 5, TRect{3, 2, 97, 41});
            const int bpp = BytesPerPixel(f);
            for (int y = 0; y < d.Height(); ++y) {
                for (int x = 0; x < d.Width(); ++x) {
                    const bool inside = x >= 30 && y >= 5 && x - 30 + 3 < 97 && y - 5 + 2 < 41;
                    for (int c = 0; c < bpp; ++c) {
                        const unsigned old = before.ScanLine(y)[x * bpp + c];
                        const unsigned expected =
                            inside ? BlendByte(old, s.ScanLine(y - 5 + 2)[(x - 30 + 3) * bpp + c], 90) : old;
                        ASSERT_EQ(d.ScanLine(y)[x * bpp + c], expected) << "pixel " << x << "," << y << " byte " << c;
                    }
                }
            }
            results[topDown] = test::Bytes(d);
        }
        EXPECT_EQ(results[0], results[1]);
    }
}

TEST(Blend, RandomGeometryBlendsExactlyTheOverlapOfBothBitmaps)
{
    // Whatever the point and rectangle, destination pixel (dx, dy) takes
    // source pixel (dx - x + r.Left, dy - y + r.Top) exactly when that pixel
    // lies inside both r and the source; every other pixel stays.
    std::mt19937 gen(2024);
    auto pick = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    for (int round = 0; round < 400; ++round) {
        const TPixelFormat f = round % 2 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
        TBitmap d(pick(2, 12), pick(2, 12), f, round % 3 == 0), s(pick(2, 12), pick(2, 12), f, round % 5 == 0);
        test::Randomise(d, static_cast<unsigned>(round));
        test::Randomise(s, static_cast<unsigned>(round + 1000));
        TBitmap before(1, 1, f);
        before.Assign(d);
        const int x = pick(-15, 15), y = pick(-15, 15);
        const TRect r{pick(-15, 15), pick(-15, 15), pick(-15, 20), pick(-15, 20)};
        const int w = pick(0, 255);
        BlendBitmaps(d, s, w, x, y, r);
        const int bpp = BytesPerPixel(f);
        for (int dy = 0; dy < d.Height(); ++dy) {
            for (int dx = 0; dx < d.Width(); ++dx) {
                const int sx = dx - x + r.Left, sy = dy - y + r.Top;
                const bool inside = sx >= std::max(r.Left, 0) && sx < std::min(r.Right, s.Width()) &&
                                    sy >= std::max(r.Top, 0) && sy < std::min(r.Bottom, s.Height());
                for (int c = 0; c < bpp; ++c) {
                    const unsigned old = before.ScanLine(dy)[dx * bpp + c];
                    const unsigned expected =
                        inside ? BlendByte(old, s.ScanLine(sy)[sx * bpp + c], static_cast<unsigned>(w)) : old;
                    ASSERT_EQ(d.ScanLine(dy)[dx * bpp + c], expected)
                        << "round " << round << " point " << x << "," << y << " rect " << r.Left << "," << r.Top
                        << "," << r.Right << "," << r.Bottom << " pixel " << dx << "," << dy;
                }
            }
        }
    }
}

}  // namespace
}  // namespace taramel
