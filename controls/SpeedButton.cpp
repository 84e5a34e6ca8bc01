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

TControlState TSpeedButton::State() const
{
    TControlState state;
    state.Pressed = pressed_ && MouseInControl();
    state.Hot = MouseInControl() && Enabled();
    state.Disabled = !Enabled();
    return state;
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
    const TControlState state = State();
    if (!flat_) {
        DrawFrameControl(canvas.Handle(), &rect, DFC_BUTTON,
                         DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (state.Pressed ? DFCS_PUSHED : 0));
    } else if (state.Pressed || state.Hot) {
        DrawEdge(canvas.Handle(), &rect, state.Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    RECT text = ClientRect();
    if (state.Pressed)
        OffsetRect(&text, 1, 1);
    canvas.Font = Font();
    if (state.Disabled)
        canvas.Font.SetColor(clGrayText);
    canvas.DrawText(text, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace taramel
