// The skinned SpeedButton: the standard control with its skin state.
#pragma once

#include "controls/SpeedButton.h"
#include "engine/ControlSkinState.h"

#include <memory>

namespace taramel {

class TsSpeedButton : public TSpeedButton {
public:
    explicit TsSpeedButton(TComponent* owner) : TSpeedButton(owner), skinData_(std::make_unique<TsCommonData>(this, 92)) {}
    std::string ClassName() const override { return "TsSpeedButton"; }
    TsCommonData* SkinData() const { return skinData_.get(); }

protected:
    void Loaded() override
    {
        TSpeedButton::Loaded();
        skinData_->Loaded();
    }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
