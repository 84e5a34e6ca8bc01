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
#include "controls/DownButton.h"
#include "controls/FadeTimer.h"
#include "controls/FocusLook.h"
#include "controls/ImageList.h"
#include "controls/SkinnedControl.h"
#include "controls/SkinnedSpeedButton.h"
#include "framework/Handles.h"
#include "paint/Glyphs.h"
#include "render/PaintDisabled.h"

namespace taramel {

class TsBitBtn : public TDownButton<TSkinnedControl<TBitBtn, TControlClass::BitButton, "TsBitBtn", true>> {
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
    // The glyph: NumGlyphs states side by side (normal, hot, pressed, down),
    // or, when the standard glyph is empty, image ImageIndex of Images (a
    // list that outlives the button).
    TBitmap Glyph;
    int NumGlyphs = 1;
    TCustomImageList* Images = nullptr;
    int ImageIndex = -1;
    // Grey while not hot; how much of the picture under it the normal glyph
    // lets through (percent); lifted by a sixth of its width for a reflection.
    bool Grayed = false;
    int Blend = 0;
    bool Reflected = false;
    unsigned DisabledGlyphKind = dgBlended;
    unsigned DisabledKind = dkBlended;
    // Where the glyph goes beside the caption, and how the pair is aligned.
    TGlyphLayout Layout = glGlyphLeft;
    TGlyphAlignment Alignment = gaCenter;
    // 0 normal, 1 hot, 2 pressed.
    int SkinState() const;
    // The running fade, or null.
    TsFadeTimer* Fade() const { return fade_.get(); }
    // The caption's rectangle in the current state.
    RECT CaptionRect(HDC dc) const;
    // The glyph's size (0 x 0 without one) and its place in the current state.
    SIZE GlyphSize() const;
    RECT GlyphRect(HDC dc) const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Loaded() override;
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
    bool ImageShown() const;
    GlyphTextLayout PlaceGlyphAndCaption(HDC dc) const;
    void DrawGlyphInto(TBitmap& target, TPoint at, int state);
    void DrawGlyphOnDC(HDC dc, TPoint at, int state);

    std::unique_ptr<TsFadeTimer> fade_;
    // The shape made by the last rebuild, applied to the window at the next
    // full repaint (the window gets a copy: this one is always ours).
    TRegionHandle pendingRegion_;
    SIZE regionSize_{0, 0};
    bool fullRepaint_ = true;
    bool pressing_ = false;
    // Set while a press starts its fade: the system marks the button pushed
    // only after our handler, but the fade heads for the pressed look now.
    bool pressStarting_ = false;
};

}  // namespace taramel
