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

std::string TsCommonData::DefaultSection(int controlClass)
{
    switch (controlClass) {
    case 3: case 97: return "EDIT";
    case 33: return "RADIOBUTTON";
    case 51: return "PANEL";
    case 74: return "GROUPBOX";
    case 92: return "SPEEDBUTTON";
    case 93: return "BUTTON";
    case 151: return "STATUSBAR";
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
