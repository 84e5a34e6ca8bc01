// Drawing the images of a skin: nine-part border images, single state images,
// stand-alone masked images and the key-colour outlines of corners.
//
// An image is a TsMaskData record: a rectangle of the skin's master bitmap or
// an own bitmap, holding ImageCount state images side by side. With MaskType 0
// pixels of the key colour are transparent; with MaskType above 0 the lower
// half of the rectangle is a mask for the upper half, per pixel and channel
// (0 shows the picture, 255 keeps the destination). Every routine here clips
// to the bitmaps it touches: a skin is outside data, and any rectangle, state
// or size it holds draws nothing outside a bitmap.
#pragma once

#include <vector>

#include "paint/BgCache.h"
#include "render/Bitmap.h"
#include "base/Geometry.h"
#include "skin/SkinTables.h"

namespace taramel {

// Window shapes: one-pixel-high runs of transparent corner pixels.
using TAOR = std::vector<TRect>;

// The bitmap the image is cut from: its own bitmap, else the skin's master
// bitmap; null when there is neither, and then nothing of it is drawn.
const TBitmap* MaskSourceBitmap(const TSkinTables& tables, const TsMaskData& mask);
// Width of one state image. An image without a usable count (ImageCount
// below 1) is one state as wide as its rectangle, so no caller divides by 0.
int StateImageWidth(const TsMaskData& mask);
// Height of the picture half: the whole height, or half of it for a masked image.
int StateImageHeight(const TsMaskData& mask);
// The state image actually drawn for a requested state: the last for one
// beyond it, 0 for a negative one.
int ClampState(const TsMaskData& mask, int state);

// Copies one part of a masked image: the half-open source rectangle of `source`
// (mask rows height(ImageRect) div 2 below) onto the half-open destination
// rectangle. Key-colour picture pixels take the parent's pixel (useBackground
// with a cache bitmap), keep the destination (a cache bitmap without
// useBackground turns the key test off), or take the cache's colour (no
// bitmap, useBackground on).
void CopyMaskPart(TBitmap& destination, TRect to, TRect from, const TsMaskData& mask, bool useBackground,
                  const BgCache& bg, const TBitmap& source);

// Copies the inclusive source rectangle of a key-colour image to (x, y):
// key pixels show the parent (cache bitmap with useBackground), stay as they
// are, or take the cache's colour when it gives one.
void CopyKeyPart(TBitmap& destination, const TBitmap& source, int x, int y, bool useBackground, const BgCache& bg,
                 TColor key, TRect from);

// Nine-part drawing of a border image's state over the rectangle: corners
// once, edges and the centre tiled (or stretched, StretchMode bit 0, for key
// images). StretchMode bit 1 hides the image in state 0; bit 2 lets the
// centre be drawn when fillCentre asks for it.
void DrawMaskRect(const TSkinTables& tables, TBitmap& destination, TRect r, bool fillCentre, bool useBackground,
                  int state, const TsMaskData& mask, const BgCache& bg);

// Whether DrawMaskImage would draw anything of the image at `index`: it
// exists, has states of at least one pixel and has its pixels (its own
// picture covering its rectangle, or the master bitmap). Callers that offer a
// built-in look for a missing image use it for an unusable one too.
bool DrawableStateImage(const TSkinTables& tables, int index);

// One state image with its top-left corner at (x, y); the part left of or
// above the bitmap is cut off. Draw mode 1 is normal, any other half-transparent.
void DrawMaskImage(const TSkinTables& tables, TBitmap& destination, TPoint at, int state, const BgCache& bg,
                   const TsMaskData& mask, int drawMode);

// Per-pixel copy of the inclusive source rectangle to the inclusive
// destination rectangle through the image's mask half (key pixels skipped),
// or of the non-key pixels for a key image.
void BlendMaskImage(TRect to, TRect from, TBitmap& destination, const TsMaskData& mask, int drawMode, TColor key,
                    const TBitmap& source);

// A stand-alone image onto a bitmap: a 24-bit picture with its mask in the
// lower half, or a 32-bit picture whose alpha is the mask.
void CopyImageThroughMask(TBitmap& destination, TRect to, TRect from, bool useBackground, const BgCache& bg,
                          const TBitmap& source);

// Appends the key-colour runs of the top (bottom false) or bottom corners of
// the image's first state, placed for a target `targetWidth` wide, rows from y.
void CollectKeyRects(const TSkinTables& tables, TAOR& rects, int targetWidth, const TsMaskData& mask, bool bottom,
                     int y);

// The nine parts of a border image's state over the whole bitmap, for a
// window shape: the corners' non-key pixels are copied (through the mask half
// of a masked image) and their key-colour runs appended to `cut` as
// one-pixel-high rectangles to remove from the window's region; edges are
// tiled, or stretched with StretchMode bit 0 unless the image has a single
// state; the centre is drawn when StretchMode bit 2 is set.
void DrawMaskRegionParts(const TSkinTables& tables, TBitmap& destination, int state, const TsMaskData& mask,
                         TAOR& cut);

}  // namespace taramel
