#include "engine/SkinDelivery_win.h"

#include "engine/SkinCommand_win.h"
#include "framework/Application.h"
#include "framework/Form.h"

namespace taramel {

namespace {

// The form's window when it has one, else its handler directly.
void DeliverToForm(TCustomForm* form, TMessage& message)
{
    if (form->HandleAllocated())
        message.Result = SendMessageA(form->Handle(), message.Msg, message.WParam, message.LParam);
    else
        message.Result = form->Perform(message.Msg, message.WParam, message.LParam);
    SendToChildControls(form, message);
}

bool AnswersSkinned(TWinControl* control)
{
    return control->HandleAllocated() && AskWindow(control->Handle(), CMD_IS_SKINNED);
}

}  // namespace

LRESULT SendToWindow(HWND window, std::uint16_t code, LPARAM lParam)
{
    return SendMessageA(window, SM_ALPHACMD, MakeSkinWParam(code, 0), lParam);
}

LRESULT SendToControl(TControl* control, std::uint16_t code, LPARAM lParam)
{
    if (control == nullptr)
        return 0;
    if (control->IsWindowed()) {
        auto* windowed = static_cast<TWinControl*>(control);
        if (windowed->IsDestroying() || !windowed->HandleAllocated())
            return 0;
        return SendMessageA(windowed->Handle(), SM_ALPHACMD, MakeSkinWParam(code, 0), lParam);
    }
    return control->Perform(SM_ALPHACMD, MakeSkinWParam(code, 0), lParam);
}

bool AskWindow(HWND window, std::uint16_t code)
{
    return SendToWindow(window, code, 0) == 1;
}

void SendToChildControls(TWinControl* control, TMessage& message)
{
    if (control == nullptr)
        return;
    // A receiver may add or remove controls; the index is checked each time.
    for (int i = 0; i < control->ControlCount(); ++i) {
        TControl* child = control->Controls(i);
        if (child->IsDestroying())
            break;
        if (!child->IsWindowed()) {
            message.Result = child->Perform(message.Msg, message.WParam, message.LParam);
            continue;
        }
        auto* windowed = static_cast<TWinControl*>(child);
        if (!windowed->HandleAllocated())
            message.Result = windowed->Perform(message.Msg, message.WParam, message.LParam);
        else if (AnswersSkinned(windowed))
            message.Result = SendMessageA(windowed->Handle(), message.Msg, message.WParam, message.LParam);
        else
            SendToChildControls(windowed, message);
    }
}

void SendToAllForms(TMessage& message)
{
    if (Application != nullptr) {
        for (int i = Application->ComponentCount() - 1; i >= 0; --i) {
            if (i >= Application->ComponentCount())
                continue;
            auto* form = dynamic_cast<TCustomForm*>(Application->Components(i));
            if (form == nullptr || form->IsDestroying() || form->IsLoading())
                continue;
            if (AnswersSkinned(form))
                continue;
            DeliverToForm(form, message);
        }
    }
    const std::vector<TCustomForm*> registered = RegisteredSkinForms();
    for (TCustomForm* form : registered)
        if (!form->IsDestroying())
            DeliverToForm(form, message);
    const std::vector<HWND> extra = ExtraSkinWindows();
    for (HWND window : extra)
        if (IsWindow(window) && IsWindowVisible(window))
            message.Result = SendMessageA(window, message.Msg, message.WParam, message.LParam);
}

}  // namespace taramel
