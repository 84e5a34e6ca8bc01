#include "controls/RadioButton.h"

namespace taramel {

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner)
{
    StoreBounds(0, 0, 113, 17);
    SetParentColor(true);
}

void TRadioButton::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    // Not the automatic kind: the checked state is ours, so that checking
    // from the program and by the user follow one rule.
    params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWnd()
{
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    // Only the checked button of a group is a tab stop.
    SetTabStop(checked);
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!checked)
        return;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i)); sibling && sibling != this)
                sibling->SetChecked(false);
    if (!IsLoading())
        Click();
}

void TRadioButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED || HIWORD(m.WParam) == BN_DOUBLECLICKED)
            SetChecked(true);
        return;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN: m.Result = ControlColor(reinterpret_cast<HDC>(m.WParam)); return;
    default: TWinControl::WndProc(m);
    }
}

}  // namespace taramel
