// A container with raised or lowered bevels and a centred caption.
#pragma once

#include "framework/WinControl.h"

namespace taramel {

enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TCustomPanel : public TWinControl {
public:
    explicit TCustomPanel(TComponent* owner);
    std::string ClassName() const override { return "TCustomPanel"; }

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void Paint(TCanvas& canvas) override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    TAlignment alignment_ = TAlignment::taCenter;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    std::string ClassName() const override { return "TPanel"; }
};

}  // namespace taramel
