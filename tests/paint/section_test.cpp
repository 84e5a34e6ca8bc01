#include <gtest/gtest.h>

#include "paint/SectionPaint.h"
#include "render/Gradient.h"
#include "tests/paint/PaintFixture.h"

namespace taramel::test {
namespace {

constexpr Bgra kWhite{255, 255, 255, 0}, kBlack{0, 0, 0, 0}, kGrey{9, 9, 9, 0};

int AddSection(TSkinTables& t, const std::string& name, TColor color)
{
    TsGeneralData s;
    s.SectionName = name;
    s.Color = color;
    t.Sections.push_back(s);
    return static_cast<int>(t.Sections.size()) - 1;
}

SectionTarget Whole(TBitmap& b) { return {&b, {0, 0, b.Width(), b.Height()}, 0, 0}; }

TEST(PaintSectionBackground, TransparencyShowsTheParentByItsPercent)
{
    // A black section over a white parent picture, 50 %: (255 * 127 + 127) >> 8.
    struct Case {
        int transparency;
        int expected;
    } cases[] = {{0, 0}, {50, 127}, {100, 255}};
    for (const Case& c : cases) {
        PaintTables pt(2, 2);
        const int s = AddSection(pt.t, "PANEL", 0);
        pt.t.Sections[s].Transparency = c.transparency;
        auto parent = Canvas(8, 8, kWhite);
        auto dst = Canvas(4, 4, kGrey);
        PaintSectionBackground(pt.t, s, "PANEL", BgCacheFromBitmap(*parent, 0, 0), TransparentKey, {}, Whole(*dst),
                               false);
        EXPECT_EQ(Get(*dst, 3, 3).g, c.expected) << c.transparency;
        // The same over a parent that gives only its colour keeps the
        // section's own colour in the mix.
        auto dst2 = Canvas(4, 4, kGrey);
        PaintSectionBackground(pt.t, s, "PANEL", BgCache{nullptr, 0, 0, 0xFFFFFF, false}, TransparentKey, {},
                               Whole(*dst2), false);
        EXPECT_EQ(Get(*dst2, 0, 0).g, c.expected) << c.transparency;
    }
}

TEST(PaintSectionBackground, FullTransparencyCopiesTheParentAtTheCacheOffsetPlusTheOffset)
{
    PaintTables pt(2, 2);
    const int s = AddSection(pt.t, "PANEL", 0);
    pt.t.Sections[s].Transparency = 100;
    auto parent = Canvas(20, 20, kBlack);
    Randomise(*parent, 7);
    auto dst = Canvas(10, 10, kGrey);
    PaintSectionBackground(pt.t, s, "PANEL", BgCacheFromBitmap(*parent, 3, 4), TransparentKey, {},
                           {dst.get(), {2, 2, 8, 8}, 1, 2}, false);
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x)
            ASSERT_EQ(Get(*dst, x, y), Get(*parent, 4 + x - 2, 6 + y - 2)) << x << "," << y;
    EXPECT_EQ(Get(*dst, 1, 1), kGrey);
    EXPECT_EQ(Get(*dst, 8, 8), kGrey);
}

TEST(PaintSectionBackground, GradientAndImagePercentsShareTheBackgroundWithTheColour)
{
    // A white gradient, a white texture and a black colour. Gradient over
    // texture is a byte-weight blend, which loses a unit at full white.
    struct Case {
        int gradient, image;
        int expected;
    } cases[] = {{30, 0, 76}, {0, 100, 255}, {0, 40, 102}, {60, 40, 254}, {0, 0, 0}, {100, 0, 255}};
    for (const Case& c : cases) {
        PaintTables pt(4, 4, kWhite);
        const int s = AddSection(pt.t, "PANEL", 0);
        auto& sec = pt.t.Sections[s];
        sec.GradientPercent = c.gradient;
        sec.ImagePercent = c.image;
        sec.GradientData = "16777215;16777215;100;0;0";
        ParseGradientData(sec.GradientData, sec.GradientArray);
        const int tex = pt.AddMask({{0, 0, 4, 4}, 1, 0, 0});
        pt.t.Images[tex].SectionName = "PANEL";
        pt.t.Images[tex].PropertyName = "PATTERN";
        auto dst = Canvas(6, 6, kGrey);
        PaintSectionBackground(pt.t, s, "PANEL", EmptyBgCache, TransparentKey, {}, Whole(*dst), false);
        EXPECT_EQ(Get(*dst, 5, 5).r, c.expected) << "gradient " << c.gradient << " image " << c.image;
    }
}

TEST(PaintSectionBackground, CustomColourAndHotLookAndEmptyParent)
{
    PaintTables pt(2, 2);
    const int s = AddSection(pt.t, "BUTTON", 0x0000FF);
    auto& sec = pt.t.Sections[s];
    sec.Transparency = 50;
    sec.HotColor = 0x00FF00;
    sec.HotTransparency = 0;
    auto parent = Canvas(6, 6, kWhite);
    const BgCache bg = BgCacheFromBitmap(*parent, 0, 0);
    auto dst = Canvas(4, 4, kGrey);
    // A custom colour ignores transparency.
    PaintSectionBackground(pt.t, s, "BUTTON", bg, 0xFF0000, {}, Whole(*dst), false);
    EXPECT_EQ(Get(*dst, 1, 1), (Bgra{255, 0, 0, 0}));
    PaintSectionBackground(pt.t, s, "BUTTON", bg, TransparentKey, {}, Whole(*dst), true);
    EXPECT_EQ(Get(*dst, 1, 1), (Bgra{0, 255, 0, 0}));
    // A see-through section with no parent at all stays see-through: the key.
    PaintSectionBackground(pt.t, s, "BUTTON", EmptyBgCache, TransparentKey, {}, Whole(*dst), false);
    EXPECT_EQ(Get(*dst, 1, 1), kKey);
    // An invalid section or a rectangle outside the bitmap paints nothing.
    auto untouched = Canvas(4, 4, kGrey);
    PaintSectionBackground(pt.t, 5, "X", bg, TransparentKey, {}, Whole(*untouched), false);
    PaintSection(pt.t, s, "BUTTON", bg, {}, {untouched.get(), {0, 0, 5, 4}, 0, 0}, 0, true);
    EXPECT_EQ(Get(*untouched, 0, 0), kGrey);
}

TEST(PaintSection, CornerImagesSitInTheCornersAndTheBorderGoesOnTop)
{
    // Master: a 2 x 2 corner image (blue) and a 3 x 3 border (red frame,
    // key centre), both key-colour images.
    PaintTables pt(10, 4, kKey);
    pt.Paint(0, 0, 2, 2, {255, 0, 0, 0});
    pt.Paint(4, 0, 7, 3, {0, 0, 255, 0});
    pt.Paint(5, 1, 6, 2, kKey);
    const int corner = pt.AddMask({{0, 0, 2, 2}, 1});
    const int border = pt.AddMask({{4, 0, 7, 3}, 1, 0, 0, 1, 1, 1, 1});
    const int s = AddSection(pt.t, "PANEL", 0x00FF00);
    pt.t.Sections[s].ImgBR = corner;
    pt.t.Sections[s].BorderIndex = border;
    auto dst = Canvas(8, 6, kGrey);
    PaintSection(pt.t, s, "PANEL", EmptyBgCache, {}, Whole(*dst), 0, true);
    EXPECT_EQ(Get(*dst, 3, 3), (Bgra{0, 255, 0, 0}));  // background
    EXPECT_EQ(Get(*dst, 0, 0), (Bgra{0, 0, 255, 0}));  // border
    EXPECT_EQ(Get(*dst, 7, 5), (Bgra{0, 0, 255, 0}));  // border over the corner
    EXPECT_EQ(Get(*dst, 6, 4), (Bgra{255, 0, 0, 0}));  // corner image inside the border
}

TEST(PaintSection, AGivenMaskedPatternIsLaidThroughItsMask)
{
    // A masked texture named by index (not by the section's keys): its key
    // pixel shows the parent, the rest the picture.
    PaintTables pt(2, 4, {0, 0, 200, 0});
    pt.Paint(0, 0, 1, 1, kKey);
    pt.Paint(0, 2, 2, 4, kBlack);
    const int tex = pt.AddMask({{0, 0, 2, 4}, 1, 1, 0});
    const int s = AddSection(pt.t, "PANEL", 0x00FF00);
    pt.t.Sections[s].ImagePercent = 100;
    auto parent = Canvas(4, 4, kWhite);
    auto dst = Canvas(4, 4, kGrey);
    PaintSection(pt.t, s, "PANEL", BgCacheFromBitmap(*parent, 0, 0), {tex, -1}, Whole(*dst), 0, true);
    EXPECT_EQ(Get(*dst, 0, 0), kWhite);
    EXPECT_EQ(Get(*dst, 1, 1), (Bgra{0, 0, 200, 0}));
}

TEST(BackgroundToCache, ABitmapAnswerBecomesACacheAnyOtherItsColour)
{
    TBitmap parent(4, 4, TPixelFormat::pf24bit);
    BackgroundInfo info;
    info.Kind = bikBitmap;
    info.Bitmap = &parent;
    info.OffsetX = 3;
    info.OffsetY = 5;
    BgCache c = BackgroundToCache(info);
    EXPECT_TRUE(c.HasBitmap);
    EXPECT_EQ(c.Bitmap, &parent);
    EXPECT_EQ(c.X, 3);
    EXPECT_EQ(c.SolidColor, 0xFF00FF);
    info.Kind = bikColor;
    info.Color = static_cast<TColor>(0xFF000005);  // the window colour: white by default
    c = BackgroundToCache(info);
    EXPECT_FALSE(c.HasBitmap);
    EXPECT_EQ(c.SolidColor, 0xFFFFFF);
    EXPECT_EQ(EmptyBgCache.SolidColor, 0xFF00FF);
}

TEST(PaintSectionWithMask, OnlyAPictureShowsThroughAndTheGivenBorderIsDrawn)
{
    PaintTables pt(3, 3, {0, 0, 255, 0});
    const int border = pt.AddMask({{0, 0, 3, 3}, 1, 0, 0, 1, 1, 1, 1});
    const int s = AddSection(pt.t, "SCROLLBTNTOP", 0x00FF00);
    pt.t.Sections[s].Transparency = 100;
    auto dst = Canvas(6, 6, kGrey);
    // A parent colour alone is not used for the share; the final fill takes it.
    PaintSectionWithMask(pt.t, s, border, {}, Whole(*dst), 0, false, BgCache{nullptr, 0, 0, 0xFF0000, false});
    EXPECT_EQ(Get(*dst, 3, 3), (Bgra{255, 0, 0, 0}));
    EXPECT_EQ(Get(*dst, 0, 0), (Bgra{0, 0, 255, 0}));
    auto parent = Canvas(6, 6, kWhite);
    PaintSectionWithMask(pt.t, s, border, {}, Whole(*dst), 0, false, BgCacheFromBitmap(*parent, 0, 0));
    EXPECT_EQ(Get(*dst, 3, 3), kWhite);
}

}  // namespace
}  // namespace taramel::test
