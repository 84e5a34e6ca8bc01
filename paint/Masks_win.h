// The Win32 halves of the mask painters: window shapes from border images
// and the opaque nine-part copy between device contexts of the form frames.
#pragma once

#include <windows.h>

#include "paint/Masks.h"

namespace taramel {

// Draws the border image's state over the whole bitmap (DrawMaskRegionParts)
// and removes the corners' key-colour pixels from the region, when one is given.
void DrawMaskRegion(const TSkinTables& tables, TBitmap& destination, HRGN region, int state, const TsMaskData& mask);

// Per side: left, top, right, bottom.
struct NineSides {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
enum TNineMode { nmTile = 0, nmStretch = 1 };

struct NinePartCopy {
    RECT Dest{};        // destination rectangle
    RECT Source{};      // source rectangle
    NineSides Borders;  // border widths of the source
    NineSides Limits;   // the most of each border drawn on the destination
    NineSides Modes;    // per edge: nmTile or nmStretch
    int CentreMode = nmTile;
    bool FillCentre = false;
};

// Opaque nine-part copy with BitBlt and StretchBlt (BLACKONWHITE): corners
// whole, edges and the centre tiled or stretched. Tiles narrower than one
// pixel are not laid, so a source whose borders fill it draws only corners.
void StretchNinePart(HDC destination, HDC source, const NinePartCopy& c);

}  // namespace taramel
