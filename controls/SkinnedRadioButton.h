// The skinned radio button: its section over the parent's picture, the
// caption in the section's colours and the round mark from the skin's
// "RADIOCHECKED" and "RADIOUNCHECKED" images in the normal, hot or pressed
// state, fading between looks like the buttons. Checking and the exclusion
// of its siblings stay with the standard control.
#pragma once

#include <memory>

#include "controls/FadeTimer.h"
#include "controls/FocusLook.h"
#include "controls/RadioButton.h"
#include "controls/SkinnedControl.h"
#include "controls/SkinnedSpeedButton.h"

namespace taramel {

class TsRadioButton : public TSkinnedControl<TRadioButton, TControlClass::RadioButton, "TsRadioButton"> {
public:
    explicit TsRadioButton(TComponent* owner);
    ~TsRadioButton() override;
    std::string ClassName() const override { return "TsRadioButton"; }

    bool AutoSize = true;
    int Margin = 2;
    unsigned AnimatEvents = aeGlobalDef;
    bool ReadOnly = false;
    bool ShowFocus = true;
    int TextIndent = 0;
    bool WordWrap = false;

    // The mark's size in the active skin (16 x 16 without a mark image).
    SIZE MarkSize() const;
    // The mark's place (mark at the left).
    RECT MarkRect() const;
    // The skin image of the mark; -1 when the skin has none that draws, and
    // the system's mark takes its place.
    int MarkImage() const;
    // The state the mark is drawn in: 2 pressed, 1 hot, 0 normal.
    int MarkState() const;
    // Width and height that auto size gives.
    SIZE AutoSizeExtent() const;
    void AdjustSize();
    TsFadeTimer* Fade() const { return fade_.get(); }

protected:
    bool HandleSkinCommand(TMessage& message) override;
    bool HandleSkinnedMessage(TMessage& message) override;
    void AfterCommonCommand(TMessage& message) override;

private:
    void RebuildCache();
    void PaintTo(HDC dc);
    void StateChanged(bool press, TacAnimatEvent event);
    void StopFade() { taramel::StopFade(fade_); }

    std::unique_ptr<TsFadeTimer> fade_;
    bool pressed_ = false;
};

}  // namespace taramel
