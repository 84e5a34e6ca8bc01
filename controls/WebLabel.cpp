#include "controls/WebLabel.h"

#include "base/Color.h"
#include "controls/BitBtn.h"
#include "engine/SkinManager_win.h"
#include "framework/Form.h"
#include "framework/Shell.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"

namespace taramel {

TsWebLabel::TsWebLabel(TComponent* owner) : TsLabel(owner)
{
    hoverFont_.SetColor(clBlue);
    hoverFont_.SetStyle(fsUnderline);
    Cursor = IDC_HAND;
}

void TsWebLabel::MouseEnter()
{
    if (!hovering_) {
        hovering_ = true;
        normalFont_ = Font();
        Font().Assign(hoverFont_);
    }
    TsLabel::MouseEnter();
}

void TsWebLabel::MouseLeave()
{
    if (hovering_) {
        hovering_ = false;
        Font().Assign(normalFont_);
    }
    TsLabel::MouseLeave();
}

void TsWebLabel::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    TsLabel::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && !Url.empty()) {
        TCustomForm* form = GetParentForm(this);
        OpenWithShell(form && form->HandleAllocated() ? form->Handle() : nullptr, Url);
    }
}

TColor TsWebLabel::SkinTextColor() const
{
    TsSkinManager* m = DefaultManager();
    if (!UseSkinColor || m == nullptr || !m->SkinReady())
        return clNone;
    const TSkinTables& t = m->Tables();
    const int global = FindSection(t, "GLOBALINFO");
    if (!SectionExists(t, global))
        return clNone;
    const TColor c = t.Sections[global].FontColor[hovering_ ? 2 : 4];
    return c == -1 ? clNone : c;
}

}  // namespace taramel
