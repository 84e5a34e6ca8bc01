// The skinned RadioButton: the standard control with its skin state.
#pragma once

#include "controls/RadioButton.h"
#include "engine/ControlSkinState.h"

#include <memory>

namespace taramel {

class TsRadioButton : public TRadioButton {
public:
    explicit TsRadioButton(TComponent* owner) : TRadioButton(owner), skinData_(std::make_unique<TsCommonData>(this, 33)) {}
    std::string ClassName() const override { return "TsRadioButton"; }
    TsCommonData* SkinData() const { return skinData_.get(); }

protected:
    void Loaded() override
    {
        TRadioButton::Loaded();
        skinData_->Loaded();
    }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
