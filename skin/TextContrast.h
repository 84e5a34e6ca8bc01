// How readable a skin's texts are: the contrast ratio of each section's text
// colour against the surface it is drawn on, by the WCAG 2 formula (1:1 for
// equal colours up to 21:1 for black on white; 4.5:1 is the least for
// ordinary text).
#pragma once

#include <string>
#include <vector>

#include "base/Color.h"
#include "skin/SkinTables.h"

namespace taramel {

// Relative luminance 0..1 of a plain colour (0x00BBGGRR), sRGB decoded.
double RelativeLuminance(TColor color);
// (lighter + 0.05) / (darker + 0.05); the order of the colours does not matter.
double ContrastRatio(TColor a, TColor b);

inline constexpr double kMinTextContrast = 4.5;

// The weakest contrast of one section's text in one state.
struct TTextContrast {
    std::string Section;
    bool Hot = false;
    TColor Text = 0;
    TColor Surface = 0;  // the surface colour that gives the weakest ratio
    double Ratio = 0;
};

// For every section, normal and hot: the text colour (FONTCOLOR,
// HOTFONTCOLOR) against every colour its background can show. The surface
// is the section's colour; with a gradient, each band's end colours mixed
// with that colour by the gradient's percent; then, with transparency, each
// of those mixed with the skin's global background (what a control usually
// stands on) by the transparency percent. Texture images are not looked at.
// System colours are resolved.
std::vector<TTextContrast> SectionTextContrasts(const TSkinTables& tables);

}  // namespace taramel
