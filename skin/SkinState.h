// Process-wide state of the skinning engine: the default skin manager and the
// switches that the controls and window wrappers read while a skin is being
// loaded, announced, removed or animated. Everything runs on the GUI thread.
#pragma once

namespace taramel {

class TsSkinManager;

// A skin is being loaded (buttons start no state fades meanwhile).
extern bool SkinLoading;
// A new skin is being announced (controls clear it when they take CMD_NEW_SKIN).
extern bool SkinAnnouncing;
// A skin is being removed.
extern bool SkinRemoving;
// A skin-change animation runs: controls paint only into their caches.
extern bool SkinChangeAnimation;
// Standard dialogs are skinned (the default manager is active and its rules
// include standard dialogs).
extern bool StdDialogsSkinned;

// The manager every skinned object follows unless it names its own; null
// when there is none.
TsSkinManager* DefaultManager();
void SetDefaultManager(TsSkinManager* manager);

}  // namespace taramel
