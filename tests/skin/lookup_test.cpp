#include <gtest/gtest.h>

#include "loader_fixture.h"
#include "render/SysColors.h"
#include "skin/SkinLookups.h"

namespace taramel {
namespace {

TsMaskData Mask(const char* section, const char* property, TacImgType type = itisaBorder)
{
    TsMaskData m;
    m.SectionName = section;
    m.PropertyName = property;
    m.ImgType = type;
    return m;
}

TsGeneralData Section(const char* name, const char* parent = "")
{
    TsGeneralData s;
    s.SectionName = name;
    s.ParentClass = parent;
    return s;
}

TEST(Lookup, FindImageFollowsParentsAndCutsCircles)
{
    TSkinTables t;
    t.Sections.push_back(Section("CHILD", "BASE"));
    t.Sections.push_back(Section("BASE", "ROOT"));
    t.Sections.push_back(Section("ROOT"));
    t.Sections.push_back(Section("A", "B"));
    t.Sections.push_back(Section("B", "A"));
    t.Sections.push_back(Section("SELF", "SELF"));
    t.Images.push_back(Mask("ROOT", "BORDERSMASK"));
    t.Images.push_back(Mask("BASE", "PATTERN"));
    t.Images.push_back(Mask("BASE", "HOTPATTERN", itisaTexture));
    t.Images.push_back(Mask("ROOT", "PATTERN", itisaTexture));
    t.Images.push_back(Mask("SELF", "X"));

    EXPECT_EQ(FindImage(t, 0, "CHILD", "BORDERSMASK"), 0);
    EXPECT_EQ(FindImage(t, 0, "CHILD", "PATTERN"), 1);
    EXPECT_EQ(FindTexture(t, 0, "CHILD", "PATTERN"), 3);  // BASE's is no texture
    EXPECT_EQ(FindTexture(t, 0, "CHILD", "HOTPATTERN"), 2);
    EXPECT_EQ(FindImageExact(t, "CHILD", "BORDERSMASK"), -1);
    EXPECT_EQ(FindImageExact(t, "ROOT", "BORDERSMASK"), 0);
    EXPECT_EQ(FindImage(t, 3, "A", "BORDERSMASK"), -1);  // A -> B -> A ... ends
    EXPECT_EQ(FindImage(t, 5, "SELF", "Y"), -1);
    EXPECT_EQ(FindImage(t, 5, "SELF", "X"), 4);
    EXPECT_EQ(FindImage(t, -1, "ROOT", "BORDERSMASK"), -1);
    EXPECT_EQ(FindImage(t, 2, "", "BORDERSMASK"), -1);
    EXPECT_EQ(FindImage(t, 99, "ROOT", "BORDERSMASK"), 0);  // the name still matches
    EXPECT_EQ(FindImage(t, 2, "root", "BORDERSMASK"), -1);
    EXPECT_EQ(FindPattern(t, 0, "CHILD", "PATTERN"), -1);  // no patterns
    t.Patterns.push_back({nullptr, "BASE", "PATTERN"});
    EXPECT_EQ(FindPattern(t, 0, "CHILD", "PATTERN"), 0);
    EXPECT_EQ(FindSection(t, "base"), -1);
    EXPECT_EQ(FindSection(TSkinTables{}, "BASE"), -1);
}

TEST(Lookup, StateSizeAndBorders)
{
    TSkinTables t;
    TsMaskData a = Mask("X", "A");  // master image: 4 states of 15 x 20, mask half below
    a.ImageRect = {10, 0, 70, 40};
    a.ImageCount = 4;
    a.MaskType = 1;
    a.WL = 2;
    a.WB = 7;
    a.BorderWidth = 0;
    t.Images.push_back(std::move(a));
    TsMaskData b = Mask("X", "B");  // own bitmap
    b.Image = std::make_unique<TBitmap>(31, 21, TPixelFormat::pf24bit);
    b.ImageCount = 1;
    b.BorderWidth = 3;
    t.Images.push_back(std::move(b));
    TsMaskData c = Mask("X", "C");  // ImageCount 0 reads as 1
    c.ImageRect = {0, 0, 12, 9};
    t.Images.push_back(std::move(c));

    EXPECT_EQ(ImageStateSize(t, 0), (TSize{15, 20}));
    EXPECT_EQ(ImageStateSize(t, 1), (TSize{10, 10}));
    EXPECT_EQ(ImageStateSize(t, 2), (TSize{12, 9}));
    EXPECT_EQ(ImageStateSize(t, 3), (TSize{0, 0}));
    EXPECT_EQ((std::array{BorderLeft(t, 0), BorderTop(t, 0), BorderRight(t, 0), BorderBottom(t, 0)}),
              (std::array{2, 20, 15, 7}));
    EXPECT_EQ((std::array{BorderLeft(t, 1), BorderTop(t, 1), BorderRight(t, 1), BorderBottom(t, 1)}),
              (std::array{3, 3, 3, 3}));
    EXPECT_EQ(BorderLeft(t, 2), 12);
    EXPECT_EQ(BorderLeft(t, -1), 0);
    EXPECT_TRUE(ImageExists(t, 2));
    EXPECT_FALSE(ImageExists(t, 3));
    EXPECT_FALSE(SectionExists(t, 0));
}

TEST(Lookup, ColourGetters)
{
    TSkinTables none;
    EXPECT_EQ(GlobalBackColor(none), SysColor(15));
    EXPECT_EQ(GlobalTextColor(none), 0xFF00FFu);
    EXPECT_EQ(GlobalHotColor(none), SysColor(5));
    EXPECT_EQ(EditHotTextColor(none), 0xFF00FFu);
    EXPECT_EQ(HighlightBackColor(none), SysColor(13));
    EXPECT_EQ(HighlightTextColor(none), SysColor(14));

    TSkinTables t;
    TsGeneralData g = Section("GLOBALINFO");
    g.Color = 0x123456;
    g.FontColor[0] = -16777208;  // system window text
    g.HotColor = 0x654321;
    t.Sections.push_back(g);
    TsGeneralData e = Section("EDIT");
    e.HotFontColor[0] = 0x0000FF;
    t.Sections.push_back(e);
    TsGeneralData m = Section("MENUITEM");
    m.HotColor = 0x112233;
    m.HotFontColor[0] = 0x445566;
    t.Sections.push_back(m);
    EXPECT_EQ(GlobalBackColor(t), 0x123456u);
    EXPECT_EQ(GlobalTextColor(t), SysColor(8));
    EXPECT_EQ(GlobalHotColor(t), 0x654321u);
    EXPECT_EQ(EditHotTextColor(t), 0x0000FFu);
    EXPECT_EQ(HighlightBackColor(t), 0x112233u);
    EXPECT_EQ(HighlightTextColor(t), 0x445566u);

    // Text colours that cannot be told from no colour, or a back colour that is none.
    const std::pair<std::int32_t, std::int32_t> fallbacks[] = {
        {0x112233, 0}, {0x112233, -1}, {0x112233, 0xFFFFFF}, {0xFF00FF, 0x445566}, {0xFFFFFF, 0x445566}, {-1, 0x445566}};
    for (auto [hot, text] : fallbacks) {
        t.Sections[2].HotColor = hot;
        t.Sections[2].HotFontColor[0] = text;
        EXPECT_EQ(HighlightTextColor(t), SysColor(14)) << hot << " " << text;
        if (hot != 0x112233) {
            EXPECT_EQ(HighlightBackColor(t), SysColor(13)) << hot;
        }
    }
}

TEST(Lookup, CommonIndexesAfterLoading)
{
    test::MiniSkin s;
    s.Load("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nBOXCHECKED=@0000,0000,0030,0010,3,0\n"
           "EXBORDER=@0000,0010,0030,0020,3,0\n"
           "[COMBOBTN]\nBORDERSMASK=@0000,0020,0030,0030,3,0\nPATTERN=~0000,0030,0010,0040,01\n"
           "[COMBOBOX]\nGLYPHMASK=@0030,0000,0060,0010,3,0\n"
           "[TABTOP]\nBORDERSMASK=@0030,0010,0060,0020,3,0\n"
           "[TABLEFT]\nPARENTCLASS=TABTOP\n"
           "[SCROLLBTNTOP]\nGLYPHMASK=@0030,0020,0060,0030,3,0\n"
           "[SCROLLBAR1H]\nPARENTCLASS=TABTOP\n");
    const TacCommonIndexes& c = s.tables.CommonIndexes;
    EXPECT_EQ(c.GlobalInfo, 0);
    EXPECT_EQ(c.CheckBoxChecked, 0);
    EXPECT_EQ(c.ExBorder, 1);
    EXPECT_EQ(c.RadioButtonChecked, -1);
    EXPECT_EQ(c.ComboBtn, 1);
    EXPECT_EQ(c.ComboBtnBorder, 2);
    EXPECT_EQ(c.ComboBtnBG, 3);
    EXPECT_EQ(c.ComboBtnBGHot, -1);
    EXPECT_EQ(c.ComboGlyph, 4);
    EXPECT_EQ(c.TabSection, (std::array<std::int32_t, 4>{3, -1, 4, -1}));
    // Every side is looked up from TABTOP's index, so TABLEFT's own chain is not used.
    EXPECT_EQ(c.TabBorder, (std::array<std::int32_t, 4>{5, -1, -1, -1}));
    EXPECT_EQ(c.ScrollParts[asBtnTop].GlyphMask, 6);
    EXPECT_EQ(c.ScrollParts[asBtnBottom].Section, -1);
    EXPECT_EQ(c.ScrollParts[asBtnBottom].GlyphMask, 0);  // kept from before
    EXPECT_EQ(c.ScrollBars[asBar1H].BordersMask, 5);     // through its parent
    EXPECT_EQ(c.ScrollBars[asBar1V].Section, -1);

    s.tables.CommonIndexes.ScrollParts[asBtnBottom].GlyphMask = 9;
    s.Load("[OTHER]\n");
    EXPECT_EQ(c.GlobalInfo, -1);
    EXPECT_EQ(c.CheckBoxChecked, -1);
    EXPECT_EQ(c.ScrollParts[asBtnTop].GlyphMask, 6);
    EXPECT_EQ(c.ScrollParts[asBtnBottom].GlyphMask, 9);
}

}  // namespace
}  // namespace taramel
