#include "paint/FrameGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace taramel {

namespace {

constexpr int kMissingButtonSide = 21;
// How far a resize corner reaches along the edges: a border a few pixels
// wide would leave only a pixel-sized corner to grab.
constexpr int kMinCornerReach = 16;

bool Contains(const TRect& r, TPoint p)
{
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

bool ButtonVisible(const CaptionButtonSet& b, int i)
{
    switch (i) {
    case cbClose: return b.VisibleClose;
    case cbMax: return b.VisibleClose && b.VisibleMax;
    case cbMin: return b.VisibleClose && b.VisibleMin;
    default: return b.VisibleClose && b.VisibleHelp;
    }
}

// What a press or hover on a shown button means: a Maximize that can
// neither maximise nor restore, or a disabled Minimize, is caption. A
// minimised form's Minimize restores it, so it answers as a button. Each
// button answers for itself wherever it stands: Help stays Help also where
// it takes the place Minimize has beside Maximize.
int ButtonAnswer(const FrameMetrics& m, int i)
{
    const CaptionButtonSet& b = m.Buttons;
    switch (i) {
    case cbClose: return fhClose;
    case cbMax: return b.EnabledMax || (b.EnabledRestore && !m.Minimized) ? fhMaxButton : fhCaption;
    case cbMin: return b.EnabledMin || m.Minimized ? fhMinButton : fhCaption;
    default: return fhHelp;
    }
}

int ResizeEdge(const FrameMetrics& m, TPoint p)
{
    const int b = m.Border;
    const int reach = std::max(kMinCornerReach, b);
    const bool left = p.X < b, right = p.X >= m.Width - b;
    const bool top = p.Y < b, bottom = p.Y >= m.Height - b;
    if (left || right) {
        if (p.Y < reach)
            return left ? fhTopLeft : fhTopRight;
        if (p.Y >= m.Height - reach)
            return left ? fhBottomLeft : fhBottomRight;
        return left ? fhLeft : fhRight;
    }
    if (top || bottom) {
        if (p.X < reach)
            return top ? fhTopLeft : fhBottomLeft;
        if (p.X >= m.Width - reach)
            return top ? fhTopRight : fhBottomRight;
        return top ? fhTop : fhBottom;
    }
    return fhNowhere;
}

}  // namespace

CaptionButtonSet CaptionButtonsFor(const CaptionButtonRules& r)
{
    CaptionButtonSet b;
    b.VisibleClose = r.HadSysMenu;
    b.VisibleMax = b.VisibleClose && (r.Minimized || (r.Framed && r.BiMaximize));
    b.VisibleMin = b.VisibleClose && (r.Minimized || (r.Framed && r.BiMinimize));
    b.VisibleHelp = b.VisibleClose && r.BiHelp;
    b.EnabledMax = !r.Maximized && r.Framed && r.BiMaximize;
    b.EnabledMin = r.BiMinimize && !r.Minimized;
    b.EnabledRestore = (r.BiMaximize && (r.Maximized || r.Minimized)) || r.Minimized;
    return b;
}

CaptionImages ChooseCaptionImages(bool framed, bool maximized, bool minimized,
                                  const std::function<int(const char*)>& find)
{
    CaptionImages c;
    c.Big = framed || find("SICONCLOSE") < 0;
    auto pick = [&](const char* big, const char* small) { return find(c.Big ? big : small); };
    c.Index[cbClose] = pick("BICONCLOSE", "SICONCLOSE");
    c.Index[cbMax] = pick("BICONMAX", "SICONMAX");
    c.Index[cbMin] = pick("BICONMIN", "SICONMIN");
    c.Index[cbHelp] = pick("BICONHELP", "SICONHELP");
    if (c.Index[cbHelp] < 0)
        c.Index[cbHelp] = find("BICONHELP");
    const int restore = pick("BICONNORM", "SICONNORM");
    if (restore >= 0 && maximized)
        c.Index[cbMax] = restore;
    if (restore >= 0 && minimized)
        c.Index[cbMin] = restore;
    return c;
}

bool StartsOutlineDrag(int hit)
{
    return hit == fhCaption || (hit >= fhLeft && hit <= fhBottomRight);
}

TRect DragRect(const TRect& start, int hit, int dx, int dy, TSize minSize)
{
    TRect r = start;
    if (hit == fhCaption) {
        r.Left += dx;
        r.Right += dx;
        r.Top += dy;
        r.Bottom += dy;
        return r;
    }
    const bool left = hit == fhLeft || hit == fhTopLeft || hit == fhBottomLeft;
    const bool right = hit == fhRight || hit == fhTopRight || hit == fhBottomRight;
    const bool top = hit == fhTop || hit == fhTopLeft || hit == fhTopRight;
    const bool bottom = hit == fhBottom || hit == fhBottomLeft || hit == fhBottomRight;
    if (left)
        r.Left = std::min(start.Left + dx, start.Right - minSize.cx);
    if (right)
        r.Right = std::max(start.Right + dx, start.Left + minSize.cx);
    if (top)
        r.Top = std::min(start.Top + dy, start.Bottom - minSize.cy);
    if (bottom)
        r.Bottom = std::max(start.Bottom + dy, start.Top + minSize.cy);
    return r;
}

int CaptionButtonHit(TCaptionButton button)
{
    static constexpr int hits[cbCount] = {fhClose, fhMaxButton, fhMinButton, fhHelp};
    return hits[button];
}

TSize CaptionButtonSize(int frameWidth, int frameHeight, bool exists)
{
    if (!exists || frameWidth <= 0 || frameHeight <= 0)
        return {kMissingButtonSide, kMissingButtonSide};
    return {frameWidth, frameHeight};
}

FrameMargins ShadowMargins(const ExtendedBorderValues& v, bool composition)
{
    if (v.HasImage) {
        if (v.BorderMode == 1)
            return {v.FormOffset, v.FormOffset, v.FormOffset, v.FormOffset};
        const FrameMargins& im = v.ImageMargins;
        // An offset beyond a margin gives a negative one: the form reaches
        // past the image's border there.
        return {im.Left - v.FormOffset, im.Top - v.FormOffset, im.Right - v.FormOffset, im.Bottom - v.FormOffset};
    }
    const int more = composition ? 1 : 0;
    return {11 + more, 7 + more, 11 + more, 11 + more};
}

ExtendedFrame LayoutExtendedFrame(const ExtendedBorderValues& v, bool composition, bool hasCaption, bool maximized,
                                  int systemCaption, int formBorderWidth, int menuHeight)
{
    ExtendedFrame f;
    f.Shadow = ShadowMargins(v, composition);
    f.Border = std::max(0, v.BorderWidth);
    f.TopBorder = 0;
    if (hasCaption) {
        f.Caption = std::max(0, v.TitleHeight);
        if (maximized)
            f.Caption = std::max(f.Caption, systemCaption + 4);
    }
    f.ClientOffset = {f.Border + formBorderWidth + f.Shadow.Left,
                      f.Caption + menuHeight + formBorderWidth + f.Shadow.Top};
    return f;
}

TPoint SnapToWorkArea(const TRect& window, const TRect& workArea, int buffer, const FrameMargins& margins)
{
    auto near = [buffer](int a, int b) { return std::abs(a - b) <= buffer; };
    TPoint p{window.Left, window.Top};
    const int left = workArea.Left - margins.Left;
    const int top = workArea.Top - margins.Top;
    if (near(p.X, left))
        p.X = left;
    else if (near(p.X + window.Width(), workArea.Right))
        p.X = workArea.Right - window.Width();
    if (near(p.Y, top))
        p.Y = top;
    else if (near(p.Y + window.Height(), workArea.Bottom))
        p.Y = workArea.Bottom - window.Height();
    return p;
}

MaximizedPlace MaximizedPlacement(int border, TSize workArea, int skinCaption, int systemCaption)
{
    int c = border;
    if (skinCaption > border + systemCaption)
        c = skinCaption - systemCaption - border;
    return {{workArea.cx + 2 * border, workArea.cy + 2 * border - c}, c - border};
}

std::vector<TRect> SizeChangeRepaintRects(const SizedWindow& before, const SizedWindow& after, TSize grip,
                                          TSize topRight, TSize bottomRight)
{
    std::vector<TRect> rects;
    const TRect& c = after.Client;
    const auto add = [&](const TRect& r) {
        // Window to client coordinates, cut to the client area.
        const TRect d{std::max(r.Left, c.Left) - c.Left, std::max(r.Top, c.Top) - c.Top,
                      std::min(r.Right, c.Right) - c.Left, std::min(r.Bottom, c.Bottom) - c.Top};
        if (d.Width() > 0 && d.Height() > 0 && std::find(rects.begin(), rects.end(), d) == rects.end())
            rects.push_back(d);
    };
    for (const SizedWindow* w : {&before, &after}) {
        const TSize s = w->Window;
        if (grip.cx > 0 && grip.cy > 0)
            add({w->Client.Right - grip.cx, w->Client.Bottom - grip.cy, w->Client.Right, w->Client.Bottom});
        if (topRight.cx > 0 && topRight.cy > 0)
            add({s.cx - topRight.cx, 0, s.cx, topRight.cy});
        if (bottomRight.cx > 0 && bottomRight.cy > 0)
            add({s.cx - bottomRight.cx, s.cy - bottomRight.cy, s.cx, s.cy});
    }
    return rects;
}

FrameLayout LayoutFrame(const FrameMetrics& m)
{
    FrameLayout l;
    const int b = m.Border;
    // With an extended border the form lies inside the shadow's margins and
    // has no top border: its title starts at the form's top edge.
    const FrameMargins shadow = m.ExtendedBorder ? m.Shadow : FrameMargins{};
    l.Form = {shadow.Left, shadow.Top, m.Width - shadow.Right, m.Height - shadow.Bottom};
    const TRect& f = l.Form;
    const int topBorder = m.ExtendedBorder ? 0 : b;
    const int band = m.Caption > 0 ? f.Top + topBorder + m.Caption : 0;
    l.Top = m.Caption > 0 ? band : f.Top + b;
    // The title band runs the frame's whole width, over the side borders:
    // left inside them, the border's inner fill would show as a light
    // column between the title and the outline, below the rounded corners.
    // The window's outline takes the title mask's corners at the same width.
    l.Title = m.Caption > 0 ? TRect{f.Left, f.Top, f.Right, band} : TRect{};
    if (m.MenuHeight > 0)
        l.MenuLine = {m.Client.Left, m.Client.Top - m.MenuHeight, m.Client.Right, m.Client.Top};
    l.TopStrip = {f.Left, f.Top, f.Right, std::max(l.Top, l.MenuLine.Empty() ? l.Top : l.MenuLine.Bottom)};
    l.LeftStrip = {f.Left, l.Top, f.Left + b, f.Bottom};
    l.BottomStrip = {f.Left + b, f.Bottom - b, f.Right, f.Bottom};
    l.RightStrip = {f.Right - b, l.Top, f.Right, f.Bottom - b};
    if (m.Grip.cx > 0 && m.Grip.cy > 0 && m.Sizeable && !m.Maximized)
        l.Grip = {m.Client.Right - m.Grip.cx, m.Client.Bottom - m.Grip.cy, m.Client.Right, m.Client.Bottom};
    if (m.Caption <= 0)
        return l;

    const int spacing = m.BigButtons ? m.ButtonSpacing : 0;
    // The buttons are centred in the title band proper: without an extended
    // border it starts at the top border, with one there is none.
    const int buttonBand = m.ExtendedBorder ? m.Caption : band;
    const bool maxExtended = m.Maximized && m.ExtendedBorder;
    int x = m.Width - spacing - m.ButtonRightMargin - m.Shadow.Right - b;
    int leftmost = f.Right - b;
    for (int i = 0; i < cbCount; ++i) {
        if (!ButtonVisible(m.Buttons, i))
            continue;
        const TSize s = m.ButtonSizes[static_cast<std::size_t>(i)];
        int top;
        if (m.BigButtons && m.ButtonVAlign == 1) {
            top = m.Shadow.Top + (maxExtended ? 3 : 0);
        } else {
            top = (buttonBand - s.cy) / 2 + m.Shadow.Top;
            if (m.ExtendedBorder && m.BorderMode == 1)
                top += m.CenterOffset;
            if (m.Maximized)
                top -= 2;
            if (maxExtended)
                top += b / 2;
            if (m.BigButtons && s.cy < 16)
                top += 2;
        }
        const int left = x - s.cx;
        l.Buttons[static_cast<std::size_t>(i)] = {left, top, x, top + s.cy};
        l.Shown[static_cast<std::size_t>(i)] = true;
        l.ButtonAreaWidth += s.cx + spacing;
        leftmost = left;
        x = left - spacing;
    }
    if (!m.TitleButtonSizes.empty()) {
        constexpr int kTitleButtonsGap = 8;
        x -= kTitleButtonsGap;
        l.ButtonAreaWidth += kTitleButtonsGap;
        for (const TSize& s : m.TitleButtonSizes) {
            const int top = f.Top + std::max(0, (band - f.Top - s.cy) / 2);
            const int left = x - s.cx;
            l.TitleButtons.push_back({left, top, x, top + s.cy});
            l.ButtonAreaWidth += s.cx + spacing;
            leftmost = left;
            x = left - spacing;
        }
    }

    if (m.Icon.cx > 0 && m.Icon.cy > 0) {
        const int left = f.Left + b + m.ButtonLeftMargin;
        const int top = f.Top + topBorder + (m.Caption - m.Icon.cy) / 2;
        l.Icon = {left, top, left + m.Icon.cx, top + m.Icon.cy};
    }
    const int textLeft = f.Left + b + std::max(m.Icon.cx, 0) + m.ButtonLeftMargin + 4;
    l.Text = {textLeft, f.Top + 2, std::max(textLeft, leftmost - 6), band};
    return l;
}

namespace {

int CaptionButtonAt(const FrameMetrics& m, const FrameLayout& l, TPoint p)
{
    if (m.Caption <= 0)
        return fhNowhere;
    for (int i = 0; i < cbCount; ++i)
        if (l.Shown[static_cast<std::size_t>(i)] && Contains(l.Buttons[static_cast<std::size_t>(i)], p))
            return ButtonAnswer(m, i);
    for (std::size_t i = 0; i < l.TitleButtons.size(); ++i)
        if (Contains(l.TitleButtons[i], p))
            return fhTitleButton + static_cast<int>(i);
    return fhNowhere;
}

// The border window of an extended border: its picture is the form inside
// the shadow, the title at the form's top edge.
int ExtendedFrameHitTest(const FrameMetrics& m, const FrameLayout& l, TPoint p)
{
    const TRect& f = l.Form;
    if (!Contains(f, p))
        return fhNowhere;
    if (const int button = CaptionButtonAt(m, l, p); button != fhNowhere)
        return button;
    if (m.Sizeable && !m.Maximized) {
        FrameMetrics inner = m;
        inner.Width = f.Width();
        inner.Height = f.Height();
        if (const int edge = ResizeEdge(inner, TPoint{p.X - f.Left, p.Y - f.Top}); edge != fhNowhere)
            return edge;
    }
    if (m.Caption > 0 && p.Y < l.Top)
        return Contains(l.Icon, p) ? fhSysMenu : fhCaption;
    const int b = m.Border;
    if (p.X < f.Left + b || p.X >= f.Right - b || p.Y >= f.Bottom - b || p.Y < l.Top)
        return fhBorder;
    return Contains(l.Grip, p) ? fhBottomRight : fhClient;
}

}  // namespace

int FrameHitTest(const FrameMetrics& m, const FrameLayout& l, TPoint p)
{
    if (p.X < 0 || p.Y < 0 || p.X >= m.Width || p.Y >= m.Height)
        return fhNowhere;
    if (Contains(l.MenuLine, p))
        return fhMenu;
    if (m.ExtendedBorder)
        return ExtendedFrameHitTest(m, l, p);
    if (const int button = CaptionButtonAt(m, l, p); button != fhNowhere)
        return button;
    if (m.Sizeable && !m.Maximized)
        if (const int edge = ResizeEdge(m, p); edge != fhNowhere)
            return edge;
    if (m.Caption > 0 && p.Y < m.Border + m.Caption)
        return Contains(l.Icon, p) ? fhSysMenu : fhCaption;
    const int b = m.Border;
    if (p.X < b || p.X >= m.Width - b || p.Y >= m.Height - b || p.Y < l.Top)
        return fhBorder;
    return Contains(l.Grip, p) ? fhBottomRight : fhClient;
}

bool CaptionButtonStates::IsButton(int hit)
{
    return hit == fhClose || hit == fhMaxButton || hit == fhMinButton || hit == fhHelp || hit >= fhTitleButton;
}

int CaptionButtonStates::State(int hit) const
{
    if (!IsButton(hit))
        return 0;
    if (pressed_ && hit == pressedHit_)
        return 2;
    return hit == hot_ ? 1 : 0;
}

CaptionButtonStates::Changes CaptionButtonStates::MouseOver(int hit)
{
    Changes c;
    if (hit == hot_)
        return c;
    if (IsButton(hot_))
        c.First = hot_;
    if (pressed_ && pressedHit_ != hot_ && IsButton(pressedHit_))
        c.First = pressedHit_;
    if (IsButton(hit))
        c.Second = hit;
    hot_ = hit;
    pressed_ = false;
    return c;
}

CaptionButtonStates::Changes CaptionButtonStates::Leave()
{
    return MouseOver(fhNowhere);
}

bool CaptionButtonStates::Press(int hit, const CaptionButtonSet& buttons, bool maximized, Changes& changes)
{
    changes = {};
    if (!IsButton(hit))
        return false;
    if (hit == fhMaxButton && !(buttons.EnabledMax || (maximized && buttons.EnabledRestore)))
        return true;
    if (pressed_ && pressedHit_ != hit)
        changes.First = pressedHit_;
    else if (IsButton(hot_) && hot_ != hit)
        changes.First = hot_;
    changes.Second = hit;
    hot_ = hit;
    pressedHit_ = hit;
    pressed_ = true;
    return true;
}

int CaptionButtonStates::Release(int hit, Changes& changes)
{
    changes = {};
    if (!pressed_)
        return fhNowhere;
    const int due = hit == pressedHit_ ? pressedHit_ : fhNowhere;
    changes.First = pressedHit_;
    if (IsButton(hot_) && hot_ != pressedHit_)
        changes.Second = hot_;
    pressed_ = false;
    pressedHit_ = fhNowhere;
    hot_ = fhNowhere;
    return due;
}

}  // namespace taramel
