// The program's own windows at start-up: the main window carries the skin
// manager inactive, and the settings dialog's creation switches it on with
// the skin "Topaz" beside the program.
#include <gtest/gtest.h>

#include <memory>

#include "app/MainWindow_win.h"
#include "app/SettingsDialog_win.h"
#include "skin/SkinFiles_win.h"
#include "skin/PackedSkin.h"
#include "skin/SkinLoader.h"
#include "skin/SkinSectionReader.h"
#include "engine/SkinManager_win.h"
#include "tests/support/ReportText.h"
#include "tests/framework/TestSupport.h"
#include "tests/skin_manager/Recorder.h"
#include "tests/skin_manager/SkinFolders.h"
#include "windows/WindowHook.h"

namespace taramel {
namespace {

using namespace testing_support;

class ProgramStartUp : public ::testing::Test {
protected:
    void SetUp() override
    {
        char previous[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, previous);
        previousFolder_ = previous;
        WriteText(work_ / "test.txt", "Q1\r\nA1\r\nQ2\r\nA2\r\n");
        SetCurrentDirectoryA(work_.Path().c_str());
    }
    void TearDown() override
    {
        delete Form2;
        delete Form1;
        SetCurrentDirectoryA(previousFolder_.c_str());
    }
    // Creates the main window and, watching it, the settings dialog.
    void Start()
    {
        Application->CreateForm<TForm1>();
        ASSERT_NE(Form1, nullptr);
        ASSERT_NE(Form1->sSkinManager1, nullptr);
        const TsSkinManager& m = *Form1->sSkinManager1;
        // As the main window's layout stores it.
        EXPECT_EQ(m.SkinName(), "Topaz");
        EXPECT_EQ(m.SkinInfo(), "N/A");
        EXPECT_EQ(m.MenuSupport.IcoLineSkin, "ICOLINE");
        EXPECT_TRUE(m.Tables().Sections.empty());
        log.Watch(Form1, "main", false);
        Application->CreateForm<TForm2>();
        ASSERT_NE(Form2, nullptr);
    }

