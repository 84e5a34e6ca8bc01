// A radio button (the system's button window). Radio buttons with the same
// parent exclude each other. Checking one, by the user or by the program,
// unchecks its siblings and runs its click when it was not checked before;
// checking a checked one does nothing.
#pragma once

#include "framework/WinControl.h"

namespace taramel {

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);
    std::string ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    bool checked_ = false;
};

}  // namespace taramel
