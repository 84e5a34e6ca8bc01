// The one base of every skinned control: a standard control of the framework
// with the skin state of its kind (the class code chooses the default skin
// section), and its window procedure taken over so that skin commands meet
// the skinned control first. A skinned control adds only what differs.
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

template <class Standard, TControlClass Code, TClassName Name>
class TSkinnedControl : public Standard {
public:
    explicit TSkinnedControl(TComponent* owner)
        : Standard(owner), skinData_(std::make_unique<TsCommonData>(this, Code))
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
        if (message.Msg == SM_ALPHACMD && HandleSkinCommand(message))
            return;
        Standard::WndProc(message);
    }
    // Answers a skin command itself (true), or leaves it to the standard
    // control (false). None is answered yet: until the control paints from
    // the skin it answers as the standard control does.
    virtual bool HandleSkinCommand(TMessage& /*message*/) { return false; }

private:
    std::unique_ptr<TsCommonData> skinData_;
};

}  // namespace taramel
