// The system's status bar: one simple text, or panels side by side, aligned
// to the bottom of its parent. Windowless children (link buttons) sit on top
// of it.
#pragma once

#include "controls/Panel.h"
#include "framework/WinControl.h"

#include <vector>

namespace taramel {

struct TStatusPanel {
    int Width = 50;
    std::string Text;
    TAlignment Alignment = TAlignment::taLeftJustify;
};

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    std::string ClassName() const override { return "TStatusBar"; }

    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    bool SizeGrip = false;
    // With panels the bar shows them instead of the simple text.
    const std::vector<TStatusPanel>& Panels() const { return panels_; }
    void SetPanels(const std::vector<TStatusPanel>& panels);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void SendTexts();

    std::string simpleText_;
    std::vector<TStatusPanel> panels_;
};

}  // namespace taramel
