#include "controls/SkinnedBitBtn.h"

#include <algorithm>

#include "engine/ControlPaint_win.h"
#include "engine/SkinManager_win.h"
#include "images/ComposeImage32.h"
#include "paint/Masks_win.h"
#include "paint/Text.h"
#include "paint/Text_win.h"
#include "render/Bitmap_win.h"
#include "render/PaintDisabled.h"
#include "render/SysColors.h"
#include "skin/SkinState.h"

namespace taramel {

namespace {

UINT AlignmentFlag(TButtonAlign a)
{
    return a == TButtonAlign::Left ? DT_LEFT : a == TButtonAlign::Right ? DT_RIGHT : DT_CENTER;
}

}  // namespace

TsBitBtn::TsBitBtn(TComponent* owner) : TDownButton(owner) {}

TsBitBtn::~TsBitBtn()
{
    // The timer refers to the skin state: it goes first.
    fade_.reset();
}

void TsBitBtn::CreateParams(TCreateParams& params)
{
    TBitBtn::CreateParams(params);
    // Every look is ours, with or without a skin: the system asks before it
    // draws anything.
    params.Style = (params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

bool TsBitBtn::SystemPushed() const
{
    auto* self = const_cast<TsBitBtn*>(this);
    return self->HandleAllocated() && (SendMessageW(self->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

int TsBitBtn::SkinState() const
{
    const TsCommonData& data = *SkinData();
    // Held down with the mouse gone from it, a button looks raised again.
    const bool leftHeld = GetKeyState(VK_LBUTTON) < 0;
    if (down_ || pressStarting_ || (SystemPushed() && (data.MouseAbove || !leftHeld)))
        return 2;
    return data.InHotState() ? 1 : 0;
}

void TsBitBtn::StateChanged(bool press, TacAnimatEvent event)
{
    TsCommonData& data = *SkinData();
    if (!SkinnedNow())
        return;
    if (StateChangeFades(data, AnimatEvents, event, Enabled())) {
        StartFade(fade_, *this, data, press);
        data.ShowGlow(press);
        return;
    }
    data.CacheDirty = true;
    StopFade();
    Repaint();
    data.ShowGlow(press);
}

void TsBitBtn::Loaded()
{
    TSkinnedControl::Loaded();
    // A valid image of the list replaces the standard glyph for good.
    if (Images != nullptr && ImageIndex >= 0 && ImageIndex < Images->Count())
        Glyph.SetSize(0, 0);
}

bool TsBitBtn::ImageShown() const
{
    return Glyph.Empty() && Images != nullptr && ImageIndex >= 0 && ImageIndex < Images->Count();
}

SIZE TsBitBtn::GlyphSize() const
{
    const int states = std::max(1, NumGlyphs);
    if (ImageShown())
        return SIZE{Images->Width() / states, Images->Height()};
    if (Glyph.Empty())
        return SIZE{0, 0};
    return SIZE{Glyph.Width() / states, Glyph.Height()};
}

GlyphTextLayout TsBitBtn::PlaceGlyphAndCaption(HDC dc) const
{
    const SIZE glyph = GlyphSize();
    int tw = 0, th = 0;
    if (ShowCaption && !Caption().empty()) {
        int room = Width() - 2 * std::max(0, Margin);
        if (glyph.cx > 0 && (Layout == glGlyphLeft || Layout == glGlyphRight))
            room -= glyph.cx + Spacing;
        RECT measure{0, 0, std::max(0, room), 0};
        DrawTextUtf8(dc, Caption(), measure,
                     DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX | AlignmentFlag(TextAlignment) |
                         (WordWrap ? DT_WORDBREAK : DT_SINGLELINE));
        tw = measure.right - measure.left;
        th = measure.bottom - measure.top;
    }
    GlyphTextLayout place = LayoutGlyphAndText(TRect{0, 0, Width(), Height()}, glyph.cx, glyph.cy, tw, th, false,
                                               Spacing, Margin, Alignment, Layout);
    if (SkinState() == 2) {
        place.Glyph = TPoint{place.Glyph.X + 1, place.Glyph.Y + 1};
        place.TextRect = TRect{place.TextRect.Left + 1, place.TextRect.Top + 1, place.TextRect.Right + 1,
                               place.TextRect.Bottom + 1};
    }
    if (Reflected)
        place.Glyph.Y -= glyph.cx / 6;
    return place;
}

RECT TsBitBtn::CaptionRect(HDC dc) const
{
    return ToRECT(PlaceGlyphAndCaption(dc).TextRect);
}

RECT TsBitBtn::GlyphRect(HDC dc) const
{
    const SIZE size = GlyphSize();
    const TPoint at = PlaceGlyphAndCaption(dc).Glyph;
    return RECT{at.X, at.Y, at.X + size.cx, at.Y + size.cy};
}

void TsBitBtn::DrawGlyphInto(TBitmap& target, TPoint at, int state)
{
    if (ImageShown()) {
        ImageDraw how;
        how.State = state;
        how.Down = down_;
        how.NumGlyphs = NumGlyphs;
        how.Hot = SkinData()->InHotState();
        how.Grayed = Grayed;
        how.BlendPercent = state == 0 ? Blend : 0;
        how.Enabled = Enabled();
        how.DisabledKinds = DisabledGlyphKind;
        how.Reflected = Reflected;
        // A resting grey glyph of a list with alpha takes the look of the
        // button's face: the section's colour, or the system's face colour
        // (a system colour, so converted first).
        if (state == 0 && Grayed) {
            const TsGeneralData* section = SkinnedNow() ? SkinData()->Section() : nullptr;
            how.Tint = section != nullptr ? ColorToRGB(static_cast<TColor>(section->Color)) : ColorToRGB(clBtnFace);
        }
        Images->Draw(target, at, ImageIndex, how);
        return;
    }
    if (Glyph.Empty())
        return;
    // A single 32-bit picture keeps its alpha (and its reflection); strips,
    // blended glyphs and other formats go through the glyph painter.
    if (NumGlyphs <= 1 && Blend == 0 && Glyph.PixelFormat() == TPixelFormat::pf32bit) {
        TBitmap picture;
        picture.Assign(Glyph);
        TComposeOptions options;
        options.reflection = Reflected;
        if (!Enabled()) {  // as the alpha lists draw a disabled glyph
            options.tint = (DisabledGlyphKind & dgGrayed) ? 0xFFFFFF : kNoTint;
            options.blendPercent = (DisabledGlyphKind & dgBlended) ? 50 : 0;
        }
        ComposeImage32(target, TRect{at.X, at.Y, at.X + Glyph.Width(), at.Y + Glyph.Height()}, picture,
                       TRect{0, 0, Glyph.Width(), Glyph.Height()}, options);
        return;
    }
    GlyphDraw how;
    how.Down = down_;
    how.BlendPercent = Blend;
    how.State = state;
    how.DisabledKinds = DisabledGlyphKind;
    how.Enabled = Enabled();
    how.NumGlyphs = std::max(1, NumGlyphs);
    DrawGlyph(Glyph, target, at, how);
}

void TsBitBtn::DrawGlyphOnDC(HDC dc, TPoint at, int state)
{
    // The glyph painters work on bitmaps: a copy of what is on the DC takes
    // the glyph and goes back.
    const int w = Width(), h = Height();
    if (GlyphSize().cx <= 0 || w <= 0 || h <= 0)
        return;
    TBitmap copy(w, h, TPixelFormat::pf24bit);
    HDC bitmapDC = BitmapDC(copy);
    if (bitmapDC == nullptr)
        return;
    BitBlt(bitmapDC, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    GdiFlush();
    DrawGlyphInto(copy, at, state);
    BitBlt(dc, 0, 0, w, h, bitmapDC, 0, 0, SRCCOPY);
}

void TsBitBtn::RebuildCache()
{
    TsCommonData& data = *SkinData();
    data.PrepareCache();
    if (!data.CacheBmp || data.CacheBmp->Empty())
        return;
    TBitmap& cache = *data.CacheBmp;
    const TSkinTables& t = *data.Tables();
    const int state = SkinState();
    const BgCache bg = ParentBgCache(this);
    PaintControlSection(data, bg, true, cache, TRect{0, 0, Width(), Height()}, state);
    if (fullRepaint_) {
        pendingRegion_.Reset(CreateRectRgn(0, 0, Width(), Height()));
        // The border image is drawn again, now cutting its see-through
        // corners out of the shape.
        if (const TsMaskData* mask = data.BorderMask())
            DrawMaskRegion(t, cache, pendingRegion_.Get(), state, *mask);
    }
    TPoint glyphAt{0, 0};
    if (HDC dc = BitmapDC(cache)) {
        SelectObject(dc, Font().Handle());
        const GlyphTextLayout place = PlaceGlyphAndCaption(dc);
        glyphAt = place.Glyph;
        if (ShowCaption && !Caption().empty()) {
            const RECT r = ToRECT(place.TextRect);
            DrawSkinText(dc, Caption(), CaptionTextRequest(*this, data, state != 0),
                         AlignmentFlag(TextAlignment) | DT_EXPANDTABS | DT_NOPREFIX |
                             (WordWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER),
                         r);
            GdiFlush();
            const TsGeneralData* s = data.Section();
            if (Enabled() && const_cast<TsBitBtn*>(this)->Focused() && s != nullptr && s->ShowFocus && ShowFocus) {
                RECT f = r;
                InflateRect(&f, FocusMargin, FocusMargin);
                DrawDottedFocus(cache, ToTRect(f));
            }
        }
    }
    DrawGlyphInto(cache, glyphAt, state);
    if (!Enabled())
        PaintDisabled(cache, DisabledKind, DisabledBackground{bg.Bitmap, bg.X, bg.Y, bg.SolidColor}, 0, 0,
                      data.GetBackgroundColor(false));
    data.CacheDirty = false;
}

void TsBitBtn::ApplyRegion()
{
    if (!pendingRegion_ || !HandleAllocated())
        return;
    HWND window = Handle();
    // The window takes a copy it owns; ours is deleted in every case.
    HRGN applied = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(applied, pendingRegion_.Get(), nullptr, RGN_COPY);
    HRGN current = CreateRectRgn(0, 0, 0, 0);
    const bool same = GetWindowRgn(window, current) != ERROR && EqualRgn(current, applied);
    DeleteObject(current);
    if (same)
        DeleteObject(applied);
    else
        SetWindowRgn(window, applied, regionSize_.cx == 0 || SkinLoading);
    // A button that shrank leaves its old corners on the parent.
    if (TWinControl* parent = Parent(); parent && parent->HandleAllocated() &&
                                        (Width() < regionSize_.cx || Height() < regionSize_.cy)) {
        RECT old{Left(), Top(), Left() + regionSize_.cx, Top() + regionSize_.cy};
        ::InvalidateRect(parent->Handle(), &old, TRUE);
    }
    regionSize_ = SIZE{Width(), Height()};
    pendingRegion_.Reset();
}

void TsBitBtn::PaintSystemLook(HDC dc)
{
    RECT r{0, 0, Width(), Height()};
    const bool pushed = down_ || SystemPushed();
    const bool focused = HandleAllocated() && GetFocus() == Handle();
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
    SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    RECT text = CaptionRect(dc);
    const UINT flags = AlignmentFlag(TextAlignment) | DT_EXPANDTABS | DT_NOPREFIX |
                       (WordWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    if (Enabled()) {
        SetTextColor(dc, ColorToRGB(Font().Color()));
        DrawTextUtf8(dc, Caption(), text, flags);
    } else {
        RECT shifted = text;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawTextUtf8(dc, Caption(), shifted, flags);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
        DrawTextUtf8(dc, Caption(), text, flags);
    }
    DrawGlyphOnDC(dc, PlaceGlyphAndCaption(dc).Glyph, pushed ? 2 : 0);
    if (focused && ShowFocus) {
        RECT f{3, 3, Width() - 3, Height() - 3};
        DrawFocusRect(dc, &f);
    }
}

void TsBitBtn::PaintTo(HDC dc, bool intoGivenDC)
{
    TsCommonData& data = *SkinData();
    const int saved = SaveDC(dc);
    if (!SkinnedNow()) {
        PaintSystemLook(dc);
        RestoreDC(dc, saved);
        return;
    }
    data.Updating = data.IsUpdating();
    if (!data.Updating) {
        if (!fade_ || !fade_->Running()) {
            data.CacheDirty = data.CacheDirty || data.PartlyHidden || data.RepaintsWithParent();
            data.PartlyHidden = data.RepaintsWithParent();
            data.CacheDirty = data.CacheDirty || fullRepaint_;
        }
        if (data.CacheDirty || !data.CacheBmp || data.CacheBmp->Width() != Width() ||
            data.CacheBmp->Height() != Height())
            RebuildCache();
        if (fullRepaint_) {
            RefreshCorners(data, SkinState(), 15);
            if (!intoGivenDC)
                ApplyRegion();
            fullRepaint_ = false;
        }
        if (data.CacheBmp)
            CopyBitmapToDC(*data.CacheBmp, dc, RECT{0, 0, Width(), Height()}, 0, 0);
    }
    RestoreDC(dc, saved);
}

void TsBitBtn::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    if (SkinnedNow() && Enabled() && button == TMouseButton::mbLeft) {
        SkinData()->Updating = false;
        pressing_ = true;
        if (!down_) {
            fullRepaint_ = true;
            SkinData()->CacheDirty = false;
            pressStarting_ = true;
            StateChanged(true, aeMouseDown);
            pressStarting_ = false;
        }
    }
    TBitBtn::MouseDown(button, shift, x, y);
}

void TsBitBtn::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    if (SkinnedNow() && Enabled()) {
        if (!pressing_) {
            StopFade();
        } else if (button == TMouseButton::mbLeft) {
            pressing_ = false;
            if (fade_ && fade_->CurrentStep() < fade_->StepCount()) {
                // Released during the press fade: the pressed look is shown
                // whole for a moment before the release fades it out.
                StopFade();
                SkinData()->CacheDirty = true;
                down_ = true;
                RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                down_ = false;
                Sleep(30);
            }
            SkinData()->Updating = false;
            fullRepaint_ = true;
            SkinData()->CacheDirty = false;
            StateChanged(true, aeMouseUp);
        }
    }
    TBitBtn::MouseUp(button, shift, x, y);
}

bool TsBitBtn::HandleSkinCommand(TMessage& m)
{
    if (AnswerFadeCommand(m, fade_, [this] { RebuildCache(); }))
        return true;
    TsCommonData& data = *SkinData();
    switch (SkinCommandOf(m.WParam)) {
    case CMD_NEW_SKIN:
    case CMD_REPAINT:
        fullRepaint_ = true;
        StopFade();
        return false;
    case CMD_REMOVE_SKIN:
        StopFade();
        pendingRegion_.Reset();
        if (HandleAllocated() && !IsDestroying()) {
            SetWindowRgn(Handle(), nullptr, TRUE);
            regionSize_ = SIZE{0, 0};
        }
        fullRepaint_ = true;
        data.CacheDirty = true;
        return false;
    default:
        return false;
    }
}

bool TsBitBtn::HandleSkinnedMessage(TMessage& m)
{
    TsCommonData& data = *SkinData();
    switch (m.Msg) {
    case WM_PAINT:
        AnswerPaint(*this, m, [&](HDC dc, bool givenDC) { PaintTo(dc, givenDC); });
        return true;
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(m.WParam), true);
        return true;
    case CN_DRAWITEM:
        // The system asks after a change of its own (press, focus): the
        // whole look is repainted.
        data.CacheDirty = true;
        PaintTo(reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam)->hDC, true);
        m.Result = 1;
        return true;
    case WM_ERASEBKGND:
        m.Result = 1;
        return true;
    case CM_MOUSEENTER:
        if (Enabled() && !data.MouseAbove) {
            TBitBtn::WndProc(m);  // OnMouseEnter
            data.MouseAbove = true;
            data.CacheDirty = false;
            StateChanged(false, aeMouseEnter);
        }
        return true;
    case CM_MOUSELEAVE:
        if (Enabled()) {
            TBitBtn::WndProc(m);
            data.MouseAbove = false;
            data.CacheDirty = false;
            StateChanged(false, aeMouseLeave);
        }
        return true;
    case WM_KEYUP:
        TBitBtn::WndProc(m);
        if (m.WParam == VK_SPACE && SkinnedNow()) {
            fullRepaint_ = true;
            data.CacheDirty = true;
            Repaint();
        }
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT: {
        const TLookChange change = m.Msg == WM_SETFOCUS    ? TLookChange::FocusGained
                                   : m.Msg == WM_KILLFOCUS ? TLookChange::FocusLost
                                                           : TLookChange::TextSet;
        ChangeLookQuietly(*this, data, fade_, change, [&] { TBitBtn::WndProc(m); });
        return true;
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGING:
        fullRepaint_ = true;
        return false;
    case WM_WINDOWPOSCHANGED:
        fullRepaint_ = true;
        data.CacheDirty = true;
        return false;
    case CM_ENABLEDCHANGED:
        StopFade();
        data.Updating = false;
        data.CacheDirty = true;
        return false;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        data.CacheDirty = true;
        return false;
    default:
        return false;
    }
}

}  // namespace taramel
