#include <gtest/gtest.h>

#include "render/Bitmap.h"

namespace taramel {
namespace {

TEST(Bitmap, BottomUpByDefaultWithPaddedRows)
{
    TBitmap b(3, 2, TPixelFormat::pf24bit);
    EXPECT_EQ(b.Stride(), -12);  // 9 bytes padded to 12
    EXPECT_EQ(b.ScanLine(1), b.Row0() - 12);
    TBitmap t(3, 2, TPixelFormat::pf24bit, true);
    EXPECT_EQ(t.Stride(), 12);
    EXPECT_EQ(RowBytes(5, TPixelFormat::pf8bit), 8u);
}

TEST(Bitmap, FormatChangeConvertsAndResizeKeepsTheCommonArea)
{
    TBitmap b(2, 2, TPixelFormat::pf24bit);
    b.ScanLine(1)[3] = 0x11;
    b.ScanLine(1)[4] = 0x22;
    b.ScanLine(1)[5] = 0x33;
    b.SetPixelFormat(TPixelFormat::pf32bit);
    const std::uint8_t* p = b.ScanLine(1) + 4;
    EXPECT_EQ(p[0], 0x11);
    EXPECT_EQ(p[1], 0x22);
    EXPECT_EQ(p[2], 0x33);
    EXPECT_EQ(p[3], 0);
    b.SetSize(3, 3);
    EXPECT_EQ(b.ScanLine(1)[4 + 2], 0x33);
    EXPECT_EQ(b.ScanLine(2)[0], 0);
    TBitmap c;
    c.Assign(b);
    EXPECT_EQ(c.Width(), 3);
    EXPECT_EQ(c.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(c.ScanLine(1)[4 + 1], 0x22);
    b.SetSize(0, 5);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Row0(), nullptr);
}

}  // namespace
}  // namespace taramel
