#include "engine/SkinManager_win.h"

#include "base/ScopedFlag.h"
#include "base/TextLines.h"
#include "engine/GlowWindows_win.h"
#include "engine/WindowSkinning_win.h"

#include <cstdio>
#include <cstring>

#include "engine/Composition_win.h"
#include "engine/SkinDelivery_win.h"
#include "engine/SkinCommand_win.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Resources.h"
#include "framework/Unicode.h"
#include "images/ComposeImage32.h"
#include "images/PngReader.h"
#include "render/Bitmap_win.h"
#include "render/SysColors_win.h"
#include "skin/SkinFiles.h"
#include "skin/SkinFiles_win.h"
#include "skin/SkinLoader.h"
#include "skin/SkinLookups.h"
#include "skin/SkinPlace.h"
#include "skin/SkinState.h"
#include "skin/StoredSkinLoader.h"
#include "skin/PackedSkin.h"

namespace taramel {

namespace {

constexpr const char* kDefaultSkinDirectory = "c:\\Skins";

TacOptionalFunctions& OptionalFunctionsSlot()
{
    static TacOptionalFunctions functions;
    return functions;
}

template <class Fn>
Fn LookUp(const wchar_t* library, const char* name)
{
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr)
        module = LoadLibraryW(library);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Made once and never freed, like every static object that a manager, form,
// provider or control may use: those die with the application object at the
// program's end, after every function-local static would already be gone.
std::unique_ptr<TBitmap>& BuiltInShadowSlot(bool active)
{
    static auto* activeShadow = new std::unique_ptr<TBitmap>;
    static auto* inactiveShadow = new std::unique_ptr<TBitmap>;
    return active ? *activeShadow : *inactiveShadow;
}

// Decodes one PNG resource of the program; an empty bitmap when it has none.
void LoadShadowResource(const wchar_t* name, std::unique_ptr<TBitmap>& target)
{
    target = std::make_unique<TBitmap>();
    const auto bytes = ProgramResource(name);
    if (bytes.empty())
        return;
    TPNGGraphic png;
    png.LoadFromStream(bytes.data(), bytes.size());
    target->Assign(png);
    if (target->PixelFormat() != TPixelFormat::pf32bit)
        target->SetPixelFormat(TPixelFormat::pf32bit);
}

}  // namespace

std::function<void(const std::string& text)>& SkinVersionMessage()
{
    // Never freed (see BuiltInShadowSlot).
    static auto* show = new std::function<void(const std::string& text)>([](const std::string& text) {
        const std::string title = Application ? Application->Title() : std::string();
        MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(title).c_str(), MB_OK);
    });
    return *show;
}

void InitializeSkinEngine()
{
    RegisterSkinCommandMessage();
    // Work bitmaps become DIB sections, so that text and screen copies draw
    // into the same pixels, and colour lookups see the system's own scheme.
    InstallDibSectionStorage();
    InstallWin32SysColors();
    SetCurrentSkinFileSystem(&Win32SkinFileSystem());
    TacOptionalFunctions& functions = OptionalFunctionsSlot();
    functions.IsNT = (GetVersion() & 0x80000000u) == 0;
    functions.UpdateLayeredWindow =
        LookUp<TacOptionalFunctions::UpdateLayeredWindowFn>(L"user32.dll", "UpdateLayeredWindow");
    functions.SetWindowTheme = LookUp<TacOptionalFunctions::SetWindowThemeFn>(L"uxtheme.dll", "SetWindowTheme");
    // A damaged built-in picture only costs the default shadow; it must not
    // stop the program from starting.
    for (bool active : {true, false}) {
        try {
            LoadShadowResource(active ? L"ACSHDA" : L"ACSHDI", BuiltInShadowSlot(active));
        } catch (const std::exception&) {
            BuiltInShadowSlot(active) = std::make_unique<TBitmap>();
        }
    }
}

