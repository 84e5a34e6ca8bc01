// TsSkinProvider: the skinned frame of one form. It takes over the form's
// window procedure and draws the whole non-client area from the skin (the
// "FORM" section around the window, the title section, icon, caption text
// and caption buttons) through one frame cache, answers the hit test from
// the shared frame geometry, runs the caption buttons and gives the form its
// rounded outline. The window keeps the non-client size the system gives it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "framework/Component.h"
#include "framework/Control.h"
#include "paint/BgCache.h"
#include "paint/FrameGeometry.h"
#include "render/Bitmap.h"
#include "windows/CaptionButtonAnimation_win.h"
#include "windows/MenuLine_win.h"
#include "windows/TitleButtons_win.h"

namespace taramel {

class TCustomForm;
class TsSkinManager;

// A rectangle of a frame's pixels, kept in memory.
struct SavedPixels {
    TRect Rect;
    std::vector<std::uint8_t> Bytes;
};

class TsSkinProvider;
class TsSystemMenu;

// The window that shows a form's extended border (border, title and shadow
// in a layered window directly below the form). The provider tells it
// whenever what it shows may have changed: after every frame paint, move,
// size and show of the form.
class TBorderWindowLink {
public:
    virtual ~TBorderWindowLink() = default;
    virtual void Update(TsSkinProvider& provider) = 0;
};

enum TGripMode { gmNone, gmRightBottom };
enum TResizeMode { rmStandard, rmBorder };

class TsSkinProvider : public TComponent, private TCaptionButtonFadeOwner {
public:
    // `owner` frees the provider; `form` is the form it serves. Takes over
    // the form's window procedure at once and prepares the frame when the
    // default manager has a skin.
    TsSkinProvider(TComponent* owner, TCustomForm* form);
    ~TsSkinProvider() override;
    std::string ClassName() const override { return "TsSkinProvider"; }

    TCustomForm* Form() const { return form_; }
    bool Skinned() const { return skinned_; }
    bool FormActive() const { return active_; }
    // Skin indexes, caption buttons, the system menu's style; marks the frame
    // for a full paint and a new outline.
    void Prepare();
    // The form gets the system's frame back (the skin was removed).
    void Unprepare();

    // The frame's layout now, in window coordinates (with an extended
    // border: in the border window's, the frame cache's).
    FrameMetrics Metrics() const;
    FrameLayout Layout() const { return LayoutFrame(Metrics()); }
    // The window menu offers the skins the manager can list first.
    bool MakeSkinMenu = false;
    // The section of the menu line under the title (empty: "MENULINE").
    std::string MenuLineSkin;
    // The skinned window menu once it has been opened (null before).
    TsSystemMenu* SystemMenu() const { return systemMenu_; }
    // The frame part at a point of the screen.
    int HitTest(POINT screen) const;
    const CaptionButtonStates& Buttons() const { return buttons_; }
    // Caption buttons fade between their looks while the skin manager allows
    // glowing and the form has no extended border; otherwise they change at
    // once. The fade of a button, or null before its first change.
    bool FadesButtons() const;
    TacSBAnimation* ButtonFade(int hit) const;

    // A size grip at the client's bottom right (sizeable forms only).
    TGripMode GripMode() const { return gripMode_; }
    void SetGripMode(TGripMode mode);
    // Extra caption buttons left of the system's, hit codes 1000 + index.
    TsTitleButton& AddTitleButton();
    std::size_t TitleButtonCount() const { return titleButtons_.size(); }
    TsTitleButton& TitleButton(std::size_t index) { return *titleButtons_.at(index); }
    // The hint shown for the hot title button.
    const TitleHintWindow& Hint() const { return hint_; }
    // rmBorder: moving and sizing drag an outline; the form moves once, at
    // the release.
    TResizeMode ResizeMode = rmStandard;
    // The mode that moves and sizes now: under desktop composition the
    // desktop is not drawn on, so the outline gives way to rmStandard.
    TResizeMode ResizeModeInForce() const;
    bool OutlineDragging() const { return outlineHit_ != fhNowhere; }
    // Snapping to the work area's edges while the form is moved.
    bool ScreenSnap = false;
    int SnapBuffer = 10;
    // Paints the frame onto the window's DC now.
    void PaintFrame();
    // The border window that follows the frame (none by default).
    void SetBorderWindow(std::unique_ptr<TBorderWindowLink> link) { borderWindow_ = std::move(link); }
    TBorderWindowLink* BorderWindow() const { return borderWindow_.get(); }

