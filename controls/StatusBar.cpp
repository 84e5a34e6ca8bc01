#include "controls/StatusBar.h"

#include "controls/CommonControls.h"
#include "framework/Unicode.h"

#include <commctrl.h>

namespace taramel {

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner)
{
    StoreBounds(0, 0, 0, 19);
    SetAlign(TAlign::alBottom);
}

void TStatusBar::CreateParams(TCreateParams& params)
{
    EnsureCommonControls();
    TWinControl::CreateParams(params);
    params.BaseClassName = STATUSCLASSNAMEW;
    // Our bounds, not the bar's own idea of where it belongs.
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (SizeGrip)
        params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd()
{
    SendMessageW(Handle(), SB_SIMPLE, TRUE, 0);
    SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(simpleText_).c_str()));
}

void TStatusBar::SetSimpleText(const std::string& text)
{
    simpleText_ = text;
    if (HandleAllocated())
        SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(simpleText_).c_str()));
}

}  // namespace taramel