void ActivateSkinBesideProgram(TsSkinManager& manager, const std::string& skinName)
{
    manager.SetSkinDirectory(CurrentSkinFileSystem().ExeFolder());
    manager.SetSkinName(skinName);
    manager.SetActive(true);
}

const TacOptionalFunctions& OptionalSystemFunctions()
{
    return OptionalFunctionsSlot();
}

const TBitmap& BuiltInShadow(bool active)
{
    std::unique_ptr<TBitmap>& slot = BuiltInShadowSlot(active);
    if (!slot)
        slot = std::make_unique<TBitmap>();
    return *slot;
}

// ---- creation and destruction ----

TsSkinManager::TsSkinManager(TComponent* owner) : TComponent(owner)
{
    if (DefaultManager() == nullptr)
        SetDefaultManager(this);
    skinDirectory_ = kDefaultSkinDirectory;
    RefillThirdPartyLists();
    activeShadow_ = std::make_unique<TBitmap>();
    inactiveShadow_ = std::make_unique<TBitmap>();
    skinableMenus_ = std::make_unique<TsSkinableMenus>(*this);
}

void TsSkinManager::SetSkinnedPopups(bool skinned)
{
    skinnedPopups_ = skinned;
    // The menus take the new choice at once, not at the next skin.
    skinableMenus_->Activate(false);
    skinableMenus_->Activate(SkinReady() && active_);
}

TsSkinManager::~TsSkinManager()
{
    Destroying();
    try {
        SetActive(false);
    } catch (const std::exception&) {
        // Removing a skin sends commands only; nothing is left to undo here.
    }
    extendedBorders_ = false;
    if (DefaultManager() == this)
        SetDefaultManager(nullptr);
    for (int kind = 0; kind < tpThirdPartyCount; ++kind)
        ThirdParty.Texts[static_cast<std::size_t>(kind)] = JoinLines(thirdLists_[static_cast<std::size_t>(kind)]);
}

void TsSkinManager::Loaded()
{
    if (skinDirectory_.empty())
        skinDirectory_ = kDefaultSkinDirectory;
    RefillThirdPartyLists();
    if (MenuSupport.IcoLineSkin.empty())
        MenuSupport.IcoLineSkin = "ICOLINE";
    if (active_ && !skinName_.empty())
        AnnounceSkin(false);
    UpdateDialogSwitch();
}

void TsSkinManager::RefillThirdPartyLists()
{
    for (int kind = 0; kind < tpThirdPartyCount; ++kind) {
        std::string& text = ThirdParty.Texts[static_cast<std::size_t>(kind)];
        if (text.empty())
            text = ThirdPartyList::DefaultText(kind);
        thirdLists_[static_cast<std::size_t>(kind)] = SplitLines(text);
    }
}

// ---- properties ----

void TsSkinManager::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        SetSkinName(skinName_);
    } else if (!IsLoading()) {
        RemoveSkin();
    }
    RefreshIndexes();
    UpdateDialogSwitch();
}

void TsSkinManager::SetSkinName(const std::string& name)
{
    skinName_ = name;
    if (active_)
        ChangeSkin();
    UpdateDialogSwitch();
}

void TsSkinManager::SetSkinDirectory(const std::string& directory)
{
    if (directory == skinDirectory_)
        return;
    skinDirectory_ = directory;
    tables_.SkinData.SkinPath = Resolved(directory, CurrentSkinFileSystem().ExeFolder());
}

void TsSkinManager::SetHueOffset(int degrees)
{
    if (degrees == hueOffset_)
        return;
    hueOffset_ = degrees;
    if (SkinReady())
        Reload();
}

void TsSkinManager::SetSaturation(int amount)
{
    if (amount == saturation_)
        return;
    saturation_ = amount;
    if (SkinReady())
        Reload();
}

void TsSkinManager::SetExtendedBorders(bool extended)
{
    if (extended == extendedBorders_)
        return;
    extendedBorders_ = extended;
    if (SkinReady()) {
        PrepareShadows();
        Reload();
    }
}

