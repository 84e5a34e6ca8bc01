// WCAG 2 contrast of text colours, and the surfaces a section's text is
// measured against.
#include <gtest/gtest.h>

#include "skin/OptionsText.h"
#include "skin/SkinLoader.h"
#include "skin/TextContrast.h"

namespace taramel {
namespace {

TEST(TextContrast, RatiosOfKnownPairs)
{
    struct Case {
        TColor a, b;
        double ratio;
    };
    const Case cases[] = {
        {0x000000, 0xFFFFFF, 21.0},
        {0xFFFFFF, 0x000000, 21.0},   // order does not matter
        {0x808080, 0x808080, 1.0},
        {0x767676, 0xFFFFFF, 4.54},   // the lightest grey that passes on white
        {0x777777, 0xFFFFFF, 4.48},   // one step lighter fails
        {0x0000FF, 0xFFFFFF, 4.0},    // pure red (0x00BBGGRR) on white
        {0xFF0000, 0xFFFFFF, 8.59},   // pure blue
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.005) << std::hex << c.a << " on " << c.b;
}

const TTextContrast* Find(const std::vector<TTextContrast>& all, const std::string& section, bool hot)
{
    for (const TTextContrast& c : all)
        if (c.Section == section && c.Hot == hot)
            return &c;
    return nullptr;
}

TEST(TextContrast, SurfaceTakesGradientAndTransparencyIntoAccount)
{
    // White everywhere but: a black gradient end under BAND's text, and a
    // black global background that shows through GLASS.
    const std::string options =
        "[GLOBALINFO]\r\nCOLOR=0\r\nFONTCOLOR=16777215\r\nHOTCOLOR=0\r\nHOTFONTCOLOR=16777215\r\n"
        "[BAND]\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\nGRADIENTPERCENT=100\r\nGRADIENTDATA=16777215;0;100;0;0\r\n"
        "HOTFONTCOLOR=0\r\n"
        "[HALF]\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\nGRADIENTPERCENT=50\r\nGRADIENTDATA=0;0;100;0;0\r\n"
        "[GLASS]\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\nTRANSPARENCY=100\r\nHOTFONTCOLOR=0\r\n";
    TSkinSource source;
    source.OptionsText = options;
    TSkinTables tables;
    LoadSkin(source, {}, tables);
    const auto all = SectionTextContrasts(tables);

    const TTextContrast* band = Find(all, "BAND", false);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->Surface, 0);  // the dark end of the gradient is the weakest
    EXPECT_NEAR(band->Ratio, 1.0, 1e-9);
    EXPECT_NEAR(Find(all, "BAND", true)->Ratio, 21.0, 1e-9);  // the hot look has no gradient

    const TTextContrast* half = Find(all, "HALF", false);
    EXPECT_EQ(half->Surface, 0x808080);  // half black gradient, half white colour

    EXPECT_EQ(Find(all, "GLASS", false)->Surface, 0);  // wholly the black global background
    EXPECT_NEAR(Find(all, "GLOBALINFO", false)->Ratio, 21.0, 1e-9);
}

}  // namespace
}  // namespace taramel
