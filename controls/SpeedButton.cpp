#include "controls/SpeedButton.h"

namespace taramel {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner)
{
    StoreBounds(0, 0, 23, 22);
    SetParentColor(true);
}

void TSpeedButton::SetFlat(bool flat)
{
    flat_ = flat;
    Invalidate();
}

int TSpeedButton::State() const
{
    if (pressed_ && MouseInControl())
        return 2;
    return MouseInControl() && Enabled() ? 1 : 0;
}

void TSpeedButton::MouseEnter()
{
    TGraphicControl::MouseEnter();
    Invalidate();
}

void TSpeedButton::MouseLeave()
{
    TGraphicControl::MouseLeave();
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        pressed_ = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        pressed_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::EnabledChanged()
{
    pressed_ = false;
    Invalidate();
}

void TSpeedButton::Paint(TCanvas& canvas)
{
    RECT rect = ClientRect();
    const int state = State();
    if (!flat_) {
        DrawFrameControl(canvas.Handle(), &rect, DFC_BUTTON,
                         DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (state == 2 ? DFCS_PUSHED : 0));
    } else if (state > 0) {
        DrawEdge(canvas.Handle(), &rect, state == 2 ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    RECT text = ClientRect();
    if (state == 2)
        OffsetRect(&text, 1, 1);
    canvas.Font = Font();
    if (!Enabled())
        canvas.Font.SetColor(clGrayText);
    canvas.DrawText(text, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace taramel
