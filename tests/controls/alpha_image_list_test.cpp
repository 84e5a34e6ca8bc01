// The alpha image list on a real system image list: PNG and icon items
// turned into icons, pictures read back with their alpha, one state of a
// strip composed with tint, blend and reflection, damaged items refused with
// the list left whole, copies, and a bit button drawing its glyph from it.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "base/Exception.h"
#include "controls/AlphaImageList.h"
#include "images/IconFile.h"
#include "images/PngWriter.h"
#include "render/Bitmap_win.h"
#include "tests/controls/ControlsFixture.h"

namespace taramel {
namespace {

using namespace testing_support;
using Px = std::array<std::uint8_t, 4>;  // blue, green, red, alpha

Px Get(const TBitmap& b, int x, int y)
{
    Px p{};
    std::memcpy(p.data(), b.ScanLine(y) + BytesPerPixel(b.PixelFormat()) * x,
                static_cast<std::size_t>(BytesPerPixel(b.PixelFormat())));
    return p;
}

void Fill(TBitmap& b, Px colour, TRect r)
{
    const int n = BytesPerPixel(b.PixelFormat());
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            std::memcpy(b.ScanLine(y) + n * x, colour.data(), static_cast<std::size_t>(n));
}

// A PNG item of w x h in one colour with alpha.
TsImgListItem PngItem(int w, int h, Px colour)
{
    TBitmap b(w, h, TPixelFormat::pf32bit);
    Fill(b, colour, {0, 0, w, h});
    return {ifPNG, TPixelFormat::pf32bit, EncodePng(b)};
}

// A 16 x 16 icon file without alpha: 24-bit colour, a mask that lets the
// background through in the left half.
TsImgListItem MaskedIconItem(COLORREF colour)
{
    std::vector<std::uint8_t> f = {0, 0, 1, 0, 1, 0};
    const std::uint32_t xorBytes = 16 * 16 * 3, andBytes = 16 * 4, bytes = 40 + xorBytes + andBytes;
    const std::uint8_t entry[16] = {16, 16, 0, 0, 1, 0, 24, 0, static_cast<std::uint8_t>(bytes),
                                    static_cast<std::uint8_t>(bytes >> 8), 0, 0, 22, 0, 0, 0};
    f.insert(f.end(), entry, entry + 16);
    BITMAPINFOHEADER h{};
    h.biSize = 40;
    h.biWidth = 16;
    h.biHeight = 32;
    h.biPlanes = 1;
    h.biBitCount = 24;
    const auto* hb = reinterpret_cast<const std::uint8_t*>(&h);
    f.insert(f.end(), hb, hb + 40);
    for (std::uint32_t i = 0; i < 16 * 16; ++i) {
        f.push_back(GetBValue(colour));
        f.push_back(GetGValue(colour));
        f.push_back(GetRValue(colour));
    }
    for (int row = 0; row < 16; ++row) {
        const std::uint8_t mask[4] = {0xFF, 0x00, 0, 0};  // left 8 pixels see-through
        f.insert(f.end(), mask, mask + 4);
    }
    return {ifICO, TPixelFormat::pf24bit, f};
}

TEST(AlphaImageList, ItemsBecomeIconsThatGiveTheirPicturesBack)
{
    TsAlphaImageList list(16, 16);
    list.Items = {PngItem(16, 16, {200, 100, 50, 255}), PngItem(16, 16, {0, 0, 255, 128}),
                  MaskedIconItem(RGB(0, 160, 0))};
    list.Loaded();
    EXPECT_EQ(list.Count(), 3);
    EXPECT_TRUE(list.Generated());
    EXPECT_TRUE(list.Items.empty()) << "at run time the images live in the system list only";

    TBitmap picture;
    ASSERT_TRUE(list.GetBitmap32(0, picture));
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(Get(picture, 7, 7), (Px{200, 100, 50, 255}));
    ASSERT_TRUE(list.GetBitmap32(1, picture));
    EXPECT_EQ(Get(picture, 3, 12)[3], 128) << "partial alpha kept";
    // An icon without alpha is not lost: its mask gives the alpha.
    ASSERT_TRUE(list.GetBitmap32(2, picture));
    EXPECT_EQ(Get(picture, 2, 5)[3], 0);
    EXPECT_EQ(Get(picture, 12, 5), (Px{0, 160, 0, 255}));

    EXPECT_FALSE(list.GetBitmap32(-1, picture));
    EXPECT_FALSE(list.GetBitmap32(3, picture));
    TsAlphaImageList unmade;
    EXPECT_FALSE(unmade.GetBitmap32(0, picture));
}

// At 32 pixels a 16-pixel item is made to the list's size before it
// becomes an icon, and a 32-pixel one is taken as it is.
TEST(AlphaImageList, GeneratedAtThirtyTwoPixels)
{
    TsAlphaImageList list(32, 32);
    list.Items = {PngItem(16, 16, {40, 80, 120, 255}), PngItem(32, 32, {10, 20, 30, 64}),
                  MaskedIconItem(RGB(0, 0, 200))};
    list.Loaded();
    ASSERT_EQ(list.Count(), 3);
    TBitmap picture;
    ASSERT_TRUE(list.GetBitmap32(0, picture));
    EXPECT_EQ(picture.Width(), 32);
    EXPECT_EQ(Get(picture, 31, 31), (Px{40, 80, 120, 255}));
    ASSERT_TRUE(list.GetBitmap32(1, picture));
    EXPECT_EQ(Get(picture, 20, 20), (Px{10, 20, 30, 64}));
    ASSERT_TRUE(list.GetBitmap32(2, picture));
    EXPECT_EQ(picture.Width(), 32);
    EXPECT_EQ(Get(picture, 30, 10)[3], 255) << "the icon's opaque half, scaled by the system";
}

TEST(AlphaImageList, KeptItemsStayAndGiveTheFilteredPicture)
{
    TsAlphaImageList list(16, 16);
    list.KeepItems = true;
    TBitmap big(32, 32, TPixelFormat::pf32bit);
    Fill(big, {0, 0, 0, 255}, {0, 0, 32, 32});
    Fill(big, {255, 255, 255, 255}, {16, 0, 32, 32});
    list.Items = {{ifPNG, TPixelFormat::pf32bit, EncodePng(big)}};
    list.Loaded();
    EXPECT_EQ(list.Items.size(), 1u);
    TBitmap picture, expected;
    ASSERT_TRUE(list.GetBitmap32(0, picture));
    const auto filtered = PngListPicture(list.Items[0].ImgData.data(), list.Items[0].ImgData.size(), 16, 16);
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(Get(picture, x, 8), Get(*filtered, x, 8)) << x;
}

TEST(AlphaImageList, ADamagedItemIsRefusedAndTheListStaysWhole)
{
    TsAlphaImageList list(16, 16);
    list.KeepItems = true;
    list.Items = {PngItem(16, 16, {1, 2, 3, 255})};
    list.Loaded();
    ASSERT_EQ(list.Count(), 1);
    std::vector<std::uint8_t> cut = PngItem(16, 16, {1, 2, 3, 255}).ImgData;
    cut.resize(cut.size() / 2);
    const std::vector<std::vector<TsImgListItem>> bad = {
        {PngItem(16, 16, {9, 9, 9, 255}), {ifPNG, TPixelFormat::pf32bit, cut}},
        {{ifICO, TPixelFormat::pf32bit, {0, 0, 1, 0, 1, 0}}},
        {{ifPNG, TPixelFormat::pf32bit, {}}},
    };
    for (const auto& items : bad) {
        list.Items = items;
        EXPECT_THROW(list.GenerateSystemList(), Exception);
        EXPECT_EQ(list.Count(), 1);
    }
}

TEST(AlphaImageList, OneStateComposedWithTintBlendAndReflection)
{
    TsAlphaImageList list(64, 16);
    TBitmap strip(64, 16, TPixelFormat::pf32bit);
    const Px colours[4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}};
    for (int i = 0; i < 4; ++i)
        Fill(strip, colours[i], {16 * i, 0, 16 * i + 16, 16});
    list.Items = {{ifPNG, TPixelFormat::pf32bit, EncodePng(strip)}};
    list.Loaded();

