#include <gtest/gtest.h>

#include "loader_fixture.h"
#include "render/SysColors.h"
#include "skin/SkinLookups.h"
#include "skin/SkinSectionReader.h"

namespace taramel {
namespace {

using test::MiniSkin;

TEST(LoaderSections, MixedCaseHeaderIsKeptAsWritten)
{
    MiniSkin s;
    s.Load("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[Button]\nCOLOR=100\n"
           "GLYPHMASK=@0010,0005,0040,0025,3,1\n"
           "BORDERSMASK=^0000,0000,0060,0040,0000,0000,0000,0000,4,1,1,3\n"
           "PATTERN=~0000,0020,0010,0030,02,1\n"
           "FRAME=BTN#(0,0,30,30)(3,1)\n"
           "FILE=btn.bmp\n");
    EXPECT_EQ(FindSection(s.tables, "BUTTON"), -1);
    ASSERT_EQ(FindSection(s.tables, "Button"), 1);
    EXPECT_EQ(s.tables.Sections[1].Color, 100);
    EXPECT_NE(s.Image("Button", "GLYPHMASK"), nullptr);
    EXPECT_NE(s.Image("Button", "BORDERSMASK"), nullptr);
    EXPECT_NE(s.Image("Button", "PATTERN"), nullptr);
    EXPECT_NE(s.Image("BUTTON", "FRAME"), nullptr);
    EXPECT_EQ(s.Image("Button", "FRAME"), nullptr);
    EXPECT_EQ(s.Image("BUTTON", "FILE"), nullptr);  // btn.bmp does not exist: skipped
}

TEST(LoaderSections, ColorIsConvertedButHotColorIsNot)
{
    MiniSkin s;
    s.Load("[GLOBALINFO]\nCOLOR=-16777201\nHOTCOLOR=-16777201\n");
    const TsGeneralData& g = s.tables.Sections.at(0);
    EXPECT_EQ(g.Color, static_cast<std::int32_t>(SysColor(15)));
    EXPECT_GE(g.Color, 0);
    EXPECT_EQ(g.HotColor, -16777201);
    EXPECT_EQ(GlobalHotColor(s.tables), SysColor(15));
}

TEST(LoaderSections, RecordDefaultsAgreeWithTheKeyTables)
{
    const TsGeneralData section;
#define TARAMEL_CHECK_SECTION(field, key, kind, def) EXPECT_EQ(section.field, def) << key;
    TARAMEL_SECTION_KEYS(TARAMEL_CHECK_SECTION)
#undef TARAMEL_CHECK_SECTION
    const TsSkinData global;
#define TARAMEL_CHECK_GLOBAL(field, key, kind, def) EXPECT_EQ(global.field, def) << key;
    TARAMEL_GLOBAL_KEYS(TARAMEL_CHECK_GLOBAL)
#undef TARAMEL_CHECK_GLOBAL
}

TEST(LoaderSections, DefaultsOfEveryKey)
{
    MiniSkin s;
    s.Load("[EMPTY]\n");
    const TsGeneralData& d = s.tables.Sections.at(0);
    EXPECT_EQ(d.ParentClass, "");
    EXPECT_EQ(d.Color, 16777215);
    EXPECT_EQ(d.FontColor, (std::array<std::int32_t, 5>{0, -1, -1, -1, -1}));
    EXPECT_EQ(d.HotFontColor, (std::array<std::int32_t, 5>{0, -1, -1, -1, -1}));
    EXPECT_FALSE(d.GiveOwnFont || d.ReservedBoolean || d.ShowFocus || d.FadingEnabled);
    EXPECT_EQ(d.GlowCount + d.GlowMargin + d.Transparency + d.GradientPercent + d.ImagePercent, 0);
    EXPECT_EQ(d.GradientData, " ");
    EXPECT_TRUE(d.GradientArray.empty());
    EXPECT_EQ(d.FadingIterations, 5);
    EXPECT_EQ(d.HotColor, 16777215);
    EXPECT_EQ(d.HotGradientData, "");
    EXPECT_EQ(d.BorderIndex, -1);
    EXPECT_EQ(d.ImgTL + d.ImgTR + d.ImgBL + d.ImgBR, -4);
}

// Values of PANEL, which inherits from PANELBASE, which inherits from ROOT.
TEST(LoaderSections, InheritanceTreatsMinusOneAndQuestionMarkAsAbsent)
{
    MiniSkin s;
    s.Load("[PANEL]\nPARENTCLASS=panelbase\nTRANSPARENCY=-1\nGRADIENTPERCENT=oops\nSHOWFOCUS=?\n"
           "GRADIENTDATA=?\nFADINGITERATIONS=-1\nIMAGEPERCENT=7\nTCLEFT=-1\n"
           "[PANELBASE]\nPARENTCLASS=ROOT\nTRANSPARENCY=40\nGRADIENTPERCENT=25\nSHOWFOCUS=true\n"
           "[ROOT]\nGRADIENTDATA=255;0;100;0;0\nIMAGEPERCENT=99\nTCLEFT=12\nPARENTCLASS=?\n");
    const TsGeneralData& p = s.tables.Sections.at(0);
    EXPECT_EQ(p.ParentClass, "panelbase");
    EXPECT_EQ(p.Transparency, 40);
    EXPECT_EQ(p.GradientPercent, 25);
    EXPECT_TRUE(p.ShowFocus);
    EXPECT_EQ(p.GradientData, "255;0;100;0;0");
    ASSERT_EQ(p.GradientArray.size(), 1u);
    EXPECT_EQ(p.GradientArray[0].Color1, 255u);
    EXPECT_EQ(p.GradientArray[0].Percent, 100);
    EXPECT_EQ(p.FadingIterations, 5);
    EXPECT_EQ(p.ImagePercent, 7);
    EXPECT_EQ(p.FontColor[1], 12);
    EXPECT_EQ(s.tables.Sections.at(1).ParentClass, "ROOT");  // PARENTCLASS itself is not inherited
    EXPECT_EQ(s.tables.Sections.at(2).ParentClass, "?");
}

TEST(LoaderSections, SelfParentAndCirclesInheritNothingAndEnd)
{
    MiniSkin s;
    s.Load("[SELF]\nPARENTCLASS=self\nTRANSPARENCY=-1\n"
           "[A]\nPARENTCLASS=B\nCOLOR=-1\n[B]\nPARENTCLASS=A\nGLOW=3\n"
           "[C]\nPARENTCLASS=MISSING\nGLOW=-1\n"
           "[E]\nPARENTCLASS=C\n");
    EXPECT_EQ(s.Section("SELF")->Transparency, 0);
    EXPECT_EQ(s.Section("A")->Color, 16777215);  // missing in the whole circle: the default
    EXPECT_EQ(s.Section("A")->GlowCount, 3);
    EXPECT_EQ(s.Section("B")->Color, 16777215);
    EXPECT_EQ(s.Section("C")->GlowCount, 0);
    EXPECT_EQ(FindImage(s.tables, FindSection(s.tables, "A"), "A", "BORDERSMASK"), -1);
}

TEST(LoaderSections, GlobalInfoValues)
{
    MiniSkin s;
    double checked = -1;
    s.settings.VersionCheck = [&](double v) { checked = v; };
    s.Load("[GLOBALINFO]\nVERSION=300\nAUTHOR=Me\nBORDERWIDTH=abc\nTITLEHEIGHT=22\nSHADOW1BLUR= 3\n"
           "BORDERCOLOR=$FF\nBICONMAXGLOWMARGIN=0x10\nFORMOFFSET=-1\n");
    const TsSkinData& d = s.tables.SkinData;
    EXPECT_EQ(checked, 300);
    EXPECT_EQ(d.Author, "Me");
    EXPECT_EQ(d.BorderWidth, 4);
    EXPECT_EQ(d.TitleHeight, 22);
    EXPECT_EQ(d.FormOffset, -1);
    EXPECT_EQ(d.Shadow1Blur, 3);
    EXPECT_EQ(d.Shadow1Offset, 0);
    EXPECT_EQ(d.BorderColor, 255);
    EXPECT_EQ(d.BIMaxGlowMargin, 16);
    EXPECT_EQ(s.tables.Sections.at(0).BorderIndex, 0);  // GLOBALINFO's stays 0

    s.Load("[GLOBALINFO]\nVERSION=6.5\n");
    EXPECT_EQ(checked, 6.5);
    EXPECT_EQ(s.tables.SkinData.Shadow1Blur, -1);
    EXPECT_EQ(s.tables.SkinData.TitleHeight, 30);
}

// A frame the skin asks for is kept to what a window can show: beyond the
// limits and below 0 the values are brought into range, numbers beyond 16
// bits without wrapping round to the other sign.
TEST(LoaderSections, FrameSizesStayInRange)
{
    struct Case {
        const char* border;
        const char* title;
        int wantBorder, wantTitle;
    };
    const Case cases[] = {
        {"4", "30", 4, 30},
        {"0", "0", 0, 0},
        {"-50", "-1", 0, 0},
        {"61", "121", kMaxSkinBorderWidth, kMaxSkinTitleHeight},
        {"100000", "100000", kMaxSkinBorderWidth, kMaxSkinTitleHeight},
        {"-100000", "-70000", 0, 0},
        {"65536", "65566", kMaxSkinBorderWidth, kMaxSkinTitleHeight},
    };
    for (const Case& c : cases) {
        MiniSkin s;
        s.Load(std::string("[GLOBALINFO]\nBORDERWIDTH=") + c.border + "\nTITLEHEIGHT=" + c.title +
               "\nFORMOFFSET=100000\n");
        EXPECT_EQ(s.tables.SkinData.BorderWidth, c.wantBorder) << c.border;
        EXPECT_EQ(s.tables.SkinData.TitleHeight, c.wantTitle) << c.title;
        EXPECT_EQ(s.tables.SkinData.FormOffset, INT16_MAX);
    }
}

TEST(LoaderSections, StrictKeysEndTheLoadWithEmptyTables)
{
    MiniSkin s;
    s.Load("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[X]\nA=@0000,0000,0010,0010,1,0\n");
    ASSERT_FALSE(s.tables.Images.empty());
    EXPECT_EQ(s.LoadError("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nSHADOW1OFFSET=1px\n"
                          "[X]\nA=@0000,0000,0010,0010,1,0\n"),
              "'1px' is not a valid integer value");
    EXPECT_TRUE(s.tables.Images.empty());
    EXPECT_TRUE(s.tables.Sections.empty());
    EXPECT_EQ(s.tables.MasterBitmap, nullptr);
    EXPECT_EQ(s.tables.CommonIndexes.GlobalInfo, -1);
}

TEST(LoaderSections, BadGradientWordEndsTheLoad)
{
    MiniSkin s;
    EXPECT_EQ(s.LoadError("[A]\nCOLOR=1\n[B]\nPARENTCLASS=A\nHOTGRADIENTDATA=1;2;x;0;0\n"),
              "'x' is not a valid integer value");
    EXPECT_TRUE(s.tables.Sections.empty());
    s.Load("[A]\nGRADIENTDATA= \nHOTGRADIENTDATA=\n");  // trimmed to empty: parsed, and empty
    EXPECT_EQ(s.tables.Sections[0].GradientData, "");
    EXPECT_TRUE(s.tables.Sections[0].GradientArray.empty());
}

TEST(LoaderSections, CornerAndBorderIndexesFollowTheParent)
{
    MiniSkin s;
    s.Load("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
           "[BASE]\nBORDERSMASK=@0000,0000,0030,0010,3,0\nIMGTOPLEFT=@0000,0010,0010,0020,1,0\n"
           "[CHILD]\nPARENTCLASS=BASE\nIMGBTMRIGHT=@0010,0010,0020,0020,1,0\n");
    const TsGeneralData* c = s.Section("CHILD");
    EXPECT_EQ(c->BorderIndex, 0);
    EXPECT_EQ(c->ImgTL, 1);
    EXPECT_EQ(c->ImgBR, 2);
    EXPECT_EQ(c->ImgTR, -1);
}

TEST(LoaderSections, CommonSectionsMerge)
{
    MiniSkin s;
    s.settings.CommonSections =
        "[Button]\nCOLOR=1\n"       // exists exactly: ignored
        "[button2]\nPARENTCLASS=button\nGLOW=-1\nTRANSPARENCY=x\nCOLOR=-16777201\nSHOWFOCUS=?\n"
        "[LONE]\nGLOWMARGIN=junk\n"
        "[GLOW0]\nPARENTCLASS=Button\n";
    s.Load("[Button]\nCOLOR=100\nGLOW=2\nGLOWMARGIN=4\nTRANSPARENCY=30\nSHOWFOCUS=TRUE\n");
    ASSERT_EQ(s.tables.Sections.size(), 4u);
    EXPECT_EQ(s.Section("Button")->Color, 100);
    const TsGeneralData* b = s.Section("button2");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->ParentClass, "BUTTON");
    EXPECT_EQ(b->GlowCount, 2);         // -1 takes the base's
    EXPECT_EQ(b->GlowMargin, 0);        // missing reads 0, not the base's
    EXPECT_EQ(b->Transparency, 30);     // unparsable takes the base's
    EXPECT_EQ(b->Color, -16777201);     // stored as written
    EXPECT_TRUE(b->ShowFocus);
    const TsGeneralData* lone = s.Section("LONE");
    EXPECT_EQ(lone->ParentClass, "-1");
    EXPECT_EQ(lone->GlowMargin, 0);
    EXPECT_EQ(lone->FadingIterations, 5);
    EXPECT_EQ(s.Section("GLOW0")->GlowCount, 0);
    EXPECT_EQ(s.Section("GLOW0")->Color, 100);
}

}  // namespace
}  // namespace taramel
