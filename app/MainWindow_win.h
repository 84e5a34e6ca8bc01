// The main window: the card on two labels, the buttons that move through the
// deck and open the dialogs, the links on the status bar and the card timer.
#pragma once

#include "app/CardGenerator.h"
#include "app/CardNavigation.h"
#include "app/CardView.h"
#include "app/DeckStore.h"
#include "controls/Shape.h"
#include "controls/SkinnedControls.h"
#include "framework/Form.h"
#include "framework/Timer.h"
#include "engine/SkinManager_win.h"

#include <functional>
#include <memory>

namespace taramel {

// The maker's web site: the caption of the address links and the target of
// every site link of the program.
inline constexpr const char* kMakerSiteCaption = "example.com/taramel";
inline constexpr const char* kMakerSiteAddress = "https://example.com/taramel";

class TForm1 : public TForm, public CardView {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    std::string ClassName() const override { return "TForm1"; }

    TsPanel* sPanel1;
    TShape* Shape2;
    TsLabel* sLabel1;
    TsPanel* sPanel3;
    TShape* Shape1;
    TsLabel* sLabel2;
    TsListBox* sListBox1;
    TsStatusBar* sStatusBar1;
    TsSpeedButton* sSpeedButton31;
    TsSpeedButton* sSpeedButton1;
    TsPanel* sPanel2;
    TsBitBtn* sBitBtn3;
    TsBitBtn* sBitBtn4;
    TsBitBtn* sBitBtn1;
    TsBitBtn* sBitBtn2;
    TTimer* Timer1;
    TsSkinManager* sSkinManager1;

    // Draws the random picks of the button and the timer alike.
    TCardGenerator Generator;

    // The deck and its current index live in the hidden list box.
    DeckStore& Deck();
    void ShowCard();

    // CardView: deck lines are ANSI bytes, the labels take UTF-8.
    void SetQuestion(const std::string& line) override;
    void SetAnswer(const std::string& line) override;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void sBitBtn1Click(TObject* sender);
    void sBitBtn2Click(TObject* sender);
    void sBitBtn3Click(TObject* sender);
    void sBitBtn4Click(TObject* sender);
    void sSpeedButton31Click(TObject* sender);
    void sSpeedButton1Click(TObject* sender);
    void Timer1Timer(TObject* sender);

private:
    std::unique_ptr<TListDeckStore<TListBox>> deck_;
    // Whether a line of the deck reached the question label in this run.
    // Until then the stored position is what the user left last time, and a
    // deck that could not be read (missing, locked, empty) must not wipe it.
    bool cardShown_ = false;
    // The last timer step failed and was reported: the next failures are not.
    bool timerStepFailed_ = false;
    // The code of the deck's lines, as the deck file's byte-order mark says.
    TLineEncoding lineEncoding_ = TLineEncoding::Ansi;
    std::string LineText(const std::string& line) const;

    // One step in the order chosen on the settings dialog.
    void NextCard();
    void OpenMakerSite();
};

extern TForm1* Form1;

}  // namespace taramel
