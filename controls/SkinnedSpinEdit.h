// An edit for an integer with bounds and a pair of arrow buttons.
//
// Value reads the text as an integer: an empty text or one that is not a
// number reads as MinValue. Writing Value shows the value clamped to
// MinValue..MaxValue (no bounds when both are equal), and leaving the field
// clamps what was typed the same way. Only digits can be typed.
#pragma once

#include "controls/SpinEdit.h"

namespace taramel {

class TsSpinEdit : public TsBaseSpinEdit {
public:
    explicit TsSpinEdit(TComponent* owner);
    std::string ClassName() const override { return "TsSpinEdit"; }

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

    // Digits and the control characters except Enter.
    bool IsValidChar(wchar_t c) const override;

protected:
    void WndProc(TMessage& message) override;
    // The value stops at the ends of the integers when there are no bounds.
    void StepBy(long long steps) override;

private:
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
};

}  // namespace taramel
