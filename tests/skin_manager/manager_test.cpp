// The skin manager: switching a skin on and off, changing, reloading and
// announcing it, its errors, the process-wide switches and the dialog hook.
#include <gtest/gtest.h>

#include <memory>

#include "engine/SkinDelivery_win.h"
#include "base/Exception.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"
#include "skin/PackedSkin.h"
#include "engine/SkinManager_win.h"
#include "tests/framework/TestSupport.h"
#include "tests/skin_manager/Recorder.h"
#include "tests/skin_manager/SkinFolders.h"
#include "windows/WindowHook.h"

namespace taramel {
namespace {

using namespace testing_support;
using Codes = std::vector<std::uint16_t>;

const Codes kAnnounced{CMD_NEW_SKIN, CMD_ANIMATION_DONE, CMD_REPAINT};
const Codes kRepainted{CMD_ANIMATION_DONE, CMD_REPAINT};
const Codes kRemoved{CMD_REMOVE_SKIN};

class SkinManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedMessage_ = SkinVersionMessage();
        SkinVersionMessage() = [this](const std::string& text) { versionMessages.push_back(text); };
        form.reset(NewForm());
        log.Watch(form.get(), "form", false);
        manager = std::make_unique<TsSkinManager>(nullptr);
    }
    void TearDown() override
    {
        manager.reset();
        form.reset();
        SkinVersionMessage() = savedMessage_;
    }

    // Points the manager at the fixture folder and switches it on with NAME.
    void Load(const std::string& name, const std::string& dir = ManagerFixtures())
    {
        manager->SetActive(false);
        manager->SetSkinDirectory(dir);
        manager->SetSkinName(name);
        log.entries.clear();
        manager->SetActive(true);
    }
    Codes FormCodes() const { return log.CodesOf("form"); }
    bool AllFromManager() const
    {
        for (const TReceived& e : log.entries)
            if (e.LParam != reinterpret_cast<LPARAM>(manager.get()))
                return false;
        return true;
    }
    std::int32_t SectionColor(const std::string& name) const
    {
        const int index = FindSection(manager->Tables(), name);
        return index < 0 ? -1 : manager->Tables().Sections[static_cast<std::size_t>(index)].Color;
    }

    ReportCatcher reports;
    std::vector<std::string> versionMessages;
    std::unique_ptr<TForm> form;
    TCommandLog log;
    std::unique_ptr<TsSkinManager> manager;

private:
    std::function<void(const std::string&)> savedMessage_;
};

TEST_F(SkinManagerTest, PublishedDefaults)
{
    const TsSkinManager& m = *manager;
    EXPECT_TRUE(m.Active());
    EXPECT_TRUE(m.AllowGlowing);
    EXPECT_FALSE(m.ExtendedBorders());
    EXPECT_EQ(m.HueOffset(), 0);
    EXPECT_EQ(m.Saturation(), 0);
    EXPECT_TRUE(m.IsDefault());
    EXPECT_EQ(m.SkinDirectory(), "c:\\Skins");
    EXPECT_EQ(m.SkinName(), "");
    EXPECT_EQ(m.SkinInfo(), "N/A");
    EXPECT_TRUE(m.SkinnedPopups());
    EXPECT_EQ(m.SkinningRules(), static_cast<unsigned>(srStdForms | srStdDialogs | srThirdParty));
    EXPECT_EQ(TsSkinManager::Version(), "6.37");
    EXPECT_EQ(m.AnimEffects.Buttons.Events, static_cast<unsigned>(beMouseEnter | beMouseLeave | beMouseDown | beMouseUp));
    EXPECT_TRUE(m.AnimEffects.SkinChanging.Active);
    EXPECT_EQ(m.AnimEffects.SkinChanging.Time, 100);
    EXPECT_EQ(m.AnimEffects.FormShow.Time, 0);
    EXPECT_EQ(m.MenuSupport.IcoLineSkin, "");
    EXPECT_EQ(m.MenuSupport.ExtraLineWidth, 32);
    EXPECT_FALSE(m.MenuSupport.UseExtraLine);
    for (int kind = 0; kind < tpThirdPartyCount; ++kind)
        EXPECT_EQ(m.ThirdPartyClasses(kind), std::vector<std::string>{kind == tpButtons ? "TButton" : " "}) << kind;
    EXPECT_TRUE(m.CommonSections().empty());
    EXPECT_EQ(m.HotWindow(), nullptr);
}

