// The framework's own messages. Notifications (CM_) tell a control that one
// of its properties changed or that the mouse came or went; the reflected
// messages (CN_) carry a system control's notification from its parent back
// to the control itself. Both kinds reach a control through its replaceable
// window procedure, so an object that takes the procedure over sees them too.
#pragma once

#include <windows.h>

namespace taramel {

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_RELEASE = CM_BASE + 33;           // posted: free the form
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 4;
constexpr UINT CM_COLORCHANGED = CM_BASE + 5;
constexpr UINT CM_FONTCHANGED = CM_BASE + 6;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 15;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
// A form's main menu was made again (its bar is measured and drawn anew).
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;
// Enter or Esc pressed in a form (WParam: VK_RETURN or VK_ESCAPE; LParam: 1
// when the control asked has the focus). A control that acts on the key sets
// Result to 1.
constexpr UINT CM_DIALOGKEY = CM_BASE + 50;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;

}  // namespace taramel
