#include "controls/GroupBox.h"

namespace taramel {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner)
{
    StoreBounds(0, 0, 185, 105);
    SetParentColor(true);
}

void TGroupBox::Paint(TCanvas& canvas)
{
    const RECT client = ClientRect();
    canvas.Brush.Color = Color();
    canvas.FillRect(client);
    canvas.Font = Font();
    const std::string text = Caption();
    const SIZE extent = canvas.TextExtent(text.empty() ? std::string("0") : text);
    // The frame runs through the middle of the caption's line.
    RECT frame{client.left, client.top + extent.cy / 2, client.right, client.bottom};
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty())
        return;
    RECT caption{8, 0, 8 + extent.cx + 4, extent.cy};
    canvas.FillRect(caption);
    caption.left += 2;
    if (!Enabled())
        canvas.Font.SetColor(clGrayText);
    canvas.DrawText(caption, text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace taramel