TEST_F(SkinManagerTest, LayoutStoresInactiveAndLoadsNothing)
{
    auto layout = std::make_unique<TsSkinManager>(nullptr);
    layout->BeginLoading();
    layout->SetActive(false);
    layout->SetSkinDirectory(ManagerFixtures());
    layout->SetSkinName("Topaz");
    layout->ThirdParty.Texts[tpEdits] = "TEdit\r\nTMemo";
    layout->ThirdParty.Texts[tpPanels] = "";
    layout->EndLoading();
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(layout->SkinInfo(), "N/A");
    EXPECT_TRUE(layout->Tables().Sections.empty());
    EXPECT_EQ(layout->MenuSupport.IcoLineSkin, "ICOLINE");
    EXPECT_EQ(layout->ThirdPartyClasses(tpEdits), (std::vector<std::string>{"TEdit", "TMemo"}));
    EXPECT_EQ(layout->ThirdPartyClasses(tpPanels), std::vector<std::string>{" "});
    EXPECT_FALSE(layout->IsDefault());
}

TEST_F(SkinManagerTest, LayoutStoringActiveAnnouncesOnceWithoutRepaint)
{
    auto layout = std::make_unique<TsSkinManager>(nullptr);
    layout->BeginLoading();
    layout->SetSkinDirectory(ManagerFixtures());
    layout->SetSkinName("Topaz");
    EXPECT_TRUE(log.entries.empty());  // read, not yet announced
    layout->EndLoading();
    EXPECT_EQ(FormCodes(), Codes{CMD_NEW_SKIN});
    EXPECT_TRUE(layout->SkinReady());
    EXPECT_EQ(layout->SkinInfo(), "6.5");
}

TEST_F(SkinManagerTest, NameWhileInactiveOnlyStoresThenActiveLoads)
{
    manager->SetActive(false);
    manager->SetSkinDirectory(ManagerFixtures());
    log.entries.clear();
    manager->SetSkinName("Topaz");
    EXPECT_TRUE(log.entries.empty());
    EXPECT_TRUE(manager->Tables().Sections.empty());
    EXPECT_EQ(manager->SkinInfo(), "N/A");

    manager->SetActive(true);
    EXPECT_EQ(FormCodes(), kAnnounced);
    EXPECT_TRUE(AllFromManager());
    EXPECT_TRUE(manager->Active());
    EXPECT_TRUE(manager->SkinReady());
    EXPECT_EQ(manager->SkinInfo(), "6.5");
    EXPECT_EQ(manager->SkinData().Author, "Taramel tests");
    EXPECT_EQ(SectionColor("PANEL"), 255);
    EXPECT_EQ(manager->SkinData().SkinPath, ManagerFixtures() + "\\Topaz\\");
    EXPECT_TRUE(reports.reports.empty());
    EXPECT_TRUE(versionMessages.empty());
}

TEST_F(SkinManagerTest, SameNameWhileActiveReloadsAndAnnouncesAgain)
{
    Load("Topaz");
    log.entries.clear();
    manager->SetSkinName("Topaz");
    EXPECT_EQ(FormCodes(), kAnnounced);
    EXPECT_EQ(manager->SkinInfo(), "6.5");
}

