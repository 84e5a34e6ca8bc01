// The base of the spin edits: a skinned edit with a pair of arrow buttons
// inside its right edge that repeat while held, the Up and Down keys and the
// mouse wheel stepping, and a check of every typed character.
#pragma once

#include "controls/SkinnedEdit.h"

#include <functional>

namespace taramel {

class TsSpinButton;

class TsBaseSpinEdit : public TsEdit {
public:
    explicit TsBaseSpinEdit(TComponent* owner);
    ~TsBaseSpinEdit() override;
    std::string ClassName() const override { return "TsBaseSpinEdit"; }

    // Typing allowed (the arrows, keys and wheel still step when not).
    bool EditorEnabled = true;
    // Replace the stepping of the up and down operations when set.
    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

    // One step up or down: a beep when the field is read-only, else the
    // event, else the field's own step.
    void UpClick();
    void DownClick();
    // The arrow buttons inside the field.
    TsSpinButton* Arrows() const { return arrows_; }
    // Whether a typed character may enter the field: digits, signs, the
    // decimal separator and the control characters except Enter.
    virtual bool IsValidChar(wchar_t c) const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void BoundsChanged() override;
    void AfterCommonCommand(TMessage& message) override;
    void PaintDisabledExtras(TBitmap& cache) override;
    // The field's own step by `steps` increments (nothing in the base).
    virtual void StepBy(long long /*steps*/) {}

private:
    void PlaceButtons();
    void ShowArrows();
    void WMChar(TMessage& message);
    void WMKeyDown(TMessage& message);
    void WMMouseWheel(TMessage& message);
    void WMPaintOverArrows(TMessage& message);
    void RepaintArrows();

    TsSpinButton* arrows_ = nullptr;
};

}  // namespace taramel
