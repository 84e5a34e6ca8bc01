// The form shadow pictures: the skin's own "EXBORDER" image when it has one,
// else the program's built-in pictures with the default margins.
#include <gtest/gtest.h>

#include <memory>

#include "skin/SkinLookups.h"
#include "engine/SkinManager_win.h"
#include "tests/framework/TestSupport.h"
#include "tests/skin_manager/SkinFolders.h"

namespace taramel {
namespace {

using namespace testing_support;

std::uint32_t Bgra(const TBitmap& b, int x, int y)
{
    const std::uint8_t* p = b.ScanLine(y) + x * 4;
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

TEST(Shadows, BuiltInPicturesAreDecodedAtStartUp)
{
    for (bool active : {true, false}) {
        const TBitmap& shadow = BuiltInShadow(active);
        ASSERT_EQ(shadow.Width(), 64) << active;
        ASSERT_EQ(shadow.Height(), 64);
        EXPECT_EQ(shadow.PixelFormat(), TPixelFormat::pf32bit);
        // The window area is white and clear; the corner has no shadow left;
        // just below the window the shadow is darkest.
        EXPECT_EQ(Bgra(shadow, 32, 30), 0x00FFFFFFu);
        EXPECT_EQ(Bgra(shadow, 0, 0) >> 24, 0u);
        EXPECT_GT(Bgra(shadow, 32, 54) >> 24, 0u);
    }
    // The inactive shadow is lighter.
    EXPECT_GT(Bgra(BuiltInShadow(true), 32, 54) >> 24, Bgra(BuiltInShadow(false), 32, 54) >> 24);
}

class ShadowTest : public ::testing::Test {
protected:
    void SetUp() override { manager = std::make_unique<TsSkinManager>(nullptr); }
    void Load(const std::string& dir, const std::string& name)
    {
        manager->SetActive(false);
        manager->SetSkinDirectory(dir);
        manager->SetSkinName(name);
        manager->SetActive(true);
    }
    ReportCatcher reports;
    std::unique_ptr<TsSkinManager> manager;
};

TEST_F(ShadowTest, NoMarginsWithoutExtendedBorders)
{
    Load(ManagerFixtures(), "Topaz");
    EXPECT_EQ(manager->ShadowMargins(), TacShadowMargins{});
    manager->SetExtendedBorders(true);
    manager->SetActive(false);
    EXPECT_EQ(manager->ShadowMargins(), TacShadowMargins{});
}

TEST_F(ShadowTest, SkinWithoutExBorderGetsTheBuiltInPictures)
{
    Load(ManagerFixtures(), "Topaz");
    manager->SetExtendedBorders(true);
    const TacShadowMargins m = manager->ShadowMargins();
    // One more on every side when desktop composition is on.
    const int extra = m.Left - 11;
    EXPECT_TRUE(extra == 0 || extra == 1);
    EXPECT_EQ(m, (TacShadowMargins{11 + extra, 7 + extra, 11 + extra, 11 + extra}));
    for (bool active : {true, false}) {
        const TBitmap* shadow = active ? manager->ActiveShadow() : manager->InactiveShadow();
        const TBitmap& builtIn = BuiltInShadow(active);
        ASSERT_EQ(shadow->Width(), builtIn.Width());
        ASSERT_EQ(shadow->Height(), builtIn.Height());
        // White clear pixels are emptied; the rest is a copy.
        EXPECT_EQ(Bgra(*shadow, 32, 30), 0u);
        EXPECT_EQ(Bgra(*shadow, 32, 54), Bgra(builtIn, 32, 54));
        EXPECT_EQ(Bgra(*shadow, 3, 40), Bgra(builtIn, 3, 40));
    }
}

TEST_F(ShadowTest, SkinExBorderGivesMarginsAndStates)
{
    // The Mini fixture: EXBORDER is a four-state master image of 60 x 40
    // with borders 5 6 5 6, BORDERMODE 0 and the default FORMOFFSET 8.
    Load(std::string(TARAMEL_TEST_DATA) + "\\skins", "Mini");
    ASSERT_TRUE(manager->SkinReady());
    manager->SetExtendedBorders(true);
    EXPECT_EQ(manager->ShadowMargins(), (TacShadowMargins{5 - 8, 6 - 8, 5 - 8, 6 - 8}));
    const TSkinTables& t = manager->Tables();
    const int exBorder = t.CommonIndexes.ExBorder;
    ASSERT_GE(exBorder, 0);
    const TSize state = ImageStateSize(t, exBorder);
    const TBitmap* active = manager->ActiveShadow();
    const TBitmap* inactive = manager->InactiveShadow();
    ASSERT_EQ(active->Width(), state.cx);
    ASSERT_EQ(active->Height(), state.cy);
    ASSERT_EQ(inactive->Width(), state.cx);
    const TRect& r = t.Images[static_cast<std::size_t>(exBorder)].ImageRect;
    for (int y = 0; y < state.cy; y += 3) {
        for (int x = 0; x < state.cx; x += 3) {
            const std::uint32_t first = t.MasterBitmap->PixelColor(r.Left + x, r.Top + y);
            const std::uint32_t second = t.MasterBitmap->PixelColor(r.Left + state.cx + x, r.Top + y);
            const std::uint32_t a = Bgra(*active, x, y), i = Bgra(*inactive, x, y);
            // 24-bit pixels come with alpha 0, so white ones are emptied.
            EXPECT_EQ(a, first == 0xFFFFFF ? 0u : ((first & 0xFF) << 16 | (first & 0xFF00) | (first >> 16 & 0xFF)))
                << x << "," << y;
            EXPECT_EQ(i, second == 0xFFFFFF ? 0u : ((second & 0xFF) << 16 | (second & 0xFF00) | (second >> 16 & 0xFF)))
                << x << "," << y;
        }
    }
}

TEST_F(ShadowTest, BorderModeGivesFormOffsetOnEverySide)
{
    TScratchFolder dir("manager_shadow");
    // A 24-bit BMP picture, 6 x 2 pixels (rows of 18 bytes padded to 20).
    std::vector<std::uint8_t> bmp;
    auto put = [&bmp](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            bmp.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put('B' | ('M' << 8), 2);
    put(54 + 40, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(6, 4);
    put(2, 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(40, 4);
    put(0, 16);
    for (int i = 0; i < 40; ++i)
        bmp.push_back(static_cast<std::uint8_t>(i * 5));
    WriteBytes(dir / "EX.BMP", bmp);
    dir.AddSkinFolder("Bordered", "[GLOBALINFO]\r\nVERSION=6.5\r\nBORDERMODE=1\r\nFORMOFFSET=3\r\nEXBORDER=EX.BMP\r\n");
    CopyFileA((dir / "EX.BMP").c_str(), (dir / "Bordered\\EX.BMP").c_str(), FALSE);
    Load(dir.Path(), "Bordered");
    ASSERT_TRUE(manager->SkinReady());
    ASSERT_GE(manager->Tables().CommonIndexes.ExBorder, 0);
    manager->SetExtendedBorders(true);
    EXPECT_EQ(manager->ShadowMargins(), (TacShadowMargins{3, 3, 3, 3}));
    EXPECT_TRUE(reports.reports.empty());
}

}  // namespace
}  // namespace taramel
