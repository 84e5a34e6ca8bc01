// Glows around controls: a layered window directly above the control's
// form that shows the section's glow picture reaching out from the control,
// cut where the control is hidden, letting every click through.
#pragma once

#include <windows.h>

#include <string>

namespace taramel {

class TsSkinManager;

// Shows the glow "<prefix>0" of the section around `control` (screen), cut
// to `visible` (screen); -1 when there is nothing to show (no layered
// windows, no such picture in that very section, nothing of it visible).
// Ids are never given twice, so an id kept after every glow was hidden
// names no other control's glow.
int ShowGlowWindow(const RECT& control, const RECT& visible, const std::string& section, TsSkinManager* manager,
                   HWND owner, int alpha, int margin, const std::string& prefix);
// Hides one glow; an unknown or already hidden id does nothing.
void HideGlowWindow(int id);
void HideAllGlowWindows();
// The window of a shown glow, or null (for tests).
HWND GlowWindowOf(int id);
int GlowWindowCount();

}  // namespace taramel
