// Colour values, the named colours and the transparent key: one colour type
// for the pixel code and the window framework alike.
//
// A colour is 0x00BBGGRR: red in the low byte; a negative value (high byte
// 0xFF) names a system colour by its index in the low byte (resolved by
// render/SysColors.h). A 32-bit pixel read as a colour is 0xAABBGGRR. Pixels
// in memory are blue, green, red (and alpha), so the byte order of a pixel is
// the reverse of a colour's low three bytes.
#pragma once

#include <cstdint>

namespace taramel {

using TColor = std::int32_t;

// The key colour: red 255, green 0, blue 255. In a skin image a pixel of
// exactly this colour is transparent; as a colour parameter it means "no
// colour given" (clNone). Red and blue are equal, so the test gives the same
// answer in either channel order; compare all three channels anyway.
inline constexpr TColor TransparentKey = 0xFF00FF;

constexpr std::uint32_t Bits(TColor c) { return static_cast<std::uint32_t>(c); }
constexpr std::uint8_t RedOf(TColor c) { return static_cast<std::uint8_t>(Bits(c)); }
constexpr std::uint8_t GreenOf(TColor c) { return static_cast<std::uint8_t>(Bits(c) >> 8); }
constexpr std::uint8_t BlueOf(TColor c) { return static_cast<std::uint8_t>(Bits(c) >> 16); }
constexpr std::uint8_t HighByteOf(TColor c) { return static_cast<std::uint8_t>(Bits(c) >> 24); }

constexpr TColor MakeColor(unsigned red, unsigned green, unsigned blue, unsigned high = 0)
{
    return static_cast<TColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16 | (high & 0xFF) << 24);
}

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clGray = 0x808080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clNone = TransparentKey;
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

// A key colour that matches no pixel: operations skip key pixels only when
// the key's high byte is not 0xFF.
inline constexpr TColor kNoKey = MakeColor(0, 0, 0, 0xFF);

// The colour of a stored pixel (bytes blue, green, red), high byte 0.
constexpr TColor PixelColor(const std::uint8_t* px) { return MakeColor(px[2], px[1], px[0]); }

// Whether the three colour bytes of a stored pixel equal a colour's.
constexpr bool PixelIs(const std::uint8_t* px, TColor c)
{
    return px[0] == BlueOf(c) && px[1] == GreenOf(c) && px[2] == RedOf(c);
}

}  // namespace taramel
