// The one base of every skinned control: a standard control of the framework
// with the skin state of its kind (the class code chooses the default skin
// section), and its window procedure taken over so that skin commands and
// the messages that change the look meet the skin state first. A skinned
// control adds only what differs.
#pragma once

#include "engine/ControlSkinState.h"
#include "engine/SkinCommand_win.h"
#include "framework/Messages.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>

namespace taramel {

class TComponent;

// A class name written as a template argument ("TsPanel").
template <std::size_t N>
struct TClassName {
    constexpr TClassName(const char (&text)[N]) { std::copy_n(text, N, chars); }
    char chars[N];
};

template <class Standard, TControlClass Code, TClassName Name, bool WithCache = false>
class TSkinnedControl : public Standard {
public:
    explicit TSkinnedControl(TComponent* owner)
        : Standard(owner), skinData_(std::make_unique<TsCommonData>(this, Code, WithCache))
    {
    }
    std::string ClassName() const override { return Name.chars; }
    TsCommonData* SkinData() const { return skinData_.get(); }

protected:
    void Loaded() override
    {
        Standard::Loaded();
        skinData_->Loaded();
    }
    void WndProc(TMessage& message) override
    {
        if (message.Msg == SM_ALPHACMD) {
            if (HandleSkinCommand(message))
                return;
            if (SkinCommandOf(message.WParam) == CMD_END_PARENT_UPDATE && skinData_->Updating) {
                // Painted while its parent's picture was being made, the
                // control drew nothing: it paints now.
                skinData_->Updating = false;
                this->Invalidate();
                return;
            }
            if (skinData_->HandleSkinCommand(message)) {
                AfterCommonCommand(message);
                return;
            }
            Standard::WndProc(message);
            return;
        }
        if (HandleSkinnedMessage(message))
            return;
        if (skinData_->HandleWindowMessage(message))
            return;
        Standard::WndProc(message);
    }
    // The control's own answer to a skin command (true: answered, the
    // common handling is skipped).
    virtual bool HandleSkinCommand(TMessage& /*message*/) { return false; }
    // The control's own reaction to a window message before the common one.
    virtual bool HandleSkinnedMessage(TMessage& /*message*/) { return false; }
    // After the common handling: a control whose look changed repaints. One
    // not shown keeps its cache marked and paints in full when it is shown.
    virtual void AfterCommonCommand(TMessage& message)
    {
        const auto code = SkinCommandOf(message.WParam);
        if ((code == CMD_REPAINT || code == CMD_REMOVE_SKIN) && !this->IsLoading() && !this->IsDestroying() &&
            this->Showing())
            this->Invalidate();
    }
    bool SkinnedNow() const { return skinData_->Skinned(true); }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
