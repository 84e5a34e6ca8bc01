// The skinned GroupBox: the standard control with its skin state.
#pragma once

#include "controls/GroupBox.h"
#include "engine/ControlSkinState.h"

#include <memory>

namespace taramel {

class TsGroupBox : public TGroupBox {
public:
    explicit TsGroupBox(TComponent* owner) : TGroupBox(owner), skinData_(std::make_unique<TsCommonData>(this, 74)) {}
    std::string ClassName() const override { return "TsGroupBox"; }
    TsCommonData* SkinData() const { return skinData_.get(); }

protected:
    void Loaded() override
    {
        TGroupBox::Loaded();
        skinData_->Loaded();
    }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
