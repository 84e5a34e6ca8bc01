// What lies behind an area being painted: the parent's picture or its colour.
#pragma once

#include "render/Bitmap.h"
#include "base/Color.h"
#include "base/Geometry.h"

namespace taramel {

// Passed by value to every painter that may let the parent show through.
struct BgCache {
    const TBitmap* Bitmap = nullptr;  // the parent's picture (usually its cache bitmap)
    int X = 0;                        // column of Bitmap under the painted area's origin
    int Y = 0;                        // row likewise
    TColor SolidColor = clNone;  // the parent's colour without a bitmap; clNone: none
    bool HasBitmap = false;           // Bitmap, X and Y are valid
};

// Nothing behind: parts drawn with it take nothing from a parent. Its colour
// is the key ("none"), never black, so that no painter mistakes it for a
// black parent.
inline constexpr BgCache EmptyBgCache{nullptr, -99, 0, clNone, false};

inline BgCache BgCacheFromBitmap(const TBitmap& bitmap, int x, int y) { return {&bitmap, x, y, clNone, true}; }

// The same cache with its origin moved by (dx, dy).
inline BgCache Offset(BgCache bg, int dx, int dy)
{
    bg.X += dx;
    bg.Y += dy;
    return bg;
}

// A parent's answer to the background request. TargetDC is the device
// context to paint into when PaintNow is set (an HDC in the Win32 build).
struct BackgroundInfo {
    const TBitmap* Bitmap = nullptr;  // answer: the responder's picture (Kind 2)
    TColor Color = 0;                 // answer: the responder's colour (Kind 1)
    int OffsetX = 0;                  // answer: the responder's client origin in Bitmap
    int OffsetY = 0;
    TRect Area;                       // request: the area wanted, in the requester's coordinates
    unsigned char Kind = 0;           // 0 not answered, 1 colour, 2 bitmap
    unsigned char PaintNow = 0;       // request: paint Area into TargetDC instead
    void* TargetDC = nullptr;
};

enum : unsigned char { bikNone = 0, bikColor = 1, bikBitmap = 2 };

// A bitmap answer becomes a cache over that bitmap; anything else the
// answer's colour (a system colour resolved) without a bitmap.
BgCache BackgroundToCache(const BackgroundInfo& info);

}  // namespace taramel
