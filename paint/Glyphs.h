// Button glyphs: choosing the image of a glyph strip for a button state and
// drawing it with its transparent colour, and placing glyph and caption
// inside a button.
#pragma once

#include "render/Bitmap.h"
#include "base/Geometry.h"

namespace taramel {

// The kinds of disabled glyph, as a set of bits.
enum TsDisabledGlyphKind : unsigned { dgGrayed = 1, dgBlended = 2 };

// How one glyph is drawn.
struct GlyphDraw {
    bool Down = false;       // the button stays down (the strip's fourth image)
    int BlendPercent = 0;    // 0..100: how much of the destination the normal glyph keeps
    int State = 0;           // 0 normal, 1 hot, 2 pressed
    unsigned DisabledKinds = 0;
    bool Enabled = true;
    int NumGlyphs = 1;       // images side by side in the strip
};

// The strip image used: 0 normal, 1 hot, 2 pressed, 3 down (fewer images and
// 16-colour strips fall back to the ones they have). -1 for a strip without images.
int GlyphIndex(const TBitmap& glyph, const GlyphDraw& d);

// Draws the glyph for the state with its top-left corner at `at`. The
// transparent colour is the bottom-left pixel of the image used.
void DrawGlyph(const TBitmap& glyph, TBitmap& destination, TPoint at, const GlyphDraw& d);

// A caption button's glyph centred in `r` of a 24- or 32-bit destination:
// a 32-bit glyph laid over by its alpha, any other one copied without the
// colour of its bottom-left pixel. Pixels outside the destination are
// skipped; the ones drawn on a 32-bit destination become opaque.
void DrawCentredGlyph(TBitmap& destination, const TBitmap& glyph, const TRect& r);

enum TGlyphLayout { glGlyphLeft = 0, glGlyphRight = 1, glGlyphTop = 2, glGlyphBottom = 3 };
enum TGlyphAlignment { gaLeft = 0, gaRight = 1, gaCenter = 2 };

struct GlyphTextLayout {
    TRect TextRect;  // where the caption goes
    TPoint Glyph;    // the glyph's top-left corner
};

// Places a glyph of glyphW x glyphH and a caption of textW x textH inside the
// client rectangle. Spacing -1 and margin -1 share the free space in three;
// margin -1 with a given spacing is 2; a given margin with spacing -1 centres
// the pair in what the margin leaves. Right-to-left swaps glyph left and right.
GlyphTextLayout LayoutGlyphAndText(const TRect& client, int glyphW, int glyphH, int textW, int textH,
                                   bool rightToLeft, int spacing, int margin, int alignment, int layout);

}  // namespace taramel
