#include "engine/ControlSkinState.h"

#include <algorithm>

namespace taramel {

namespace {

bool InRanges(int code, std::initializer_list<std::pair<int, int>> ranges)
{
    return std::any_of(ranges.begin(), ranges.end(),
                       [code](const std::pair<int, int>& r) { return code >= r.first && code <= r.second; });
}

}  // namespace

bool IsNoHotClass(int code)
{
    return InRanges(code, {{19, 19}, {51, 74}, {110, 110}, {141, 161}});
}

bool IsEditLikeClass(int code)
{
    return InRanges(code, {{2, 18}, {41, 41}, {76, 84}, {96, 97}, {131, 140}});
}

bool IsButtonClass(int code)
{
    return code >= 92 && code <= 94;
}

std::string DefaultSectionOf(int code)
{
    struct Entry {
        int From, To;
        const char* Section;
    };
    static constexpr Entry table[] = {
        {2, 8, "EDIT"}, {10, 10, "EDIT"}, {41, 41, "EDIT"}, {76, 76, "EDIT"}, {78, 78, "EDIT"},
        {83, 84, "EDIT"}, {96, 97, "EDIT"}, {131, 131, "EDIT"}, {140, 140, "EDIT"}, {227, 227, "EDIT"},
        {11, 18, "COMBOBOX"}, {81, 82, "COMBOBOX"}, {19, 19, "BAR"}, {20, 20, "BARTITLE"},
        {32, 32, "CHECKBOX"}, {152, 152, "CHECKBOX"}, {33, 33, "RADIOBUTTON"},
        {51, 51, "PANEL"}, {59, 59, "PANEL"}, {68, 68, "PANEL"}, {73, 73, "PANEL"},
        {52, 52, "PANEL_LOW"}, {58, 58, "PANEL_LOW"}, {53, 54, "TOOLBAR"}, {60, 60, "TOOLBAR"},
        {56, 56, "DRAGBAR"}, {57, 57, "TABSHEET"}, {74, 74, "GROUPBOX"}, {226, 226, "GROUPBOX"},
        {75, 75, "SPLITTER"}, {92, 92, "SPEEDBUTTON"}, {95, 95, "SPEEDBUTTON"}, {93, 94, "BUTTON"},
        {98, 98, "TOOLBUTTON"}, {141, 141, "PAGECONTROL"}, {143, 143, "PAGECONTROL"},
        {151, 151, "STATUSBAR"}, {161, 161, "GAUGE"}, {165, 165, "TRACKBAR"},
    };
    for (const Entry& e : table)
        if (code >= e.From && code <= e.To)
            return e.Section;
    return {};
}

std::uint16_t SectionFillFlags(const TsGeneralData& s)
{
    std::uint16_t flags = 0;
    if (s.ImagePercent != 0)
        flags |= 4;
    if (s.GradientPercent != 0 && !s.GradientArray.empty()) {
        switch (s.GradientArray.front().Mode) {
        case 0: flags |= 2; break;
        case 1: flags |= 1; break;
        case 2: flags |= 3; break;
        default: break;
        }
    }
    return flags;
}

bool SectionNeedsCache(const TsGeneralData& s, const TsMaskData* mask, bool parentPaintsDirectly)
{
    // A missing mask has no borders (a record of -1 must not be read).
    if (mask != nullptr && (mask->WL + mask->WR > 30 || mask->WT + mask->WB > 30))
        return true;
    if (s.Transparency == 100)
        return !parentPaintsDirectly;
    if (s.Transparency > 0 && s.Transparency < 100)
        return true;
    return s.ImagePercent != 0 || s.GradientPercent != 0;
}

int MaskMaxBorderWidth(const TsMaskData* mask)
{
    if (mask == nullptr || (mask->StretchMode & 2) != 0)
        return 0;
    return std::max({static_cast<int>(mask->WL), static_cast<int>(mask->WT), static_cast<int>(mask->WR),
                     static_cast<int>(mask->WB)});
}

TColor TransparencyAnswerColor(int t, TColor color, TColor parent)
{
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int c = (color >> shift) & 0xFF;
        const int p = (parent >> shift) & 0xFF;
        const int v = std::clamp((t * (p - c) + c * 256) >> 8, 0, 255);
        result |= static_cast<TColor>(v) << shift;
    }
    return result;
}

}  // namespace taramel
