// The arrows of a spin edit: a small window holding two speed buttons drawn
// from the skin's "SPEEDBUTTON_SMALL" section (the system's look without a
// skin), each with a triangle, that repeat while held.
#pragma once

#include <functional>
#include <memory>

#include "controls/SkinnedSpeedButton.h"
#include "framework/Timer.h"
#include "framework/WinControl.h"

namespace taramel {

// A speed button that clicks again while held: first after 400 ms, then
// every 100 ms, as long as its window keeps the mouse capture.
class TsTimerSpeedButton : public TsSpeedButton {
public:
    enum class TArrow { Up, Down };
    TsTimerSpeedButton(TComponent* owner, TArrow arrow);
    ~TsTimerSpeedButton() override;
    std::string ClassName() const override { return "TsTimerSpeedButton"; }

    bool AllowTimer = true;
    TArrow Arrow() const { return arrow_; }
    // The repeat timer (null before the first press).
    TTimer* RepeatTimer() const { return timer_.get(); }
    // One tick of the repeat timer.
    void RepeatTick();
    // The triangle's colour now.
    TColor ArrowColor() const;

protected:
    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;

private:
    void StopRepeat();
    TArrow arrow_;
    std::unique_ptr<TTimer> timer_;
};

class TsSpinButton : public TWinControl {
public:
    explicit TsSpinButton(TComponent* owner);
    std::string ClassName() const override { return "TsSpinButton"; }

    TsTimerSpeedButton* UpButton() const { return up_; }
    TsTimerSpeedButton* DownButton() const { return down_; }
    // The control whose skin section colours the arrows and that takes the
    // focus when an arrow is pressed.
    TWinControl* FocusControl = nullptr;
    std::function<void()> OnUpClick;
    std::function<void()> OnDownClick;

protected:
    void WndProc(TMessage& message) override;
    void BoundsChanged() override;

private:
    void PlaceButtons();
    TsTimerSpeedButton* up_;
    TsTimerSpeedButton* down_;
};

}  // namespace taramel
