#include "controls/SkinnedSpinEdit.h"

#include "controls/SpinButton.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace taramel {

TsSpinEdit::TsSpinEdit(TComponent* owner) : TsBaseSpinEdit(owner) {}

int TsSpinEdit::Value() const
{
    std::string text = Caption();
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return minValue_;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    int value = 0;
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end)
        return minValue_;
    return value;
}

int TsSpinEdit::CheckValue(int value) const
{
    if (minValue_ == maxValue_)
        return value;
    return std::clamp(value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

void TsSpinEdit::SetValue(int value)
{
    SetCaption(std::to_string(CheckValue(value)));
}

void TsSpinEdit::StepBy(long long steps)
{
    // Without bounds a step past the largest or smallest integer stays there
    // instead of wrapping round to the other end.
    const long long next = std::clamp<long long>(static_cast<long long>(Value()) + steps * increment_,
                                                 std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SetValue(static_cast<int>(next));
}

bool TsSpinEdit::IsValidChar(wchar_t c) const
{
    return (c >= L'0' && c <= L'9') || (c < 32 && c != L'\r');
}

void TsSpinEdit::WndProc(TMessage& m)
{
    if (m.Msg != WM_KILLFOCUS)
        return TsBaseSpinEdit::WndProc(m);
    // Leaving the field brings what was typed within the bounds.
    TsBaseSpinEdit::WndProc(m);
    const int value = Value();
    if (CheckValue(value) != value)
        SetValue(value);
}

}  // namespace taramel
