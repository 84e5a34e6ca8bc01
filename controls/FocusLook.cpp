#include "controls/FocusLook.h"

#include "engine/ControlSkinState.h"
#include "framework/WinControl.h"

namespace taramel {

void StopFade(std::unique_ptr<TsFadeTimer>& fade)
{
    if (fade)
        fade->Stop();
    fade.reset();
}

void ChangeLookQuietly(TWinControl& control, TsCommonData& data, std::unique_ptr<TsFadeTimer>& fade,
                       TLookChange change, const std::function<void()>& standardHandling)
{
    if (change != TLookChange::FocusGained)
        StopFade(fade);
    WithDrawingOff(control, standardHandling);
    if (change != TLookChange::TextSet)
        data.Focused = change == TLookChange::FocusGained;
    data.CacheDirty = true;
    if (change == TLookChange::FocusGained && fade && fade->Running())
        fade->Step();
    else
        control.Invalidate();
}

}  // namespace taramel
