// Colours as the program stores them: 0x00BBGGRR, or a negative value that
// names a system colour by its index in the low byte.
#pragma once

#include <cstdint>

namespace taramel {

using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clGray = 0x808080;
constexpr TColor clNavy = 0x800000;
// The colour value that means "no colour" (also the transparent key of skin images).
constexpr TColor clNone = 0xFF00FF;
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);

constexpr TColor RGBColor(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

// The RGB value of a colour: a system colour is looked up, anything else
// keeps its low three bytes (a stored value may carry a high byte).
std::uint32_t ColorToRGB(TColor color);

}  // namespace taramel