    auto draw = [&](int state, std::uint32_t tint, int blend, bool reflection) {
        auto target = std::make_unique<TBitmap>(20, 40, TPixelFormat::pf24bit);
        Fill(*target, {0, 0, 0, 0}, {0, 0, 20, 40});
        const TSize size = list.DrawImageOnBitmap(*target, 2, 3, reflection, 4, state, tint, blend, 0);
        EXPECT_EQ(size.cx, 16);
        EXPECT_EQ(size.cy, 16);
        return target;
    };
    // Fully opaque white over black is one short of white.
    EXPECT_EQ(Get(*draw(7, kNoTint, 0, false), 5, 5), (Px{254, 254, 254, 0})) << "state 7 of 4: the last image";
    EXPECT_EQ(Get(*draw(1, kNoTint, 0, false), 5, 5), (Px{0, 254, 0, 0}));
    EXPECT_EQ(Get(*draw(3, 0x0000FF, 0, false), 5, 5), (Px{0, 0, 254, 0})) << "white tinted red";
    EXPECT_EQ(Get(*draw(3, kNoTint, 100, false), 5, 5), (Px{0, 0, 0, 0})) << "blend 100: nothing";
    EXPECT_EQ(Get(*draw(3, kNoTint, 50, false), 5, 5), (Px{126, 126, 126, 0}));
    // The reflection: the row under the image untouched, then 7 fading rows.
    const auto reflected = draw(3, kNoTint, 0, true);
    EXPECT_EQ(Get(*reflected, 5, 3 + 16)[0], 0);
    const int levels[] = {84, 73, 63, 53, 42, 32, 22};
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(Get(*reflected, 5, 3 + 16 + k)[0], levels[k - 1]) << "row " << k;
    EXPECT_EQ(Get(*reflected, 5, 3 + 16 + 8)[0], 0);
    // No division by a glyph count of 0: the whole image is one state.
    auto whole = std::make_unique<TBitmap>(70, 20, TPixelFormat::pf24bit);
    EXPECT_EQ(list.DrawImageOnBitmap(*whole, 0, 0, false, 0, 2, kNoTint, 0, 0).cx, 64);
    EXPECT_EQ(Get(*whole, 60, 5), (Px{254, 254, 254, 0}));
}

TEST(AlphaImageList, DrawnOntoADeviceContextThroughACopy)
{
    TsAlphaImageList list(16, 16);
    list.Items = {PngItem(16, 16, {0, 0, 255, 255})};
    list.Loaded();
    TBitmap target(40, 40, TPixelFormat::pf24bit);
    Fill(target, {255, 255, 255, 0}, {0, 0, 40, 40});
    HDC dc = BitmapDC(target);
    ASSERT_NE(dc, nullptr);
    list.DrawImageOnDC(dc, 10, 10, false, 1, 0, kNoTint, 0, 0);
    GdiFlush();
    EXPECT_EQ(Get(target, 15, 15), (Px{0, 0, 255, 0}));
    EXPECT_EQ(Get(target, 5, 5), (Px{255, 255, 255, 0}));
    list.DrawIcon(dc, 25, 20, 0);
    GdiFlush();
    EXPECT_EQ(Get(target, 30, 25), (Px{0, 0, 255, 0}));
}

TEST(AlphaImageList, ItemsKeptWithTheFormAndCopiesOfTheList)
{
    TsAlphaImageList list(16, 16);
    list.KeepItems = true;
    list.Items = {PngItem(16, 16, {10, 20, 30, 255}), MaskedIconItem(RGB(5, 6, 7))};
    list.Loaded();
    const std::vector<std::uint8_t> stored = list.ItemsData();

    TsAlphaImageList loaded(16, 16);
    loaded.Loaded();
    loaded.SetItemsData(stored.data(), stored.size());
    EXPECT_EQ(loaded.Count(), 2);
    const std::vector<std::uint8_t> damaged(stored.begin(), stored.end() - 3);
    EXPECT_THROW(loaded.SetItemsData(damaged.data(), damaged.size()), Exception);

    for (const bool keep : {true, false}) {
        TsAlphaImageList source(16, 16);
        source.KeepItems = keep;
        source.Items = list.Items;
        source.Loaded();
        TsAlphaImageList copy(8, 8);
        copy.Assign(source);
        EXPECT_EQ(copy.Width(), 16);
        EXPECT_EQ(copy.Count(), 2) << keep;
        TBitmap a, b;
        ASSERT_TRUE(copy.GetBitmap32(0, a));
        ASSERT_TRUE(source.GetBitmap32(0, b));
        EXPECT_EQ(Get(a, 4, 4), Get(b, 4, 4)) << keep;
    }
}

TEST(AlphaImageList, AnIconAddedWithoutAlphaGetsItFromItsMask)
{
    TsAlphaImageList list(16, 16);
    list.Loaded();
    const TsImgListItem item = MaskedIconItem(RGB(200, 0, 0));
    const TIconFileImage image = ChooseIconImage(item.ImgData.data(), item.ImgData.size(), 16, 16);
    std::vector<BYTE> bytes(image.Data, image.Data + image.Size);
    HICON icon = CreateIconFromResourceEx(bytes.data(), static_cast<DWORD>(bytes.size()), TRUE, 0x00030000, 16, 16,
                                          LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(list.AddIcon(icon), 0);
    DestroyIcon(icon);
    // Read straight from the system list: the alpha is now in the icon itself.
    HICON stored = ImageList_GetIcon(list.Handle(), 0, ILD_NORMAL);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(stored, &info));
    TBitmap colour(16, 16, TPixelFormat::pf32bit);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> rows(16 * 16 * 4);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, 16, rows.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(stored);
    EXPECT_EQ(rows[(5 * 16 + 12) * 4 + 3], 255);
    EXPECT_EQ(rows[(5 * 16 + 2) * 4 + 3], 0);
}

class AlphaGlyphTest : public SkinnedControlsTest {
protected:
    void SkinOn() override
    {
        manager->SetSkinName("Buttons");
        SkinnedControlsTest::SkinOn();
    }
};

// A bit button's glyph from the list: composed with its alpha over the face,
// its strip state followed, grey (tinted) at rest when Grayed, faded when
// disabled.
TEST_F(AlphaGlyphTest, BitButtonComposesItsGlyphFromTheList)
{
    TsAlphaImageList list(32, 16);
    TBitmap strip(32, 16, TPixelFormat::pf32bit);
    Fill(strip, {0, 0, 255, 255}, {0, 0, 16, 16});
    Fill(strip, {0, 255, 0, 255}, {16, 0, 32, 16});
    Fill(strip, {0, 0, 0, 0}, {0, 0, 2, 16});  // see-through columns on the left
    list.Items = {{ifPNG, TPixelFormat::pf32bit, EncodePng(strip)}};
    list.Loaded();
    auto* b = Add<TsBitBtn>(form, 20, 20, 120, 40);
    b->Images = &list;
    b->ImageIndex = 0;
    b->NumGlyphs = 2;
    ShowForm();
    SkinOn();
    SetFocus(nullptr);
    testsupport::Pump(30);
    const RECT all{0, 0, b->Width(), b->Height()};
    const COLORREF red = Rgb(254, 0, 0), green = Rgb(0, 254, 0);
    EXPECT_GE(TCapture(*b).Count(all, red), 14 * 16) << "the normal state's image, opaque";
    EXPECT_EQ(TCapture(*b).Count(all, green), 0);

    b->SetEnabled(false);
    testsupport::Pump(30);
    EXPECT_EQ(TCapture(*b).Count(all, red), 0) << "disabled: faded";
}

// A glyph strip of three states and a single 32-bit glyph with its
// reflection, read from what the button paints: the hot and pressed images
// follow the mouse, a grey disabled kind keeps no colour, and the reflected
// glyph leaves fading rows of its colour below it.
TEST_F(AlphaGlyphTest, StatesDisabledKindsAndReflectionOnARealButton)
{
    TsAlphaImageList list(48, 16);
    TBitmap strip(48, 16, TPixelFormat::pf32bit);
    Fill(strip, {0, 0, 255, 255}, {0, 0, 16, 16});
    Fill(strip, {0, 255, 0, 255}, {16, 0, 32, 16});
    Fill(strip, {255, 0, 0, 255}, {32, 0, 48, 16});
    list.Items = {{ifPNG, TPixelFormat::pf32bit, EncodePng(strip)}};
    list.Loaded();
    auto* b = Add<TsBitBtn>(form, 20, 20, 120, 40);
    b->Images = &list;
    b->ImageIndex = 0;
    b->NumGlyphs = 3;
    auto* grey = Add<TsBitBtn>(form, 20, 70, 120, 40);
    grey->Images = &list;
    grey->ImageIndex = 0;
    grey->NumGlyphs = 3;
    grey->DisabledGlyphKind = dgGrayed;
    auto* single = Add<TsBitBtn>(form, 20, 120, 120, 60);
    single->Glyph.SetPixelFormat(TPixelFormat::pf32bit);
    single->Glyph.SetSize(16, 16);
    Fill(single->Glyph, {0, 0, 255, 255}, {0, 0, 16, 16});
    single->Reflected = true;
    ShowForm();
    SkinOn();
    SetFocus(nullptr);
    testsupport::Pump(30);
    const RECT all{0, 0, b->Width(), b->Height()};
    auto finish = [&] {
        for (int i = 0; i < 20 && b->Fade() != nullptr; ++i) {
            b->Fade()->SetEnabled(false);
            b->Fade()->Step();
        }
        testsupport::Pump(20);
    };
    const COLORREF red = Rgb(254, 0, 0), green = Rgb(0, 254, 0), blue = Rgb(0, 0, 254);
    EXPECT_GE(TCapture(*b).Count(all, red), 16 * 16) << "normal";
    b->Perform(CM_MOUSEENTER);
    finish();
    EXPECT_GE(TCapture(*b).Count(all, green), 16 * 16) << "hot";
    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    finish();
    EXPECT_GE(TCapture(*b).Count(all, blue), 16 * 16) << "pressed";
    b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    b->Perform(CM_MOUSELEAVE);

    grey->SetEnabled(false);
    testsupport::Pump(30);
    const TCapture greyLook(*grey);
    int coloured = 0;
    for (int y = 0; y < grey->Height(); ++y)
        for (int x = 0; x < grey->Width(); ++x) {
            const COLORREF c = greyLook.At(x, y);
            coloured += (GetRValue(c) > GetGValue(c) + 40) ? 1 : 0;
        }
    EXPECT_EQ(coloured, 0) << "a grey disabled glyph keeps no red";

    // The reflection: below the glyph's rows, rows still reddish but fading.
    const TCapture look(*single);
    int bottom = -1, column = -1;
    for (int y = 0; y < single->Height() && column < 0; ++y)
        for (int x = 0; x < single->Width(); ++x)
            if (look.At(x, y) == red) {
                column = x + 8;
                break;
            }
    ASSERT_GE(column, 0) << "the glyph is drawn";
    for (int y = 0; y < single->Height(); ++y)
        if (look.At(column, y) == red)
            bottom = y;
    const COLORREF first = look.At(column, bottom + 2), later = look.At(column, bottom + 6);
    EXPECT_GT(GetRValue(first), GetGValue(first) + 20) << "the first reflected row shows the glyph's colour";
    EXPECT_GT(GetRValue(first) - GetGValue(first), GetRValue(later) - GetGValue(later)) << "and fades";
}

}  // namespace
}  // namespace taramel
