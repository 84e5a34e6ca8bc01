// The skin state of one skinned control. For now it holds what the program's
// layouts set (the section name) and the control's class code, which chooses
// the default section; the skin engine's state joins it here.
#pragma once

#include <string>

#include "engine/ControlClass.h"

namespace taramel {

class TControl;

class TsCommonData {
public:
    TsCommonData(TControl* owner, TControlClass controlClass) : owner_(owner), controlClass_(controlClass) {}

    TControl* OwnerControl() const { return owner_; }
    TControlClass ControlClass() const { return controlClass_; }

    const std::string& SkinSection() const { return skinSection_; }
    // Stores the name upper-cased; an empty name stores "UNKNOWN".
    void SetSkinSection(const std::string& section);

    // The section chosen by the class code when none was given.
    static std::string DefaultSection(TControlClass controlClass);
    // At the end of loading: an empty section becomes the default one.
    void Loaded();

private:
    TControl* owner_;
    TControlClass controlClass_;
    std::string skinSection_;
};

}  // namespace taramel
