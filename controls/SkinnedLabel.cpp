#include "controls/SkinnedLabel.h"

#include "base/Color.h"
#include "engine/ControlPaint_win.h"
#include "engine/SkinCommand_win.h"
#include "engine/SkinManager_win.h"
#include "paint/SectionPaint_win.h"
#include "render/FactorOps.h"
#include "render/SysColors.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"

namespace taramel {

namespace {

const TSkinTables* ReadySkin()
{
    TsSkinManager* m = DefaultManager();
    return m != nullptr && m->SkinReady() ? &m->Tables() : nullptr;
}

}  // namespace

TsLabel::TsLabel(TComponent* owner) : TLabel(owner)
{
    SetTransparent(true);
}

TColor TsLabel::SkinTextColor() const
{
    const TSkinTables* t = ReadySkin();
    if (t == nullptr || !UseSkinColor || IsDestroying())
        return clNone;
    const int i = ParentSectionForText(const_cast<TsLabel*>(this), -1);
    return i >= 0 ? t->Sections[i].FontColor[0] : GlobalTextColor(*t);
}

TColor TsLabel::CurrentTextColor() const
{
    const TColor skin = SkinTextColor();
    return skin != clNone && skin != -1 ? skin : CurrentFont().Color();
}

void TsLabel::Paint(TCanvas& canvas)
{
    const RECT rect = ClientRect();
    if (!Transparent()) {
        canvas.Brush.Color = Color();
        canvas.FillRect(rect);
    }
    const TSkinTables* t = ReadySkin();
    canvas.Font = CurrentFont();
    TColor color = CurrentTextColor();
    if (t != nullptr && !SkinSection.empty()) {
        // Section 0 is a section like any other: only a missing one is none.
        const int index = FindSection(*t, SkinSection);
        if (SectionExists(*t, index)) {
            color = t->Sections[index].FontColor[0];
            PaintSectionToDC(*t, index, SkinSection, ParentBgCache(this), canvas.Handle(), {0, 0}, rect, 0, true);
        }
    }
    const bool skinDisabled = !Enabled() && t != nullptr;
    if (skinDisabled) {
        // Washed out towards what lies behind the label.
        const TColor behind = ParentBackgroundColor(this, nullptr);
        color = MixColors(static_cast<TColor>(ColorToRGB(color)), static_cast<TColor>(ColorToRGB(behind)), 0.4);
    }
    canvas.Font.SetColor(color);
    DrawLabelText(canvas, rect, !skinDisabled);
}

void TsLabel::WndProc(TMessage& m)
{
    if (m.Msg == SM_ALPHACMD) {
        const std::uint16_t code = SkinCommandOf(m.WParam);
        // The label keeps its own font untouched: the skin's colour is applied
        // while painting, so a skin change or removal needs only a repaint,
        // and none while the label is not showing.
        if ((code == CMD_REPAINT || code == CMD_REMOVE_SKIN) && !IsDestroying() && UseSkinColor && Showing())
            Invalidate();
        return;
    }
    TLabel::WndProc(m);
}

}  // namespace taramel
