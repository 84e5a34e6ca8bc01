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

class TsPanel : public TSkinnedControl<TPanel, TControlClass::Panel> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsPanel"; }
};

class TsGroupBox : public TSkinnedControl<TGroupBox, TControlClass::GroupBox> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsGroupBox"; }
};

class TsLabel : public TSkinnedControl<TLabel, TControlClass::None> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsLabel"; }
    // While a skin is active the text takes the skin's colour.
    bool UseSkinColor = true;
};

class TsBitBtn : public TSkinnedControl<TBitBtn, TControlClass::BitButton> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsBitBtn"; }
};

class TsSpeedButton : public TSkinnedControl<TSpeedButton, TControlClass::SpeedButton> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsSpeedButton"; }
};

class TsRadioButton : public TSkinnedControl<TRadioButton, TControlClass::RadioButton> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsRadioButton"; }
};

class TsSpinEdit : public TSkinnedControl<TSpinEdit, TControlClass::Edit> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsSpinEdit"; }
};

class TsListBox : public TSkinnedControl<TListBox, TControlClass::ListBox> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsListBox"; }
};

class TsStatusBar : public TSkinnedControl<TStatusBar, TControlClass::StatusBar> {
public:
    using TSkinnedControl::TSkinnedControl;
    std::string ClassName() const override { return "TsStatusBar"; }
};

}  // namespace taramel
