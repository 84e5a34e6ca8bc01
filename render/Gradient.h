// Gradients of skin sections: the text form, its parsed array and painting.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "render/Bitmap.h"
#include "base/Color.h"
#include "base/Geometry.h"

namespace taramel {

struct GradientPiece {
    TColor Color1 = 0;         // colour at the start of the band (0x00BBGGRR)
    TColor Color2 = 0;         // colour at the end of the band
    std::uint8_t Percent = 0;  // the band's share of the extent, 0..100
    std::int32_t Mode = 0;     // 0 vertical bands, 1 horizontal, 2 four corners (first piece's counts)
};

using TsGradArray = std::vector<GradientPiece>;

enum GradientMode : std::int32_t { gmVertical = 0, gmHorizontal = 1, gmFourCorners = 2 };

// Parses "c1;c2;percent;mode;unused;..." (runs of semicolons act as one,
// words in groups of five, an incomplete last group ignored). Colours below 0
// become 0, the percent is clamped to 0..100. A word that is not an integer
// raises taramel::Exception "'word' is not a valid integer value"; the array
// then holds the pieces read so far and zero pieces after them.
void ParseGradientData(std::string_view text, TsGradArray& array);

// Paints the array into the rectangle of a 24- or 32-bit bitmap (32-bit
// pixels get alpha 255). Offset is added to the start of vertical bands and
// to the height they are measured against. Other formats, empty arrays and
// empty rectangles paint nothing.
void PaintGradient(TBitmap& bitmap, TRect rect, const TsGradArray& array, int offset = 0);

}  // namespace taramel
