// TsSkinManager: the component that owns the active skin. It finds and loads
// the skin its properties name (through the portable SkinManagerCore.h),
// keeps the tables, tells every form and control of the process when a skin
// arrives, changes or goes, freezes and thaws the forms meanwhile, and keeps
// the process-wide switches (SkinState.h) the painting code reads.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/MenuLayout.h"
#include "engine/SkinManagerCore.h"
#include "engine/SkinableMenus_win.h"
#include "framework/Component.h"
#include "render/Bitmap.h"
#include "skin/SkinTables.h"
#include "skin/StoredSkins.h"

namespace taramel {

class TsSkinManager : public TComponent {
public:
    explicit TsSkinManager(TComponent* owner);
    ~TsSkinManager() override;
    std::string ClassName() const override { return "TsSkinManager"; }

    bool Active() const { return active_; }
    void SetActive(bool active);
    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& name);
    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& directory);
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int degrees);
    int Saturation() const { return saturation_; }
    void SetSaturation(int amount);
    bool ExtendedBorders() const { return extendedBorders_; }
    void SetExtendedBorders(bool extended);
    unsigned SkinningRules() const { return skinningRules_; }
    void SetSkinningRules(unsigned rules);
    bool SkinnedPopups() const { return skinnedPopups_; }
    void SetSkinnedPopups(bool skinned);
    bool IsDefault() const;
    void SetIsDefault(bool isDefault);
    const std::vector<std::string>& CommonSections() const { return commonSections_; }
    void SetCommonSections(const std::vector<std::string>& lines);

    bool AllowGlowing = true;
    TacAnimEffects AnimEffects;
    TacMenuSupport MenuSupport;
    // Describes the extra line of a popup, given its first item's name.
    MenuExtraLineHandler OnGetMenuExtraLineData;
    TsStoredSkins InternalSkins;
    ThirdPartyList ThirdParty;
    TNotifyEvent OnBeforeChange;
    TNotifyEvent OnAfterChange;

    // "N/A" while no skin is ready, else the skin's version ("6.5").
    std::string SkinInfo() const;
    static std::string Version() { return "6.37"; }

    // Sends the command (high word of WParam, low word 0, the manager in
    // LParam) to every form and its controls, the registered forms, and the
    // visible windows of the hooked window list.
    void BroadcastSkinCommand(std::uint16_t command);
    // The window under the mouse: the old one gets CMD_MOUSE_LEAVE, the new
    // one CMD_MOUSE_ENTER.
    void SetHotWindow(HWND window);
    HWND HotWindow() const { return hotWindow_; }
    // Stops fades, repaints every form and control, redraws hooked windows.
    void RepaintForms();

    // The loaded skin (empty tables when there is none).
    const TSkinTables& Tables() const { return tables_; }
    const TsSkinData& SkinData() const { return tables_.SkinData; }
    // True while a loaded skin has been announced.
    bool SkinReady() const { return tables_.SkinData.Active; }
    bool DialogHookInstalledByThis() const { return hookInstalled_; }
    // The class names of one ThirdParty kind, as the window skinning reads them.
    const std::vector<std::string>& ThirdPartyClasses(int kind) const { return thirdLists_.at(kind); }

    // The painter of the process's popup menus.
    TsSkinableMenus& SkinableMenus() { return *skinableMenus_; }

    const TacShadowMargins& ShadowMargins() const { return shadowMargins_; }
    const TBitmap* ActiveShadow() const { return activeShadow_.get(); }
    const TBitmap* InactiveShadow() const { return inactiveShadow_.get(); }

protected:
    void Loaded() override;

private:
    void ChangeSkin();
    bool LoadTables();
    void Reload();
    void AnnounceSkin(bool repaint);
    void RemoveSkin();
    void FreezeForms();
    void ThawForms(bool refresh);
    std::vector<HWND> FrozenFormWindows() const;
    void RefreshIndexes();
    void PrepareShadows();
    void UpdateDialogSwitch();
    void RefillThirdPartyLists();
    void FailedLoad();
    bool Designing() const { return (ComponentState() & csDesigning) != 0; }

    bool active_ = true;
    std::string skinName_;
    std::string skinDirectory_;
    int hueOffset_ = 0;
    int saturation_ = 0;
    bool extendedBorders_ = false;
    unsigned skinningRules_ = kAllSkinningRules;
    bool skinnedPopups_ = true;
    std::vector<std::string> commonSections_;
    TSkinTables tables_;
    HWND hotWindow_ = nullptr;
    bool hookInstalled_ = false;
    std::array<std::vector<std::string>, tpThirdPartyCount> thirdLists_;
    TacShadowMargins shadowMargins_;
    std::unique_ptr<TBitmap> activeShadow_;
    std::unique_ptr<TBitmap> inactiveShadow_;
    std::unique_ptr<TsSkinableMenus> skinableMenus_;
};


// The engine's start-up, before any window exists: registers the skin
// command message, makes the kernel32 file system the skins' one, decodes
// the built-in shadow pictures from the program's resources and looks up the
// optional system functions.
void InitializeSkinEngine();
// System functions that older systems lack, looked up by name at start-up
// (null when absent), and whether the system is of the NT family.
struct TacOptionalFunctions {
    using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                                DWORD);
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    UpdateLayeredWindowFn UpdateLayeredWindow = nullptr;
    SetWindowThemeFn SetWindowTheme = nullptr;
    bool IsNT = false;
};
const TacOptionalFunctions& OptionalSystemFunctions();

// The settings dialog's start-up step: the skin folder becomes the
// executable's own, the name is stored, and the manager is switched on. A
// skin that is not there leaves the manager off without a message.
void ActivateSkinBesideProgram(TsSkinManager& manager, const std::string& skinName);
// The built-in shadow pictures (empty bitmaps when the program has none).
const TBitmap& BuiltInShadow(bool active);

}  // namespace taramel
