// The Win32 half of the work bitmap: pixels in a DIB section selected into a
// memory device context of its own, so that GDI text and screen copies draw
// into the same memory the pixel routines address.
#pragma once

#include <windows.h>

#include "render/Bitmap.h"

namespace taramel {

// Makes every bitmap created from now on a DIB section. Called once at
// start-up, before any bitmap exists.
void InstallDibSectionStorage();

// The memory device context with the bitmap's DIB section selected, or null
// for an empty bitmap or one kept on the heap. GDI may batch its drawing:
// call GdiFlush after drawing through the context and before reading the
// pixels through the row addresses.
HDC BitmapDC(TBitmap& bitmap);
// The DIB section itself, or null as above.
HBITMAP BitmapHandle(TBitmap& bitmap);

// Pixel storage for one DIB section; exposed for the factory and tests.
std::unique_ptr<PixelStorage> CreateDibPixelStorage(const PixelStorageRequest& request);

}  // namespace taramel
