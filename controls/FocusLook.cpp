#include "controls/FocusLook.h"

#include "engine/ControlSkinState.h"
#include "engine/SkinCommand_win.h"
#include "framework/Messages.h"
#include "framework/WinControl.h"

namespace taramel {

void StopFade(std::unique_ptr<TsFadeTimer>& fade)
{
    if (fade)
        fade->Stop();
    fade.reset();
}

void StartFade(std::unique_ptr<TsFadeTimer>& fade, TWinControl& control, TsCommonData& data, bool press)
{
    data.CacheDirty = true;
    if (!fade)
        fade = std::make_unique<TsFadeTimer>(control, data);
    fade->Start(press);
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

bool AnswerFadeCommand(TMessage& message, std::unique_ptr<TsFadeTimer>& fade, const std::function<void()>& rebuildCache)
{
    switch (SkinCommandOf(message.WParam)) {
    case CMD_ANIMATION_DONE:
        StopFade(fade);
        message.Result = 1;
        return true;
    case CMD_PREPARE_FADE:
        rebuildCache();
        return true;
    case CMD_PAINT_FADE_FRAME:
        message.Result = 0;
        return true;
    case CMD_IS_SKINNED:
        message.Result = 1;
        return true;
    default:
        return false;
    }
}

void AnswerPaint(TWinControl& control, TMessage& message, const std::function<void(HDC dc, bool givenDC)>& paint)
{
    const bool given = message.WParam != 0;
    PAINTSTRUCT ps;
    HDC dc = given ? reinterpret_cast<HDC>(message.WParam) : BeginPaint(control.Handle(), &ps);
    paint(dc, given);
    if (!given)
        EndPaint(control.Handle(), &ps);
    message.Result = 0;
}

}  // namespace taramel
