#include "skin/TextContrast.h"

#include <algorithm>
#include <cmath>

#include "render/SysColors.h"

namespace taramel {

namespace {

double Linear(std::uint8_t channel)
{
    const double v = channel / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// a weighted by percent, b by the rest, per channel (rounded).
TColor Mix(TColor a, TColor b, int percent)
{
    percent = std::clamp(percent, 0, 100);
    auto channel = [&](std::uint8_t x, std::uint8_t y) {
        return static_cast<unsigned>(std::lround((x * percent + y * (100 - percent)) / 100.0));
    };
    return MakeColor(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)), channel(BlueOf(a), BlueOf(b)));
}

TTextContrast Weakest(const TsGeneralData& s, bool hot, TColor behind)
{
    const TColor color = ResolveColor(hot ? s.HotColor : s.Color);
    const int gradientPercent = hot ? s.HotGradientPercent : s.GradientPercent;
    const TsGradArray& gradient = hot ? s.HotGradientArray : s.GradientArray;
    const int transparency = hot ? s.HotTransparency : s.Transparency;

    std::vector<TColor> surfaces;
    if (gradientPercent > 0 && !gradient.empty()) {
        for (const GradientPiece& piece : gradient)
            for (TColor end : {piece.Color1, piece.Color2})
                surfaces.push_back(Mix(end, color, gradientPercent));
    } else {
        surfaces.push_back(color);
    }
    if (transparency > 0)
        for (TColor& surface : surfaces)
            surface = Mix(behind, surface, transparency);

    TTextContrast weakest{s.SectionName, hot, ResolveColor(hot ? s.HotFontColor[0] : s.FontColor[0]), 0, 22.0};
    for (TColor surface : surfaces) {
        const double ratio = ContrastRatio(weakest.Text, surface);
        if (ratio < weakest.Ratio) {
            weakest.Ratio = ratio;
            weakest.Surface = surface;
        }
    }
    return weakest;
}

}  // namespace

double RelativeLuminance(TColor color)
{
    return 0.2126 * Linear(RedOf(color)) + 0.7152 * Linear(GreenOf(color)) + 0.0722 * Linear(BlueOf(color));
}

double ContrastRatio(TColor a, TColor b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<TTextContrast> SectionTextContrasts(const TSkinTables& tables)
{
    TColor behind = MakeColor(255, 255, 255);
    for (const TsGeneralData& s : tables.Sections)
        if (s.SectionName == s_GlobalInfo) {
            behind = ResolveColor(s.Color);
            break;
        }
    std::vector<TTextContrast> result;
    for (const TsGeneralData& s : tables.Sections)
        for (bool hot : {false, true})
            result.push_back(Weakest(s, hot, behind));
    return result;
}

}  // namespace taramel
