#include "engine/WindowSkinning_win.h"

namespace taramel {

namespace {

WindowSkinning*& Slot()
{
    static WindowSkinning* skinning = nullptr;
    return skinning;
}

}  // namespace

void RegisterWindowSkinning(WindowSkinning* skinning)
{
    Slot() = skinning;
}

WindowSkinning* RegisteredWindowSkinning()
{
    return Slot();
}

}  // namespace taramel
