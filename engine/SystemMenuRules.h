// Which commands of a skinned form's window menu are offered and which can
// be chosen, from the form's caption buttons, border style and state: the
// same rules whether the skin draws the menu or the system does.
#pragma once

#include <array>

#include "paint/FrameGeometry.h"

namespace taramel {

// The window menu's standard commands (the system's values).
enum TSystemCommand : unsigned {
    scSize = 0xF000,
    scMove = 0xF010,
    scMinimize = 0xF020,
    scMaximize = 0xF030,
    scClose = 0xF060,
    scRestore = 0xF120,
};

enum class TMenuBorderKind { None, Single, Sizeable, Dialog, ToolWindow };

struct SystemMenuInput {
    CaptionButtonSet Buttons;  // visible and enabled caption buttons
    TMenuBorderKind Border = TMenuBorderKind::Single;
    bool MdiChild = false;
    bool Maximized = false;
    bool Minimized = false;
};

struct SystemMenuItemState {
    unsigned Command = 0;
    bool Visible = false;
    bool Enabled = false;
};

// Restore, Move, Size, Minimize, Maximize and Close in menu order.
std::array<SystemMenuItemState, 6> SystemMenuStates(const SystemMenuInput& in);

// Where the menu opens for a click on the window icon: below the icon, at
// the frame's left border, in screen coordinates.
TPoint SystemMenuBelowIcon(const TRect& window, int border, int topBorder, int iconHeight);

}  // namespace taramel
