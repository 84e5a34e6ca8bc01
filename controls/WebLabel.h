// The web label: a skinned label that is a link and opens its target through
// the shell.
#pragma once

#include "controls/SkinnedControls.h"

#include <string>

namespace taramel {

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

private:
    TFont hoverFont_;
    TFont normalFont_;
    bool hovering_ = false;
};

}  // namespace taramel
