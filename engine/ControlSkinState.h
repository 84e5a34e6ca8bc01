// The skin state of one skinned control. For now it holds what the program's
// layouts set (the section name) and the control's class code, which chooses
// the default section; the skin engine's state joins it here.
#pragma once

#include <string>

namespace taramel {

class TControl;

class TsCommonData {
public:
    TsCommonData(TControl* owner, int controlClass) : owner_(owner), controlClass_(controlClass) {}

    TControl* OwnerControl() const { return owner_; }
    int ControlClass() const { return controlClass_; }

    const std::string& SkinSection() const { return skinSection_; }
    // Stores the name upper-cased; an empty name stores "UNKNOWN".
    void SetSkinSection(const std::string& section);

    // The section chosen by the class code when none was given.
    static std::string DefaultSection(int controlClass);
    // At the end of loading: an empty section becomes the default one.
    void Loaded();

private:
    TControl* owner_;
    int controlClass_;
    std::string skinSection_;
};

}  // namespace taramel
