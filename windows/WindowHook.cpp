#include "windows/WindowHook.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "engine/SkinCommand_win.h"
#include "engine/SkinDelivery_win.h"
#include "engine/SkinnedWindows_win.h"
#include "engine/SkinManager_win.h"
#include "engine/WindowSkinning_win.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/SkinState.h"
#include "windows/CtrlAdapter_win.h"
#include "windows/SkinProvider_win.h"

namespace taramel {

namespace {

HHOOK hook = nullptr;
// Created with the hook and freed with it; slots of freed providers are
// nulled, not removed, so that a walk over the list survives a provider going
// away. A plain pointer, never destroyed at the program's end: the forms
// that remove the hook are destroyed then, after every static object.
std::vector<TacProvider*>* providers = nullptr;

std::string ClassNameOf(HWND window)
{
    char name[128] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool HasDescendantOfClass(HWND window, const char* lowerClass)
{
    for (HWND child = GetTopWindow(window); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (Lower(ClassNameOf(child)) == lowerClass || HasDescendantOfClass(child, lowerClass))
            return true;
    return false;
}

TCustomForm* FormOfWindow(HWND window)
{
    if (Screen == nullptr)
        return nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->HandleAllocated() && form->Handle() == window)
            return form;
    }
    return nullptr;
}

bool ServedByList(HWND window)
{
    for (TacProvider* p : *providers)
        if (p != nullptr && p->Window() == window)
            return true;
    return false;
}

void FreeDeadDialogProviders()
{
    for (TacProvider*& p : *providers)
        if (p != nullptr && p->OwnerForm() == nullptr && !IsWindow(p->Window())) {
            TacProvider* dead = p;
            p = nullptr;
            delete dead;
        }
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallNextHookEx(hook, code, wParam, lParam);
    try {
        if (providers == nullptr)
            return result;
        switch (code) {
        case HCBT_DESTROYWND: FreeDeadDialogProviders(); break;
        case HCBT_ACTIVATE: AdoptWindow(reinterpret_cast<HWND>(wParam)); break;
        default: break;
        }
    } catch (...) {
        HandleCallbackException();
    }
    return result;
}

}  // namespace

// ---- TacProvider ----

TacProvider::TacProvider(TCustomForm* form) : TComponent(form), form_(form), window_(form->Handle()) {}

TacProvider::TacProvider(HWND dialog) : TComponent(nullptr), window_(dialog)
{
    rightToLeft_ = (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
}

TacProvider::~TacProvider()
{
    if (providers != nullptr)
        for (TacProvider*& p : *providers)
            if (p == this)
                p = nullptr;
    // The frame provider is owned by this component and goes with it.
}

void TacProvider::AttachToForm()
{
    skinProvider_ = new TsSkinProvider(this, form_);
}

bool TacProvider::AttachToDialog()
{
    return WrapChildren(window_);
}

bool TacProvider::WrapChildren(HWND window)
{
    for (HWND child = GetTopWindow(window); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!WrapChildren(child))
            return false;
        if ((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) && !WrapOneChild(child))
            return false;
    }
    return true;
}

bool TacProvider::WrapOneChild(HWND window)
{
    if (AskWindow(window, CMD_IS_SKINNED))
        return true;
    const auto style = static_cast<unsigned>(GetWindowLongW(window, GWL_STYLE));
    const WrapperChoice choice =
        DialogChildWrapper(Lower(ClassNameOf(window)), style, IsWindowVisible(window) != FALSE);
    if (choice.Kind == TacWrapperKind::None || !WrapperMaker())
        return true;
    auto data = std::make_unique<TsCommonData>(nullptr, TControlClass::AdapterItem);
    data->SetSkinSection(choice.Section);
    if (auto wrapper = WrapperMaker()(choice.Kind, window, *data)) {
        wrappers_.push_back(std::move(wrapper));
        wrapperData_.push_back(std::move(data));
    }
    return true;
}

// ---- Adoption ----

bool AdoptWindow(HWND window)
{
    TsSkinManager* manager = DefaultManager();
    if (providers == nullptr || manager == nullptr || !manager->SkinReady() || AskWindow(window, CMD_IS_SKINNED) ||
        ServedByList(window))
        return false;
    TCustomForm* form = FormOfWindow(window);
    const std::string className = ClassNameOf(window);
    if (NeverSkinnedClass(className))
        return false;
    const unsigned rules = manager->SkinningRules();
    if (form != nullptr) {
        const bool messageForm = className == "TMessageForm";
        if (messageForm ? (rules & srStdDialogs) == 0 : ((rules & srStdForms) == 0 || form->Tag == kNoAutoSkinTag))
            return false;
        auto* provider = new TacProvider(form);
        providers->push_back(provider);
        provider->AttachToForm();
        return true;
    }
    if ((rules & srStdDialogs) == 0)
        return false;
    // A second plain dialog opened over a visible skinned one stays plain,
    // unless it holds a tool bar.
    const bool otherVisible = std::any_of(providers->begin(), providers->end(), [](TacProvider* p) {
        return p != nullptr && p->OwnerForm() == nullptr && IsWindowVisible(p->Window());
    });
    if (otherVisible && !HasDescendantOfClass(window, "toolbarwindow32"))
        return false;
    auto* provider = new TacProvider(window);
    providers->push_back(provider);
    if (!provider->AttachToDialog())
        delete provider;
    return true;
}

const std::vector<TacProvider*>* HookProviders()
{
    return providers;
}

bool InstallDialogHook()
{
    if (providers == nullptr) {
        ExtraSkinWindows().clear();
        providers = new std::vector<TacProvider*>;
    }
    if (hook == nullptr) {
        hook = SetWindowsHookExW(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
        // The window that is active already will not be activated again
        // soon: it takes the skin now, as the others will on activation.
        if (hook != nullptr && GetActiveWindow() != nullptr)
            AdoptWindow(GetActiveWindow());
    }
    return hook != nullptr;
}

void RemoveDialogHook()
{
    if (hook != nullptr) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    if (providers != nullptr) {
        // Each provider nulls its own slot as it goes.
        for (std::size_t i = 0; i < providers->size(); ++i)
            delete (*providers)[i];
        delete providers;
        providers = nullptr;
    }
    ExtraSkinWindows().clear();
}

void InitializeWindowSkinning()
{
    class HookSkinning final : public WindowSkinning {
    public:
        bool InstallHook() override { return InstallDialogHook(); }
        void RemoveHook() override { RemoveDialogHook(); }
    };
    // Never freed: the skin manager removes the hook through it when it is
    // destroyed with its form at the program's end, after every static.
    static auto* skinning = new HookSkinning;
    RegisterWindowSkinning(skinning);
}

bool DialogHookInstalled()
{
    return hook != nullptr;
}

bool HookedWindowListExists()
{
    return providers != nullptr;
}

}  // namespace taramel
