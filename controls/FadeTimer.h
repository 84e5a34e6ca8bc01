// The fade of a windowed control from one look to the next: the old picture
// is kept, the control's cache takes the new look at once, and every 10 ms a
// frame of the two blended is copied to the window until the new look shows
// alone.
#pragma once

#include <algorithm>
#include <functional>

#include "framework/Timer.h"
#include "render/Bitmap.h"

namespace taramel {

class TWinControl;
class TsCommonData;

// The weight of the old picture in frame `step` of `steps` (1-based): the
// last frame gives it none. Five steps give 204, 153, 102, 51, 0; two give
// 127, 0.
inline int FadeWeight(int step, int steps)
{
    return std::clamp(255 - step * 256 / steps, 0, 255);
}

// One frame of a fade: the old picture with the given weight over the new
// one (frames are 24-bit, of the start's size).
void MakeFadeFrame(TBitmap& frame, const TBitmap& start, TBitmap& now, int weight);

// Whether a state change of a control with the events `animatEvents` fades
// on `event` (one of the aeMouse values of the buttons): the skin enables
// fading, no skin is loading, and the control has a picture to start from.
bool FadeAllowed(const TsCommonData& data, unsigned animatEvents, unsigned event, bool enabled);
// The start of a state change of a button: it fades when fading is allowed
// and the cache still holds the old look (a cache already out of date has no
// picture worth fading from).
bool StateChangeFades(const TsCommonData& data, unsigned animatEvents, unsigned event, bool enabled);

// Runs the standard handling of a message that makes a system window draw
// its own look, with drawing switched off, when the window is visible.
void WithDrawingOff(TWinControl& control, const std::function<void()>& handling);

class TsFadeTimer : public TTimer {
public:
    TsFadeTimer(TWinControl& owner, TsCommonData& data);
    std::string ClassName() const override { return "TsFadeTimer"; }

    // Starts (or takes up again) a fade from the picture now in the cache:
    // the owner rebuilds its cache in the new look on CMD_PREPARE_FADE.
    // A press fades in half the steps. Nothing without fading in the section.
    void Start(bool press);
    // One frame; the timer runs it every 10 ms.
    void Step();
    // Stops without freeing (the owner frees the timer).
    void Stop();

    int RunState() const { return runState_; }
    int CurrentStep() const { return current_; }
    int StepCount() const { return steps_; }
    bool Running() const { return runState_ != 0 && current_ <= steps_; }
    // The last frame made (kept between steps: no bitmap per frame).
    const TBitmap& Frame() const { return frame_; }

protected:
    void Timer() override { Step(); }

private:
    TWinControl& owner_;
    TsCommonData& data_;
    TBitmap start_;
    TBitmap frame_;
    int runState_ = 0;
    int steps_ = 0;
    int current_ = 1;
};

}  // namespace taramel
