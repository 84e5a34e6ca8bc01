#include "app/SettingsDialog_win.h"

#include "app/AnsiText_win.h"
#include "app/CardNavigation.h"
#include "app/FormLayout_win.h"
#include "app/SettingsFile_win.h"
#include "app/SettingsValues.h"
#include "app/MainWindow_win.h"
#include "app/StudentMessages.h"
#include "base/Exception.h"
#include "skin/SkinFiles.h"
#include "framework/Application.h"
#include "engine/SkinManager_win.h"

namespace taramel {

TForm2* Form2 = nullptr;

namespace {

constexpr const char* kSkinName = "Topaz";

// The skin a report names, as the student finds it beside the program: the
// packed file when there is one, otherwise the folder. The folder's path is
// in the ANSI code page, as the skin manager reads it.
std::string SkinPath(const std::string& folder, const std::string& name)
{
    const std::string packed = folder + name + ".asz";
    const bool hasPacked = GetFileAttributesA(packed.c_str()) != INVALID_FILE_ATTRIBUTES;
    return AnsiToUtf8(ReadablePath(hasPacked ? packed : folder + name));
}

TsRadioButton* MakeRadio(TComponent* owner, TWinControl* parent, const char* name, int top, int width,
                         const char* caption, bool checked)
{
    auto* radio = MakeControl<TsRadioButton>(owner, parent, name, 16, top, width, 20);
    radio->SetCaption(caption);
    radio->SetChecked(checked);
    return radio;
}

TsGroupBox* MakeGroup(TComponent* owner, TWinControl* parent, const char* name, int left, const char* caption)
{
    auto* group = MakeControl<TsGroupBox>(owner, parent, name, left, 8, 185, 121);
    group->SetCaption(caption);
    return group;
}

TsBitBtn* MakeButton(TComponent* owner, TWinControl* parent, const char* name, int left, const char* caption,
                     TNotifyEvent onClick)
{
    auto* button = MakeControl<TsBitBtn>(owner, parent, name, left, 7, 75, 25);
    button->SetCaption(caption);
    button->OnClick = std::move(onClick);
    return button;
}

}  // namespace

TForm2::TForm2(TComponent* owner) : TForm(owner)
{
    Form2 = this;
    SetName("Form2");
    // Not shown at start-up: its window is made when first opened.
    SetWindowOnFirstUse(true);
    BeginLoading();
    SetCaption("Настройки");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poMainFormCenter);
    SetColor(clBtnFace);
    SetFont(Font(), 13, 0, clWindowText);
    SetClientSize(392, 177);

    sPanel1 = MakeControl<TsPanel>(this, this, "sPanel1", 0, 139, 392, 38);
    sPanel1->SetAlign(TAlign::alBottom);
    sBitBtn1 = MakeButton(this, sPanel1, "sBitBtn1", 118, "ОК", [this](TObject* s) { sBitBtn1Click(s); });
    sBitBtn2 = MakeButton(this, sPanel1, "sBitBtn2", 199, "Отмена", [this](TObject* s) { sBitBtn2Click(s); });
    // Enter stores and closes, Esc closes as "Отмена".
    sBitBtn1->Default = true;
    sBitBtn2->Cancel = true;

    sPanel2 = MakeControl<TsPanel>(this, this, "sPanel2", 0, 0, 392, 139);
    sPanel2->SetAlign(TAlign::alClient);

    sGroupBox1 = MakeGroup(this, sPanel2, "sGroupBox1", 8, "Вывод вопросов-ответов:");
    sRadioButton1 = MakeRadio(this, sGroupBox1, "sRadioButton1", 32, 76, "Случайно", true);
    sRadioButton2 = MakeRadio(this, sGroupBox1, "sRadioButton2", 60, 115, "Хронологически", false);

