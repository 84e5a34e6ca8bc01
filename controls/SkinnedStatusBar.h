// The skinned status bar: its section, panel frames or dividers between the
// panels, the panel texts and the size grip, all painted into its cache;
// child controls (link buttons) paint over it.
#pragma once

#include <vector>

#include "controls/SkinnedControl.h"
#include "controls/StatusBar.h"

namespace taramel {

// The areas of the panels on a bar of width x height: side by side from the
// left, the last reaching the right edge; one area (0, 1, W - 1, H - 1) for
// a bar without panels.
std::vector<RECT> StatusPanelAreas(int width, int height, const std::vector<TStatusPanel>& panels);
// Whether a control's rectangle reaches outside its parent's client area
// (then its look depends on what the parent shows and is rebuilt each time).
bool ReachesOutside(const RECT& bounds, const RECT& parentClient);

class TsStatusBar : public TSkinnedControl<TStatusBar, TControlClass::StatusBar, "TsStatusBar", true> {
public:
    explicit TsStatusBar(TComponent* owner);
    std::string ClassName() const override { return "TsStatusBar"; }
    // How many times the cache was rebuilt (its cost is what a paint saves).
    int CacheBuilds() const { return builds_; }

protected:
    bool HandleSkinCommand(TMessage& message) override;
    bool HandleSkinnedMessage(TMessage& message) override;

private:
    void PaintTo(HDC dc, const RECT& clip);
    void UpdateCache();
    void RebuildCache();
    void DrawPanel(HDC dc, RECT area, const std::string& text, TAlignment alignment, bool last, bool simple);
    void DrawGrip();

    int builds_ = 0;
};

}  // namespace taramel
