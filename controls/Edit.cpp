#include "controls/Edit.h"

namespace taramel {

TEdit::TEdit(TComponent* owner) : TWinControl(owner)
{
    StoreBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
}

void TEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.BaseClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

bool TEdit::ReadOnly() const
{
    if (HandleAllocated())
        return (GetWindowLongW(const_cast<TEdit*>(this)->Handle(), GWL_STYLE) & ES_READONLY) != 0;
    return readOnly_;
}

void TEdit::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (HandleAllocated())
        SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == EN_CHANGE && OnChange)
            OnChange(this);
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: m.Result = ControlColor(reinterpret_cast<HDC>(m.WParam)); return;
    default: TWinControl::WndProc(m);
    }
}

}  // namespace taramel
