// The thread hook through which the engine meets the windows of the GUI
// thread as they are created and activated, and the list of windows it has
// taken over. The default skin manager installs the hook when it announces a
// skin and removes it with the skin.
#pragma once

#include <windows.h>

namespace taramel {

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
