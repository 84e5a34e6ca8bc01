// An edit for an integer with bounds and a pair of arrow buttons.
//
// Value reads the text as an integer: an empty text or one that is not a
// number reads as MinValue. Writing Value shows the value clamped to
// MinValue..MaxValue (no bounds when both are equal), and leaving the field
// clamps what was typed the same way. Only digits can be typed.
#pragma once

#include "framework/WinControl.h"

namespace taramel {

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

    void UpClick();
    void DownClick();
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
    void WMNotify(TMessage& message);
    void WMKillFocus(TMessage& message);
    void WMPaintOverArrows(TMessage& message);
    void RepaintArrows();

    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    HWND buttons_ = nullptr;
};

}  // namespace taramel
