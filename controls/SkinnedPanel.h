// The skinned panel: its section painted through a cache (or straight onto
// the screen for an opaque plain section), its caption in the section's
// colours, and the answers its children need to paint over it.
#pragma once

#include <functional>

#include "controls/Panel.h"
#include "controls/SkinnedControl.h"

namespace taramel {

using TPaintEvent = std::function<void(TObject* sender, TCanvas& canvas)>;

// The skin commands every skinned container forwards to its children.
bool IsForwardedToChildren(std::uint16_t code);
// The message to the container's children, keeping the container's answer.
void ForwardToChildren(TWinControl& container, const TMessage& message);
// The skin commands every skinned container answers alike: a new skin and
// the end of an animation go to the children (a new skin also reaches the
// container's own skin state when it comes from its manager), and the
// container says it is skinned. False for any other command.
bool HandleContainerSkinCommand(TWinControl& container, TsCommonData& data, TMessage& message);
// Tells the windowed children that the container's picture is ready: a
// child that painted nothing while it was being made paints now.
void EndParentUpdateOfChildren(TWinControl& container);
// The caption of a skinned container in its section's colours: one line as
// high as a "W", centred vertically in `rect`.
void DrawContainerCaption(HDC dc, TControl& control, const TsCommonData& data, RECT rect, UINT alignment);

class TsPanel : public TSkinnedControl<TPanel, TControlClass::Panel, "TsPanel", true> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsPanel"; }

    // User painting on the canvas being painted (the cache's while painting
    // through the cache).
    TPaintEvent OnPaint;
    // The width of the bevels, from the panel's edge to its inner area.
    int FrameWidth() const;

protected:
    void Paint(TCanvas& canvas) override;
    bool HandleSkinCommand(TMessage& message) override;
    bool HandleSkinnedMessage(TMessage& message) override;

private:
    void PaintSkinned(HDC dc);
    void PaintDirect(HDC dc);
    void RebuildCache();
    void DrawCaption(HDC dc);
};

}  // namespace taramel
