#include "engine/ControlSkinState.h"

namespace taramel {

void TsCommonData::SetSkinSection(const std::string& section)
{
    std::string upper = section;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (upper.empty())
        upper = "UNKNOWN";
    if (upper != skinSection_)
        skinSection_ = upper;
}

std::string TsCommonData::DefaultSection(TControlClass controlClass)
{
    switch (controlClass) {
    case TControlClass::Edit: case TControlClass::ListBox: return "EDIT";
    case TControlClass::RadioButton: return "RADIOBUTTON";
    case TControlClass::Panel: return "PANEL";
    case TControlClass::GroupBox: return "GROUPBOX";
    case TControlClass::SpeedButton: return "SPEEDBUTTON";
    case TControlClass::Button: case TControlClass::BitButton: return "BUTTON";
    case TControlClass::StatusBar: return "STATUSBAR";
    default: return "";
    }
}

void TsCommonData::Loaded()
{
    if (skinSection_.empty()) {
        const std::string section = DefaultSection(controlClass_);
        if (!section.empty())
            SetSkinSection(section);
    }
}

}  // namespace taramel