    ReportCatcher reports;
    TScratchFolder work_{"manager_program"};
    TCommandLog log;
    std::string previousFolder_;
};

TEST_F(ProgramStartUp, SettingsDialogSwitchesTopazOn)
{
    TTopazBesideProgram topaz;
    Start();
    topaz.Remove();

    const TsSkinManager& m = *Form1->sSkinManager1;
    EXPECT_TRUE(m.Active());
    EXPECT_EQ(m.SkinInfo(), "6.5");
    EXPECT_EQ(m.SkinDirectory(), Win32SkinFileSystem().ExeFolder());
    EXPECT_EQ(log.CodesOf("main"), (std::vector<std::uint16_t>{CMD_NEW_SKIN, CMD_ANIMATION_DONE, CMD_REPAINT}));
    EXPECT_TRUE(DialogHookInstalled());
    EXPECT_TRUE(reports.reports.empty()) << reports.reports.front();
}

// The skin the build makes and puts beside the program.
TEST_F(ProgramStartUp, TheProgramsOwnTopazLoadsWithEveryPicture)
{
    const std::string file = std::string(TARAMEL_SKINS_DIR) + "\\Topaz.asz";
    TTopazBesideProgram topaz(file);
    Start();
    topaz.Remove();

    const TsSkinManager& m = *Form1->sSkinManager1;
    EXPECT_TRUE(reports.reports.empty()) << reports.reports.front();
    EXPECT_TRUE(m.Active());
    EXPECT_EQ(m.SkinInfo(), "1");
    const TSkinTables& t = m.Tables();
    ASSERT_NE(t.MasterBitmap, nullptr);

    // The program finds every picture that the skin's own reading finds.
    std::unique_ptr<TacSkinConvertor> reader;
    LoadSkinFile(file, reader, true, Win32SkinFileSystem());
    TSkinTables plain;
    LoadSkin(PackedSkinSource(*reader, ""), {}, plain);
    EXPECT_EQ(t.Sections.size(), plain.Sections.size());
    EXPECT_EQ(t.Images.size(), plain.Images.size());
    EXPECT_GE(t.CommonIndexes.ScrollParts[asBtnTop].GlyphMask, 0);
}

TEST_F(ProgramStartUp, WithoutTopazTheProgramRunsUnskinnedInSilence)
{
    ASSERT_FALSE(Win32SkinFileSystem().DirectoryExists(Win32SkinFileSystem().ExeFolder() + "Topaz"));
    Start();
    const TsSkinManager& m = *Form1->sSkinManager1;
    EXPECT_FALSE(m.Active());
    EXPECT_EQ(m.SkinInfo(), "N/A");
    EXPECT_FALSE(DialogHookInstalled());
    EXPECT_TRUE(reports.reports.empty()) << reports.reports.front();
}

// A broken skin is reported, and the dialog still reads the settings and
// shows the first card.
TEST_F(ProgramStartUp, BrokenTopazIsReportedAndStartUpGoesOn)
{
    TTopazBesideProgram topaz(ManagerFixtures() + "\\Broken.asz");
    Start();
    topaz.Remove();
    ASSERT_EQ(reports.reports.size(), 1u);
    // In Russian first: the packed file named, the plain look announced; the
    // reader's own text below.
    const std::string& report = reports.reports[0];
    EXPECT_EQ(testsupport::ReportDetail(report), std::string(kNotPackedSkin) + ".");
    const std::string advice = testsupport::ReportAdvice(report);
    EXPECT_NE(advice.find("«" + Win32SkinFileSystem().ExeFolder() + "Topaz.asz»"), std::string::npos) << report;
    EXPECT_NE(advice.find("в обычном виде Windows"), std::string::npos) << report;
    EXPECT_FALSE(Form1->sSkinManager1->Active());
    EXPECT_EQ(Form1->sSkinManager1->SkinInfo(), "N/A");
    // The card shown comes from the deck, whatever index the settings hold.
    EXPECT_EQ(Form1->sLabel1->Caption().substr(0, 1), "Q");
}

// The program's real Topaz as a folder beside it, one file emptied: the
// skin is refused in a report that names the emptied file, the program runs
// in the plain look and still shows a card of the deck.
TEST_F(ProgramStartUp, ATopazFolderWithAnEmptyEssentialFileIsReportedNamingIt)
{
    const std::string real = std::string(TARAMEL_SKINS_DIR) + "\\Topaz\\";
    for (const char* emptied : {"MASTER.BMP", "Options.dat"}) {
        SCOPED_TRACE(emptied);
        {
            TScratchFolder topaz("Topaz");
            WIN32_FIND_DATAA data;
            HANDLE find = FindFirstFileA((real + "*").c_str(), &data);
            ASSERT_NE(find, INVALID_HANDLE_VALUE);
            do
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    CopyFileA((real + data.cFileName).c_str(), (topaz / data.cFileName).c_str(), FALSE);
            while (FindNextFileA(find, &data));
            FindClose(find);
            WriteText(topaz / emptied, "");
            Start();
        }
        ASSERT_EQ(reports.reports.size(), 1u);
        const std::string& report = reports.reports[0];
        const std::string folder = Win32SkinFileSystem().ShownPath(Win32SkinFileSystem().ExeFolder() + "Topaz");
        EXPECT_NE(testsupport::ReportAdvice(report).find("«" + folder + "»"), std::string::npos) << report;
        EXPECT_NE(testsupport::ReportDetail(report).find("«" + folder + "\\" + emptied + "»"), std::string::npos)
            << report;
        EXPECT_FALSE(Form1->sSkinManager1->Active());
        EXPECT_EQ(Form1->sLabel1->Caption().substr(0, 1), "Q");
        delete Form2;
        delete Form1;
        reports.reports.clear();
    }
}

// A Topaz whose frame values are out of all range is still read, with the
// values brought back into range; no report.
TEST_F(ProgramStartUp, OutOfRangeFrameValuesOfTopazAreBroughtIntoRange)
{
    TTopazBesideProgram topaz;
    {
        std::string text = "[GLOBALINFO]\r\nVERSION=6.5\r\nTITLEHEIGHT=100000\r\nBORDERWIDTH=-50\r\n";
        WriteText(Win32SkinFileSystem().ExeFolder() + "Topaz\\Options.dat", text);
    }
    Start();
    topaz.Remove();
    EXPECT_TRUE(reports.reports.empty()) << reports.reports.front();
    const TsSkinManager& m = *Form1->sSkinManager1;
    ASSERT_TRUE(m.Active());
    EXPECT_EQ(m.Tables().SkinData.TitleHeight, kMaxSkinTitleHeight);
    EXPECT_EQ(m.Tables().SkinData.BorderWidth, 0);
}

}  // namespace
}  // namespace taramel
