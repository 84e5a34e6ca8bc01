// The skinned controls of the program: each is the standard control with the
// skin state of its kind (SkinnedControl.h).
#pragma once

#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/Panel.h"
#include "controls/RadioButton.h"
#include "controls/SkinnedBitBtn.h"
#include "controls/SkinnedControl.h"
#include "controls/SkinnedEdit.h"
#include "controls/SkinnedRadioButton.h"
#include "controls/SkinnedSpinEdit.h"
#include "controls/SpeedButton.h"
#include "controls/SkinnedGroupBox.h"
#include "controls/SkinnedLabel.h"
#include "controls/SkinnedPanel.h"
#include "controls/SkinnedSpeedButton.h"
#include "controls/SkinnedStatusBar.h"
#include "controls/SpinEdit.h"

#include <string>

namespace taramel {

using TsListBox = TSkinnedControl<TListBox, TControlClass::ListBox, "TsListBox">;

}  // namespace taramel