TEST_F(SkinManagerTest, DirectoryAloneChangesNothing)
{
    Load("Topaz");
    const std::size_t sections = manager->Tables().Sections.size();
    log.entries.clear();
    manager->SetSkinDirectory("Z:\\no such skins");
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(manager->Tables().Sections.size(), sections);
    EXPECT_EQ(manager->SkinInfo(), "6.5");
    EXPECT_EQ(manager->SkinData().SkinPath, "Z:\\no such skins");
    // The next change looks in the new folder, where there is no skin.
    manager->SetSkinName("Topaz");
    EXPECT_FALSE(manager->Active());
    EXPECT_EQ(FormCodes(), kRemoved);
}

TEST_F(SkinManagerTest, VersionMessageOnlyAboveTheLimit)
{
    struct Case {
        const char* skin;
        const char* info;
        std::size_t messages;
    };
    for (const Case& c : {Case{"Newer", "300", 1}, Case{"Topaz", "6.5", 0}}) {
        versionMessages.clear();
        Load(c.skin);
        EXPECT_EQ(versionMessages.size(), c.messages) << c.skin;
        EXPECT_EQ(manager->SkinInfo(), c.info) << c.skin;
        EXPECT_EQ(FormCodes(), kAnnounced) << c.skin;
    }
    Load("Newer");
    ASSERT_EQ(versionMessages.size(), 1u);
    EXPECT_EQ(versionMessages[0],
              "This version of the skin is not fully supported by this release of the skinning engine.\r\n"
              "Components must be updated up to latest version for using this skin.");
}

TEST_F(SkinManagerTest, MissingSkinSwitchesOffInSilence)
{
    Load("Topaz");
    log.entries.clear();
    manager->SetSkinName("Nothing Here");
    EXPECT_FALSE(manager->Active());
    EXPECT_EQ(FormCodes(), kRemoved);
    EXPECT_TRUE(AllFromManager());
    EXPECT_EQ(manager->SkinInfo(), "N/A");
    EXPECT_TRUE(manager->Tables().Sections.empty());
    EXPECT_FALSE(DialogHookInstalled());
    EXPECT_FALSE(StdDialogsSkinned);
    EXPECT_TRUE(reports.reports.empty());
    EXPECT_TRUE(versionMessages.empty());
}

TEST_F(SkinManagerTest, SwitchingOffRemovesTheSkin)
{
    Load("Topaz");
    std::size_t sectionsAtRemoval = 0;
    bool removingAtRemoval = false;
    log.onCommand = [&](const std::string&, TMessage& m) {
        if (SkinCommandOf(m.WParam) == CMD_REMOVE_SKIN) {
            sectionsAtRemoval = manager->Tables().Sections.size();
            removingAtRemoval = SkinRemoving;
        }
    };
    log.entries.clear();
    manager->SetActive(false);
    EXPECT_EQ(FormCodes(), kRemoved);
    EXPECT_TRUE(AllFromManager());
    EXPECT_TRUE(removingAtRemoval);
    EXPECT_GT(sectionsAtRemoval, 0u);  // freed only after the controls let go
    EXPECT_FALSE(SkinRemoving);
    EXPECT_EQ(manager->SkinInfo(), "N/A");
    EXPECT_TRUE(manager->Tables().Sections.empty());
    EXPECT_EQ(manager->Tables().CommonIndexes.GlobalInfo, -1);
}

TEST_F(SkinManagerTest, WrongMagicReachesTheCallerAndLeavesNoSkin)
{
    Load("Topaz");
    log.entries.clear();
    try {
        manager->SetSkinName("Broken");
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), kNotPackedSkin);
    }
    EXPECT_FALSE(manager->Active());
    EXPECT_FALSE(manager->SkinReady());
    EXPECT_TRUE(manager->Tables().Sections.empty());
    EXPECT_TRUE(manager->Tables().Images.empty());
    EXPECT_EQ(manager->Tables().MasterBitmap, nullptr);
    EXPECT_EQ(FormCodes(), kRemoved);  // the controls drop the old skin's indexes
    EXPECT_FALSE(DialogHookInstalled());
    EXPECT_FALSE(SkinLoading);
    EXPECT_FALSE(StdDialogsSkinned);

    // A later change starts clean.
    manager->SetSkinName("Topaz");
    log.entries.clear();
    manager->SetActive(true);
    EXPECT_EQ(FormCodes(), kAnnounced);
    EXPECT_EQ(manager->SkinInfo(), "6.5");
    EXPECT_TRUE(DialogHookInstalled());
}

