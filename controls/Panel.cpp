#include "controls/Panel.h"

namespace taramel {

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner)
{
    StoreBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel)
{
    bevelOuter_ = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut bevel)
{
    bevelInner_ = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int width)
{
    bevelWidth_ = std::max(width, 1);
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void TCustomPanel::Paint(TCanvas& canvas)
{
    RECT rect = ClientRect();
    canvas.Brush.Color = Color();
    canvas.FillRect(rect);
    for (TBevelCut bevel : {bevelOuter_, bevelInner_}) {
        if (bevel == TBevelCut::bvNone)
            continue;
        const bool raised = bevel == TBevelCut::bvRaised;
        canvas.Draw3DFrame(rect, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
                           bevelWidth_);
    }
    const std::string text = Caption();
    if (text.empty())
        return;
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    switch (alignment_) {
    case TAlignment::taLeftJustify: flags |= DT_LEFT; break;
    case TAlignment::taRightJustify: flags |= DT_RIGHT; break;
    case TAlignment::taCenter: flags |= DT_CENTER; break;
    }
    canvas.Font = Font();
    if (!Enabled())
        canvas.Font.SetColor(clGrayText);
    canvas.DrawText(rect, text, flags);
}

}  // namespace taramel
