#include "controls/Shape.h"

#include <algorithm>

namespace taramel {

TShape::TShape(TComponent* owner) : TGraphicControl(owner)
{
    StoreBounds(0, 0, 65, 65);
}

void TShape::Paint(TCanvas& canvas)
{
    // The outline lies inside the bounds: half the pen on each side of the
    // geometric line, as the system draws a wide pen.
    const int inset = pen_.Width / 2;
    const int width = std::max(Width() - pen_.Width + 1, 1);
    const int height = std::max(Height() - pen_.Width + 1, 1);
    HDC dc = canvas.Handle();
    TBrushHandle brush(brush_.Style == TBrushStyle::Solid ? CreateSolidBrush(ColorToRGB(brush_.Color)) : nullptr);
    TPenHandle pen(pen_.Width > 0 ? CreatePen(PS_SOLID, pen_.Width, ColorToRGB(pen_.Color)) : nullptr);
    TSelectObject selectBrush(dc, brush ? static_cast<HGDIOBJ>(brush.Get()) : GetStockObject(NULL_BRUSH));
    TSelectObject selectPen(dc, pen ? static_cast<HGDIOBJ>(pen.Get()) : GetStockObject(NULL_PEN));
    const int oldRop = SetROP2(dc, pen_.Mode == TPenMode::Mask ? R2_MASKPEN : R2_COPYPEN);
    ::Rectangle(dc, inset, inset, inset + width, inset + height);
    SetROP2(dc, oldRop);
}

}  // namespace taramel
