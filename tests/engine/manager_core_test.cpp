// The skin manager's portable half: finding and reading the named skin, the
// shadow pictures and the texts it reports, natively with the sanitizers.
#include <gtest/gtest.h>

#include "base/Exception.h"
#include "engine/SkinManagerCore.h"
#include "skin/SkinFiles.h"
#include "skin/SkinLookups.h"
#include "tests/skin/loader_bmp.h"

namespace taramel {
namespace {

const std::string kSkinFolder = "C:\\Skins\\Small\\";

// A folder skin: a master bitmap, a version, a form offset of 2 and, when
// asked for, a two-state EXBORDER image with borders 5 6 7 8.
TMemoryFileSystem SmallSkin(bool exBorder)
{
    TMemoryFileSystem files("C:\\App\\");
    files.AddFile(kSkinFolder + "MASTER.BMP", test::Bmp24(100, 60, std::uint32_t{0x102030}));
    std::string options = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nVERSION=6.5\nFORMOFFSET=2\n";
    if (exBorder)
        options += "EXBORDER=^0000,0000,0060,0040,0005,0006,0007,0008,2,1,1,0\n";
    options += "[BUTTON]\nCOLOR=255\n";
    files.AddFile(kSkinFolder + "Options.dat", options);
    return files;
}

TSkinRequest Request(const std::string& name)
{
    TSkinRequest request;
    request.Directory = "C:\\Skins";
    request.Name = name;
    return request;
}

TEST(ManagerCore, LoadsTheNamedSkinOrEmptiesTheTables)
{
    TMemoryFileSystem files = SmallSkin(false);
    TSkinTables tables;
    std::vector<double> versions;
    TSkinRequest request = Request("Small");
    request.VersionCheck = [&](double version) { versions.push_back(version); };
    ASSERT_TRUE(LoadSkinTables(request, files, tables));
    EXPECT_EQ(tables.SkinData.SkinPath, kSkinFolder);
    EXPECT_GE(FindSection(tables, "BUTTON"), 0);
    ASSERT_TRUE(tables.MasterBitmap);
    EXPECT_EQ(SkinVersionInfo(tables), "6.5");
    EXPECT_EQ(versions, std::vector<double>{6.5});

    // A name that is nowhere leaves nothing of the skin read before.
    EXPECT_FALSE(LoadSkinTables(Request("Elsewhere"), files, tables));
    EXPECT_TRUE(tables.Sections.empty());
    EXPECT_FALSE(tables.MasterBitmap);
    EXPECT_EQ(tables.CommonIndexes.GlobalInfo, -1);
}

// A skin whose options text or master picture cannot be read is refused with
// the file named, and nothing of it stays in the tables.
TEST(ManagerCore, ASkinWithoutItsEssentialFilesIsRefusedNamingTheFile)
{
    struct Case {
        const char* what;
        const char* file;              // replaced in the good skin
        std::vector<std::uint8_t> bytes;
        std::string named;             // the file the message names
    };
    const std::vector<Case> cases = {
        {"empty options", "Options.dat", {}, kSkinFolder + "Options.dat"},
        {"empty master", "MASTER.BMP", {}, kSkinFolder + "MASTER.BMP"},
        {"master not a picture", "MASTER.BMP", {'n', 'o', 'p', 'e'}, kSkinFolder + "MASTER.BMP"},
        {"master of width 0", "MASTER.BMP", test::Bmp24(0, 60, std::uint32_t{0}), kSkinFolder + "MASTER.BMP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TMemoryFileSystem files = SmallSkin(false);
        TSkinTables tables;
        ASSERT_TRUE(LoadSkinTables(Request("Small"), files, tables));  // a skin read before
        files.AddFile(kSkinFolder + c.file, c.bytes);
        try {
            LoadSkinTables(Request("Small"), files, tables);
            ADD_FAILURE() << "not refused";
        } catch (const Exception& e) {
            EXPECT_NE(e.Message().find("«" + c.named + "»"), std::string::npos) << e.Message();
        }
        EXPECT_TRUE(tables.Sections.empty());
        EXPECT_FALSE(tables.MasterBitmap);
        EXPECT_EQ(tables.CommonIndexes.GlobalInfo, -1);
    }

    // Named as a user reads it: a doubled separator of the folder written once.
    {
        TMemoryFileSystem files = SmallSkin(false);
        files.AddFile(kSkinFolder + "Options.dat", std::vector<std::uint8_t>{});
        TSkinRequest request = Request("Small");
        request.Directory = "C:\\Skins\\";
        TSkinTables tables;
        try {
            LoadSkinTables(request, files, tables);
            ADD_FAILURE() << "not refused";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Файл оформления «C:\\Skins\\Small\\Options.dat» пуст.");
        }
    }

    // A master named but not there at all is refused the same way; a skin
    // naming no master needs none.
    TMemoryFileSystem noMaster("C:\\App\\");
    noMaster.AddFile(kSkinFolder + "Options.dat", std::string("[GLOBALINFO]\nMASTERBITMAP=GONE.BMP\n"));
    TSkinTables tables;
    EXPECT_THROW(LoadSkinTables(Request("Small"), noMaster, tables), Exception);
    TMemoryFileSystem plain("C:\\App\\");
    plain.AddFile(kSkinFolder + "Options.dat", std::string("[GLOBALINFO]\nVERSION=2\n[BUTTON]\nCOLOR=1\n"));
    EXPECT_TRUE(LoadSkinTables(Request("Small"), plain, tables));
}

TEST(ManagerCore, ShadowsFromTheSkinOrBuiltIn)
{
    TBitmap builtInActive(6, 4, TPixelFormat::pf32bit);
    TBitmap builtInInactive(5, 3, TPixelFormat::pf32bit);
    int compositionAsked = 0;
    auto composition = [&](bool on) {
        return [&compositionAsked, on] {
            ++compositionAsked;
            return on;
        };
    };

    // The skin's EXBORDER: margins are its borders less the form offset.
    TMemoryFileSystem withBorder = SmallSkin(true);
    TSkinTables tables;
    ASSERT_TRUE(LoadSkinTables(Request("Small"), withBorder, tables));
    const int exBorder = tables.CommonIndexes.ExBorder;
    ASSERT_GE(exBorder, 0);
    TShadowPictures own = MakeShadowPictures(tables, composition(true), builtInActive, builtInInactive);
    EXPECT_EQ(own.Margins, (TacShadowMargins{5 - 2, 6 - 2, 7 - 2, 8 - 2}));
    const TSize state = ImageStateSize(tables, exBorder);
    ASSERT_TRUE(own.Active && own.Inactive);
    EXPECT_EQ(own.Active->Width(), state.cx);
    EXPECT_EQ(own.Inactive->Height(), state.cy);
    EXPECT_EQ(own.Active->PixelFormat(), TPixelFormat::pf32bit);
    // The master's colour 0x102030 as blue, green, red and alpha 0.
    const std::uint8_t* px = own.Active->ScanLine(0);
    EXPECT_EQ((std::array<int, 4>{px[0], px[1], px[2], px[3]}), (std::array<int, 4>{0x10, 0x20, 0x30, 0}));
    EXPECT_EQ(compositionAsked, 0);

    // Without one: the built-in pictures, one pixel more while composing.
    TMemoryFileSystem plain = SmallSkin(false);
    ASSERT_TRUE(LoadSkinTables(Request("Small"), plain, tables));
    for (const bool on : {false, true}) {
        TShadowPictures builtIn = MakeShadowPictures(tables, composition(on), builtInActive, builtInInactive);
        const int extra = on ? 1 : 0;
        EXPECT_EQ(builtIn.Margins, (TacShadowMargins{11 + extra, 7 + extra, 11 + extra, 11 + extra}));
        EXPECT_EQ(builtIn.Active->Width(), 6);
        EXPECT_EQ(builtIn.Inactive->Width(), 5);
    }
    EXPECT_EQ(compositionAsked, 2);
}

// An EXBORDER in a picture file of its own: its states are the picture cut by
// its ImageCount, never the thirds and halves other own pictures are read
// in; one state serves both activations.
TEST(ManagerCore, ShadowsFromAnOwnPictureTakeItsStatesByTheirCount)
{
    TBitmap none(1, 1, TPixelFormat::pf32bit);
    struct Case {
        const char* count;
        int width;
        // Blue of the first pixel of each picture and of the active's last.
        std::uint8_t activeFirst, inactiveFirst, activeLast;
    } cases[] = {{"1", 30, 0x11, 0x11, 0x22}, {"2", 15, 0x11, 0x22, 0x11}};
    for (const Case& c : cases) {
        TMemoryFileSystem files("C:\\App\\");
        // Left half blue 0x11, right half 0x22 (blue is the high byte here).
        files.AddFile(kSkinFolder + "EX.BMP",
                      test::Bmp24(30, 20, [](int x, int) { return std::uint32_t{x < 15 ? 0x110000u : 0x220000u}; }));
        files.AddFile(kSkinFolder + "Options.dat", std::string("[GLOBALINFO]\nVERSION=6.5\nFORMOFFSET=2\n") +
                                                       "EXBORDER=!EX.BMP!" + c.count + "!0!0!5!6!7!8\n");
        TSkinTables tables;
        ASSERT_TRUE(LoadSkinTables(Request("Small"), files, tables)) << c.count;
        ASSERT_GE(tables.CommonIndexes.ExBorder, 0) << c.count;
        const TShadowPictures own = MakeShadowPictures(tables, nullptr, none, none);
        ASSERT_TRUE(own.Active && own.Inactive);
        ASSERT_EQ(own.Active->Width(), c.width) << c.count;
        ASSERT_EQ(own.Active->Height(), 20) << c.count;
        ASSERT_EQ(own.Inactive->Width(), c.width) << c.count;
        EXPECT_EQ(own.Active->ScanLine(10)[0], c.activeFirst) << c.count;
        EXPECT_EQ(own.Inactive->ScanLine(10)[0], c.inactiveFirst) << c.count;
        EXPECT_EQ(own.Active->ScanLine(10)[(c.width - 1) * 4], c.activeLast) << c.count;
    }
}

TEST(ManagerCore, CommonSectionLinesLoseTheirBlanksButComments)
{
    EXPECT_EQ(PackCommonSectionLines({" [ BUTTON ]", "COLOR = 255", "; a note, kept", ""}),
              (std::vector<std::string>{"[BUTTON]", "COLOR=255", "; a note, kept", ""}));
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

}  // namespace
}  // namespace taramel
