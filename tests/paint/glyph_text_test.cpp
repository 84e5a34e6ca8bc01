#include <gtest/gtest.h>

#include "paint/Glyphs.h"
#include "paint/Text.h"
#include "skin/SkinLookups.h"
#include "tests/paint/PaintFixture.h"

namespace taramel::test {
namespace {

constexpr Bgra kWhite{255, 255, 255, 0}, kGreen{0, 255, 0, 0};

TEST(GlyphIndex, StateDownAndStripSizeChooseTheImage)
{
    TBitmap strip(40, 4, TPixelFormat::pf24bit), strip4(40, 4, TPixelFormat::pf4bit);
    struct Case {
        const TBitmap* glyph;
        int num, state;
        bool down, enabled;
        int expected;
    } cases[] = {
        {&strip, 4, 2, true, true, 3},  {&strip, 4, 2, false, true, 2}, {&strip, 2, 2, false, true, 1},
        {&strip, 2, 2, true, true, 1},  {&strip, 3, 2, true, true, 0 + 1}, {&strip, 4, 1, false, true, 1},
        {&strip4, 4, 1, false, true, 0}, {&strip4, 2, 2, false, true, 0}, {&strip, 4, 2, true, false, 0},
        {&strip, 4, 0, true, true, 0},  {&strip, 1, 2, true, true, 0},  {&strip, 0, 0, false, true, -1},
        {&strip, 41, 0, false, true, -1},
    };
    for (const Case& c : cases) {
        GlyphDraw d;
        d.NumGlyphs = c.num;
        d.State = c.state;
        d.Down = c.down;
        d.Enabled = c.enabled;
        EXPECT_EQ(GlyphIndex(*c.glyph, d), c.expected)
            << "num " << c.num << " state " << c.state << " down " << c.down << " enabled " << c.enabled;
    }
}

TEST(DrawGlyph, TheBottomLeftColourIsTransparent)
{
    // A 3 x 3 glyph: green with a red centre.
    auto glyph = Canvas(3, 3, kGreen);
    Set(*glyph, 1, 1, {0, 0, 255, 0});
    auto dst = Canvas(5, 5, kWhite);
    DrawGlyph(*glyph, *dst, {1, 1}, GlyphDraw{});
    EXPECT_EQ(Get(*dst, 1, 1), kWhite);
    EXPECT_EQ(Get(*dst, 2, 2), (Bgra{0, 0, 255, 0}));
    // Blended at 40 % in the normal state: the destination keeps 40 %.
    GlyphDraw blend;
    blend.BlendPercent = 40;
    auto dstB = Canvas(5, 5, kWhite);
    DrawGlyph(*glyph, *dstB, {1, 1}, blend);
    EXPECT_EQ(Get(*dstB, 2, 2), (Bgra{102, 102, 255, 0}));
    EXPECT_EQ(Get(*dstB, 1, 1), kWhite);
    // Disabled and greyed: the grey of (0, 255, 255) is 170; the key is the
    // grey of the bottom-left green (85).
    Set(*glyph, 1, 1, {0, 255, 255, 0});
    auto dst2 = Canvas(5, 5, kWhite);
    GlyphDraw grey;
    grey.Enabled = false;
    grey.DisabledKinds = dgGrayed;
    DrawGlyph(*glyph, *dst2, {1, 1}, grey);
    EXPECT_EQ(Get(*dst2, 2, 2), (Bgra{170, 170, 170, 0}));
    EXPECT_EQ(Get(*dst2, 1, 1), kWhite);
}

TEST(DrawGlyph, AStripDrawsOnlyTheChosenImageWithItsOwnKey)
{
    // Two 2 x 2 images: image 0 all blue, image 1 red with a green bottom-left key.
    auto strip = Canvas(4, 2, {255, 0, 0, 0});
    for (int x = 2; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            Set(*strip, x, y, {0, 0, 255, 0});
    Set(*strip, 2, 1, kGreen);
    auto dst = Canvas(3, 3, kWhite);
    GlyphDraw hot;
    hot.NumGlyphs = 2;
    hot.State = 1;
    DrawGlyph(*strip, *dst, {0, 0}, hot);
    EXPECT_EQ(Get(*dst, 0, 0), (Bgra{0, 0, 255, 0}));
    EXPECT_EQ(Get(*dst, 0, 1), kWhite);
    EXPECT_EQ(Get(*dst, 2, 0), kWhite);
}

// A 2 x 2 glyph with alpha: see-through red, opaque blue, half black and a
// quarter red. Ignoring the alpha would show the red top-left pixel.
std::unique_ptr<TBitmap> AlphaGlyph()
{
    auto g = Canvas(2, 2, {}, TPixelFormat::pf32bit);
    Set(*g, 0, 0, {0, 0, 255, 0});
    Set(*g, 1, 0, {255, 0, 0, 255});
    Set(*g, 0, 1, {0, 0, 0, 128});
    Set(*g, 1, 1, {0, 0, 255, 64});
    return g;
}

TEST(DrawCentredGlyph, ThirtyTwoBitGlyphsAreLaidOverByTheirAlpha)
{
    // Over white: alpha 128 of black leaves round(255 * 127 / 255) = 127,
    // alpha 64 of red keeps round(255 * 191 / 255) = 191 of blue and green.
    const Bgra expected[2][2] = {{kWhite, {255, 0, 0, 0}}, {{127, 127, 127, 0}, {191, 191, 255, 0}}};
    for (const TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        const bool is32 = format == TPixelFormat::pf32bit;
        auto dst = Canvas(6, 6, kWhite, format);
        DrawCentredGlyph(*dst, *AlphaGlyph(), {0, 0, 6, 6});
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) {
                Bgra e = expected[y][x];
                // On a 32-bit destination what is drawn becomes opaque.
                if (is32 && !(x == 0 && y == 0))
                    e.a = 255;
                EXPECT_EQ(Get(*dst, 2 + x, 2 + y), e) << "pixel " << x << ", " << y << (is32 ? " on 32 bits" : "");
            }
        EXPECT_EQ(Get(*dst, 1, 1), kWhite) << "outside the glyph";
    }
}

TEST(DrawCentredGlyph, CentredInTheRectangleAndCutAtTheDestination)
{
    const struct {
        const char* what;
        TRect r;
        TPoint opaque;  // where the glyph's opaque blue pixel lands
    } cases[] = {
        {"same size", {3, 1, 5, 3}, {4, 1}},
        {"odd room rounds left and up", {1, 1, 6, 8}, {3, 3}},
        {"larger than its rectangle", {2, 2, 3, 3}, {3, 2}},
        {"half outside the destination", {5, -1, 7, 1}, {6, -1}},
    };
    for (const auto& c : cases) {
        auto dst = Canvas(7, 7, kWhite);
        DrawCentredGlyph(*dst, *AlphaGlyph(), c.r);
        int blue = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                if (Get(*dst, x, y) == Bgra{255, 0, 0, 0}) {
                    ++blue;
                    EXPECT_EQ(x, c.opaque.X) << c.what;
                    EXPECT_EQ(y, c.opaque.Y) << c.what;
                }
        EXPECT_EQ(blue, c.opaque.Y >= 0 ? 1 : 0) << c.what;
    }
}

TEST(DrawCentredGlyph, OtherGlyphsLeaveTheirBottomLeftColourOut)
{
    // 24-bit: green with a red centre, the bottom-left green is see-through.
    auto glyph = Canvas(3, 3, kGreen);
    Set(*glyph, 1, 1, {0, 0, 255, 0});
    Set(*glyph, 2, 0, {255, 0, 0, 0});
    for (const TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        auto dst = Canvas(5, 5, kWhite, format);
        DrawCentredGlyph(*dst, *glyph, {0, 0, 5, 5});
        const int a = format == TPixelFormat::pf32bit ? 255 : 0;
        EXPECT_EQ(Get(*dst, 1, 1), kWhite);
        EXPECT_EQ(Get(*dst, 2, 2), (Bgra{0, 0, 255, a}));
        EXPECT_EQ(Get(*dst, 3, 1), (Bgra{255, 0, 0, a}));
    }
}

TEST(LayoutGlyphAndText, PlacesGlyphAndCaption)
{
    const TRect client{10, 20, 110, 50};  // 100 x 30
    struct Case {
        int spacing, margin, alignment, layout;
        bool rtl;
        TPoint glyph;
        int textX, textY;
    } cases[] = {
        {-1, -1, gaLeft, glGlyphLeft, false, {14, 7}, 44, 8},
        {-1, -1, gaLeft, glGlyphRight, true, {14, 7}, 44, 8},
        {4, -1, gaLeft, glGlyphLeft, false, {2, 7}, 22, 8},
        {4, 3, gaRight, glGlyphLeft, false, {37, 7}, 57, 8},
        {4, 3, gaCenter, glGlyphRight, false, {64, 7}, 20, 8},
        {4, 3, gaLeft, glGlyphRight, false, {47, 7}, 3, 8},
        {2, 0, gaLeft, glGlyphTop, false, {42, -1}, 30, 17},
        {2, 0, gaLeft, glGlyphBottom, false, {42, 15}, 30, -1},
    };
    for (const Case& c : cases) {
        const GlyphTextLayout l =
            LayoutGlyphAndText(client, 16, 16, 40, 14, c.rtl, c.spacing, c.margin, c.alignment, c.layout);
        SCOPED_TRACE(testing::Message() << "layout " << c.layout << " alignment " << c.alignment);
        EXPECT_EQ(l.Glyph.X, client.Left + c.glyph.X);
        EXPECT_EQ(l.Glyph.Y, client.Top + c.glyph.Y);
        EXPECT_EQ(l.TextRect, (TRect{client.Left + c.textX, client.Top + c.textY, client.Left + c.textX + 40,
                                     client.Top + c.textY + 14}));
    }
}

TEST(FitTextWithEllipsis, KeepsTheLongestPrefixThatFitsWithDots)
{
    // Three pixels a character, counted by code point so that Cyrillic
    // characters are two bytes but one character.
    const TextMeasure measure = [](std::string_view s) {
        int n = 0;
        for (unsigned char ch : s)
            n += (ch & 0xC0) != 0x80;
        return 3 * n;
    };
    struct Case {
        const char* text;
        int width;
        const char* expected;
    } cases[] = {
        {"Settings", 24, "Settings"}, {"Settings", 21, "Sett..."},   {"Settings", 23, "Sett..."},
        {"Settings", 9, ""},          {"Settings", 12, "S..."},      {"Settings", 0, ""},
        {"", 30, ""},                 {"Настройки", 21, "Наст..."}, {"Настройки", 27, "Настройки"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitTextWithEllipsis(c.text, c.width, measure), c.expected) << c.text << " " << c.width;
}

TEST(SkinTextPasses, ContoursInOrderThenTheMainTextAndTheDisabledColour)
{
    TSkinTables t;
    TsGeneralData s;
    s.FontColor = {0x000000, -1, -1, 0xFFFFFF, -1};
    s.HotFontColor = {0x0000FF, 0x010101, 0x020202, 0x030303, 0x040404};
    s.Color = 0x00FF00;
    t.Sections.push_back(s);
    TsGeneralData global;
    global.SectionName = "GLOBALINFO";
    global.Color = 0xFFFFFF;
    t.Sections.push_back(global);
    RefreshCommonIndexes(t);
    auto key = [](const std::vector<TextPass>& p) {
        std::vector<std::tuple<int, int, TColor, bool>> out;
        for (const TextPass& x : p)
            out.emplace_back(x.Dx, x.Dy, x.Color, x.NoClip);
        return out;
    };
    using V = std::vector<std::tuple<int, int, TColor, bool>>;
    EXPECT_EQ(key(SkinTextPasses(t, 0, {})), (V{{1, 0, 0xFFFFFF, false}, {0, 0, 0, true}}));
    EXPECT_EQ(key(SkinTextPasses(t, 0, {true, true})),
              (V{{-1, 0, 0x010101, false}, {0, -1, 0x020202, false}, {1, 0, 0x030303, false},
                 {0, 1, 0x040404, false}, {0, 0, 0x0000FF, true}}));
    EXPECT_EQ(key(SkinTextPasses(t, 0, {true, false, true, 0x123456})), (V{{0, 0, 0x123456, true}}));
    // Disabled: 40 % text colour over the skin's background, 153 from black on white.
    EXPECT_EQ(key(SkinTextPasses(t, 0, {false})), (V{{0, 0, 0x999999, false}}));
    EXPECT_EQ(key(SectionTextPasses(t, 0, {false})), (V{{0, 0, 0x009900, false}}));
    EXPECT_EQ(key(SectionTextPasses(t, 0, {})), (V{{1, 0, 0xFFFFFF, false}, {0, 0, 0, false}}));
    // No section: plain text in the current colour, or nothing for section text.
    EXPECT_EQ(key(SkinTextPasses(t, -1, {true, false, false, 0x42})), (V{{0, 0, 0x42, true}}));
    EXPECT_TRUE(SectionTextPasses(t, 7, {}).empty());
}

TEST(DrawDottedFocus, BlackDotsEveryThirdPixelWithWhiteOnesUpAndLeft)
{
    auto b = Canvas(12, 12, {9, 9, 9, 0});
    DrawDottedFocus(*b, {2, 2, 8, 8});
    const Bgra black{0, 0, 0, 0};
    for (auto [x, y] : {std::pair{2, 2}, {5, 2}, {8, 2}, {2, 8}, {8, 5}, {5, 8}})
        EXPECT_EQ(Get(*b, x, y), black) << x << "," << y;
    for (auto [x, y] : {std::pair{1, 1}, {4, 1}, {4, 7}, {7, 4}})
        EXPECT_EQ(Get(*b, x, y), kWhite) << x << "," << y;
    EXPECT_EQ(Get(*b, 3, 2), (Bgra{9, 9, 9, 0}));
    DrawDottedFocus(*b, {-5, -5, 30, 30});  // clipped, nothing outside
}

}  // namespace
}  // namespace taramel::test
