#include "controls/Label.h"

#include "framework/Unicode.h"
#include "render/TextWrap.h"

#include <algorithm>
#include <vector>

namespace taramel {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    StoreBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout)
{
    layout_ = layout;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    AdjustSize();
}

void TCustomLabel::SetShowAccelChar(bool show)
{
    showAccelChar_ = show;
    Invalidate();
}

void TCustomLabel::TextChanged()
{
    AdjustSize();
    Invalidate();
}

void TCustomLabel::FontChanged()
{
    AdjustSize();
    Invalidate();
}

UINT TCustomLabel::TextFlags() const
{
    UINT flags = wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    switch (alignment_) {
    case TAlignment::taLeftJustify: flags |= DT_LEFT; break;
    case TAlignment::taRightJustify: flags |= DT_RIGHT; break;
    case TAlignment::taCenter: flags |= DT_CENTER; break;
    }
    return flags;
}

void TCustomLabel::AdjustSize()
{
    if (!autoSize_ || wordWrap_ || IsLoading())
        return;
    TWindowDC screen(nullptr);
    TCanvas canvas(screen.Get());
    canvas.Font = Font();
    const SIZE size = canvas.TextExtent(Caption().empty() ? std::string(" ") : Caption());
    SetBounds(Left(), Top(), size.cx, size.cy);
}

void TCustomLabel::DrawWrappedText(TCanvas& canvas, const RECT& rect, bool engraved)
{
    // Whole lines only, never outside the label: what does not fit ends with
    // "..." on the last line shown. Letting DrawText wrap a long text in a
    // centred layout would move it above the label and over its neighbours.
    const std::wstring wide = Widen(Caption());
    const int width = static_cast<int>(rect.right - rect.left);
    const int height = static_cast<int>(rect.bottom - rect.top);
    const int lineHeight = std::max(1, static_cast<int>(canvas.TextExtent("Ag").cy));
    const int maxLines = std::max(1, height / lineHeight);
    auto widthOf = [&](std::u16string_view piece) {
        return static_cast<int>(
            canvas.TextExtent(Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(piece.data()), piece.size())))
                .cx);
    };
    const std::vector<std::u16string> lines =
        WrapTextLines(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()), width,
                      maxLines, widthOf);
    const int room = std::max(0, height - static_cast<int>(lines.size()) * lineHeight);
    int top = static_cast<int>(rect.top);
    if (layout_ == TTextLayout::tlCenter)
        top += room / 2;
    else if (layout_ == TTextLayout::tlBottom)
        top += room;
    const UINT flags = (TextFlags() & ~DT_WORDBREAK) | DT_SINGLELINE | DT_NOPREFIX;
    for (const std::u16string& line : lines) {
        RECT lineRect{rect.left, top, rect.right, std::min(top + lineHeight, static_cast<int>(rect.bottom))};
        const std::string text = Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(line.data()), line.size()));
        if (engraved) {
            // The system's engraved look of disabled text.
            RECT shifted = lineRect;
            OffsetRect(&shifted, 1, 1);
            const TColor color = canvas.Font.Color();
            canvas.Font.SetColor(clBtnHighlight);
            canvas.DrawText(shifted, text, flags);
            canvas.Font.SetColor(color);
        }
        canvas.DrawText(lineRect, text, flags);
        top += lineHeight;
    }
}

void TCustomLabel::DrawLabelText(TCanvas& canvas, RECT rect, bool engraveDisabled)
{
    if (wordWrap_) {
        const bool engraved = !Enabled() && engraveDisabled;
        if (engraved)
            canvas.Font.SetColor(clBtnShadow);
        DrawWrappedText(canvas, rect, engraved);
        return;
    }
    const std::string text = Caption();
    const UINT flags = TextFlags();
    if (layout_ != TTextLayout::tlTop) {
        // Measure first: DrawText centres vertically only single lines.
        RECT measure = rect;
        const int height = canvas.DrawText(measure, text.empty() ? " " : text, flags | DT_CALCRECT);
        const int room = (rect.bottom - rect.top) - height;
        rect.top += layout_ == TTextLayout::tlCenter ? room / 2 : room;
    }
    if (!Enabled() && engraveDisabled) {
        // The system's engraved look of disabled text.
        RECT shifted = rect;
        OffsetRect(&shifted, 1, 1);
        canvas.Font.SetColor(clBtnHighlight);
        canvas.DrawText(shifted, text, flags);
        canvas.Font.SetColor(clBtnShadow);
    }
    canvas.DrawText(rect, text, flags);
}

void TCustomLabel::Paint(TCanvas& canvas)
{
    const RECT rect = ClientRect();
    if (!transparent_) {
        canvas.Brush.Color = Color();
        canvas.FillRect(rect);
    }
    canvas.Font = Font();
    DrawLabelText(canvas, rect);
}

}  // namespace taramel
