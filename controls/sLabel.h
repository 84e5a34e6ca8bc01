// The skinned labels: the standard label with its skin state, and the web
// label, a link that opens its target through the shell.
#pragma once

#include "controls/Label.h"
#include "engine/ControlSkinState.h"

#include <memory>

namespace taramel {

class TsLabel : public TLabel {
public:
    explicit TsLabel(TComponent* owner) : TLabel(owner), skinData_(std::make_unique<TsCommonData>(this, 0)) {}
    std::string ClassName() const override { return "TsLabel"; }
    TsCommonData* SkinData() const { return skinData_.get(); }
    // While a skin is active the text takes the skin's colour.
    bool UseSkinColor = true;
protected:
    void Loaded() override
    {
        TLabel::Loaded();
        skinData_->Loaded();
    }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

// A link: the hover font while the mouse is over it; the left button opens
// Url with the shell's "open" verb.
class TsWebLabel : public TsLabel {
public:
    explicit TsWebLabel(TComponent* owner);
    std::string ClassName() const override { return "TsWebLabel"; }

    std::string Url;
    TFont& HoverFont() { return hoverFont_; }

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    // Hands the target to the shell; the result is not examined.
    virtual void OpenTarget();

private:
    TFont hoverFont_;
    TFont normalFont_;
    bool hovering_ = false;
};

}  // namespace taramel
