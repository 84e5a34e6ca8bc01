// The skinned BitBtn: the standard control with its skin state.
#pragma once

#include "controls/BitBtn.h"
#include "engine/ControlSkinState.h"

#include <memory>

namespace taramel {

class TsBitBtn : public TBitBtn {
public:
    explicit TsBitBtn(TComponent* owner) : TBitBtn(owner), skinData_(std::make_unique<TsCommonData>(this, 93)) {}
    std::string ClassName() const override { return "TsBitBtn"; }
    TsCommonData* SkinData() const { return skinData_.get(); }

protected:
    void Loaded() override
    {
        TBitBtn::Loaded();
        skinData_->Loaded();
    }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