TEST_F(SkinManagerTest, WrongMagicWhileSwitchingOn)
{
    manager->SetActive(false);
    manager->SetSkinDirectory(ManagerFixtures());
    manager->SetSkinName("Broken");
    EXPECT_THROW(manager->SetActive(true), Exception);
    EXPECT_FALSE(manager->Active());
    EXPECT_TRUE(manager->Tables().Sections.empty());
    EXPECT_EQ(manager->SkinInfo(), "N/A");
}

TEST_F(SkinManagerTest, PackedFileWinsOverFolder)
{
    TScratchFolder dir("manager_packed");
    dir.AddSkinFolder("Topaz", "[GLOBALINFO]\r\nVERSION=6.5\r\n");
    const std::string packedOptions = "[GLOBALINFO]\r\nVERSION=7\r\n[PANEL]\r\nCOLOR=4\r\n";
    WriteBytes(dir / "Topaz.asz",
               WritePackedSkin({{"Options.dat", std::vector<std::uint8_t>(packedOptions.begin(), packedOptions.end())}}));
    Load("Topaz", dir.Path());
    EXPECT_EQ(manager->SkinInfo(), "7");
    EXPECT_EQ(SectionColor("PANEL"), 4);
    DeleteFileA((dir / "Topaz.asz").c_str());
    manager->SetSkinName("Topaz");
    EXPECT_EQ(manager->SkinInfo(), "6.5");
}

TEST_F(SkinManagerTest, StoredSkinsServeWhenNothingIsOnDisk)
{
    // One stored as packed bytes, one as collections; the named one is
    // taken, else the first.
    TsStoredSkin packed;
    packed.Name = "Kept";
    const std::string options = "[GLOBALINFO]\r\nVERSION=8\r\n[PANEL]\r\nCOLOR=7\r\n";
    packed.Data = WritePackedSkin({{"Options.dat", std::vector<std::uint8_t>(options.begin(), options.end())}});
    TsStoredSkin collected;
    collected.Name = "Collected";
    collected.Version = 9;
    TsSkinGeneral panel;
    panel.SectionName = "PANEL";
    panel.Color = "11";
    collected.GeneralData.push_back(panel);
    manager->InternalSkins.Items = {std::move(packed), std::move(collected)};

    struct Case {
        const char* name;
        const char* info;
        std::int32_t color;
    };
    for (const Case& c : {Case{"Collected", "9", 11}, Case{"Kept", "8", 7}, Case{"Unknown", "8", 7}}) {
        Load(c.name, "Z:\\no such skins");
        EXPECT_TRUE(manager->Active()) << c.name;
        EXPECT_EQ(manager->SkinInfo(), c.info) << c.name;
        EXPECT_EQ(SectionColor("PANEL"), c.color) << c.name;
        EXPECT_EQ(FormCodes(), kAnnounced) << c.name;
    }
}

