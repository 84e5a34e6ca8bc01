// The geometry of a skinned window frame: where the title band, the icon,
// the caption text, the caption buttons and the border strips lie, which
// frame part a point is over, and the caption buttons' normal / hot /
// pressed states. Painting, hit testing and the button state machine all
// take their rectangles from LayoutFrame, so what is drawn is what answers
// the mouse.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "base/Geometry.h"

namespace taramel {

// Hit codes, the system's own numbers, so that the Win32 half passes them on
// as they are.
enum TFrameHit : int {
    fhNowhere = 0,
    fhClient = 1,
    fhCaption = 2,
    fhSysMenu = 3,
    fhMenu = 5,
    fhMinButton = 8,
    fhMaxButton = 9,
    fhLeft = 10,
    fhRight = 11,
    fhTop = 12,
    fhTopLeft = 13,
    fhTopRight = 14,
    fhBottom = 15,
    fhBottomLeft = 16,
    fhBottomRight = 17,
    fhBorder = 18,
    fhClose = 20,
    fhHelp = 21,
    // Title buttons answer with this plus their index.
    fhTitleButton = 1000,
};

// The caption buttons in their order from the right edge leftwards.
enum TCaptionButton { cbClose, cbMax, cbMin, cbHelp, cbCount };
// The hit code a caption button answers with.
int CaptionButtonHit(TCaptionButton button);

// Which caption buttons a form shows and which of them work.
struct CaptionButtonSet {
    bool VisibleClose = false;
    bool VisibleMax = false;
    bool VisibleMin = false;
    bool VisibleHelp = false;
    bool EnabledMax = false;
    bool EnabledMin = false;
    bool EnabledRestore = false;
};

// What decides a form's caption buttons.
struct CaptionButtonRules {
    bool HadSysMenu = false;  // the form had the system menu when skinned
    bool Framed = false;      // single or sizeable border style
    bool BiMaximize = false;
    bool BiMinimize = false;
    bool BiHelp = false;
    bool Minimized = false;
    bool Maximized = false;
};
// Close shows when the form had the system menu; Maximize and Minimize
// beside it for a minimised form or a framed one with the icon; Help with
// its icon. Maximize works when not maximised (framed forms), Minimize when
// not minimised, Restore when maximised or minimised.
CaptionButtonSet CaptionButtonsFor(const CaptionButtonRules& r);

// The caption buttons' images (skin image indexes, -1 for none) and whether
// they are the big ones.
struct CaptionImages {
    std::array<int, cbCount> Index{-1, -1, -1, -1};
    bool Big = true;
};
// Big images ("BICON...") for framed forms, small ones ("SICON...")
// otherwise; without a small Close every button takes the big image. Help
// falls back to the big image. A maximised form's Maximize and a minimised
// form's Minimize show the restore image ("BICONNORM" / "SICONNORM") when
// the skin has it. `find` gives the index of a GLOBALINFO image, -1 if none.
CaptionImages ChooseCaptionImages(bool framed, bool maximized, bool minimized,
                                  const std::function<int(const char*)>& find);

// Space around a rectangle, per side.
struct FrameMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const FrameMargins&) const = default;
};

// What the layout is made from: the window, its style's metrics and the
// skin's values.
struct FrameMetrics {
    int Width = 0;   // window
    int Height = 0;
    int Border = 0;   // B: frame width of the style
    int Caption = 0;  // C: caption height, 0 without a caption
    bool Sizeable = false;
    bool Maximized = false;
    bool Minimized = false;
    bool BigButtons = true;
    // The skin's "BISPACE" (used between big buttons only), "BIRIGHT",
    // "BILEFT" and "BIVALIGN".
    int ButtonSpacing = 0;
    int ButtonRightMargin = 0;
    int ButtonLeftMargin = 0;
    int ButtonVAlign = 0;
    // Each button's image frame; a missing image counts 21 x 21.
    std::array<TSize, cbCount> ButtonSizes{};
    // The extra title buttons' sizes, in their collection order.
    std::vector<TSize> TitleButtonSizes;
    CaptionButtonSet Buttons;
    // The title icon's size, (0, 0) when no icon is shown.
    TSize Icon;
    // The client area in window coordinates, and the size grip drawn at its
    // bottom right ((0, 0) for none: no grip mode, not sizeable, maximised
    // or no image).
    TRect Client;
    TSize Grip;
    // The menu line's height: the system's menu bar (its rows and the line
    // under them) between the caption and the client area; 0 without one.
    int MenuHeight = 0;
    // With an extended border the frame has no top border, Width counts the
    // shadow's margins, and the buttons sit below the shadow's top margin,
    // moved by the skin's "CENTEROFFSET" in "BORDERMODE" 1.
    bool ExtendedBorder = false;
    FrameMargins Shadow;
    int BorderMode = 0;
    int CenterOffset = 0;
};

struct FrameLayout {
    // The form's own rectangle: the whole frame, or with an extended border
    // the part inside the shadow's margins.
    TRect Form;
    TRect Title;    // the title band, painted with the title section
    TRect Icon;     // empty without an icon
    TRect Text;     // where the caption text is fitted
    std::array<TRect, cbCount> Buttons{};
    std::array<bool, cbCount> Shown{};
    // The extra title buttons, right to left in collection order, 8 pixels
    // left of the system's buttons.
    std::vector<TRect> TitleButtons;
    int ButtonAreaWidth = 0;
    TRect Grip;     // empty without a size grip
    // The menu line, right above the client area and as wide; empty without
    // a menu bar.
    TRect MenuLine;
    // Non-client top height: title band and top border (the menu line lies
    // below it).
    int Top = 0;
    // The four strips around the client area that the frame covers.
    TRect LeftStrip, TopStrip, RightStrip, BottomStrip;
};

