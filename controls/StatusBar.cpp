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
    SendTexts();
}

void TStatusBar::SetSimpleText(const std::string& text)
{
    simpleText_ = text;
    if (HandleAllocated())
        SendTexts();
}

void TStatusBar::SetPanels(const std::vector<TStatusPanel>& panels)
{
    panels_ = panels;
    if (HandleAllocated())
        SendTexts();
    Invalidate();
}

void TStatusBar::SendTexts()
{
    HWND bar = Handle();
    SendMessageW(bar, SB_SIMPLE, panels_.empty() ? TRUE : FALSE, 0);
    if (panels_.empty()) {
        SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(simpleText_).c_str()));
        return;
    }
    std::vector<int> edges;
    int right = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        right += panels_[i].Width;
        edges.push_back(i + 1 == panels_.size() ? -1 : right);
    }
    SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t i = 0; i < panels_.size(); ++i)
        SendMessageW(bar, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(Widen(panels_[i].Text).c_str()));
}

}  // namespace taramel
