// A push button (the system's button window). A non-zero ModalResult closes
// the modal form it sits on with that result when clicked.
#pragma once

#include "framework/WinControl.h"

namespace taramel {

class TBitBtn : public TWinControl {
public:
    explicit TBitBtn(TComponent* owner);
    std::string ClassName() const override { return "TBitBtn"; }

    int ModalResult = 0;
    // Enter clicks the default button of a form when the focus is on no other
    // button; Esc clicks its cancel button. Enter on a focused button clicks it.
    bool Default = false;
    bool Cancel = false;
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

// The parent form of a control, or null.
class TCustomForm;
TCustomForm* GetParentForm(TControl* control);

}  // namespace taramel