// The skin's values for an extended border (a frame of the skin's own size
// with a shadow around it, drawn in a window of its own).
struct ExtendedBorderValues {
    int BorderWidth = 4;    // "BORDERWIDTH"
    int TitleHeight = 30;   // "TITLEHEIGHT"
    int FormOffset = 0;     // "FORMOFFSET"
    int BorderMode = 0;     // "BORDERMODE"
    int CenterOffset = 0;   // "CENTEROFFSET"
    // The margins of the skin's extended border image, when it has one.
    bool HasImage = false;
    FrameMargins ImageMargins;
};

// The shadow around a form with an extended border: from the skin's image
// (its margins less "FORMOFFSET", or "FORMOFFSET" on every side in border
// mode 1), else the built-in shadow's 11, 7, 11, 11, one more on each side
// under desktop composition.
FrameMargins ShadowMargins(const ExtendedBorderValues& v, bool composition);

// The frame sizes of a form with an extended border: border B from
// "BORDERWIDTH", no top border, caption "TITLEHEIGHT" (when maximised at
// least the system's caption plus 4); the client offset adds the shadow.
struct ExtendedFrame {
    int Border = 0;
    int TopBorder = 0;
    int Caption = 0;
    TPoint ClientOffset;
    FrameMargins Shadow;
};
// `formBorderWidth` is the form's own border width property, `menuHeight`
// the menu line's rows times their height; `hasCaption` as for the
// system's frame (caption bits set, or minimised).
ExtendedFrame LayoutExtendedFrame(const ExtendedBorderValues& v, bool composition, bool hasCaption, bool maximized,
                                  int systemCaption, int formBorderWidth, int menuHeight);

// Where a window moved to `window` lands when it comes within `buffer`
// pixels of an edge of `workArea`: the left and top edges count the
// extended border's `margins` (none without one), the right and bottom edges
// the window's own size. Only the left-top corner changes.
TPoint SnapToWorkArea(const TRect& window, const TRect& workArea, int buffer, const FrameMargins& margins);

// The maximised size and top of a skinned form on a work area of
// `workArea` (the left stays the system's): (W + 2B, H + 2B - c) at top
// c - B, where c is B unless the skin's caption is more than B taller than
// the system's, then the difference less B.
struct MaximizedPlace {
    TSize Size;
    int Top = 0;
};
MaximizedPlace MaximizedPlacement(int border, TSize workArea, int skinCaption, int systemCaption);

// The window's rectangle while an outline drag by the frame part `hit`
// (caption: moving; an edge or corner: sizing) has moved the mouse by
// (dx, dy) from where it started on `start`; sizing keeps at least `minSize`.
TRect DragRect(const TRect& start, int hit, int dx, int dy, TSize minSize);
// Whether a press on `hit` starts an outline drag (caption, edges, corners).
bool StartsOutlineDrag(int hit);

// A window's size and its client area in window coordinates.
struct SizedWindow {
    TSize Window;
    TRect Client;
};
// The parts of the client area whose picture moves when the window changes
// size from `before` to `after`: the size grip's corner (`grip`, (0, 0)
// without a grip) and the form section's right-hand corner images
// (`topRight`, `bottomRight`, drawn at the window's corners), each at its
// old and its new place; in client coordinates of `after`, cut to its
// client area, empty ones left out.
std::vector<TRect> SizeChangeRepaintRects(const SizedWindow& before, const SizedWindow& after, TSize grip,
                                          TSize topRight, TSize bottomRight);

// A button image frame's size, 21 x 21 for a missing image.
TSize CaptionButtonSize(int frameWidth, int frameHeight, bool exists);

FrameLayout LayoutFrame(const FrameMetrics& m);

// The frame part under a point given in window coordinates. The menu line
// first (the bar's own part), then the caption buttons (a disabled Maximize or Minimize answers as caption, but the
// Minimize of a minimised form restores it), then the
// resize edges of a sizeable, not maximised window, then the title band
// (icon: system menu), then the side and bottom borders of a fixed frame,
// then the size grip (bottom-right), else the client area. With an extended
// border the point is one of the border window's: the shadow around the form
// is nowhere, and the edges of a sizeable form lie on the form's rectangle.
int FrameHitTest(const FrameMetrics& m, const FrameLayout& layout, TPoint p);

// The caption buttons' states (0 normal, 1 hot, 2 pressed) as the mouse moves
// over, presses and releases them. Every operation tells which buttons
// changed look, so the caller repaints only those.
class CaptionButtonStates {
public:
    struct Changes {
        int First = fhNowhere;   // hit codes whose button changed look
        int Second = fhNowhere;
        bool Any() const { return First != fhNowhere || Second != fhNowhere; }
    };

    int State(int hit) const;
    int Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }
    int PressedHit() const { return pressed_ ? pressedHit_ : fhNowhere; }

    // The mouse is over `hit` (any frame code). A new code makes the old
    // button normal and the new one hot, and ends a press.
    Changes MouseOver(int hit);
    // The mouse left the frame.
    Changes Leave();
    // Button down on `hit`: a caption button that works becomes pressed.
    // False when the press is not the buttons' (the caller passes it on).
    bool Press(int hit, const CaptionButtonSet& buttons, bool maximized, Changes& changes);
    // Button up over `hit`: the pressed button's code when the press ends
    // over the button it began on (its command is due), else fhNowhere.
    // Either way the press ends and every button is normal again.
    int Release(int hit, Changes& changes);

private:
    static bool IsButton(int hit);
    int hot_ = fhNowhere;
    int pressedHit_ = fhNowhere;
    bool pressed_ = false;
};

}  // namespace taramel