void TsSkinManager::SetSkinningRules(unsigned rules)
{
    skinningRules_ = rules & kAllSkinningRules;
    UpdateDialogSwitch();
}

bool TsSkinManager::IsDefault() const
{
    return DefaultManager() == this;
}

void TsSkinManager::SetIsDefault(bool isDefault)
{
    if (!isDefault && DefaultManager() != nullptr)
        return;
    SetDefaultManager(this);
    if (!active_) {
        RemoveSkin();
    } else if (!tables_.Sections.empty()) {
        // Only a skin that was loaded is announced: a manager that is on but
        // has read nothing yet must not report a skin as ready.
        AnnounceSkin(true);
        RepaintForms();
    }
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines)
{
    commonSections_ = PackCommonSectionLines(lines);
    SetSkinName(skinName_);
}

std::string TsSkinManager::SkinInfo() const
{
    return SkinReady() ? SkinVersionInfo(tables_) : "N/A";
}

void TsSkinManager::UpdateDialogSwitch()
{
    if (IsDefault())
        StdDialogsSkinned = active_ && (skinningRules_ & srStdDialogs) != 0;
}

// ---- loading ----

// Finds and reads the skin into the tables. False when no source exists
// (Active is then false and the tables are empty).
bool TsSkinManager::LoadTables()
{
    TSkinRequest request;
    request.Directory = skinDirectory_;
    request.Name = skinName_;
    request.Stored = &InternalSkins;
    request.CommonSections = commonSections_;
    request.HueOffset = hueOffset_;
    request.Saturation = saturation_;
    request.Manager = this;
    request.VersionCheck = [](double version) {
        if (version > kMaxSupportedSkinVersion && SkinVersionMessage())
            SkinVersionMessage()(kSkinVersionText);
    };
    if (!LoadSkinTables(request, CurrentSkinFileSystem(), tables_)) {
        active_ = false;
        return false;
    }
    return true;
}

// After a failed load: no skin, nothing announced, Active false, so that the
// next change of Active or SkinName starts from nothing.
void TsSkinManager::FailedLoad()
{
    active_ = false;
    RemoveSkin();
    RefreshIndexes();
    UpdateDialogSwitch();
}

void TsSkinManager::ChangeSkin()
{
    if (OnBeforeChange)
        OnBeforeChange(this);
    {
        TFlagScope loading(SkinLoading);
        tables_.SkinData.Active = false;
        // Glows show pictures of the skin that goes.
        HideAllGlowWindows();
        try {
            LoadTables();
        } catch (...) {
            FailedLoad();
            throw;
        }
        if (!active_)
            RemoveSkin();
        else
            AnnounceSkin(true);
    }
    if (OnAfterChange)
        OnAfterChange(this);
}

// Reads the same skin again (the colour adjustment or the borders changed);
// the controls keep their indexes, so no new-skin announcement is sent.
void TsSkinManager::Reload()
{
    bool found = false;
    {
        TFlagScope loading(SkinLoading);
        try {
            found = LoadTables();
        } catch (...) {
            FailedLoad();
            throw;
        }
    }
    if (!found) {
        // The skin vanished from disk: the controls must forget its indexes.
        FailedLoad();
        return;
    }
    tables_.SkinData.Active = true;
    PrepareShadows();
    if (!IsLoading())
        RepaintForms();
}

void TsSkinManager::RefreshIndexes()
{
    RefreshCommonIndexes(tables_);
    PrepareShadows();
}

// ---- announcing, repainting, removing ----

void TsSkinManager::BroadcastSkinCommand(std::uint16_t command)
{
    TMessage message{SM_ALPHACMD, MakeSkinWParam(command, 0), reinterpret_cast<LPARAM>(this), 0};
    SendToAllForms(message);
}

