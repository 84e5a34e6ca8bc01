// A control with its own window. Its window class is registered under the
// control's ClassName(); a control that wraps a system control (button, edit,
// list box, status bar) registers its class as a copy of the system class and
// passes what it does not handle to the system's procedure.
#pragma once

#include "framework/Control.h"

#include <vector>

namespace taramel {

struct TCreateParams {
    std::wstring WinClassName;
    // The system class this control wraps; empty for a window painted by the framework.
    std::wstring BaseClassName;
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    UINT ClassStyle = CS_DBLCLKS;
    // Whether the class carries the program's icon (forms: title bar and task bar).
    bool ClassIcon = false;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }
    bool IsWindowed() const override { return true; }

    // The window, created on first use (with every parent's).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // The control of a window of this framework, or null; O(1).
    static TWinControl* FromHandle(HWND window);

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }

    // Position among the parent's windowed children in keyboard order.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    bool Focused() const;
    virtual bool CanFocus() const;
    void SetFocus();
    // The next (or previous) control that takes the focus with the Tab key,
    // starting after `current` among this control's descendants.
    TWinControl* FindNextControl(TWinControl* current, bool forward) const;

    // Moves an existing window under the new parent's; without a parent the
    // window goes (a child window cannot stand alone).
    void SetParent(TWinControl* parent) override;
    RECT ClientRect() const override;
    void SetBounds(int left, int top, int width, int height) override;
    std::string Caption() const override;

    // Lays out the aligned children: top ones from the top down, bottom ones
    // from the bottom up, left, right, and the client one in what is left.
    void AlignControls();
    // The enabled, visible windowless child under a point of the client area.
    TControl* ControlAtPos(POINT point) const;

    void Invalidate() override;
    void Repaint() override;
    void InvalidateRect(const RECT& rect);

    bool DoubleBuffered = true;
    // Paints the windowless children that meet `clip`, for a painter outside
    // the control (a skinned form's frame painter puts them over the
    // background it paints).
    void PaintGraphicChildren(HDC dc, const RECT& clip) { PaintControls(dc, clip); }

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateHandle();
    // Runs after the window exists; the place to send it its initial state.
    virtual void CreateWnd();
    // Puts the children's windows in keyboard order at the bottom of the z-order.
    void ArrangeTabOrder();
    void DestroyHandle();
    WNDPROC DefWndProc() const { return defWndProc_; }
    bool WrapsSystemClass() const { return defWndProc_ != DefWindowProcW; }

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void Paint(TCanvas& canvas) override;
    bool ClicksOnMouseUp() const override { return !WrapsSystemClass(); }
    // Paints the windowless children that meet `clip` through their window procedures.
    void PaintControls(HDC dc, const RECT& clip);

    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void BoundsChanged() override;

    // The brush a wrapped system control paints its background with (the control's colour).
    HBRUSH BackgroundBrush();
    // Answers a WM_CTLCOLOR* of this control: text colour, background colour and brush.
    LRESULT ControlColor(HDC dc);

private:
    friend class TControl;
    static LRESULT CALLBACK InitialWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void HandleDestroyed();
    std::vector<TWinControl*> TabList() const;
    void CollectTabStops(std::vector<TWinControl*>& list) const;

    void WMPaint(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMSize(TMessage& message);
    void WMMove(TMessage& message);
    void WMMouseMove(TMessage& message);
    void WMMouseButton(TMessage& message);
    void WMMouseLeave(TMessage& message);
    void WMReflect(TMessage& message, HWND child, UINT reflected);
    void WMCommand(TMessage& message);
    void WMNotify(TMessage& message);
    void WMCtlColor(TMessage& message);
    void WMSetCursor(TMessage& message);
    void SetHotControl(TControl* control);
    void ForwardMouse(TControl* control, TMessage& message);
    void UpdateBoundsFromWindow();

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = DefWindowProcW;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabOrder_;
    bool tabStop_ = false;
    TControl* hotControl_ = nullptr;
    TControl* captureControl_ = nullptr;
    TBrushHandle backgroundBrush_;
    TColor backgroundBrushColor_ = 0;
    bool aligning_ = false;
    bool movingWindow_ = false;
};

}  // namespace taramel
