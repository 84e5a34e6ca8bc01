#include "controls/FadeTimer.h"

#include "engine/ControlPaint_win.h"
#include "engine/ControlSkinState.h"
#include "engine/SkinCommand_win.h"
#include "engine/SkinManager_win.h"
#include "controls/SkinnedSpeedButton.h"
#include "skin/SkinState.h"
#include "framework/WinControl.h"
#include "render/Blend.h"

#include <cstring>

namespace taramel {

void MakeFadeFrame(TBitmap& frame, const TBitmap& start, TBitmap& now, int weight)
{
    // The frame is kept between ticks: same size, same rows, no new pixels;
    // then the two pictures are blended straight into it in one pass.
    if (BlendSameSizeInto(frame, start, now, weight))
        return;
    if (frame.Width() == start.Width() && frame.Height() == start.Height() &&
        frame.PixelFormat() == start.PixelFormat()) {
        const std::size_t bytes = static_cast<std::size_t>(start.Width()) * BytesPerPixel(start.PixelFormat());
        for (int y = 0; y < start.Height(); ++y)
            std::memcpy(frame.ScanLine(y), start.ScanLine(y), bytes);
    } else {
        frame.Assign(start);
    }
    BlendSameSize(frame, now, weight);
}

bool FadeAllowed(const TsCommonData& data, unsigned animatEvents, unsigned event, bool enabled)
{
    const TsSkinManager* manager = data.SkinManager();
    const TsGeneralData* s = data.Section();
    const unsigned managerEvents = manager != nullptr ? manager->AnimEffects.Buttons.Events : 0;
    return IsAnimatedEvent(animatEvents, static_cast<TacAnimatEvent>(event), managerEvents) && !SkinLoading &&
           s != nullptr && s->FadingEnabled && enabled && data.CacheBmp && !data.CacheBmp->Empty();
}

void WithDrawingOff(TWinControl& control, const std::function<void()>& handling)
{
    if (!control.HandleAllocated() || !IsWindowVisible(control.Handle())) {
        handling();
        return;
    }
    SendMessageW(control.Handle(), WM_SETREDRAW, FALSE, 0);
    handling();
    SendMessageW(control.Handle(), WM_SETREDRAW, TRUE, 0);
}

TsFadeTimer::TsFadeTimer(TWinControl& owner, TsCommonData& data) : TTimer(nullptr), owner_(owner), data_(data)
{
    SetEnabled(false);
    SetInterval(10);
}

void TsFadeTimer::Start(bool press)
{
    const TsGeneralData* section = data_.Section();
    if (section == nullptr || !section->FadingEnabled || !data_.CacheBmp)
        return;
    // A fade taken up again starts over from the first frame: its start is
    // the cache, which already holds the look the running fade was heading to.
    const int iterations = std::max(0, static_cast<int>(section->FadingIterations));
    current_ = runState_ != 0 ? iterations : 1;
    steps_ = iterations;
    if (press)
        steps_ /= 2;
    if (current_ >= steps_ || current_ <= 0)
        current_ = 1;
    start_.Assign(*data_.CacheBmp);
    owner_.Perform(SM_ALPHACMD, MakeSkinWParam(CMD_PREPARE_FADE), 0);
    runState_ = 1;
    SetInterval(10);
    SetEnabled(true);
}

void TsFadeTimer::Stop()
{
    SetEnabled(false);
    runState_ = 0;
}

void TsFadeTimer::Step()
{
    if (runState_ == 0 || owner_.IsDestroying())
        return;
    if (current_ > steps_ || current_ < 0) {
        // The owner frees this timer: nothing of it is touched afterwards.
        owner_.Perform(SM_ALPHACMD, MakeSkinWParam(CMD_ANIMATION_DONE), 0);
        return;
    }
    if (!owner_.Enabled()) {
        SetEnabled(false);
        steps_ = 0;
        data_.Invalidate();
        return;
    }
    TBitmap* cache = data_.CacheBmp.get();
    if (cache != nullptr && cache->Width() == start_.Width() && cache->Height() == start_.Height() &&
        !start_.Empty()) {
        MakeFadeFrame(frame_, start_, *cache, FadeWeight(current_, steps_));
        const LRESULT answer =
            owner_.Perform(SM_ALPHACMD, MakeSkinWParam(CMD_PAINT_FADE_FRAME), reinterpret_cast<LPARAM>(&frame_));
        if (answer == 0 && owner_.HandleAllocated()) {
            HWND window = owner_.Handle();
            if (HDC dc = GetDC(window)) {
                CopyBitmapToDC(frame_, dc, RECT{0, 0, frame_.Width(), frame_.Height()}, 0, 0);
                ReleaseDC(window, dc);
            }
        }
    }
    ++current_;
}

}  // namespace taramel
