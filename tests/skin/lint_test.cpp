// The skin tool's lint: each kind of fault in a small skin is found where it
// stands, and a sound skin gives no findings.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "skin/SkinFiles.h"
#include "skin/SkinLint.h"
#include "tests/skin/loader_bmp.h"
#include "tools/skintool/SkinTool.h"

namespace taramel {
namespace {

struct Expected {
    TLintFinding::TLevel level;
    const char* section;
    const char* key;
    const char* text;  // a part of the finding's text
};

std::string Describe(const std::vector<TLintFinding>& findings)
{
    std::ostringstream out;
    for (const TLintFinding& f : findings)
        out << (f.Level == TLintFinding::Error ? "error " : "warning ") << '[' << f.Section << "] " << f.Key << ": "
            << f.Text << '\n';
    return out.str();
}

class Lint : public ::testing::Test {
protected:
    std::vector<TLintFinding> Run(const std::string& options, const std::vector<std::string>& files)
    {
        fs.AddFile(kPath + "Options.dat", options);
        TSkinSource source;
        source.OptionsText = options;
        source.SkinPath = kPath;
        source.Files = &fs;
        return LintSkin(source, files);
    }

    const std::string kPath = "C:\\Skins\\Lint\\";
    TMemoryFileSystem fs;
};

TEST_F(Lint, FindsEachKindOfFaultWhereItStands)
{
    // A 30 x 20 master bitmap.
    fs.AddFile(kPath + "MASTER.BMP", test::Bmp24(30, 20));
    fs.AddFile(kPath + "SPARE.BMP", test::Bmp24(4, 4));
    fs.AddFile(kPath + "EMPTY.PNG", std::vector<std::uint8_t>{});
    const std::string options =
        "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\n"
        "BOXCHECKED=@0000,0000,0030,0010,3,1\r\n"       // sound: three states of 10
        "RADIOCHECKED=@0000,0000,0020,0010,3,1\r\n"     // 20 does not divide by 3
        "SMALLCHECKED=@0000,0000,0020,0010,0,1\r\n"     // no state images
        "CHECK=@0000,0000,0040,0010,2,1\r\n"            // wider than the master
        "EXBORDER=!EMPTY.PNG!1!0!0\r\n"                 // no picture in the file
        "[BUTTON]\r\nPARENTCLASS=PANEL\r\nCOLOUR=255\r\n"  // missing parent; misspelt key
        "GLYPHMASK=!GONE.PNG!3!0!4\r\n"                 // missing file
        "[EDIT]\r\nPARENTCLASS=Base\r\nFONTCOLOR=8421504\r\nCOLOR=8421504\r\nHOTFONTCOLOR=0\r\n"  // grey on grey
        "[BASE]\r\nHOTFONTCOLOR=16777215\r\nHOTCOLOR=16777215\r\n"             // white on white when hot
        "[LOOP1]\r\nPARENTCLASS=LOOP2\r\n[LOOP2]\r\nPARENTCLASS=LOOP1\r\n";
    const auto findings = Run(options, {"MASTER.BMP", "SPARE.BMP", "EMPTY.PNG"});

    const Expected expected[] = {
        {TLintFinding::Warning, "BUTTON", "COLOUR", "does not read"},
        {TLintFinding::Error, "BUTTON", "PARENTCLASS", "\"PANEL\" does not exist"},
        {TLintFinding::Warning, "EDIT", "PARENTCLASS", "another case"},
        {TLintFinding::Error, "LOOP1", "PARENTCLASS", "circle"},
        {TLintFinding::Error, "LOOP2", "PARENTCLASS", "circle"},
        {TLintFinding::Error, "GLOBALINFO", "CHECK", "(0, 0, 40, 10) lies outside the master bitmap (30 x 20)"},
        {TLintFinding::Error, "BUTTON", "GLYPHMASK", "\"GONE.PNG\" is missing"},
        {TLintFinding::Error, "GLOBALINFO", "EXBORDER", "\"EMPTY.PNG\" holds no picture"},
        {TLintFinding::Error, "GLOBALINFO", "RADIOCHECKED", "width 20 does not divide into 3"},
        {TLintFinding::Error, "GLOBALINFO", "SMALLCHECKED", "image count is 0"},
        {TLintFinding::Error, "EDIT", "FONTCOLOR", "contrast of 1.00:1"},
        {TLintFinding::Error, "BASE", "HOTFONTCOLOR", "contrast of 1.00:1"},
        {TLintFinding::Warning, "", "", "\"SPARE.BMP\" is not used"},
    };
    for (const Expected& e : expected) {
        bool found = false;
        for (const TLintFinding& f : findings)
            found = found || (f.Level == e.level && f.Section == e.section && f.Key == e.key &&
                              f.Text.find(e.text) != std::string::npos);
        EXPECT_TRUE(found) << "expected [" << e.section << "] " << e.key << ": " << e.text << "\nfound:\n"
                           << Describe(findings);
    }
    EXPECT_EQ(findings.size(), std::size(expected)) << Describe(findings);
}

TEST_F(Lint, SoundSkinHasNoFindings)
{
    fs.AddFile(kPath + "MASTER.BMP", test::Bmp24(30, 20));
    const std::string options =
        "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nVERSION=1.0\r\nCOLOR=15659764\r\nFONTCOLOR=2500907\r\n"
        "BOXCHECKED=@0000,0000,0030,0020,3,1\r\n"
        "[PANEL]\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\nHOTCOLOR=16777215\r\n"
        "[Button]\r\nPARENTCLASS=PANEL\r\nBORDERSMASK=^0000,0000,0030,0020,0004,0004,0004,0004,3,1,0,0\r\n"
        "TRANSPARENCY=100\r\n";
    const auto findings = Run(options, {"MASTER.BMP"});
    EXPECT_TRUE(findings.empty()) << Describe(findings);
}

TEST_F(Lint, SkinThatDoesNotLoadIsOneError)
{
    const auto findings = Run("[GLOBALINFO]\r\nSHADOW1BLUR=soft\r\n", {});
    ASSERT_EQ(findings.size(), 1u) << Describe(findings);
    EXPECT_EQ(findings[0].Level, TLintFinding::Error);
    EXPECT_NE(findings[0].Text.find("does not load: 'soft' is not a valid integer value"), std::string::npos)
        << findings[0].Text;
}

// The command: findings one a line, a count, and exit status 1 only for errors.
TEST(LintCommand, ExitStatusFollowsErrorsNotWarnings)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "taramel-lint-command";
    struct Case {
        const char* options;
        int code;
        const char* line;
    };
    const Case cases[] = {
        {"[A]\r\nPARENTCLASS=B\r\n", 1, "error: [A] PARENTCLASS: the parent section \"B\" does not exist\n"},
        {"[A]\r\nCOLOUR=1\r\n", 0, "warning: [A] COLOUR: the engine does not read this key (a typo?)\n"},
    };
    for (const Case& c : cases) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::ofstream(folder / "Options.dat", std::ios::binary) << c.options;
        std::ostringstream out, err;
        EXPECT_EQ(skintool::RunSkinTool({"lint", folder.string()}, out, err), c.code) << out.str() << err.str();
        EXPECT_NE(out.str().find(c.line), std::string::npos) << out.str();
        EXPECT_NE(out.str().find(c.code ? ": 1 error, 0 warnings" : ": 0 errors, 1 warning"), std::string::npos)
            << out.str();
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace taramel
