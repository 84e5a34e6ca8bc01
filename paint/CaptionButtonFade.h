// The steps of a caption button's fade: how opaque the picture of its new
// look is on each tick of a 10 ms timer. Hot fades in over ten steps, the
// normal look fades the picture out over ten, the pressed look appears at
// once. A completed fade in stays until the cursor leaves the button.
#pragma once

namespace taramel {

class CaptionButtonFade {
public:
    static constexpr int kHotSteps = 10;
    static constexpr int kPressedSteps = 1;

    // What a change or a tick asks of its owner.
    struct Frame {
        int Alpha = -1;          // the opacity to show, -1 for nothing new
        bool Remake = false;     // make the picture (and window) again first
        bool RunTimer = false;   // keep (or start) the timer
        bool WatchCursor = false;  // the fade in is complete: check that the cursor is still over the button
        bool Finished = false;   // faded out: free the window and the picture
    };

    // A new state of the button (0 normal, 1 hot, 2 pressed). The first
    // change starts at one step of opacity.
    Frame Change(int state);
    // One timer tick.
    Frame Tick();

    bool Running() const { return target_ >= 0; }
    int Target() const { return target_; }
    int Step() const { return step_; }
    int StepCount() const { return stepCount_; }

private:
    static int StepsFor(int state) { return state == 2 ? kPressedSteps : kHotSteps; }
    int AlphaStep() const;

    int target_ = -1;  // -1 idle
    int step_ = 0;
    int stepCount_ = 0;  // -1 once a fade in has completed
    bool fadingIn_ = false;
};

}  // namespace taramel
