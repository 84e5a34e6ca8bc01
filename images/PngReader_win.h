// The Win32 half of TPNGGraphic: drawing with alpha onto a device context and
// turning the picture into an icon. Neither throws for GDI failures (the
// picture is then simply not drawn, or no icon is returned), so both are safe
// to call from a paint handler; only an out-of-memory error can escape.
#pragma once

#include <windows.h>

#include "images/PngReader.h"

namespace taramel {

// Draws the image into rectangle r of canvas. A bitmap that is not 32-bit is
// drawn as an ordinary bitmap (its transparent colour left out when it has
// one); a 32-bit one is composed with its alpha over what the canvas shows,
// stretched with the halftone mode when r has another size, and with its
// fading reflection below r when the image's Reflection flag is set.
void DrawPng(TPNGGraphic& image, HDC canvas, const RECT& r);

// Builds an icon from the image (the caller destroys it with DestroyIcon).
// When forced, or when the image is not 32-bit, the pixel at (0, 0) names the
// transparent colour and every other pixel becomes opaque; otherwise the
// image's own alpha is kept. Null when the image is empty or GDI fails.
HICON MakePngIcon(const TPNGGraphic& image, bool forced);

}  // namespace taramel
