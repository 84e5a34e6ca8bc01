// The skinned ListBox: the standard control with its skin state.
#pragma once

#include "controls/ListBox.h"
#include "engine/ControlSkinState.h"

#include <memory>

namespace taramel {

class TsListBox : public TListBox {
public:
    explicit TsListBox(TComponent* owner) : TListBox(owner), skinData_(std::make_unique<TsCommonData>(this, 97)) {}
    std::string ClassName() const override { return "TsListBox"; }
    TsCommonData* SkinData() const { return skinData_.get(); }

protected:
    void Loaded() override
    {
        TListBox::Loaded();
        skinData_->Loaded();
    }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
