// A caption button's fade on the screen: the picture of the button's new
// look (or its glow) in a small layered window over the frame, made more or
// less opaque on each tick of a 10 ms timer, while the frame itself keeps
// the resting look. Forms' providers and, later, dialogs' wrappers own one
// per button that has changed.
#pragma once

#include <windows.h>

#include <memory>

#include "base/Geometry.h"
#include "framework/Timer.h"
#include "paint/CaptionButtonFade.h"
#include "render/Bitmap.h"

namespace taramel {

// What an animation asks of the window whose button it fades.
class TCaptionButtonFadeOwner {
public:
    virtual ~TCaptionButtonFadeOwner() = default;
    // The window the buttons belong to (the fade window is owned by it).
    virtual HWND FadeOwner() const = 0;
    // The window the fade is placed directly above: the form, or its
    // border window.
    virtual HWND FadeAbove() const = 0;
    // The picture of a button in a state (32 bits, alpha straight) and its
    // place in the coordinates of FadeOwner's window rectangle; false when
    // the button is not shown.
    virtual bool FadePicture(int hit, int state, TBitmap& picture, TRect& place) = 0;
    // The cursor left the button after its fade in completed.
    virtual void FadeCursorLeft(int hit) = 0;
    // The button's rectangle on the screen now.
    virtual RECT FadeButtonOnScreen(int hit) const = 0;
};

class TacSBAnimation {
public:
    TacSBAnimation(TCaptionButtonFadeOwner& owner, int hit);
    ~TacSBAnimation();
    TacSBAnimation(const TacSBAnimation&) = delete;
    TacSBAnimation& operator=(const TacSBAnimation&) = delete;

    // Off, no fade starts its 10 ms timer and ticks come only from Tick:
    // for tests that step a fade themselves.
    static inline bool UseTimer = true;

    // The button took a new state (0 normal, 1 hot, 2 pressed).
    void Change(int state);
    // One tick, as the timer gives it (tests call it directly).
    void Tick();
    // Stops at once: no timer, no window.
    void Stop();

    bool Running() const { return fade_.Running(); }
    int Target() const { return fade_.Target(); }
    bool TimerRunning() const { return timer_ && timer_->Enabled(); }
    // The fade window and what it shows now.
    HWND Window() const { return window_; }
    int Alpha() const { return alpha_; }
    const TBitmap* Picture() const { return picture_.get(); }
    const TRect& Place() const { return place_; }

private:
    void Apply(const CaptionButtonFade::Frame& frame);
    bool MakePicture();
    void Show(int alpha);
    void FreeWindow();

    TCaptionButtonFadeOwner& owner_;
    int hit_;
    CaptionButtonFade fade_;
    std::unique_ptr<TTimer> timer_;
    HWND window_ = nullptr;
    std::unique_ptr<TBitmap> picture_;  // premultiplied, as a layered window takes it
    TRect place_;
    int alpha_ = 0;
};

}  // namespace taramel
