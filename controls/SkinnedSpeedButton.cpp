#include "controls/SkinnedSpeedButton.h"

#include <algorithm>

#include "controls/ButtonLayout.h"
#include "controls/FadeTimer.h"
#include "engine/ControlPaint_win.h"
#include "engine/SkinManager_win.h"
#include "paint/Masks.h"
#include "paint/SectionPaint_win.h"
#include "paint/Text_win.h"
#include "render/Bitmap_win.h"
#include "render/Blend.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"

namespace taramel {

bool IsAnimatedEvent(unsigned own, TacAnimatEvent event, unsigned managerEvents)
{
    if ((own & event) != 0)
        return true;
    if ((own & aeGlobalDef) == 0)
        return false;
    // The manager's events use the same bit for the same event.
    return (managerEvents & event) != 0;
}

// ---- animation ----

TsAnimTimer::TsAnimTimer(TsSpeedButton& button, const TBitmap& start, int steps)
    : TTimer(nullptr), button_(button), steps_(steps)
{
    start_.Assign(start);
    frame_.Assign(start);
    SetInterval(10);
    SetEnabled(true);
}

void TsAnimTimer::Timer()
{
    if (inStep_ || button_.IsDestroying())
        return;
    if (current_ < 0 || current_ > steps_) {
        button_.Perform(SM_ALPHACMD, MakeSkinWParam(CMD_ANIMATION_DONE), 0);  // frees this timer
        return;
    }
    inStep_ = true;
    TsCommonData& data = *button_.SkinData();
    if (steps_ > 0 && data.CacheBmp && data.CacheBmp->Width() == start_.Width() &&
        data.CacheBmp->Height() == start_.Height()) {
        frame_.Assign(start_);
        const int w = std::clamp(255 - current_ * 256 / steps_, 0, 255);
        BlendSameSize(frame_, *data.CacheBmp, w);
        button_.Perform(SM_ALPHACMD, MakeSkinWParam(CMD_SET_UPDATING, 0), 0);
        button_.Perform(SM_ALPHACMD, MakeSkinWParam(CMD_ANIMATION_FRAME), 0);
    }
    ++current_;
    inStep_ = false;
}

// ---- button ----

TsSpeedButton::TsSpeedButton(TComponent* owner) : TDownButton(owner) {}

TsSpeedButton::~TsSpeedButton()
{
    timer_.reset();
}

int TsSpeedButton::SkinState() const
{
    if (down_)
        return 2;
    const TControlState s = State();
    return s.Pressed ? 2 : s.Hot ? 1 : 0;
}

RECT TsSpeedButton::CaptionRect(int tw, int th) const
{
    ButtonLayoutInput in;
    in.Width = Width();
    in.Height = Height();
    in.TextWidth = tw;
    in.TextHeight = th;
    in.Margin = Margin;
    in.Spacing = Spacing;
    in.DropDownWidth = ButtonStyle == TToolButtonStyle::tbsDropDown ? 16 : 0;
    in.CaptionShown = ShowCaption && !Caption().empty();
    const RECT t = LayoutButton(in).Text;
    RECT r{t.left - 1 + TextOffset, t.top, t.right + 2 + TextOffset, t.bottom};
    if (SkinState() == 2)
        OffsetRect(&r, 1, 1);
    return r;
}

void TsSpeedButton::RebuildCache()
{
    TsCommonData& data = *SkinData();
    data.PrepareCache();
    if (data.CacheBmp->Empty())
        return;
    TBitmap& cache = *data.CacheBmp;
    const BgCache bg = ParentBgCache(this);
    if (bg.HasBitmap && bg.Bitmap->Width() == 0)
        return;
    const int state = SkinState();
    const TRect all{0, 0, Width(), Height()};
    const TSkinTables& t = *data.Tables();
    if (ButtonStyle == TToolButtonStyle::tbsSeparator || ButtonStyle == TToolButtonStyle::tbsDivider) {
        // Only the parent's picture (and a divider line over it).
        if (bg.HasBitmap) {
            for (int y = 0; y < cache.Height(); ++y) {
                const int by = y + bg.Y;
                if (by < 0 || by >= bg.Bitmap->Height())
                    continue;
                const int bpp = bg.Bitmap->PixelFormat() == TPixelFormat::pf32bit ? 4 : 3;
                for (int x = 0; x < cache.Width(); ++x) {
                    const int bx = x + bg.X;
                    if (bx < 0 || bx >= bg.Bitmap->Width())
                        continue;
                    const std::uint8_t* p = bg.Bitmap->ScanLine(by) + bx * bpp;
                    std::uint8_t* q = cache.ScanLine(y) + x * 3;
                    q[0] = p[0], q[1] = p[1], q[2] = p[2];
                }
            }
        } else if (HDC dc = BitmapDC(cache)) {
            FillSolid(dc, RECT{0, 0, Width(), Height()}, bg.SolidColor);
            GdiFlush();
        }
        if (ButtonStyle == TToolButtonStyle::tbsDivider) {
            const int divider = FindSection(t, "DIVIDER");
            const int mask = SectionExists(t, divider) ? t.Sections[divider].BorderIndex : -1;
            if (ImageExists(t, mask)) {
                const int w = std::max(2, t.Images[mask].WL + t.Images[mask].WR);
                DrawMaskRect(t, cache, {(Width() - w) / 2, 0, (Width() - w) / 2 + w, Height()}, true, true, 0,
                             t.Images[mask], BgCacheFromBitmap(cache, 0, 0));
            }
        }
    } else {
        PaintControlSection(data, bg, true, cache, all, state);
        if (ShowCaption && !Caption().empty())
            if (HDC dc = BitmapDC(cache)) {
                RECT measure{0, 0, std::max(0, Width() - 2 * std::max(0, Margin)), 0};
                SelectObject(dc, Font().Handle());
                DrawTextUtf8(dc, Caption(), measure, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX);
                const RECT r = CaptionRect(measure.right - measure.left, measure.bottom - measure.top);
                DrawSkinText(dc, Caption(), CaptionTextRequest(*this, data, state != 0), DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX, r);
                GdiFlush();
            }
    }
    builtDown_ = down_;
    data.CacheDirty = false;
}

void TsSpeedButton::Paint(TCanvas& canvas)
{
    TsCommonData& data = *SkinData();
    if (!SkinnedNow()) {
        TSpeedButton::Paint(canvas);
        return;
    }
    if (Width() <= 0 || Height() <= 0)
        return;
    const RECT all{0, 0, Width(), Height()};
    if (timer_ && timer_->Enabled() && timer_->FramePicture().Width() == Width()) {
        CopyBitmapToDC(const_cast<TBitmap&>(timer_->FramePicture()), canvas.Handle(), all, 0, 0);
        return;
    }
    // A hot or pressed look follows the parent's picture at every paint.
    data.CacheDirty = SkinState() > 0 || builtDown_ != down_ || data.CacheDirty || data.PartlyHidden;
    data.PartlyHidden = data.RepaintsWithParent();
    if ((data.CacheDirty || !data.CacheBmp || data.CacheBmp->Width() != Width()) && !data.CacheLocked)
        RebuildCache();
    if (data.CacheBmp)
        CopyBitmapToDC(*data.CacheBmp, canvas.Handle(), all, 0, 0);
}

void TsSpeedButton::StateChanged(bool /*press*/, TacAnimatEvent event)
{
    TsCommonData& data = *SkinData();
    if (!SkinnedNow())
        return;
    // A speed button fades whether enabled or not (its mouse events decide).
    if (StateChangeFades(data, AnimatEvents, event, true)) {
        const TsGeneralData* s = data.Section();
        // The old look is kept; the cache takes the new one and the frames
        // go from the first to the second.
        TBitmap start;
        start.Assign(*data.CacheBmp);
        RebuildCache();
        int steps = std::max(0, static_cast<int>(s->FadingIterations));
        if (event == aeMouseDown || event == aeMouseUp)
            steps /= 2;
        timer_ = std::make_unique<TsAnimTimer>(*this, start, steps);
        return;
    }
    data.CacheDirty = true;
    StopAnimation();
    Invalidate();
}

void TsSpeedButton::StopAnimation()
{
    if (timer_) {
        timer_->SetEnabled(false);
        timer_.reset();
    }
}

void TsSpeedButton::MouseEnter()
{
    TSpeedButton::MouseEnter();
    if (Enabled())
        StateChanged(false, aeMouseEnter);
}

void TsSpeedButton::MouseLeave()
{
    TSpeedButton::MouseLeave();
    if (Visible())
        StateChanged(false, aeMouseLeave);
}

void TsSpeedButton::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    TSpeedButton::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft)
        StateChanged(true, aeMouseDown);
}

void TsSpeedButton::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    TSpeedButton::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft)
        StateChanged(false, aeMouseUp);
}

bool TsSpeedButton::HandleSkinCommand(TMessage& m)
{
    TsCommonData& data = *SkinData();
    switch (SkinCommandOf(m.WParam)) {
    case CMD_ANIMATION_DONE: {
        const bool advanced = timer_ && timer_->CurrentStep() != 0;
        StopAnimation();
        if (advanced) {
            data.CacheDirty = true;
            Invalidate();
        }
        return true;
    }
    case CMD_ANIMATION_FRAME:
        data.Updating = false;
        // The frame is shown as it is: the cache already holds the new look.
        Repaint();
        return true;
    case CMD_REMOVE_SKIN:
    case CMD_NEW_SKIN:
        StopAnimation();
        return false;
    default:
        return false;
    }
}

bool TsSpeedButton::HandleSkinnedMessage(TMessage& m)
{
    TsCommonData& data = *SkinData();
    switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
        data.CacheDirty = true;
        return false;
    case CM_VISIBLECHANGED:
        data.MouseAbove = false;
        return false;
    default:
        return false;
    }
}

}  // namespace taramel
