// The system's status bar without panels: one simple text, aligned to the
// bottom of its parent. Windowless children (link buttons) sit on top of it.
#pragma once

#include "framework/WinControl.h"

namespace taramel {

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    std::string ClassName() const override { return "TStatusBar"; }

    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    bool SizeGrip = false;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    std::string simpleText_;
};

}  // namespace taramel