void TsSkinManager::AnnounceSkin(bool repaint)
{
    if (IsLoading())
        return;
    if (repaint && !Designing())
        FreezeForms();
    tables_.SkinData.Active = false;
    skinableMenus_->SkinChanged();
    {
        TFlagScope announcing(SkinAnnouncing);
        RefreshIndexes();
        BroadcastSkinCommand(CMD_NEW_SKIN);
    }
    tables_.SkinData.Active = true;
    skinableMenus_->Activate(true);
    WindowSkinning* windows = RegisteredWindowSkinning();
    if (IsDefault() && !hookInstalled_ && windows != nullptr) {
        windows->InstallHook();
        hookInstalled_ = true;
    }
    if (repaint)
        RepaintForms();
}

void TsSkinManager::RepaintForms()
{
    if (!Designing()) {
        BroadcastSkinCommand(CMD_ANIMATION_DONE);
        if (!IsLoading())
            FreezeForms();
        BroadcastSkinCommand(CMD_REPAINT);
        if (!IsLoading())
            ThawForms(true);
    }
    for (HWND window : std::vector<HWND>(ExtraSkinWindows()))
        if (IsWindow(window) && IsWindowVisible(window))
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TsSkinManager::RemoveSkin()
{
    {
        TFlagScope removing(SkinRemoving);
        WindowSkinning* windows = RegisteredWindowSkinning();
        if (IsDefault() && hookInstalled_ && windows != nullptr) {
            windows->RemoveHook();
            hookInstalled_ = false;
        }
        tables_.SkinData.Active = false;
        HideAllGlowWindows();
        skinableMenus_->Activate(false);
        skinableMenus_->SkinChanged();
        BroadcastSkinCommand(CMD_REMOVE_SKIN);
        tables_.Clear();
    }
}

void TsSkinManager::SetHotWindow(HWND window)
{
    if (window == hotWindow_)
        return;
    const HWND old = hotWindow_;
    hotWindow_ = window;
    if (old != nullptr)
        SendToWindow(old, CMD_MOUSE_LEAVE, reinterpret_cast<LPARAM>(this));
    if (window != nullptr)
        SendToWindow(window, CMD_MOUSE_ENTER, reinterpret_cast<LPARAM>(this));
}

// ---- freezing ----

// The registered forms a skin change repaints in one step: visible, not
// minimised and not placed inside another control.
std::vector<HWND> TsSkinManager::FrozenFormWindows() const
{
    std::vector<HWND> windows;
    for (TCustomForm* form : RegisteredSkinForms()) {
        if (form->IsDestroying() || form->Parent() != nullptr || !form->HandleAllocated())
            continue;
        // The form's own visibility: a frozen window reads as hidden to the
        // system until it is thawed.
        const HWND window = form->Handle();
        if (form->Visible() && !IsIconic(window))
            windows.push_back(window);
    }
    return windows;
}

void TsSkinManager::FreezeForms()
{
    if (Application != nullptr && IsIconic(Application->Handle()))
        return;
    if (IsDefault() && AnimEffects.SkinChanging.Active)
        SkinChangeAnimation = true;
    for (HWND window : FrozenFormWindows())
        SendMessageW(window, WM_SETREDRAW, FALSE, 0);
}

void TsSkinManager::ThawForms(bool refresh)
{
    if (Application != nullptr && IsIconic(Application->Handle()))
        return;
    if (refresh && IsDefault())
        SkinChangeAnimation = false;
    for (HWND window : FrozenFormWindows()) {
        SendMessageW(window, WM_SETREDRAW, TRUE, 0);
        if (refresh)
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

// ---- shadows ----

void TsSkinManager::PrepareShadows()
{
    if (!active_ || !extendedBorders_) {
        shadowMargins_ = {};
        return;
    }
    TShadowPictures shadows =
        MakeShadowPictures(tables_, DesktopComposition, BuiltInShadow(true), BuiltInShadow(false));
    shadowMargins_ = shadows.Margins;
    activeShadow_ = std::move(shadows.Active);
    inactiveShadow_ = std::move(shadows.Inactive);
}

}  // namespace taramel