    // Extended border: on while the skin manager's ExtendedBorders is on and
    // the form draws a frame of its own kind (a border style, not a child
    // window, not an MDI child). The frame then lives in a border window
    // below the form: the skin's border width and title height, the shadow
    // around them, the form itself cut to its client area.
    bool Extended() const { return extended_; }
    // The picture of the frame: 24 bits a pixel, or with an extended border
    // 32, the form opaque and the shadow around it. Null before the first
    // build.
    const TBitmap* FrameCache() const { return extended_ ? layered_.get() : cache_.get(); }
    // Goes up whenever the frame cache's pixels change.
    unsigned FrameSerial() const { return frameSerial_; }
    // Builds the frame cache when it is out of date; true when it did.
    bool RefreshFrame();
    // Where the frame cache's top-left lies on the screen: the window's own
    // corner, or, with an extended border, the border window's.
    POINT FrameOrigin() const;

private:
    void FormWindowProc(TMessage& message);
    bool HandleSkinCommand(TMessage& message);
    void CallDefault(TMessage& message);
    // The default handling of a message that makes the system draw its own
    // caption, with that output kept off the screen.
    void CallDefaultHidden(TMessage& message);
    void OnNcHitTest(TMessage& message);
    void OnNcButtonDown(TMessage& message);
    void OnButtonUp(TMessage& message);
    void OnMouseMove(TMessage& message);
    void OnNcDoubleClick(TMessage& message);
    void OnNcActivate(TMessage& message);
    void OnSize(TMessage& message);
    void OnGetMinMaxInfo(TMessage& message);
    void OnWindowPosChanging(TMessage& message);
    // The form's menu bar was made again: the painter takes it over, and the
    // menu line is painted anew.
    void OnMenuChanged();
    // An item of the form's menu bar drawn over the menu line; false when
    // the message is about something else.
    bool DrawMenuBarItem(TMessage& message);
    void PaintMenuLine(const FrameMetrics& m, const FrameLayout& l);
    void ShowChanges(const CaptionButtonStates::Changes& changes);
    void StopFades();
    // The frame draws the button at rest: its new look is fading above it.
    bool Fading(int hit) const;
    // The button answering `hit` in the layout: its rectangle and kind
    // (cbCount for a title button); false when it is not shown.
    bool ButtonOfHit(const FrameLayout& l, int hit, TRect& r, int& kind) const;
    HWND FadeOwner() const override { return Window(); }
    HWND FadeAbove() const override { return Window(); }
    bool FadePicture(int hit, int state, TBitmap& picture, TRect& place) override;
    void FadeCursorLeft(int hit) override;
    RECT FadeButtonOnScreen(int hit) const override;
    // Shows or hides the hint after the hot button changed.
    void UpdateHint();
    TsTitleButton* TitleButtonOfHit(int hit);
    void FireTitleButton(int hit, bool down);
    void BeginOutlineDrag(int hit, POINT screen);
    void MoveOutline(POINT screen);
    // Ends the drag; the form takes the outline's place when `apply`.
    void EndOutlineDrag(bool apply);
    void DrawOutline(const TRect& r);
    void RunButtonCommand(int hit);
    void ShowSystemMenu(int x, int y);
    // For a click on the icon and Alt+Space: below the icon.
    void ShowSystemMenuBelowIcon();
    void TrackLeave();
    POINT MessagePoint(const TMessage& message) const;

    void BuildCache();
    bool WantsExtended() const;
    void SetExtended(bool on);
    // Fills `m` for an extended border from the window's values.
    void ExtendMetrics(FrameMetrics& m) const;
    // The 32-bit frame cache from the painted frame, with the shadow.
    void ComposeLayered(const FrameLayout& l);
    void PaintTitle(HDC dc, const FrameMetrics& m, const FrameLayout& l);
    void PaintButtons(const FrameLayout& l);
    // The caption buttons again over the button-area copy, to the window.
    void RepaintButtons();
    // The client's background from the frame cache, then the windowless
    // children over it.
    void PaintClient(HDC dc);
    // Answers a child's background request from the frame cache: its bitmap
    // with the client's place in it, or the requested area painted at once.
    void AnswerBackground(BackgroundInfo& info);
    // The size grip from the frame cache onto the client area.
    void PaintGrip();
    // Forgets the title and button-area copies: the next build is whole.
    void DropCopies();
    void UpdateRegion();
    CaptionButtonSet ButtonSet() const;
    // The caption buttons' images for the form's style and state.
    void ChooseButtonImages();
    HWND Window() const;

    TCustomForm* form_;
    TWindowProc savedProc_;
    bool skinned_ = false;
    bool active_ = false;
    bool cacheDirty_ = true;
    bool regionChanged_ = true;
    bool hadSysMenu_ = false;
    TsSystemMenu* systemMenu_ = nullptr;  // owned as a component, made on first use
    bool trackingLeave_ = false;
    bool capturing_ = false;
    TGripMode gripMode_ = gmNone;
    std::vector<std::unique_ptr<TsTitleButton>> titleButtons_;
    TitleHintWindow hint_;
    int hintHit_ = fhNowhere;
    int outlineHit_ = fhNowhere;
    bool clientErased_ = false;  // during one WM_PAINT
    POINT outlineStart_{};
    TRect outlineFrom_;
    TRect outline_;
    WPARAM sizeType_ = SIZE_RESTORED;  // of the last WM_SIZE
    std::unique_ptr<TBorderWindowLink> borderWindow_;
    void UpdateBorderWindow();
    SizedWindow lastSize_;  // the window and client after the last WM_SIZE
    CaptionButtonStates buttons_;
    int formSection_ = -1;
    int titleSection_ = -1;
    bool bigButtons_ = true;
    std::array<int, cbCount> buttonImages_{-1, -1, -1, -1};
    std::unique_ptr<TBitmap> cache_;
    bool extended_ = false;
    std::unique_ptr<TBitmap> layered_;
    unsigned frameSerial_ = 0;
    // The top of the frame before the title was drawn, and the activation
    // it was drawn in.
    std::optional<SavedPixels> titleCopy_;
    bool titleCopyActive_ = false;
    // The right end of the title before the buttons were drawn.
    std::optional<SavedPixels> buttonArea_;
    std::map<int, std::unique_ptr<TacSBAnimation>> fades_;
    TacMenuLine menuLine_;
};

// The provider serving a form's window, or null.
TsSkinProvider* ProviderOfWindow(HWND window);

}  // namespace taramel
