// Controls: everything with a parent, bounds and a look. TControl itself has
// no window; TGraphicControl is painted, hit-tested and fed mouse messages by
// its parent; TWinControl (WinControl.h) owns a window.
//
// Every message a control gets, from the system or from the framework,
// passes through its replaceable WindowProc. By default that is WndProc; an
// object that wants to see a control's messages first (a skin, for instance)
// keeps the current WindowProc, installs its own, forwards what it does not
// handle to the kept one and puts it back when it lets go.
#pragma once

#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/Messages.h"

#include <functional>
#include <string>

namespace taramel {

class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };

using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, unsigned shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, unsigned shift, int x, int y)>;
using TWindowProc = std::function<void(TMessage& message)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }
    virtual bool IsWindowed() const { return false; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to the top showing too.
    virtual bool Showing() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The parent's colour while ParentColor is on.
    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);

    // Changing any attribute of the font turns ParentFont off.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    virtual std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

    bool MouseInControl() const { return mouseInControl_; }
    // The system cursor shown over the control (IDC_ARROW and the like); null for the parent's.
    LPCWSTR Cursor = nullptr;

    TWindowProc WindowProc;
    // Direct dispatch: the message goes through WindowProc at once, also for
    // controls without a window.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    virtual void Invalidate();
    virtual void Repaint();
    virtual void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    virtual void WndProc(TMessage& message);
    // What happens to a message nobody handled: nothing for a windowless
    // control, the window class's own procedure for a windowed one.
    virtual void DefaultHandler(TMessage& message);

    // Paints the control with the canvas's origin at its top-left corner.
    virtual void Paint(TCanvas& canvas);

    virtual void MouseDown(TMouseButton button, unsigned shift, int x, int y);
    virtual void MouseUp(TMouseButton button, unsigned shift, int x, int y);
    virtual void MouseMove(unsigned shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Whether a left-button release inside the control is a click.
    virtual bool ClicksOnMouseUp() const { return true; }

    // Reactions to the notifications; each runs from WndProc.
    virtual void TextChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void VisibleChanged();
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();
    // After the bounds changed.
    virtual void BoundsChanged();

    // Sets the stored bounds without telling anybody (the window moved itself).
    void StoreBounds(int left, int top, int width, int height);
    // Sets the visibility without any notification (forms start hidden).
    void StoreVisible(bool visible) { visible_ = visible; }
    void SetMouseInControl(bool in) { mouseInControl_ = in; }
    bool leftDown_ = false;

private:
    void WMMouse(TMessage& message);
    void FontAttributeChanged();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool syncingFont_ = false;
    std::string caption_;
    bool mouseInControl_ = false;
    friend class TWinControl;
};

class TGraphicControl : public TControl {
public:
    using TControl::TControl;
    std::string ClassName() const override { return "TGraphicControl"; }

    void Invalidate() override;
    void Repaint() override;

protected:
    void WndProc(TMessage& message) override;
    // True when the control paints every pixel of its rectangle (the parent
    // need not paint under it first).
    virtual bool IsOpaque() const { return false; }
};

}  // namespace taramel
