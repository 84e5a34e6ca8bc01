#include "paint/CaptionButtonFade.h"

#include <algorithm>

namespace taramel {

int CaptionButtonFade::AlphaStep() const
{
    // A completed fade in fades out over the hot look's steps.
    return 255 / (stepCount_ > 0 ? stepCount_ : kHotSteps);
}

CaptionButtonFade::Frame CaptionButtonFade::Change(int state)
{
    Frame f;
    const bool in = state != 0;
    if (target_ < 0) {
        // The first change: one step of opacity at once.
        target_ = state;
        fadingIn_ = in;
        stepCount_ = StepsFor(state);
        step_ = 1;
        f.Remake = true;
        f.Alpha = std::min(255, AlphaStep());
        step_ = 2;
        f.RunTimer = stepCount_ > 1;
        return f;
    }
    const bool fromPressed = target_ == 2;
    stepCount_ = StepsFor(state);
    fadingIn_ = in;
    if (state == 2) {
        // The pressed look at once, from a picture made for it.
        target_ = 2;
        step_ = stepCount_;
        f.Remake = true;
        f.Alpha = 255;
        return f;
    }
    if (fromPressed) {
        // After a press the look that follows starts from full opacity:
        // hot shows its own picture at once, and the pressed picture fades
        // out from its full look instead of dropping to one step.
        step_ = kHotSteps;
        if (state == 1) {
            target_ = 1;
            f.Remake = true;
            f.Alpha = 255;
            stepCount_ = -1;
            f.RunTimer = true;
            return f;
        }
    }
    if (state == 1)
        target_ = 1;
    step_ = std::clamp(step_, 0, kHotSteps);
    f.RunTimer = true;
    return f;
}

CaptionButtonFade::Frame CaptionButtonFade::Tick()
{
    Frame f;
    if (target_ < 0)
        return f;
    if (fadingIn_) {
        if (stepCount_ < 0) {
            f.WatchCursor = true;
            f.RunTimer = true;
            return f;
        }
        if (step_ < stepCount_) {
            f.Alpha = std::min(255, step_ * AlphaStep());
            ++step_;
        } else {
            f.Alpha = 255;
            stepCount_ = -1;
        }
        f.RunTimer = true;
        return f;
    }
    if (step_ > 0) {
        f.Alpha = std::min(255, step_ * AlphaStep());
        --step_;
        f.RunTimer = true;
        return f;
    }
    f.Alpha = 0;
    f.Finished = true;
    target_ = -1;
    stepCount_ = 0;
    return f;
}

}  // namespace taramel
