// A windowless button. Flat: only its caption until the mouse comes over it,
// then a thin raised frame, sunk while pressed.
#pragma once

#include "framework/Control.h"
#include "skin/ControlState.h"

namespace taramel {

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    std::string ClassName() const override { return "TSpeedButton"; }

    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    // Hot while the mouse is over it and it is enabled, pressed while the
    // left button holds it down with the mouse over it.
    TControlState State() const;

protected:
    void Paint(TCanvas& canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;
    void EnabledChanged() override;

private:
    bool flat_ = false;
    bool pressed_ = false;
};

}  // namespace taramel
