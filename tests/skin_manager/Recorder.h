// Watching which controls receive which skin commands, in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/SkinCommand_win.h"
#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/Form.h"
#include "framework/WinControl.h"

namespace taramel::testing_support {

struct TReceived {
    std::string Who;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    bool Sent = false;  // arrived through SendMessage (InSendMessage) or a window procedure call
    bool operator==(const TReceived&) const = default;
};

class TCommandLog {
public:
    // Takes over the control's message handler: skin commands are written
    // down (CMD_IS_SKINNED is answered with `skinned` and not written), the
    // rest goes on to the control. `answer` is returned for every other command.
    void Watch(TControl* control, const std::string& who, bool skinned, LRESULT answer = 0)
    {
        TWindowProc previous = control->WindowProc;
        control->WindowProc = [this, who, skinned, answer, previous](TMessage& m) {
            if (m.Msg != SM_ALPHACMD) {
                previous(m);
                return;
            }
            if (SkinCommandOf(m.WParam) == CMD_IS_SKINNED) {
                m.Result = skinned ? 1 : 0;
                return;
            }
            entries.push_back({who, m.WParam, m.LParam});
            if (onCommand)
                onCommand(who, m);
            m.Result = answer;
        };
    }

    // Only the commands, as "who:code".
    std::vector<std::string> Codes() const
    {
        std::vector<std::string> codes;
        for (const TReceived& e : entries)
            codes.push_back(e.Who + ":" + std::to_string(SkinCommandOf(e.WParam)));
        return codes;
    }
    std::vector<std::uint16_t> CodesOf(const std::string& who) const
    {
        std::vector<std::uint16_t> codes;
        for (const TReceived& e : entries)
            if (e.Who == who)
                codes.push_back(SkinCommandOf(e.WParam));
        return codes;
    }

    std::vector<TReceived> entries;
    std::function<void(const std::string& who, TMessage& m)> onCommand;
};

// A plain form of the application, made with its window.
inline TForm* NewForm()
{
    auto* form = new TForm(Application);
    form->AfterConstruction();
    return form;
}

}  // namespace taramel::testing_support
