// The skinned push button: every look (normal, hot, pressed, disabled) is
// drawn from its section into its cache, cut to the shape of the section's
// border image, and fades from one look to the next when the skin enables
// fading. Without a skin it draws the classic push button itself (its
// window is owner-drawn in both cases, so that the system never paints over
// the skin).
#pragma once

#include <memory>

#include "controls/BitBtn.h"
#include "controls/ButtonLayout.h"
#include "controls/FadeTimer.h"
#include "controls/FocusLook.h"
#include "controls/SkinnedControl.h"
#include "controls/SkinnedSpeedButton.h"
#include "framework/Handles.h"

namespace taramel {

class TsBitBtn : public TSkinnedControl<TBitBtn, TControlClass::BitButton, "TsBitBtn", true> {
public:
    explicit TsBitBtn(TComponent* owner);
    ~TsBitBtn() override;
    std::string ClassName() const override { return "TsBitBtn"; }

    unsigned AnimatEvents = aeGlobalDef;
    bool ShowCaption = true;
    bool ShowFocus = true;
    bool DrawOverBorder = true;
    bool WordWrap = true;
    int FocusMargin = 1;
    int Margin = -1;
    int Spacing = 4;
    TButtonAlign TextAlignment = TButtonAlign::Center;
    // Shown pressed for good.
    bool Down() const { return down_; }
    void SetDown(bool down);

    // 0 normal, 1 hot, 2 pressed.
    int SkinState() const;
    // The running fade, or null.
    TsFadeTimer* Fade() const { return fade_.get(); }
    // The caption's rectangle in the current state.
    RECT CaptionRect(HDC dc) const;

protected:
    void CreateParams(TCreateParams& params) override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;
    bool HandleSkinCommand(TMessage& message) override;
    bool HandleSkinnedMessage(TMessage& message) override;

private:
    void StateChanged(bool press, TacAnimatEvent event);
    void StopFade() { taramel::StopFade(fade_); }
    void RebuildCache();
    void PaintTo(HDC dc, bool intoGivenDC);
    void PaintSystemLook(HDC dc);
    void ApplyRegion();
    bool SystemPushed() const;

    std::unique_ptr<TsFadeTimer> fade_;
    // The shape made by the last rebuild, applied to the window at the next
    // full repaint (the window gets a copy: this one is always ours).
    TRegionHandle pendingRegion_;
    SIZE regionSize_{0, 0};
    bool fullRepaint_ = true;
    bool pressing_ = false;
    bool down_ = false;
};

}  // namespace taramel
