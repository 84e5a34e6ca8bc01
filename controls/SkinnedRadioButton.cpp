#include "controls/SkinnedRadioButton.h"

#include <algorithm>

#include "engine/ControlPaint_win.h"
#include "engine/SkinManager_win.h"
#include "paint/BuiltInLooks_win.h"
#include "paint/Masks.h"
#include "paint/Text.h"
#include "paint/Text_win.h"
#include "render/Bitmap_win.h"
#include "render/PaintDisabled.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"

namespace taramel {

TsRadioButton::TsRadioButton(TComponent* owner) : TSkinnedControl(owner) {}

TsRadioButton::~TsRadioButton()
{
    fade_.reset();
}

int TsRadioButton::MarkImage() const
{
    const TSkinTables* t = SkinData()->Tables();
    if (t == nullptr)
        return -1;
    const int index = Checked() ? t->CommonIndexes.RadioButtonChecked : t->CommonIndexes.RadioButtonUnChecked;
    return DrawableStateImage(*t, index) ? index : -1;
}

SIZE TsRadioButton::MarkSize() const
{
    const int index = MarkImage();
    if (index < 0)
        return SIZE{16, 16};
    const TsMaskData& mask = SkinData()->Tables()->Images[index];
    return SIZE{StateImageWidth(mask), StateImageHeight(mask)};
}

RECT TsRadioButton::MarkRect() const
{
    const SIZE s = MarkSize();
    const int top = (Height() - s.cy) / 2;
    return RECT{Margin, top, Margin + s.cx, top + s.cy};
}

int TsRadioButton::MarkState() const
{
    if (pressed_)
        return 2;
    return SkinData()->InHotState() && !ReadOnly ? 1 : 0;
}

SIZE TsRadioButton::AutoSizeExtent() const
{
    SIZE text{0, 0};
    if (!Caption().empty()) {
        const HFONT font = const_cast<TsRadioButton*>(this)->Font().Handle();
        text = FontTextExtent(font, Caption());
    }
    const SIZE mark = MarkSize();
    if (!SkinnedNow())
        return SIZE{text.cx + 20, std::max<LONG>(text.cy + 4, 20)};
    const int width = mark.cx + 2 * Margin + (Caption().empty() ? 0 : text.cx + TextIndent + 8);
    const int height = std::max<int>(mark.cy, text.cy + 2 * Margin) + 2;
    return SIZE{width, height};
}

void TsRadioButton::AdjustSize()
{
    if (!AutoSize || IsLoading())
        return;
    const SIZE s = AutoSizeExtent();
    if (s.cx != Width() || s.cy != Height())
        SetBounds(Left(), Top(), s.cx, s.cy);
}

void TsRadioButton::RebuildCache()
{
    TsCommonData& data = *SkinData();
    data.PrepareCache();
    if (!data.CacheBmp || data.CacheBmp->Empty())
        return;
    TBitmap& cache = *data.CacheBmp;
    const TSkinTables& t = *data.Tables();
    const BgCache bg = ParentBgCache(this);
    const bool hot = data.InHotState() && !ReadOnly;
    PaintControlSection(data, bg, true, cache, TRect{0, 0, Width(), Height()}, hot ? 1 : 0);
    const SIZE mark = MarkSize();
    if (!Caption().empty())
        if (HDC dc = BitmapDC(cache)) {
            SelectObject(dc, Font().Handle());
            const int a = Width() - mark.cx - TextIndent - 2 * Margin - 2;
            RECT measure{0, 0, std::max(0, a), 0};
            DrawTextUtf8(dc, Caption(), measure,
                         DT_CALCRECT | DT_NOPREFIX | (WordWrap ? DT_WORDBREAK : DT_SINGLELINE));
            const int th = measure.bottom - measure.top;
            const int top = std::max((Height() - th) / 2, Margin);
            RECT r{Width() - a - Margin + 2, top, Width() - Margin, top + th};
            OffsetRect(&r, WordWrap ? -1 : 0, -1);
            DrawSkinText(dc, Caption(), CaptionTextRequest(*this, data, hot),
                         DT_NOPREFIX | (WordWrap ? DT_WORDBREAK | DT_CENTER : DT_SINGLELINE), r);
            GdiFlush();
            if (HandleAllocated() && GetFocus() == Handle() && ShowFocus) {
                ++r.top;
                if (!WordWrap)
                    --r.bottom;
                InflateRect(&r, 1, 1);
                DrawDottedFocus(cache, ToTRect(r));
            }
        }
    const RECT m = MarkRect();
    if (const int index = MarkImage(); index >= 0)
        DrawMaskImage(t, cache, TPoint{m.left, m.top}, MarkState(), BgCacheFromBitmap(cache, 0, 0),
                      t.Images[index], 1);
    else  // a skin without a usable mark: the choice must still be seen
        DrawBuiltInMark(cache, TRect{m.left, m.top, m.right, m.bottom}, TBuiltInMark::Radio, Checked(),
                        BuiltInLook{MarkState(), Enabled()});
    if (!Enabled())
        PaintDisabled(cache, dkBlended, DisabledBackground{bg.Bitmap, bg.X, bg.Y, bg.SolidColor}, 0, 0,
                      data.GetBackgroundColor(false));
    data.CacheDirty = false;
}

void TsRadioButton::PaintTo(HDC dc)
{
    TsCommonData& data = *SkinData();
    const int saved = SaveDC(dc);
    if (data.IsUpdating()) {
        data.Updating = true;
    } else {
        // The parent's picture under a see-through button may have changed:
        // the cache follows it at every paint, but not while fading.
        if (!fade_ || !fade_->Enabled())
            RebuildCache();
        RefreshCorners(data, MarkState(), 15);
        if (data.CacheBmp)
            CopyBitmapToDC(*data.CacheBmp, dc, RECT{0, 0, Width(), Height()}, 0, 0);
    }
    RestoreDC(dc, saved);
}

void TsRadioButton::StateChanged(bool press, TacAnimatEvent event)
{
    TsCommonData& data = *SkinData();
    if (!SkinnedNow())
        return;
    if (FadeAllowed(data, AnimatEvents, event, Enabled())) {
        StartFade(fade_, *this, data, press);
        return;
    }
    data.CacheDirty = true;
    StopFade();
    Repaint();
}

bool TsRadioButton::HandleSkinCommand(TMessage& m)
{
    if (AnswerFadeCommand(m, fade_, [this] { RebuildCache(); }))
        return true;
    switch (SkinCommandOf(m.WParam)) {
    case CMD_NEW_SKIN:
    case CMD_REMOVE_SKIN:
    case CMD_REPAINT:
        StopFade();
        return false;
    default:
        return false;
    }
}

void TsRadioButton::AfterCommonCommand(TMessage& m)
{
    const auto code = SkinCommandOf(m.WParam);
    if (code == CMD_REMOVE_SKIN && HandleAllocated() && !IsDestroying())
        SendMessageW(Handle(), BM_SETCHECK, Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    if (code == CMD_REPAINT && !IsDestroying())
        AdjustSize();
    TSkinnedControl::AfterCommonCommand(m);
}

bool TsRadioButton::HandleSkinnedMessage(TMessage& m)
{
    if (!SkinnedNow())
        return false;
    TsCommonData& data = *SkinData();
    switch (m.Msg) {
    case WM_PAINT:
        AnswerPaint(*this, m, [&](HDC dc, bool) { PaintTo(dc); });
        return true;
    case WM_PRINTCLIENT:
        data.Updating = false;
        PaintTo(reinterpret_cast<HDC>(m.WParam));
        return true;
    case WM_ERASEBKGND:
        m.Result = 1;
        return true;
    case WM_ENABLE:
    case WM_NCPAINT:
    case BM_SETSTATE:
    case WM_UPDATEUISTATE:
        // The system would draw its own look over the skin.
        m.Result = 0;
        return true;
    case CM_MOUSEENTER:
        if (Enabled() && !data.MouseAbove) {
            TRadioButton::WndProc(m);
            data.MouseAbove = true;
            StateChanged(false, aeMouseEnter);
        }
        return true;
    case CM_MOUSELEAVE:
        if (Enabled()) {
            TRadioButton::WndProc(m);
            data.MouseAbove = false;
            pressed_ = false;
            StateChanged(false, aeMouseLeave);
        }
        return true;
    case WM_SETFOCUS:
        ChangeLookQuietly(*this, data, fade_, TLookChange::FocusGained, [&] { TRadioButton::WndProc(m); });
        return true;
    case WM_KILLFOCUS:
        data.MouseAbove = false;
        ChangeLookQuietly(*this, data, fade_, TLookChange::FocusLost, [&] { TRadioButton::WndProc(m); });
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!Enabled())
            return false;
        if (ReadOnly)
            return true;
        pressed_ = true;
        StateChanged(true, aeMouseDown);
        WithDrawingOff(*this, [&] { TRadioButton::WndProc(m); });
        Invalidate();
        return true;
    case WM_LBUTTONUP:
        if (!Enabled())
            return false;
        if (ReadOnly)
            return true;
        WithDrawingOff(*this, [&] { TRadioButton::WndProc(m); });  // the system's click checks the button
        if (pressed_) {
            pressed_ = false;
            SetChecked(true);
        }
        Invalidate();
        return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam != VK_SPACE)
            return false;
        if (ReadOnly)
            return true;
        pressed_ = m.Msg == WM_KEYDOWN;
        WithDrawingOff(*this, [&] { TRadioButton::WndProc(m); });
        if (m.Msg == WM_KEYUP)
            SetChecked(true);
        Invalidate();
        return true;
    case BM_SETCHECK:
        WithDrawingOff(*this, [&] { TRadioButton::WndProc(m); });
        data.CacheDirty = true;
        StopFade();
        Invalidate();
        return true;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TRadioButton::WndProc(m);
        AdjustSize();
        Invalidate();
        return true;
    default:
        return false;
    }
}

}  // namespace taramel
