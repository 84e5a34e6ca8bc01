// The thread hook through which the engine meets the windows of the GUI
// thread as they are created and activated, and the list of windows it has
// taken over. The default skin manager installs the hook when it announces a
// skin and removes it with the skin.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "engine/ControlSkinState.h"
#include "framework/Component.h"
#include "windows/CtrlAdapter_win.h"

namespace taramel {

class TCustomForm;
class TsSkinProvider;

// What the hook created for one adopted top-level window: for a form of
// the framework its frame provider (the form owns this object and so frees
// both with itself); for a standard dialog the wrappers of its children.
class TacProvider : public TComponent {
public:
    explicit TacProvider(TCustomForm* form);
    explicit TacProvider(HWND dialog);
    ~TacProvider() override;
    std::string ClassName() const override { return "TacProvider"; }

    HWND Window() const { return window_; }
    TCustomForm* OwnerForm() const { return form_; }
    TsSkinProvider* SkinProvider() const { return skinProvider_; }
    bool RightToLeft() const { return rightToLeft_; }
    int WrapperCount() const { return static_cast<int>(wrappers_.size()); }

    void AttachToForm();
    // Wraps the dialog's children; false ends the adoption.
    bool AttachToDialog();
    bool WrapChildren(HWND window);
    bool WrapOneChild(HWND window);

private:
    TCustomForm* form_ = nullptr;
    HWND window_ = nullptr;
    bool rightToLeft_ = false;
    TsSkinProvider* skinProvider_ = nullptr;
    std::vector<std::unique_ptr<TsCommonData>> wrapperData_;
    std::vector<std::unique_ptr<TacWindowWrapper>> wrappers_;
};

// Takes over a top-level window that is being activated: a form gets a
// frame provider, a standard dialog its children's wrappers. False when
// nothing was done (already skinned or served, no skin, excluded).
bool AdoptWindow(HWND window);
// The providers the hook created (null slots for freed ones), or null
// while there is no hook.
const std::vector<TacProvider*>* HookProviders();

// Registers the window skinning with the skin manager, so that a default
// manager installs the hook below when it announces a skin and removes it
// with the skin. Called at start-up, before any skin is loaded.
void InitializeWindowSkinning();

// Installs the WH_CBT hook for the current thread (once) and creates the
// list of hooked windows when there is none. False when the system refuses.
bool InstallDialogHook();
// Removes the hook and frees the list of hooked windows.
void RemoveDialogHook();
bool DialogHookInstalled();
// The list of hooked windows exists (from the first installation until removal).
bool HookedWindowListExists();

}  // namespace taramel
