// The Win32 pixel storage: work bitmaps in DIB sections that GDI draws into
// and the pixel routines address, checked under the real gdi32.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "render/Bitmap_win.h"
#include "render/Blend.h"
#include "render/Gradient.h"
#include "render/SysColors.h"
#include "render/SysColors_win.h"

namespace taramel {
namespace {

class DibStorage : public ::testing::Test {
protected:
    void SetUp() override { InstallDibSectionStorage(); }
    void TearDown() override { SetPixelStorageFactory(nullptr); }
};

TEST_F(DibStorage, GdiAndRowAddressingSeeTheSamePixels)
{
    for (bool topDown : {false, true}) {
        for (TPixelFormat f : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
            TBitmap b(5, 4, f, topDown);
            HDC dc = BitmapDC(b);
            ASSERT_NE(dc, nullptr);
            ASSERT_NE(BitmapHandle(b), nullptr);
            EXPECT_EQ(b.Stride(), static_cast<std::ptrdiff_t>(RowBytes(5, f)) * (topDown ? 1 : -1));
            // GDI writes pixel (3, 1); the row addressing finds it.
            SetPixelV(dc, 3, 1, RGB(0x33, 0x22, 0x11));
            GdiFlush();
            const std::uint8_t* p = b.ScanLine(1) + 3 * BytesPerPixel(f);
            EXPECT_EQ(p[0], 0x11);
            EXPECT_EQ(p[1], 0x22);
            EXPECT_EQ(p[2], 0x33);
            // The pixel routines write (0, 2); GDI reads it back.
            std::uint8_t* q = b.ScanLine(2);
            q[0] = 0x44;
            q[1] = 0x55;
            q[2] = 0x66;
            EXPECT_EQ(GetPixel(dc, 0, 2), RGB(0x66, 0x55, 0x44));
        }
    }
}

TEST_F(DibStorage, ResizingAndFormatChangesKeepADeviceContext)
{
    TBitmap b(3, 3, TPixelFormat::pf24bit);
    b.ScanLine(0)[0] = 9;
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetSize(40, 30);
    EXPECT_NE(BitmapDC(b), nullptr);
    EXPECT_EQ(b.ScanLine(0)[0], 9);
    TBitmap grey(7, 2, TPixelFormat::pf8bit);
    EXPECT_NE(BitmapDC(grey), nullptr);
    TBitmap empty;
    EXPECT_EQ(BitmapDC(empty), nullptr);
}

TEST_F(DibStorage, PixelRoutinesGiveTheSameBytesAsOnTheHeap)
{
    auto paint = [](TBitmap& b) {
        PaintGradient(b, TRect{0, 0, 33, 17}, TsGradArray{{0x102030, 0xF0E0D0, 60, 0}, {0x00FF00, 0xFF, 40, 0}});
        TBitmap s(20, 10, TPixelFormat::pf32bit);
        PaintGradient(s, TRect{0, 0, 20, 10}, TsGradArray{{0xFF, 0xFF0000, 100, 1}});
        BlendBitmaps(b, s, 90, -5, -3, TRect{0, 0, 20, 10});
    };
    TBitmap dib(33, 17, TPixelFormat::pf32bit);
    paint(dib);
    SetPixelStorageFactory(nullptr);
    TBitmap heap(33, 17, TPixelFormat::pf32bit);
    paint(heap);
    for (int y = 0; y < 17; ++y)
        ASSERT_EQ(std::memcmp(dib.ScanLine(y), heap.ScanLine(y), 33 * 4), 0) << "row " << y;
}

TEST(Win32SysColors, ResolveAsksTheSystem)
{
    InstallWin32SysColors();
    EXPECT_EQ(ResolveColor(MakeColor(COLOR_BTNFACE, 0, 0, 0xFF)), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
    SetSysColorProvider(nullptr);
}

}  // namespace
}  // namespace taramel
