#include "controls/Label.h"

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

void TCustomLabel::DrawLabelText(TCanvas& canvas, RECT rect, bool engraveDisabled)
{
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