    sGroupBox2 = MakeGroup(this, sPanel2, "sGroupBox2", 199, "Следующий вопрос-ответ:");
    sRadioButton3 = MakeRadio(this, sGroupBox2, "sRadioButton3", 32, 145, "Кнопка \"Следующий\"", true);
    sRadioButton4 = MakeRadio(this, sGroupBox2, "sRadioButton4", 60, 87, "По таймеру", false);
    sRadioButton3->OnClick = [this](TObject* s) { sRadioButton3Click(s); };
    sRadioButton4->OnClick = [this](TObject* s) { sRadioButton4Click(s); };

    sLabel1 = MakeControl<TsLabel>(this, sGroupBox2, "sLabel1", 16, 88, 68, 16);
    sLabel1->SetAutoSize(false);
    sLabel1->SetCaption("В секундах:");
    SetFont(sLabel1->Font(), 13, 0, MakeColor(36, 44, 53));
    sLabel1->SetEnabled(false);

    sSpinEdit1 = MakeControl<TsSpinEdit>(this, sGroupBox2, "sSpinEdit1", 112, 85, 57, 24);
    sSpinEdit1->SetColor(clWhite);
    SetFont(sSpinEdit1->Font(), 13, 0, clBlack);
    sSpinEdit1->SetMinValue(1);
    sSpinEdit1->SetMaxValue(1000);
    sSpinEdit1->SetValue(1);
    sSpinEdit1->SetEnabled(false);

    OnCreate = [this](TObject* s) { FormCreate(s); };
    EndLoadingAll();
}

TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
}

void TForm2::LoadSettings()
{
    const TSettingsFile settings = TSettingsFile::BesideExecutable();
    if (Form1) {
        DeckStore& deck = Form1->Deck();
        SetCurrentIndex(deck, StoredPositionInDeck(settings.ReadInteger(kKeyIndex, 0), deck.Count()));
    }
    sSpinEdit1->SetValue(settings.ReadInteger(kKeyInterval, 1));
    if (settings.ReadBool(kKeyRandom, true))
        sRadioButton1->SetChecked(true);
    else
        sRadioButton2->SetChecked(true);
    // Checking a button that was not checked runs its click handler, which
    // enables or disables the seconds.
    if (settings.ReadBool(kKeyTimer, false)) {
        sRadioButton4->SetChecked(true);
        sRadioButton4Click(sRadioButton4);
    } else
        sRadioButton3->SetChecked(true);
    if (Form1)
        Form1->ShowCard();
}

CardSettings* LiveCardSettings()
{
    return Form2;
}

bool TForm2::RandomOrder() const
{
    return sRadioButton1->Checked();
}

bool TForm2::NextCardByTimer() const
{
    return sRadioButton4->Checked();
}

int TForm2::TimerSeconds() const
{
    return sSpinEdit1->Value();
}

void TForm2::Edit()
{
    ShowModal();
}

void TForm2::FormCreate(TObject*)
{
    // A skin that cannot be read is reported and the program goes on without
    // it; the settings are still read, or the next OK would overwrite them
    // with the layout's choices.
    if (Form1 && Form1->sSkinManager1) {
        TsSkinManager& manager = *Form1->sSkinManager1;
        try {
            ActivateSkinBesideProgram(manager, kSkinName);
        } catch (const Exception& e) {
            Application->ShowException(e.Message(), SkinDamagedAdvice(SkinPath(manager.SkinDirectory(), kSkinName)));
        } catch (...) {
            Application->HandleException();
        }
    }
    LoadSettings();
}

void TForm2::sBitBtn1Click(TObject*)
{
    const TSettingsFile settings = TSettingsFile::BesideExecutable();
    settings.WriteBool(kKeyRandom, sRadioButton1->Checked());
    settings.WriteBool(kKeyTimer, sRadioButton4->Checked());
    settings.WriteInteger(kKeyInterval, sSpinEdit1->Value());
    Close();
}

void TForm2::sBitBtn2Click(TObject*)
{
    LoadSettings();
    Close();
}

void TForm2::sRadioButton3Click(TObject*)
{
    sSpinEdit1->SetEnabled(false);
    sLabel1->SetEnabled(false);
}

void TForm2::sRadioButton4Click(TObject*)
{
    sSpinEdit1->SetEnabled(true);
    sLabel1->SetEnabled(true);
}

}  // namespace taramel
