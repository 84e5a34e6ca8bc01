// The registry of skinned windows: the forms whose windows the window
// skinning has taken over and the further windows the engine skins. It lies
// below both the controls and the window skinning, which fill and read it.
#pragma once

#include <windows.h>

#include <vector>

namespace taramel {

class TCustomForm;

// Forms whose windows the window skinning has taken over; they get every
// broadcast even when they answer that they are skinned.
std::vector<TCustomForm*>& RegisteredSkinForms();
// Further windows the engine skins (standard dialogs and the like); the
// visible ones get every broadcast.
std::vector<HWND>& ExtraSkinWindows();

}  // namespace taramel