TEST_F(SkinManagerTest, HueAndSaturationReloadFromDiskWithoutAnnouncing)
{
    TScratchFolder dir("manager_hue");
    dir.AddSkinFolder("Topaz", "[GLOBALINFO]\r\nVERSION=6.5\r\n[PANEL]\r\nCOLOR=255\r\n");
    Load("Topaz", dir.Path());
    ASSERT_EQ(SectionColor("PANEL"), 255);
    // The reload reads the skin again: a change on disk shows.
    WriteText(dir / "Topaz\\Options.dat", "[GLOBALINFO]\r\nVERSION=6.5\r\n[PANEL]\r\nCOLOR=65280\r\n");
    bool loadingDuringRepaint = true;
    log.onCommand = [&](const std::string&, TMessage& m) {
        if (SkinCommandOf(m.WParam) == CMD_REPAINT)
            loadingDuringRepaint = SkinLoading;
    };

    struct Step {
        int hue, saturation;
        std::int32_t color;
        Codes codes;
    };
    const Step steps[] = {
        {120, 0, 0xFF0000, kRepainted},  // green turns blue
        {120, 0, 0xFF0000, {}},          // unchanged: nothing happens
        {120, -100, 0x555555, kRepainted},  // then all grey
        {0, -100, 0x555555, kRepainted},    // green made grey is the same grey
        {0, 0, 65280, kRepainted},
    };
    for (const Step& s : steps) {
        log.entries.clear();
        manager->SetHueOffset(s.hue);
        manager->SetSaturation(s.saturation);
        EXPECT_EQ(SectionColor("PANEL"), s.color) << s.hue << " " << s.saturation;
        EXPECT_EQ(FormCodes(), s.codes) << s.hue << " " << s.saturation;
        EXPECT_TRUE(manager->SkinReady());
        EXPECT_EQ(manager->SkinInfo(), "6.5");
    }
    EXPECT_FALSE(loadingDuringRepaint);
}

