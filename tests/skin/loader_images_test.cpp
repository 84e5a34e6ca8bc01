#include <gtest/gtest.h>

#include <algorithm>

#include "loader_fixture.h"
#include "skin/SkinLookups.h"
#include "skin/PackedSkin.h"

namespace taramel {
namespace {

using test::Bmp24;
using test::Bytes;
using test::kMiniPath;
using test::MiniSkin;

const std::string kMaster = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n";

struct Expect {
    const char* value;
    TRect rect;
    int count, mask, border, stretch, type;
    int wl, wt, wr, wb;
};

TEST(LoaderImages, FixedPositionAndRectangleForms)
{
    const Expect cases[] = {
        {"@0010,0005,0040,0025,3,1", {10, 5, 40, 25}, 3, 1, 0, 0, itisaGlyph, 0, 0, 0, 0},
        {"@  10x   5y  40z  25w3v1", {10, 5, 40, 25}, 3, 1, 0, 0, itisaGlyph, 0, 0, 0, 0},
        {"^0000,0000,0060,0040,0001,0002,0003,0004,4,1,1,0", {0, 0, 60, 40}, 4, 1, 0, 1, itisaBorder, 1, 2, 3, 4},
        {"^0000,0000,0060,0040,0000,0000,0000,0000,4,1,1,3", {0, 0, 60, 40}, 4, 1, 3, 1, itisaBorder, 3, 3, 3, 3},
        {"^0000,0000,0060,0040,0000,0000,0000,0000,4,1,1,0", {0, 0, 60, 40}, 4, 1, 0, 1, itisaBorder, 5, 6, 5, 6},
        {"~0000,0020,0010,0030,02,1", {0, 20, 10, 30}, 1, 1, 0, 2, itisaTexture, 0, 0, 0, 0},
        {"~0000,0020,0010,0030,02", {0, 20, 10, 30}, 1, 0, 0, 2, itisaTexture, 0, 0, 0, 0},
        {"M#(0,0,60,40)(4,1)", {0, 0, 60, 40}, 4, 1, 0, 1, itisaBorder, 5, 6, 5, 6},
        {"M# (0,0,60,40) (0,-2,3,7)", {0, 0, 60, 40}, 1, 0, 3, 7, itisaBorder, 3, 3, 3, 3},
        {"M#(0,0,60,40)(2,0,-5)", {0, 0, 60, 40}, 2, 0, 0, 1, itisaBorder, 10, 13, 10, 13},
    };
    for (const Expect& c : cases) {
        MiniSkin s;
        s.Load(kMaster + "[X]\nP=" + c.value + "\n");
        ASSERT_EQ(s.tables.Images.size(), 1u) << c.value;
        const TsMaskData& m = s.tables.Images[0];
        EXPECT_EQ(m.Image, nullptr);
        EXPECT_EQ(m.SectionName, "X");
        EXPECT_EQ(m.PropertyName, "P");
        EXPECT_EQ(m.Manager, s.settings.Manager);
        EXPECT_EQ((std::array{m.ImageRect.Left, m.ImageRect.Top, m.ImageRect.Right, m.ImageRect.Bottom}),
                  (std::array{c.rect.Left, c.rect.Top, c.rect.Right, c.rect.Bottom}))
            << c.value;
        EXPECT_EQ((std::array<int, 9>{m.ImageCount, m.MaskType, m.BorderWidth, m.StretchMode, m.ImgType, m.WL, m.WT,
                                      m.WR, m.WB}),
                  (std::array<int, 9>{c.count, c.mask, c.border, c.stretch, c.type, c.wl, c.wt, c.wr, c.wb}))
            << c.value;
    }
}

TEST(LoaderImages, BadNumbersAndDivisionByZero)
{
    const std::pair<const char*, const char*> cases[] = {
        {"@10  ,0005,0040,0025,3,1", "'10  ' is not a valid integer value"},
        {"@0010,0005,0040,0025,x,1", "'x' is not a valid integer value"},
        {"@0010,0005", "'' is not a valid integer value"},
        {"^0000,0000,0060,0040,0000,0000,0000,0000,0,1,1,0", "Division by zero"},
        {"M#(0,0,60)(1,0)", "'' is not a valid integer value"},
        {"M#(0 0 60 40)(1,0)", "'' is not a valid integer value"},  // blanks divide words
        {"M#(0,0,60,40)(q,0)", "'q' is not a valid integer value"},
        {"!SMALL.BMP!0!0!0", "Division by zero"},
        {"!SMALL.BMP!3!-1!0", "Division by zero"},
        {"!SMALL.BMP!3!1!z", "'z' is not a valid integer value"},
    };
    for (const auto& [value, message] : cases) {
        MiniSkin s;
        s.files.AddFile(kMiniPath + "SMALL.BMP", Bmp24(30, 12));
        EXPECT_EQ(s.LoadError(kMaster + "[X]\nP=" + value + "\n[Y]\nCOLOR=1\n"), message) << value;
        EXPECT_TRUE(s.tables.Images.empty() && s.tables.Sections.empty() && !s.tables.MasterBitmap) << value;
    }
}

TEST(LoaderImages, RectanglesOutsideTheMasterBitmapAreSkipped)
{
    const char* cases[] = {
        "@0090,0000,0101,0010,1,0",  // right beyond the 100-pixel width
        "@0000,0050,0010,0061,1,0",  // bottom beyond the 60-pixel height
        "@-001,0000,0010,0010,1,0",  // negative left
        "@0010,0000,0010,0010,1,0",  // empty
        "@0020,0000,0010,0010,1,0",  // reversed
        "M#(0,0,2147483647,2147483647)(1,0,1)",
        "M#(-2147483648,0,10,10)(1,0,1)",
    };
    for (const char* value : cases) {
        MiniSkin s;
        s.Load(kMaster + "[X]\nP=" + value + "\n");
        EXPECT_TRUE(s.tables.Images.empty()) << value;
        EXPECT_EQ(s.tables.Sections.size(), 2u) << value;
    }
    MiniSkin none;  // no master bitmap at all
    none.Load("[X]\nP=@0000,0000,0010,0010,1,0\n");
    EXPECT_TRUE(none.tables.Images.empty());
}

TEST(LoaderImages, PictureAndBitmapFiles)
{
    MiniSkin s;
    s.files.AddFile(kMiniPath + "BTN.BMP", Bmp24(90, 60));
    s.files.AddFile(kMiniPath + "GLYPH.PNG", Bytes("12 9"));
    s.files.AddFile("D:\\Abs\\ABS.BMP", Bmp24(18, 12));
    s.Load("[Btn]\n"
           "A=!BTN.BMP!3!1!0\n"
           "B=!GLYPH.PNG!1!0!9!1!2!3!4\n"
           "C=!btn.bmp!3!1!0\n"      // the extension must be written in capitals
           "D=!NONE.BMP!3!1!0\n"     // missing: skipped
           "E=btn.bmp\n"
           "F=D:\\Abs\\ABS.BMP\n"
           "G=!BTN.BMP!3!1!1\n");
    ASSERT_EQ(s.tables.Images.size(), 5u);
    const TsMaskData* a = s.Image("Btn", "A");
    ASSERT_TRUE(a && a->Image);
    EXPECT_EQ(a->Image->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(a->ImageRect.Right, 90);
    EXPECT_EQ(a->StretchMode, 4);
    EXPECT_EQ((std::array<int, 4>{a->WL, a->WT, a->WR, a->WB}), (std::array<int, 4>{10, 10, 10, 10}));
    const TsMaskData* b = s.Image("Btn", "B");
    ASSERT_TRUE(b && b->Image);
    EXPECT_EQ(b->ImgType, itisaPngGlyph);
    EXPECT_EQ((std::array<int, 4>{b->WL, b->WT, b->WR, b->WB}), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(b->Image->PixelFormat(), TPixelFormat::pf32bit);
    const std::uint8_t* opaque = b->Image->ScanLine(0);
    EXPECT_EQ((std::array<int, 4>{opaque[0], opaque[1], opaque[2], opaque[3]}), (std::array<int, 4>{255, 255, 255, 255}));
    const std::uint8_t* clear = b->Image->ScanLine(1);
    EXPECT_EQ((std::array<int, 4>{clear[0], clear[1], clear[2], clear[3]}), (std::array<int, 4>{0, 0, 0, 0}));
    const TsMaskData* e = s.Image("BTN", "E");
    ASSERT_TRUE(e && e->Image);
    EXPECT_EQ((std::array<int, 7>{e->ImageCount, e->MaskType, e->ImageRect.Right, e->WL, e->WT, e->WR, e->WB}),
              (std::array<int, 7>{3, 1, 90, 10, 10, 10, 10}));
    const TsMaskData* f = s.Image("BTN", "F");
    ASSERT_TRUE(f && f->Image);
    EXPECT_EQ(f->Image->Width(), 18);
    EXPECT_EQ(s.Image("Btn", "G")->ImgType, itisaTexture);
}

TEST(LoaderImages, JpegSizeRule)
{
    MiniSkin s;
    s.files.AddFile(kMiniPath + "BIG.JPG", Bytes("300 300"));
    s.files.AddFile(kMiniPath + "SMALL.JPEG", Bytes("299 300"));
    s.Load("[Form]\nPattern=big.jpg\nHotPattern=Small.Jpeg\nNONE=NONE.JPG\n");
    ASSERT_EQ(s.tables.Patterns.size(), 1u);
    EXPECT_EQ(s.tables.Patterns[0].SectionName, "FORM");
    EXPECT_EQ(s.tables.Patterns[0].PropertyName, "PATTERN");
    EXPECT_EQ(s.tables.Patterns[0].Image->Width(), 300);
    ASSERT_EQ(s.tables.Images.size(), 1u);
    const TsMaskData& t = s.tables.Images[0];
    EXPECT_EQ(t.SectionName, "FORM");
    EXPECT_EQ(t.PropertyName, "HOTPATTERN");
    EXPECT_EQ(t.ImgType, itisaTexture);
    EXPECT_EQ(t.ImageCount, 1);
    EXPECT_EQ(t.ImageRect.Right, 299);
    EXPECT_EQ(t.ImageRect.Bottom, 300);
    EXPECT_EQ(FindPattern(s.tables, 0, "Form", "PATTERN"), -1);  // patterns carry upper-cased names
    EXPECT_EQ(FindPattern(s.tables, 0, "FORM", "PATTERN"), 0);
    EXPECT_EQ(FindTexture(s.tables, 0, "FORM", "HOTPATTERN"), 0);
}

TEST(LoaderImages, PackedSkinsCompareUpperCasedEntryNames)
{
    TacSkinConvertor reader;
    for (const char* name : {"master.bmp", "Btn.BMP"})
        reader.ImageFiles.push_back({name, true, Bmp24(90, 60)});
    reader.ImageCount = 2;
    const std::string upper = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[B]\nA=!BTN.BMP!3!1!0\nC=@0000,0000,0010,0010,1,0\n";
    const std::string lower = "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[B]\nA=!btn.BMP!3!1!0\nC=@0000,0000,0010,0010,1,0\n";

    TSkinTables packed;
    TSkinLoadSettings settings;
    TSkinSource source = PackedSkinSource(reader, kMiniPath);
    source.OptionsText = upper;
    LoadSkin(source, settings, packed);
    EXPECT_NE(packed.MasterBitmap, nullptr);
    EXPECT_EQ(packed.Images.size(), 2u);
    source.OptionsText = lower;
    LoadSkin(source, settings, packed);
    EXPECT_EQ(packed.MasterBitmap, nullptr);
    EXPECT_TRUE(packed.Images.empty());

    MiniSkin folder;  // the same lower-case text in a folder skin finds its files
    folder.files.AddFile(kMiniPath + "Btn.BMP", Bmp24(90, 60));
    folder.Load(lower);
    EXPECT_NE(folder.tables.MasterBitmap, nullptr);
    EXPECT_EQ(folder.tables.Images.size(), 2u);
}

TEST(LoaderImages, BrokenPictureEndsTheLoad)
{
    MiniSkin s;
    auto bmp = Bmp24(30, 30);
    bmp.resize(80);  // the pixels promised by the header are missing
    s.files.AddFile(kMiniPath + "CUT.BMP", bmp);
    EXPECT_NE(s.LoadError(kMaster + "[X]\nA=CUT.BMP\n"), "");
    EXPECT_TRUE(s.tables.Images.empty() && s.tables.Sections.empty() && !s.tables.MasterBitmap);
}

TEST(LoaderImages, PicturesOfWidthZeroAreSkipped)
{
    // The BMP reader refuses a width of 0 ("BMP size 0 x 30 is out of range"),
    // and an empty file is no BMP at all; the loader must skip both before.
    auto zeroWidth = Bmp24(30, 30);
    std::fill(zeroWidth.begin() + 18, zeroWidth.begin() + 22, 0);
    const std::pair<const char*, std::vector<std::uint8_t>> pictures[] = {
        {"header says width 0", zeroWidth},
        {"empty file", {}},
    };
    for (const auto& [name, bytes] : pictures) {
        MiniSkin s;
        s.files.AddFile(kMiniPath + "ZERO.BMP", bytes);
        s.files.AddFile(kMiniPath + "GOOD.BMP", Bmp24(30, 12));
        EXPECT_EQ(s.LoadError("[GLOBALINFO]\nMASTERBITMAP=ZERO.BMP\n"
                              "[X]\nA=ZERO.BMP\nB=!ZERO.BMP!3!1!0\nC=GOOD.BMP\n"),
                  "")
            << name;
        EXPECT_FALSE(s.tables.MasterBitmap) << name;
        EXPECT_FALSE(s.Image("X", "A")) << name;
        EXPECT_FALSE(s.Image("X", "B")) << name;
        EXPECT_TRUE(s.Image("X", "C")) << name;
    }
    // Any other size the reader refuses still ends the load.
    auto negative = Bmp24(30, 30);
    std::fill(negative.begin() + 18, negative.begin() + 22, 0xFF);
    MiniSkin s;
    s.files.AddFile(kMiniPath + "NEG.BMP", negative);
    EXPECT_EQ(s.LoadError("[X]\nA=NEG.BMP\n"), "BMP size -1 x 30 is out of range");
}

TEST(LoaderImages, CommonSectionsImages)
{
    MiniSkin s;
    s.files.AddFile(kMiniPath + "EXTRA.BMP", Bmp24(9, 6));
    s.files.AddFile(kMiniPath + "WIDE.JPG", Bytes("10 10"));
    s.settings.CommonSections = "[Extra]\nA=extra.bmp\nB=M#(0,0,30,30)(3,1)\nC=@0000,0000,0010,0010,1,0\nD=wide.jpg\n"
                                "[GLOBALINFO]\nX=EXTRA.BMP\n";
    s.Load(kMaster);
    ASSERT_EQ(s.tables.Images.size(), 2u);
    EXPECT_NE(s.Image("EXTRA", "A"), nullptr);
    EXPECT_NE(s.Image("EXTRA", "B"), nullptr);
    ASSERT_EQ(s.tables.Patterns.size(), 1u);  // any size becomes a pattern
    EXPECT_EQ(s.tables.Patterns[0].Image->Width(), 10);
}

}  // namespace
}  // namespace taramel
