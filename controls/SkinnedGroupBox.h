// The skinned group box: its section as a frame that starts halfway down the
// caption, the caption on a section of its own (or the check-box section),
// rebuilt at every paint over its parent's picture.
#pragma once

#include "controls/GroupBox.h"
#include "controls/SkinnedControl.h"

namespace taramel {

enum class TsCaptionLayout { clTopLeft, clTopCenter, clTopRight };

// Where the caption of a box `width` wide goes, for a caption of
// textWidth x textHeight. `skinned` adds the vertical offset to the bottom.
RECT GroupCaptionRect(int width, int textWidth, int textHeight, TsCaptionLayout layout, bool rightToLeft,
                      int yOffset, bool skinned, int bevelWidth);

class TsGroupBox : public TSkinnedControl<TGroupBox, TControlClass::GroupBox, "TsGroupBox", true> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsGroupBox"; }

    TsCaptionLayout CaptionLayout() const { return captionLayout_; }
    void SetCaptionLayout(TsCaptionLayout layout);
    int CaptionYOffset() const { return captionYOffset_; }
    void SetCaptionYOffset(int offset);
    const std::string& CaptionSkin() const { return captionSkin_; }
    void SetCaptionSkin(const std::string& section);
    // The caption's rectangle now (measured in the box's font).
    RECT CaptionRect() const;

protected:
    void Paint(TCanvas& canvas) override;
    bool HandleSkinCommand(TMessage& message) override;
    bool HandleSkinnedMessage(TMessage& message) override;

private:
    void RebuildCache();

    TsCaptionLayout captionLayout_ = TsCaptionLayout::clTopLeft;
    int captionYOffset_ = 0;
    std::string captionSkin_;
};

}  // namespace taramel
