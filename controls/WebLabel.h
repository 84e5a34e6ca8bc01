// The web label: a skinned label that is a link and opens its target through
// the shell.
#pragma once

#include "controls/SkinnedLabel.h"

#include <string>

namespace taramel {

// A link: the hover font while the mouse is over it; the left button opens
// Url with the shell's "open" verb. With a skin its colours are the skin's
// link colours (the top text colour of the skin's global section while
// hovered, the bottom one otherwise).
class TsWebLabel : public TsLabel {
public:
    explicit TsWebLabel(TComponent* owner);
    std::string ClassName() const override { return "TsWebLabel"; }
    std::string Url;
    TFont& HoverFont() { return hoverFont_; }
    bool Hovering() const { return hovering_; }

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    TColor SkinTextColor() const override;

private:
    TFont hoverFont_;
    TFont normalFont_;
    bool hovering_ = false;
};

}  // namespace taramel
