#include "controls/SpinButton.h"

#include "engine/SkinCommand_win.h"
#include "framework/Handles.h"
#include "skin/SkinLookups.h"

namespace taramel {

TsTimerSpeedButton::TsTimerSpeedButton(TComponent* owner, TArrow arrow) : TsSpeedButton(owner), arrow_(arrow)
{
    SkinData()->SetSkinSection("SPEEDBUTTON_SMALL");
    ShowCaption = false;
}

TsTimerSpeedButton::~TsTimerSpeedButton()
{
    timer_.reset();
}

TColor TsTimerSpeedButton::ArrowColor() const
{
    const TsCommonData& data = *SkinData();
    const TSkinTables* t = data.Tables();
    if (!SkinnedNow() || t == nullptr || !SectionExists(*t, data.SectionIndex))
        return Enabled() ? const_cast<TsTimerSpeedButton*>(this)->Font().Color() : clGrayText;
    if (SkinState() > 0)
        return t->Sections[data.SectionIndex].FontColor[0];
    // At rest the arrows take the text colour of the field they belong to.
    auto* spin = dynamic_cast<TsSpinButton*>(Parent());
    TControl* field = spin != nullptr ? spin->FocusControl : nullptr;
    // The answer is the section's index plus one, 0 for an unskinned field.
    const LRESULT index =
        field != nullptr ? field->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_SKIN_INDEX), 0) - 1 : -1;
    if (SectionExists(*t, static_cast<int>(index)))
        return t->Sections[index].FontColor[0];
    return t->Sections[data.SectionIndex].FontColor[0];
}

void TsTimerSpeedButton::Paint(TCanvas& canvas)
{
    TsSpeedButton::Paint(canvas);
    // The triangle is drawn over every look, skinned or not: without it the
    // field would show two blank buttons.
    const int x0 = (Width() - 9) / 2;
    const int y0 = (Height() - 5) / 2;
    const int base = arrow_ == TArrow::Down ? y0 + 1 : y0 + 4;
    const int apex = arrow_ == TArrow::Down ? y0 + 4 : y0 + 1;
    const POINT points[3] = {{x0 + 1, base}, {x0 + 7, base}, {x0 + 4, apex}};
    const COLORREF colour = ColorToRGB(ArrowColor());
    TBrushHandle brush(CreateSolidBrush(colour));
    TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    HDC dc = canvas.Handle();
    const int saved = SaveDC(dc);
    SelectObject(dc, brush.Get());
    SelectObject(dc, pen.Get());
    Polygon(dc, points, 3);
    RestoreDC(dc, saved);
}

void TsTimerSpeedButton::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (auto* spin = dynamic_cast<TsSpinButton*>(Parent()))
            if (TWinControl* field = spin->FocusControl; field && field->CanFocus() && !field->Focused())
                field->SetFocus();
        if (AllowTimer) {
            if (!timer_) {
                timer_ = std::make_unique<TTimer>(nullptr);
                timer_->OnTimer = [this](TObject*) { RepeatTick(); };
            }
            timer_->SetEnabled(false);
            timer_->SetInterval(400);
            timer_->SetEnabled(true);
        }
    }
    TsSpeedButton::MouseDown(button, shift, x, y);
}

void TsTimerSpeedButton::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        StopRepeat();
    TsSpeedButton::MouseUp(button, shift, x, y);
}

void TsTimerSpeedButton::StopRepeat()
{
    if (timer_)
        timer_->SetEnabled(false);
}

void TsTimerSpeedButton::RepeatTick()
{
    if (!timer_)
        return;
    timer_->SetInterval(100);
    TWinControl* parent = Parent();
    if (parent == nullptr || !parent->HandleAllocated() || GetCapture() != parent->Handle()) {
        // The mouse went up somewhere the button did not see.
        StopRepeat();
        return;
    }
    try {
        Click();
    } catch (...) {
        StopRepeat();
        throw;
    }
}

TsSpinButton::TsSpinButton(TComponent* owner) : TWinControl(owner)
{
    StoreBounds(0, 0, 15, 20);
    SetTabStop(false);
    up_ = new TsTimerSpeedButton(this, TsTimerSpeedButton::TArrow::Up);
    down_ = new TsTimerSpeedButton(this, TsTimerSpeedButton::TArrow::Down);
    up_->SetParent(this);
    down_->SetParent(this);
    up_->OnClick = [this](TObject*) {
        if (OnUpClick)
            OnUpClick();
    };
    down_->OnClick = [this](TObject*) {
        if (OnDownClick)
            OnDownClick();
    };
    PlaceButtons();
}

void TsSpinButton::PlaceButtons()
{
    const int half = Height() / 2;
    up_->SetBounds(0, 0, Width(), half);
    down_->SetBounds(0, half, Width(), Height() - half);
}

void TsSpinButton::BoundsChanged()
{
    TWinControl::BoundsChanged();
    PlaceButtons();
}

void TsSpinButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = 1; return;
    default: TWinControl::WndProc(m);
    }
}

}  // namespace taramel
