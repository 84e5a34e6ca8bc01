// The program's own skin Topaz, as the build makes it: complete for the
// windows the engine skins, clean for the lint, readable everywhere.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "skin/SkinLookups.h"
#include "skin/TextContrast.h"
#include "tools/skintool/OpenSkin.h"
#include "tools/skintool/SkinTool.h"

namespace taramel {
namespace {

const std::string kTopaz = std::string(TARAMEL_SKINS_DIR) + "/Topaz";

TEST(Topaz, LintsCleanAsFolderAndAsPackedFile)
{
    for (const std::string& skin : {kTopaz, kTopaz + ".asz"}) {
        std::ostringstream out, err;
        EXPECT_EQ(skintool::RunSkinTool({"lint", skin}, out, err), 0) << out.str() << err.str();
        EXPECT_NE(out.str().find(": 0 errors, 0 warnings"), std::string::npos) << out.str();
    }
}

TEST(Topaz, EveryTextIsReadableOnItsSurface)
{
    const auto skin = skintool::OpenSkin(kTopaz);
    TSkinTables tables;
    skintool::LoadOpenSkin(*skin, tables);
    const auto contrasts = SectionTextContrasts(tables);
    EXPECT_EQ(contrasts.size(), 2 * tables.Sections.size());
    for (const TTextContrast& c : contrasts)
        EXPECT_GE(c.Ratio, kMinTextContrast) << c.Section << (c.Hot ? " hot" : "") << ": text " << c.Text << " on "
                                             << c.Surface;
}

TEST(Topaz, HasEverySectionAndImageTheWindowsRead)
{
    const auto skin = skintool::OpenSkin(kTopaz + ".asz");
    TSkinTables tables;
    skintool::LoadOpenSkin(*skin, tables);
    struct Need {
        const char* section;
        const char* image;  // null: the section alone
    };
    const Need needs[] = {
        {"GLOBALINFO", "BOXCHECKED"}, {"GLOBALINFO", "BOXUNCHECKED"}, {"GLOBALINFO", "BOXGRAYED"},
        {"GLOBALINFO", "RADIOCHECKED"}, {"GLOBALINFO", "RADIOUNCHECKED"}, {"GLOBALINFO", "RADIOGRAYED"},
        {"GLOBALINFO", "SMALLCHECKED"}, {"GLOBALINFO", "SMALLUNCHECKED"}, {"GLOBALINFO", "SMALLGRAYED"},
        {"GLOBALINFO", "CHECK"}, {"GLOBALINFO", "GRIPIMAGE"}, {"GLOBALINFO", "EXBORDER"},
        {"GLOBALINFO", "BICONCLOSE"}, {"GLOBALINFO", "BICONMAX"}, {"GLOBALINFO", "BICONMIN"},
        {"GLOBALINFO", "BICONNORM"}, {"GLOBALINFO", "BICONHELP"}, {"GLOBALINFO", "SICONCLOSE"},
        {"GLOBALINFO", "SICONMAX"}, {"GLOBALINFO", "SICONMIN"}, {"GLOBALINFO", "SICONNORM"},
        {"GLOBALINFO", "SICONHELP"}, {"GLOBALINFO", "BICONCLOSEGLOW0"}, {"GLOBALINFO", "BICONMAXGLOW0"},
        {"GLOBALINFO", "BICONMINGLOW0"}, {"GLOBALINFO", "SICONCLOSEGLOW0"}, {"GLOBALINFO", "TITLEBUTTON"},
        {"FORM", "BORDERSMASK"}, {"FORM", "TITLEBAR"}, {"DIALOG", "BORDERSMASK"}, {"FORMTITLE", "BORDERSMASK"},
        {"MAINMENU", "BORDERSMASK"}, {"MENUITEM", "BORDERSMASK"}, {"MENULINE", nullptr},
        {"DIVIDERV", "BORDERSMASK"}, {"ICOLINE", nullptr}, {"EXTRALINE", nullptr},
        {"PANEL", nullptr}, {"PANEL_LOW", "BORDERSMASK"}, {"GROUPBOX", "BORDERSMASK"}, {"CHECKBOX", nullptr},
        {"BUTTON", "BORDERSMASK"}, {"BUTTON", "GLOW0"}, {"SPEEDBUTTON", "BORDERSMASK"},
        {"SPEEDBUTTON_SMALL", "BORDERSMASK"}, {"RADIOBUTTON", nullptr}, {"EDIT", "BORDERSMASK"},
        {"STATUSBAR", "STATUSPANELMASK"}, {"DIVIDER", "BORDERSMASK"}, {"WEBBUTTON", nullptr},
        {"LISTBOX", "BORDERSMASK"}, {"COMBOBOX", "GLYPHMASK"}, {"COMBOBTN", "BORDERSMASK"},
        {"SCROLLBAR1H", nullptr}, {"SCROLLBAR2H", nullptr}, {"SCROLLBAR1V", nullptr}, {"SCROLLBAR2V", nullptr},
        {"SCROLLSLIDERH", "BORDERSMASK"}, {"SCROLLSLIDERV", "BORDERSMASK"},
        {"SCROLLBTNTOP", "GLYPHMASK"}, {"SCROLLBTNBOTTOM", "GLYPHMASK"}, {"SCROLLBTNLEFT", "GLYPHMASK"},
        {"SCROLLBTNRIGHT", "GLYPHMASK"}, {"TABTOP", "BORDERSMASK"}, {"TABBOTTOM", "BORDERSMASK"},
        {"TABLEFT", "BORDERSMASK"}, {"TABRIGHT", "BORDERSMASK"}, {"PAGECONTROL", "BORDERSMASK"},
        {"TOOLBAR", nullptr}, {"TOOLBUTTON", "BORDERSMASK"}, {"BAR", nullptr}, {"BARTITLE", nullptr},
        {"GAUGE", "BORDERSMASK"}, {"TRACKBAR", nullptr}, {"SPLITTER", nullptr}, {"TABSHEET", nullptr},
        {"COLHEADER", "BORDERSMASK"}, {"DRAGBAR", nullptr}, {"MDIAREA", nullptr}, {"TITLEBUTTON", nullptr},
    };
    for (const Need& n : needs) {
        const int section = FindSection(tables, n.section);
        ASSERT_GE(section, 0) << n.section;
        if (n.image) {
            EXPECT_GE(FindImage(tables, section, n.section, n.image), 0) << n.section << ' ' << n.image;
        }
    }
    // Buttons fade between their looks.
    EXPECT_TRUE(tables.Sections[FindSection(tables, "BUTTON")].FadingEnabled);
}

}  // namespace
}  // namespace taramel
