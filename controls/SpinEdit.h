// An edit for an integer with bounds and a pair of arrow buttons.
//
// Value reads the text as an integer: an empty text or one that is not a
// number reads as MinValue. Writing Value shows the value clamped to
// MinValue..MaxValue (no bounds when both are equal), and leaving the field
// clamps what was typed the same way. Only digits can be typed.
#pragma once

#include "framework/WinControl.h"

#include <memory>

namespace taramel {

class TsSpinButton;

class TSpinEdit : public TWinControl {
public:
    explicit TSpinEdit(TComponent* owner);
    ~TSpinEdit() override;
    std::string ClassName() const override { return "TSpinEdit"; }

    int MinValue() const { return minValue_; }
    void SetMinValue(int value) { minValue_ = value; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value) { maxValue_ = value; }
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }

    int Value() const;
    void SetValue(int value);
    // The value limited to the bounds.
    int CheckValue(int value) const;

    // One step up or down (a beep when the field is read-only); the value
    // stops at the ends of the integers when there are no bounds.
    void UpClick();
    void DownClick();
    // The arrow buttons inside the field.
    TsSpinButton* Arrows() const { return arrows_; }
    // Whether a typed character may enter the field.
    virtual bool IsValidChar(wchar_t c) const;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void BoundsChanged() override;

private:
    void PlaceButtons();
    void WMChar(TMessage& message);
    void WMKeyDown(TMessage& message);
    void WMKillFocus(TMessage& message);
    void WMMouseWheel(TMessage& message);
    void Step(long long delta);
    void WMPaintOverArrows(TMessage& message);
    void RepaintArrows();

    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    TsSpinButton* arrows_ = nullptr;
};

}  // namespace taramel
