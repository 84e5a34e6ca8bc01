// The skinned StatusBar: the standard control with its skin state.
#pragma once

#include "controls/StatusBar.h"
#include "engine/ControlSkinState.h"

#include <memory>

namespace taramel {

class TsStatusBar : public TStatusBar {
public:
    explicit TsStatusBar(TComponent* owner) : TStatusBar(owner), skinData_(std::make_unique<TsCommonData>(this, 151)) {}
    std::string ClassName() const override { return "TsStatusBar"; }
    TsCommonData* SkinData() const { return skinData_.get(); }

protected:
    void Loaded() override
    {
        TStatusBar::Loaded();
        skinData_->Loaded();
    }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
