// The settings dialog: the order of the cards, how the next card comes and
// the timer's seconds. Its controls are the live settings that the main
// window reads at every step; OK stores them, Cancel brings back the file's.
#pragma once

#include "app/CardSettings.h"
#include "controls/SkinnedControls.h"
#include "framework/Form.h"

namespace taramel {

class TForm2 : public TForm, public CardSettings {
public:
    explicit TForm2(TComponent* owner);
    ~TForm2() override;
    std::string ClassName() const override { return "TForm2"; }

    TsPanel* sPanel2;
    TsGroupBox* sGroupBox1;
    TsRadioButton* sRadioButton1;
    TsRadioButton* sRadioButton2;
    TsGroupBox* sGroupBox2;
    TsRadioButton* sRadioButton3;
    TsRadioButton* sRadioButton4;
    TsLabel* sLabel1;
    TsSpinEdit* sSpinEdit1;
    TsPanel* sPanel1;
    TsBitBtn* sBitBtn1;
    TsBitBtn* sBitBtn2;

    // CardSettings: the live controls.
    bool RandomOrder() const override;
    bool NextCardByTimer() const override;
    int TimerSeconds() const override;
    void Edit() override;

    void FormCreate(TObject* sender);
    void sBitBtn1Click(TObject* sender);
    void sBitBtn2Click(TObject* sender);
    void sRadioButton3Click(TObject* sender);
    void sRadioButton4Click(TObject* sender);

private:
    // Reads the four values from the settings file into the deck and the
    // controls, then shows the card (creation and Cancel alike).
    void LoadSettings();
};

extern TForm2* Form2;

}  // namespace taramel
