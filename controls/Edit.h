// A single-line edit (the system's edit window) in the control's colours,
// with a sunken edge, telling its owner when the text changes.
#pragma once

#include "framework/WinControl.h"

namespace taramel {

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    std::string ClassName() const override { return "TEdit"; }

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    bool readOnly_ = false;
};

}  // namespace taramel
