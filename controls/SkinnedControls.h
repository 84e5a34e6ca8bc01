// The skinned controls of the program: each is the standard control with the
// skin state of its kind (SkinnedControl.h).
#pragma once

#include "controls/BitBtn.h"
#include "controls/GroupBox.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/Panel.h"
#include "controls/RadioButton.h"
#include "controls/SkinnedControl.h"
#include "controls/SpeedButton.h"
#include "controls/SpinEdit.h"
#include "controls/StatusBar.h"

#include <string>

namespace taramel {

using TsPanel = TSkinnedControl<TPanel, TControlClass::Panel, "TsPanel">;
using TsGroupBox = TSkinnedControl<TGroupBox, TControlClass::GroupBox, "TsGroupBox">;
using TsBitBtn = TSkinnedControl<TBitBtn, TControlClass::BitButton, "TsBitBtn">;
using TsSpeedButton = TSkinnedControl<TSpeedButton, TControlClass::SpeedButton, "TsSpeedButton">;
using TsRadioButton = TSkinnedControl<TRadioButton, TControlClass::RadioButton, "TsRadioButton">;
using TsSpinEdit = TSkinnedControl<TSpinEdit, TControlClass::Edit, "TsSpinEdit">;
using TsListBox = TSkinnedControl<TListBox, TControlClass::ListBox, "TsListBox">;
using TsStatusBar = TSkinnedControl<TStatusBar, TControlClass::StatusBar, "TsStatusBar">;

// The label adds the switch of its text colour.
class TsLabel : public TSkinnedControl<TLabel, TControlClass::None, "TsLabel"> {
public:
    using TSkinnedControl::TSkinnedControl;
    // While a skin is active the text takes the skin's colour.
    bool UseSkinColor = true;
};

}  // namespace taramel
