// The skinned label: a windowless text that owns no skin state of its own.
// Its colour comes from the skin through its parent (the parent's section
// when that gives its font, else the skin's text colour); an optional
// section of its own is painted as its background.
#pragma once

#include "controls/Label.h"

namespace taramel {

class TsLabel : public TLabel {
public:
    explicit TsLabel(TComponent* owner);
    std::string ClassName() const override { return "TsLabel"; }

    // While a skin is active the text takes the skin's colour.
    bool UseSkinColor = true;
    // A section painted under the text; empty for none.
    std::string SkinSection;

    // The colour the text is drawn in now (the font's own without a skin).
    TColor CurrentTextColor() const;

protected:
    void Paint(TCanvas& canvas) override;
    void WndProc(TMessage& message) override;
    // The skin's colour for the text, 0xFF00FF for none.
    virtual TColor SkinTextColor() const;
    // The font the text is drawn with before the skin's colour applies.
    virtual const TFont& CurrentFont() const { return Font(); }
};

}  // namespace taramel
