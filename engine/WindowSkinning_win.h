// What the skin manager needs of the window skinning, which lives above it
// (windows/) and registers itself at start-up. Until something is
// registered the manager announces skins without meeting other windows.
#pragma once

namespace taramel {

class WindowSkinning {
public:
    virtual ~WindowSkinning() = default;
    // Starts meeting the windows of the GUI thread as they are created and
    // activated; false when the system refuses.
    virtual bool InstallHook() = 0;
    // Stops meeting them and forgets the windows taken over.
    virtual void RemoveHook() = 0;
};

// The registered window skinning, or null. The object must outlive its
// registration (the window skinning registers a static one).
void RegisterWindowSkinning(WindowSkinning* skinning);
WindowSkinning* RegisteredWindowSkinning();

}  // namespace taramel
