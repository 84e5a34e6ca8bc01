// The class code of a skinned control: set by its constructor, it tells the
// engine what kind of control this is, and so which skin section the control
// takes when its layout names none. The numbers are the ones skins and
// stored layouts agree on.
#pragma once

#include <cstdint>

namespace taramel {

enum class TControlClass : std::int32_t {
    None = 0,  // no kind of its own (labels)
    Edit = 3,
    RadioButton = 33,
    Panel = 51,
    GroupBox = 74,
    SpeedButton = 92,
    Button = 93,
    BitButton = 94,
    ListBox = 97,
    StatusBar = 151,
    Form = 224,         // a form's frame
    AdapterItem = 227,  // a control adopted inside a skinned form
};

}  // namespace taramel
