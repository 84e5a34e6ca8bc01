// The skinned spin edit: the field keeps the system's text painting in the
// section's colours (the hot ones while focused or under the mouse), its
// frame is drawn from the section, and its arrows follow the skin through
// their own section.
#pragma once

#include "controls/SkinnedControl.h"
#include "controls/SpinEdit.h"
#include "framework/Handles.h"

namespace taramel {

class TsSpinEdit : public TSkinnedControl<TSpinEdit, TControlClass::Edit, "TsSpinEdit", true> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsSpinEdit"; }

    // The field's background and text colours now (skinned only).
    TColor FieldColor() const;
    TColor FieldFontColor() const;

protected:
    bool HandleSkinnedMessage(TMessage& message) override;

private:
    void PaintFrame();
    TBrushHandle brush_;
    TColor brushColor_ = -1;
};

}  // namespace taramel
