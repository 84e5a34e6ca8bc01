// The skinned speed button: a windowless button drawn from its section in
// the normal, hot and pressed looks over its parent's picture, fading from
// one look to the next when the skin enables it.
#pragma once

#include <memory>

#include "controls/DownButton.h"
#include "controls/SkinnedControl.h"
#include "controls/SpeedButton.h"
#include "framework/Timer.h"

namespace taramel {

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton };

// The events of a button that may fade, and "as the skin manager says".
enum TacAnimatEvent : unsigned { aeMouseEnter = 1, aeMouseLeave = 2, aeMouseDown = 4, aeMouseUp = 8, aeGlobalDef = 16 };

// Whether a button with the events `own` fades on `event` (one of the
// aeMouse values); aeGlobalDef defers to the manager's set of events (of
// the matching be values).
bool IsAnimatedEvent(unsigned own, TacAnimatEvent event, unsigned managerEvents);

class TsSpeedButton;

// Steps a speed button from its old look to its new one every 10 ms: each
// frame is the old picture blended with the new cache.
class TsAnimTimer : public TTimer {
public:
    TsAnimTimer(TsSpeedButton& button, const TBitmap& start, int steps);
    std::string ClassName() const override { return "TsAnimTimer"; }
    const TBitmap& FramePicture() const { return frame_; }
    int CurrentStep() const { return current_; }
    int StepCount() const { return steps_; }

protected:
    void Timer() override;

private:
    TsSpeedButton& button_;
    TBitmap start_;
    TBitmap frame_;
    int steps_;
    int current_ = 0;
    bool inStep_ = false;
};

class TsSpeedButton : public TDownButton<TSkinnedControl<TSpeedButton, TControlClass::SpeedButton, "TsSpeedButton">> {
public:
    explicit TsSpeedButton(TComponent* owner);
    ~TsSpeedButton() override;
    std::string ClassName() const override { return "TsSpeedButton"; }

    TToolButtonStyle ButtonStyle = TToolButtonStyle::tbsButton;
    unsigned AnimatEvents = aeGlobalDef;
    bool ShowCaption = true;
    bool DrawOverBorder = true;
    int Margin = -1;
    int Spacing = 4;
    int TextOffset = 0;
    // 0 normal, 1 hot, 2 pressed.
    int SkinState() const;
    const TsAnimTimer* Animation() const { return timer_.get(); }
    // The caption's rectangle for a caption of tw x th in the current state.
    RECT CaptionRect(int tw, int th) const;

protected:
    void Paint(TCanvas& canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;
    bool HandleSkinCommand(TMessage& message) override;
    bool HandleSkinnedMessage(TMessage& message) override;

private:
    friend class TsAnimTimer;
    void StateChanged(bool press, TacAnimatEvent event);
    void RebuildCache();
    void StopAnimation();

    bool builtDown_ = false;
    std::unique_ptr<TsAnimTimer> timer_;
};

}  // namespace taramel
