// Textures of skin sections: tiled or stretched pictures that fill all or
// part of a rectangle.
#pragma once

#include "paint/BgCache.h"
#include "render/Bitmap.h"
#include "base/Geometry.h"
#include "skin/SkinTables.h"

namespace taramel {

// What PaintTexture and PaintMaskedTexture return when nothing is left for
// the caller to fill.
inline constexpr TRect kNothingLeft{-1, -1, -1, -1};

// Tiles the bitmap over the rectangle from its top-left corner, the last
// column and row cut. Nothing for a missing or empty bitmap.
void TileBitmap(TBitmap& destination, const TRect& r, const TBitmap* tile);

// Fills all or part of r with a texture and returns in r the part the caller
// must still fill (its section colour), kNothingLeft when nothing is. An own
// texture bitmap is tiled over all of r; otherwise the image's rectangle of
// the master bitmap is placed by `code`:
//   0 tiled over r                       1 stretched over r
//   2 a row of tiles along the top       3 a column of tiles along the left
//   4 stretched along the top            5 stretched along the left
//   6 a row of tiles along the bottom    7 a column of tiles along the right
//   10 whole tiles only, the bottom strip left as it is
// Codes 2 to 7 leave the rest of r; any other code tiles r as code 0 and
// leaves its rightmost tile-wide columns. Without a source bitmap, or with an
// empty tile, nothing is drawn and r comes back unchanged.
void PaintTexture(const TSkinTables& tables, TBitmap& destination, TRect& r, const TBitmap* ownTexture, int code,
                  const TsMaskData& mask);

// The same for a texture with a mask half: codes 0 and 10 tile state image 0
// through its mask (key pixels show the cache). Code 0 covers all of r; code
// 10 lays whole tiles only and fills the uncovered bottom and right strips
// from the cache (its picture, else its colour when it has one). Other codes
// draw nothing and return r unchanged.
void PaintMaskedTexture(const TSkinTables& tables, TBitmap& destination, TRect& r, const BgCache& bg, int code,
                        const TsMaskData& mask);

// Fills the rectangle of a 24- or 32-bit bitmap with an opaque colour (a
// system colour resolved), clipped to the bitmap.
void FillSolidRect(TBitmap& destination, const TRect& r, TColor color);

}  // namespace taramel
