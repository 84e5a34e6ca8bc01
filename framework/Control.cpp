#include "framework/Control.h"

#include "base/Exception.h"
#include "base/ScopedFlag.h"
#include "framework/WinControl.h"

#include <windowsx.h>

namespace taramel {

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    WindowProc = [this](TMessage& message) { WndProc(message); };
    font_.OnChange = [this] { FontAttributeChanged(); };
}

TControl::~TControl()
{
    Destroying();
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        throw Exception("A control cannot be its own parent");
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = nullptr;
    if (parent) {
        parent->InsertControl(this);
        parent_ = parent;
        if (parentFont_)
            ParentFontChanged();
        if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed && parent->HandleAllocated())
            windowed->HandleNeeded();
        parent->AlignControls();
        Invalidate();
    }
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    if (parent_ && visible_)
        parent_->InvalidateRect(BoundsRect());
    StoreBounds(left, top, width, height);
    BoundsChanged();
}

void TControl::StoreBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::BoundsChanged()
{
    if (parent_) {
        parent_->AlignControls();
        Invalidate();
    }
}

void TControl::SetAlign(TAlign align)
{
    if (align_ != align) {
        align_ = align;
        if (parent_)
            parent_->AlignControls();
    }
}

void TControl::SetVisible(bool visible)
{
    if (visible_ != visible) {
        if (!visible && parent_)
            parent_->InvalidateRect(BoundsRect());
        visible_ = visible;
        Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    }
}

void TControl::VisibleChanged()
{
    if (parent_) {
        parent_->AlignControls();
        Invalidate();
    }
}

bool TControl::Showing() const
{
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Perform(CM_ENABLEDCHANGED);
    }
}

TColor TControl::Color() const
{
    return (parentColor_ && parent_) ? parent_->Color() : color_;
}

void TControl::SetColor(TColor color)
{
    if (color_ != color || parentColor_) {
        color_ = color;
        parentColor_ = false;
        Perform(CM_COLORCHANGED);
    }
}

void TControl::SetParentColor(bool parentColor)
{
    if (parentColor_ != parentColor) {
        parentColor_ = parentColor;
        Perform(CM_COLORCHANGED);
    }
}

void TControl::SetParentFont(bool parentFont)
{
    if (parentFont_ != parentFont) {
        parentFont_ = parentFont;
        if (parentFont_)
            ParentFontChanged();
    }
}

void TControl::FontAttributeChanged()
{
    if (!syncingFont_)
        parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::ParentFontChanged()
{
    if (parentFont_ && parent_) {
        TFlagScope syncing(syncingFont_);
        font_.Assign(parent_->Font());
    }
}

void TControl::ParentColorChanged()
{
    if (parentColor_)
        Perform(CM_COLORCHANGED);
}

void TControl::SetCaption(const std::string& caption)
{
    if (caption != Caption()) {
        caption_ = caption;
        Perform(CM_TEXTCHANGED);
    }
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

void TControl::Invalidate()
{
    if (parent_)
        parent_->InvalidateRect(BoundsRect());
}

void TControl::Repaint()
{
    Invalidate();
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::Paint(TCanvas&) {}

namespace {
unsigned ShiftFromKeys(WPARAM keys)
{
    unsigned shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}
}  // namespace

void TControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return WMMouse(m);
    case CM_MOUSEENTER: return MouseEnter();
    case CM_MOUSELEAVE: return MouseLeave();
    case CM_TEXTCHANGED: return TextChanged();
    case CM_FONTCHANGED: return FontChanged();
    case CM_COLORCHANGED: return ColorChanged();
    case CM_ENABLEDCHANGED: return EnabledChanged();
    case CM_VISIBLECHANGED: return VisibleChanged();
    case CM_PARENTFONTCHANGED: return ParentFontChanged();
    case CM_PARENTCOLORCHANGED: return ParentColorChanged();
    default: return DefaultHandler(m);
    }
}

void TControl::DefaultHandler(TMessage& message)
{
    message.Result = 0;
}

void TControl::WMMouse(TMessage& m)
{
    const int x = GET_X_LPARAM(m.LParam);
    const int y = GET_Y_LPARAM(m.LParam);
    const unsigned shift = ShiftFromKeys(m.WParam);
    switch (m.Msg) {
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: leftDown_ = true; MouseDown(TMouseButton::mbLeft, shift, x, y); break;
    case WM_RBUTTONDOWN: MouseDown(TMouseButton::mbRight, shift, x, y); break;
    case WM_MBUTTONDOWN: MouseDown(TMouseButton::mbMiddle, shift, x, y); break;
    case WM_RBUTTONUP: MouseUp(TMouseButton::mbRight, shift, x, y); break;
    case WM_MBUTTONUP: MouseUp(TMouseButton::mbMiddle, shift, x, y); break;
    case WM_LBUTTONUP: {
        const bool wasDown = leftDown_;
        leftDown_ = false;
        MouseUp(TMouseButton::mbLeft, shift, x, y);
        const RECT client = ClientRect();
        if (wasDown && ClicksOnMouseUp() && x >= 0 && y >= 0 && x < client.right && y < client.bottom)
            Click();
        break;
    }
    }
    DefaultHandler(m);
}

void TControl::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(unsigned shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseEnter()
{
    mouseInControl_ = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    mouseInControl_ = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TGraphicControl::Invalidate()
{
    if (Parent() && Visible())
        Parent()->InvalidateRect(BoundsRect());
}

void TGraphicControl::Repaint()
{
    Invalidate();
    if (Parent() && Parent()->HandleAllocated())
        UpdateWindow(Parent()->Handle());
}

void TGraphicControl::WndProc(TMessage& m)
{
    if (m.Msg == WM_PAINT) {
        // The parent paints its windowless children by sending them WM_PAINT
        // with its DC, the origin already moved to the child's corner.
        TCanvas canvas(reinterpret_cast<HDC>(m.WParam));
        canvas.Font = Font();
        canvas.Brush.Color = Color();
        Paint(canvas);
        m.Result = 0;
        return;
    }
    TControl::WndProc(m);
}

}  // namespace taramel
