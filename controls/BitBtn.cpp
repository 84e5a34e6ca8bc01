#include "controls/BitBtn.h"

#include "framework/Form.h"

namespace taramel {

TCustomForm* GetParentForm(TControl* control)
{
    while (control && control->Parent())
        control = control->Parent();
    return dynamic_cast<TCustomForm*>(control);
}

TBitBtn::TBitBtn(TComponent* owner) : TWinControl(owner)
{
    StoreBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TBitBtn::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= BS_PUSHBUTTON;
}

void TBitBtn::WndProc(TMessage& m)
{
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED)
            Click();
        return;
    }
    if (m.Msg == CM_DIALOGKEY) {
        const bool focused = m.LParam != 0;
        const bool mine = m.WParam == VK_RETURN ? (focused || Default) : (m.WParam == VK_ESCAPE && Cancel);
        m.Result = 0;
        if (mine && Showing() && Enabled()) {
            Click();
            m.Result = 1;
        }
        return;
    }
    if (m.Msg == CN_CTLCOLORBTN) {
        m.Result = ControlColor(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    TWinControl::WndProc(m);
}

void TBitBtn::Click()
{
    if (ModalResult != 0)
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(ModalResult);
    TWinControl::Click();
}

}  // namespace taramel
