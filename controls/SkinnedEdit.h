// The skinned edit: the system keeps painting the text of an enabled field,
// in the section's colours (the hot ones while it has the focus or the
// mouse); its frame, as wide as the window's real edge, comes from the
// section painted over the parent's picture, and a disabled field is drawn
// whole from the cache, faded into its parent.
#pragma once

#include "controls/Edit.h"
#include "controls/SkinnedControl.h"
#include "framework/Handles.h"
#include "render/PaintDisabled.h"

namespace taramel {

class TsEdit : public TSkinnedControl<TEdit, TControlClass::Edit, "TsEdit", true> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsEdit"; }

    // How a disabled field fades (TsDisabledKind bits).
    unsigned DisabledKind = dkBlended;

    // The field's background and text colours now (skinned only).
    TColor FieldColor() const;
    TColor FieldFontColor() const;
    // The width of the frame: the window's edge outside its client area.
    int BorderWidth() const;
    // Rebuilds the cache: the whole window's look, frame and text.
    void RebuildCache();

protected:
    bool HandleSkinnedMessage(TMessage& message) override;
    // Paints what lies over the field into the cache before a disabled
    // field is faded (the cache covers the whole window).
    virtual void PaintDisabledExtras(TBitmap& /*cache*/) {}

private:
    void PaintFrame();
    void PaintDisabledClient(TMessage& message);
    void PrintClient(TMessage& message);
    void HotStateChanged(TMessage& message);
    LRESULT FieldBrush(HDC dc);
    TBrushHandle brush_;
    TColor brushColor_ = -1;
};

}  // namespace taramel
