// The skinned SpinEdit: the standard control with its skin state.
#pragma once

#include "controls/SpinEdit.h"
#include "engine/ControlSkinState.h"

#include <memory>

namespace taramel {

class TsSpinEdit : public TSpinEdit {
public:
    explicit TsSpinEdit(TComponent* owner) : TSpinEdit(owner), skinData_(std::make_unique<TsCommonData>(this, 3)) {}
    std::string ClassName() const override { return "TsSpinEdit"; }
    TsCommonData* SkinData() const { return skinData_.get(); }

protected:
    void Loaded() override
    {
        TSpinEdit::Loaded();
        skinData_->Loaded();
    }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
