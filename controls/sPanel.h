// The skinned Panel: the standard control with its skin state.
#pragma once

#include "controls/Panel.h"
#include "engine/ControlSkinState.h"

#include <memory>

namespace taramel {

class TsPanel : public TPanel {
public:
    explicit TsPanel(TComponent* owner) : TPanel(owner), skinData_(std::make_unique<TsCommonData>(this, 51)) {}
    std::string ClassName() const override { return "TsPanel"; }
    TsCommonData* SkinData() const { return skinData_.get(); }

protected:
    void Loaded() override
    {
        TPanel::Loaded();
        skinData_->Loaded();
    }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
