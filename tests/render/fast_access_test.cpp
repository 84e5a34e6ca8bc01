#include <gtest/gtest.h>

#include "PixelFixture.h"
#include "render/FastAccess.h"
#include "render/WorkBitmaps.h"

namespace taramel {
namespace {

using test::Bgra;

TEST(FastAccess, AttachRefusesBitmapsUnderTwoByTwoAndWrongFormats)
{
    struct Case {
        int w, h;
        TPixelFormat f;
        bool ok24, ok32;
    } cases[] = {
        {2, 2, TPixelFormat::pf24bit, true, false}, {1, 5, TPixelFormat::pf24bit, false, false},
        {5, 1, TPixelFormat::pf24bit, false, false}, {2, 2, TPixelFormat::pf32bit, false, true},
        {5, 1, TPixelFormat::pf32bit, false, false}, {3, 3, TPixelFormat::pf8bit, false, false},
    };
    for (const Case& c : cases) {
        TBitmap b(c.w, c.h, c.f);
        TacFast24 f24;
        TacFast32 f32;
        f24.Width = f32.Width = 99;
        EXPECT_EQ(f24.Attach(&b), c.ok24) << c.w << "x" << c.h;
        EXPECT_EQ(f32.Attach(&b), c.ok32) << c.w << "x" << c.h;
        EXPECT_EQ(f24.Width, c.ok24 ? c.w : 0);
        EXPECT_EQ(f32.Width, c.ok32 ? c.w : 0);
    }
    TacFast24 f;
    EXPECT_FALSE(f.Attach(nullptr));
}

TEST(FastAccess, ReadAndWriteUseColourOrderAndTheSignedStride)
{
    for (bool topDown : {false, true}) {
        TBitmap b24(3, 3, TPixelFormat::pf24bit, topDown);
        test::Set(b24, 2, 1, {0x11, 0x22, 0x33, 0});
        TacFast24 f24;
        ASSERT_TRUE(f24.Attach(&b24));
        EXPECT_EQ(f24.Stride, topDown ? 12 : -12);
        EXPECT_EQ(f24.Read(2, 1), 0x112233);

        TBitmap b32(3, 3, TPixelFormat::pf32bit, topDown);
        TacFast32 f32;
        ASSERT_TRUE(f32.Attach(&b32));
        f32.Write(1, 2, MakeColor(0x33, 0x22, 0x11, 0x80));
        EXPECT_EQ(test::Get(b32, 1, 2), (Bgra{0x11, 0x22, 0x33, 0x80}));
        EXPECT_EQ(f32.Read(1, 2), MakeColor(0x33, 0x22, 0x11, 0x80));
    }
}

TEST(FastAccess, FillRect32StoresOpaqueColourAndClips)
{
    auto b = CreateWorkBitmap32(4, 3);
    FillRect32(*b, TRect{1, 1, 3, 2}, 0x0000FF);
    EXPECT_EQ(test::Get(*b, 1, 1), (Bgra{0x00, 0x00, 0xFF, 0xFF}));
    EXPECT_EQ(test::Get(*b, 2, 1), (Bgra{0x00, 0x00, 0xFF, 0xFF}));
    EXPECT_EQ(test::Get(*b, 3, 1), (Bgra{}));
    EXPECT_EQ(test::Get(*b, 1, 0), (Bgra{}));
    EXPECT_EQ(test::Get(*b, 1, 2), (Bgra{}));
    FillRect32(*b, TRect{-5, -5, 50, 50}, 0x123456);  // clipped, no stray writes
    EXPECT_EQ(test::Get(*b, 3, 2), (Bgra{0x12, 0x34, 0x56, 0xFF}));
    FillRect32(*b, TRect{3, 0, 1, 3}, 0);  // negative width writes nothing
    EXPECT_EQ(test::Get(*b, 2, 0), (Bgra{0x12, 0x34, 0x56, 0xFF}));
    TBitmap thin(5, 1, TPixelFormat::pf32bit);
    FillRect32(thin, TRect{0, 0, 5, 1}, 0xFFFFFF);
    EXPECT_EQ(test::Get(thin, 0, 0), (Bgra{}));
}

TEST(FastAccess, WorkBitmapsHaveTheAskedFormat)
{
    auto a = CreateWorkBitmap24(5, 4);
    auto b = CreateWorkBitmap32(5, 4);
    EXPECT_EQ(a->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(b->PixelFormat(), TPixelFormat::pf32bit);
    auto c = CreateBitmapLike(*b);
    EXPECT_EQ(c->Width(), 5);
    EXPECT_EQ(c->Height(), 4);
    EXPECT_EQ(c->PixelFormat(), TPixelFormat::pf32bit);
}

TEST(FastAccess, CopyChannelExtractsAndPutsBack)
{
    TBitmap wide(3, 2, TPixelFormat::pf32bit);
    TBitmap narrow(3, 2, TPixelFormat::pf8bit);
    test::Set(wide, 2, 1, {1, 2, 3, 4});
    for (int ch = 0; ch < 4; ++ch) {
        CopyChannel(wide, narrow, ch, true);
        EXPECT_EQ(narrow.ScanLine(1)[2], ch + 1);
    }
    narrow.ScanLine(1)[2] = 200;
    CopyChannel(wide, narrow, 3, false);
    EXPECT_EQ(test::Get(wide, 2, 1), (Bgra{1, 2, 3, 200}));
    TBitmap small(2, 2, TPixelFormat::pf8bit);
    CopyChannel(wide, small, 0, false);  // too small: nothing
    CopyChannel(wide, narrow, 4, false);  // no such channel: nothing
    EXPECT_EQ(test::Get(wide, 2, 1), (Bgra{1, 2, 3, 200}));
}

TEST(FastAccess, SharedInstancesAreDistinctAndLasting)
{
    EXPECT_NE(&SharedFast24A(), &SharedFast24B());
    EXPECT_EQ(&SharedFast32(), &SharedFast32());
    EXPECT_EQ(&SharedFastSum24(), &SharedFastSum24());
}

}  // namespace
}  // namespace taramel
