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

TEST(Bitmap, PackedIndexedRowsStartAtTheHighBits)
{
    TBitmap one(9, 2, TPixelFormat::pf1bit);
    EXPECT_EQ(RowBytes(9, TPixelFormat::pf1bit), 4u);
    EXPECT_EQ(RowBytes(9, TPixelFormat::pf4bit), 8u);
    one.ScanLine(0)[0] = 0x80;  // pixel 0
    one.ScanLine(0)[1] = 0x80;  // pixel 8
    EXPECT_EQ(one.PixelIndex(0, 0), 1);
    EXPECT_EQ(one.PixelIndex(1, 0), 0);
    EXPECT_EQ(one.PixelIndex(8, 0), 1);
    TBitmap four(3, 2, TPixelFormat::pf4bit);
    WriteIndex(four.ScanLine(1), 0, TPixelFormat::pf4bit, 0xA);
    WriteIndex(four.ScanLine(1), 1, TPixelFormat::pf4bit, 0x5);
    WriteIndex(four.ScanLine(1), 2, TPixelFormat::pf4bit, 0xF);
    EXPECT_EQ(four.ScanLine(1)[0], 0xA5);
    EXPECT_EQ(four.ScanLine(1)[1], 0xF0);
    WriteIndex(four.ScanLine(1), 0, TPixelFormat::pf4bit, 0x3);
    EXPECT_EQ(four.ScanLine(1)[0], 0x35);
}

TEST(Bitmap, IndexedPixelsReadThroughThePaletteOrAsGrey)
{
    TBitmap b(2, 2, TPixelFormat::pf4bit);
    WriteIndex(b.ScanLine(0), 1, TPixelFormat::pf4bit, 5);
    WriteIndex(b.ScanLine(1), 0, TPixelFormat::pf4bit, 9);
    EXPECT_EQ(b.PixelColor(1, 0), 0x555555u);  // grey level 5 * 17
    b.SetPalette({0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x112233, 0x445566});
    EXPECT_EQ(b.PixelColor(1, 0), 0x445566u);
    EXPECT_EQ(b.PixelColor(0, 1), 0u);  // beyond the palette: black
    b.SetPixelFormat(TPixelFormat::pf24bit);
    EXPECT_TRUE(b.Palette().empty());
    const std::uint8_t* p = b.ScanLine(0) + 3;
    EXPECT_EQ(p[0], 0x44);  // blue first
    EXPECT_EQ(p[1], 0x55);
    EXPECT_EQ(p[2], 0x66);
}

TEST(Bitmap, IndexedResizeAndConversionKeepIndexes)
{
    TBitmap b(3, 2, TPixelFormat::pf1bit);
    b.SetPalette({0xFFFFFF, 0x0000FF});
    WriteIndex(b.ScanLine(1), 2, TPixelFormat::pf1bit, 1);
    b.SetSize(10, 3);
    EXPECT_EQ(b.PixelIndex(2, 1), 1);
    EXPECT_EQ(b.PixelIndex(1, 1), 0);
    EXPECT_EQ(b.PixelIndex(9, 2), 0);
    TBitmap copy;
    copy.Assign(b);
    EXPECT_EQ(copy.Palette().size(), 2u);
    EXPECT_EQ(copy.PixelColor(2, 1), 0x0000FFu);
    // To 8 bits with the same palette: each pixel takes the nearest entry.
    b.SetPixelFormat(TPixelFormat::pf8bit);
    EXPECT_EQ(b.ScanLine(1)[2], 1);
    EXPECT_EQ(b.ScanLine(1)[0], 0);
}

}  // namespace
}  // namespace taramel