TEST_F(SkinManagerTest, HueWithoutASkinOnlyStores)
{
    manager->SetActive(false);
    log.entries.clear();
    manager->SetHueOffset(90);
    manager->SetSaturation(20);
    EXPECT_EQ(manager->HueOffset(), 90);
    EXPECT_EQ(manager->Saturation(), 20);
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(SkinManagerTest, SkinVanishedBeforeAReload)
{
    TScratchFolder dir("manager_vanish");
    dir.AddSkinFolder("Topaz", "[GLOBALINFO]\r\nVERSION=6.5\r\n[PANEL]\r\nCOLOR=255\r\n");
    Load("Topaz", dir.Path());
    DeleteFileA((dir / "Topaz\\Options.dat").c_str());
    log.entries.clear();
    manager->SetHueOffset(120);
    EXPECT_FALSE(manager->Active());
    EXPECT_EQ(FormCodes(), kRemoved);
    EXPECT_TRUE(manager->Tables().Sections.empty());
}

TEST_F(SkinManagerTest, AnnouncingSetsTheFlagsForTheReceivers)
{
    bool loading = false, announcing = false, ready = true;
    log.onCommand = [&](const std::string&, TMessage& m) {
        if (SkinCommandOf(m.WParam) == CMD_NEW_SKIN) {
            loading = SkinLoading;
            announcing = SkinAnnouncing;
            ready = manager->SkinReady();
        }
    };
    Load("Topaz");
    EXPECT_TRUE(loading);
    EXPECT_TRUE(announcing);
    EXPECT_FALSE(ready);
    EXPECT_FALSE(SkinLoading);
    EXPECT_FALSE(SkinAnnouncing);
    EXPECT_FALSE(SkinChangeAnimation);
    EXPECT_TRUE(manager->SkinReady());
}

TEST_F(SkinManagerTest, DialogSwitchFollowsTheDefaultManager)
{
    Load("Topaz");
    EXPECT_TRUE(StdDialogsSkinned);
    manager->SetSkinningRules(srStdForms | srThirdParty);
    EXPECT_FALSE(StdDialogsSkinned);
    manager->SetSkinningRules(kAllSkinningRules);
    EXPECT_TRUE(StdDialogsSkinned);
    manager->SetActive(false);
    EXPECT_FALSE(StdDialogsSkinned);

    // Another manager does not touch the switch.
    manager->SetActive(true);
    EXPECT_TRUE(StdDialogsSkinned);
    TsSkinManager other(nullptr);
    other.SetActive(false);
    EXPECT_TRUE(StdDialogsSkinned);
}

TEST_F(SkinManagerTest, DefaultManagerInstallsAndRemovesTheHook)
{
    EXPECT_FALSE(DialogHookInstalled());
    Load("Topaz");
    EXPECT_TRUE(DialogHookInstalled());
    EXPECT_TRUE(manager->DialogHookInstalledByThis());
    EXPECT_TRUE(HookedWindowListExists());

    // A second manager is not the default: it leaves the hook alone.
    auto other = std::make_unique<TsSkinManager>(nullptr);
    EXPECT_FALSE(other->IsDefault());
    other->SetActive(false);
    other->SetSkinDirectory(ManagerFixtures());
    other->SetSkinName("Topaz");
    other->SetActive(true);
    EXPECT_FALSE(other->DialogHookInstalledByThis());
    other.reset();
    EXPECT_TRUE(DialogHookInstalled());

    // Windows keep being created while the hook is in place.
    std::unique_ptr<TForm> extra(NewForm());
    extra->Show();
    Pump(20);
    extra.reset();

    manager->SetActive(false);
    EXPECT_FALSE(DialogHookInstalled());
    EXPECT_FALSE(manager->DialogHookInstalledByThis());
    EXPECT_FALSE(HookedWindowListExists());
}

TEST_F(SkinManagerTest, DestroyingTheManagerRemovesSkinAndHook)
{
    Load("Topaz");
    log.entries.clear();
    manager.reset();
    EXPECT_EQ(log.CodesOf("form"), kRemoved);
    EXPECT_FALSE(DialogHookInstalled());
    EXPECT_EQ(DefaultManager(), nullptr);
}

TEST_F(SkinManagerTest, IsDefaultMovesToTheManagerSetLast)
{
    auto other = std::make_unique<TsSkinManager>(nullptr);
    other->SetActive(false);
    log.entries.clear();
    other->SetIsDefault(false);  // the default exists: nothing changes
    EXPECT_TRUE(manager->IsDefault());
    EXPECT_TRUE(log.entries.empty());
    other->SetIsDefault(true);  // inactive: its (empty) skin is removed
    EXPECT_TRUE(other->IsDefault());
    EXPECT_FALSE(manager->IsDefault());
    EXPECT_EQ(FormCodes(), kRemoved);
    other.reset();
    EXPECT_EQ(DefaultManager(), nullptr);
    EXPECT_FALSE(manager->IsDefault());
}

TEST_F(SkinManagerTest, IsDefaultAnnouncesOnlyALoadedSkin)
{
    // On (the default) but nothing read yet: nothing to announce.
    auto fresh = std::make_unique<TsSkinManager>(nullptr);
    log.entries.clear();
    fresh->SetIsDefault(true);
    EXPECT_TRUE(fresh->IsDefault());
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(fresh->SkinInfo(), "N/A");
    EXPECT_FALSE(DialogHookInstalled());

    // A loaded skin is announced again, with the repaint twice over.
    fresh.reset();
    Load("Topaz");
    log.entries.clear();
    manager->SetIsDefault(true);
    EXPECT_EQ(FormCodes(), (Codes{CMD_NEW_SKIN, CMD_ANIMATION_DONE, CMD_REPAINT, CMD_ANIMATION_DONE, CMD_REPAINT}));
    EXPECT_EQ(manager->SkinInfo(), "6.5");
}

TEST_F(SkinManagerTest, HotWindowGetsEnterAndLeave)
{
    std::unique_ptr<TForm> second(NewForm());
    log.Watch(second.get(), "second", false);
    manager->SetHotWindow(form->Handle());
    manager->SetHotWindow(form->Handle());
    manager->SetHotWindow(second->Handle());
    manager->SetHotWindow(nullptr);
    EXPECT_EQ(log.Codes(), (std::vector<std::string>{"form:29", "form:30", "second:29", "second:30"}));
    EXPECT_TRUE(AllFromManager());
    EXPECT_EQ(manager->HotWindow(), nullptr);
}

TEST_F(SkinManagerTest, CommonSectionsLoseBlanksAndReload)
{
    Load("Topaz");
    log.entries.clear();
    manager->SetCommonSections({"[EXTRA]", "COLOR = 1 2", "; keep  these blanks", "[PANEL]", "COLOR=99"});
    EXPECT_EQ(manager->CommonSections(),
              (std::vector<std::string>{"[EXTRA]", "COLOR=12", "; keep  these blanks", "[PANEL]", "COLOR=99"}));
    EXPECT_EQ(FormCodes(), kAnnounced);
    EXPECT_EQ(SectionColor("EXTRA"), 12);
    EXPECT_EQ(SectionColor("PANEL"), 255);  // the skin's own section comes first
}

TEST_F(SkinManagerTest, ChangeNotificationsSurroundTheChange)
{
    manager->SetActive(false);
    manager->SetSkinDirectory(ManagerFixtures());
    manager->SetSkinName("Topaz");
    std::vector<std::string> events;
    manager->OnBeforeChange = [&](TObject* sender) {
        EXPECT_EQ(sender, manager.get());
        events.push_back("before");
    };
    manager->OnAfterChange = [&](TObject*) { events.push_back("after"); };
    log.onCommand = [&](const std::string&, TMessage& m) { events.push_back(std::to_string(SkinCommandOf(m.WParam))); };
    manager->SetActive(true);
    EXPECT_EQ(events, (std::vector<std::string>{"before", "1", "16", "3", "after"}));
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

using namespace testing_support;

// A registered, visible form is frozen (no drawing) while the new skin's
// repaint goes through it, and thawed afterwards; the skin-change animation
// switch is set meanwhile when the manager animates skin changes.
TEST(SkinManagerFreeze, RegisteredFormsAreFrozenDuringTheRepaint)
{
    auto saved = SkinVersionMessage();
    SkinVersionMessage() = [](const std::string&) {};
    for (bool animate : {true, false}) {
        std::unique_ptr<TForm> form(NewForm());
        std::vector<std::string> events;
        TWindowProc previous = form->WindowProc;
        form->WindowProc = [&events, previous](TMessage& m) {
            if (m.Msg == WM_SETREDRAW)
                events.push_back(m.WParam ? "redraw on" : "redraw off");
            if (m.Msg == SM_ALPHACMD && SkinCommandOf(m.WParam) == CMD_IS_SKINNED) {
                m.Result = 1;
                return;
            }
            if (m.Msg == SM_ALPHACMD && SkinCommandOf(m.WParam) == CMD_REPAINT)
                events.push_back(SkinChangeAnimation ? "repaint animated" : "repaint");
            previous(m);
        };
        form->Show();
        RegisteredSkinForms().push_back(form.get());
        {
            TsSkinManager manager(nullptr);
            manager.AnimEffects.SkinChanging.Active = animate;
            manager.SetActive(false);
            manager.SetSkinDirectory(ManagerFixtures());
            manager.SetSkinName("Topaz");
            events.clear();
            manager.SetActive(true);
            EXPECT_FALSE(SkinChangeAnimation);
        }
        RegisteredSkinForms().clear();
        // Frozen windows read as hidden to the system; thawed, the form shows again.
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
        // Announcing freezes once, the repaint freezes again and thaws.
        const std::string repaint = animate ? "repaint animated" : "repaint";
        EXPECT_EQ(events, (std::vector<std::string>{"redraw off", "redraw off", repaint, "redraw on"})) << animate;
    }
    SkinVersionMessage() = saved;
}

TEST(SkinEngine, OptionalSystemFunctionsAreLookedUp)
{
    const TacOptionalFunctions& f = OptionalSystemFunctions();
    EXPECT_NE(f.UpdateLayeredWindow, nullptr);
    EXPECT_TRUE(f.IsNT);
}

}  // namespace
}  // namespace taramel
