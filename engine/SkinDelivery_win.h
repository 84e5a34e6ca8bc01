// Delivering skin commands to windows, controls, a control's children and
// every form. A windowed control gets the message through SendMessage; a
// graphic control, or a windowed one whose window does not exist yet, gets a
// direct call of its message handler with the same four fields.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "engine/SkinnedWindows_win.h"
#include "framework/Messages.h"

namespace taramel {

class TControl;
class TWinControl;
class TCustomForm;

// SendMessage(window, SM_ALPHACMD, code << 16, lParam).
LRESULT SendToWindow(HWND window, std::uint16_t code, LPARAM lParam);
// A windowed control: 0 when it is being destroyed or has no window, else
// SendMessage to its window. Any other control: a direct call.
LRESULT SendToControl(TControl* control, std::uint16_t code, LPARAM lParam);
// True when the window answers the command (LParam 0) with exactly 1.
bool AskWindow(HWND window, std::uint16_t code);
// The message to every child of `control`, in order, stopping at the first
// child that is being destroyed: graphic children and windowed children
// without a window get a direct call, windowed children that handle skin
// commands themselves get SendMessage, and any other windowed child is
// descended into (its children get the message the same way).
void SendToChildControls(TWinControl* control, TMessage& message);
// The message to every form of the application (last created first) that is
// not being loaded or destroyed and does not handle skin commands itself,
// then to every form registered with the window skinning, then to every
// visible extra window of the engine.
void SendToAllForms(TMessage& message);

}  // namespace taramel
