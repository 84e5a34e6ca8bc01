#include "app/MainWindow_win.h"

#include "app/AnsiText_win.h"
#include "app/CardNavigation.h"
#include "app/DeckFile_win.h"
#include "app/DeckLines.h"
#include "app/FormLayout_win.h"
#include "app/SettingsFile_win.h"
#include "app/SettingsValues.h"
#include "app/CardSettings.h"
#include "app/AboutDialog_win.h"
#include "framework/Application.h"
#include "framework/Shell.h"
#include "TaramelVersion.h"

#include <algorithm>

namespace taramel {

TForm1* Form1 = nullptr;

namespace {

constexpr const char* kSampleQuestion =
    "Согласно археологической периодизации история человечества делится на 4 эпохи. Какая из перечисленных "
    "эпох не входит в эту периодизацию? ";
constexpr const char* kSampleAnswer = "Эпоха освоения степных и горных пространств";

// What the two frames say while no card of the deck is shown: a deck that is
// missing, cannot be read or holds no line leaves them so.
constexpr const char* kNoCardsQuestion = "В колоде нет карточек.";
constexpr const char* kNoCardsAnswer =
    "Положите в папку программы файл test.txt: в нём строка с вопросом, следующая строка с ответом, и так "
    "далее. Затем запустите программу снова.";

TShape* MakeFrame(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                  int height, TColor penColor)
{
    auto* shape = MakeControl<TShape>(owner, parent, name, left, top, width, height);
    shape->Brush().Color = clWhite;
    shape->Brush().Style = TBrushStyle::Solid;
    shape->Pen().Color = penColor;
    shape->Pen().Width = 4;
    shape->Pen().Mode = TPenMode::Mask;
    return shape;
}

TsLabel* MakeCardLabel(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                       int height, const char* text)
{
    auto* label = MakeControl<TsLabel>(owner, parent, name, left, top, width, height);
    label->SetAutoSize(false);
    label->SetAlignment(TAlignment::taCenter);
    label->SetLayout(TTextLayout::tlCenter);
    label->SetWordWrap(true);
    label->SetTransparent(true);
    SetFont(label->Font(), 15, 0, clWindowText);
    label->SetCaption(text);
    return label;
}

TsBitBtn* MakeButton(TComponent* owner, TWinControl* parent, const char* name, int left, int width,
                     const char* caption, int tabOrder, TNotifyEvent onClick)
{
    auto* button = MakeControl<TsBitBtn>(owner, parent, name, left, 6, width, 33);
    button->SetCaption(caption);
    button->SetTabOrder(tabOrder);
    button->OnClick = std::move(onClick);
    return button;
}

TsSpeedButton* MakeLink(TComponent* owner, TWinControl* parent, const char* name, int left, int width,
                        const char* caption, TNotifyEvent onClick)
{
    auto* button = MakeControl<TsSpeedButton>(owner, parent, name, left, 3, width, 19);
    button->SetFlat(true);
    SetFont(button->Font(), 13, fsBold, clWindowText);
    button->SetCaption(caption);
    button->OnClick = std::move(onClick);
    return button;
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner)
{
    Form1 = this;
    SetName("Form1");
    BeginLoading();
    SetCaption("Тарамел (История Казахстана) " TARAMEL_VERSION_SHORT);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    SetFont(Font(), 13, 0, clWindowText);
    SetClientSize(499, 319);

    sPanel1 = MakeControl<TsPanel>(this, this, "sPanel1", 0, 0, 499, 97);
    sPanel1->SetAlign(TAlign::alTop);
    SetFont(sPanel1->Font(), 13, 0, clWindowText);
    Shape2 = MakeFrame(this, sPanel1, "Shape2", 7, 7, 486, 84, clRed);
    sLabel1 = MakeCardLabel(this, sPanel1, "sLabel1", 11, 10, 478, 71, kSampleQuestion);

    // Bottom-aligned controls stack from the bottom up in the order they join.
    sStatusBar1 = MakeControl<TsStatusBar>(this, this, "sStatusBar1", 0, 297, 499, 22);
    sStatusBar1->SetAlign(TAlign::alBottom);
    sSpeedButton31 = MakeLink(this, sStatusBar1, "sSpeedButton31", 3, 222, kMakerSiteCaption,
                              [this](TObject* s) { sSpeedButton31Click(s); });
    sSpeedButton1 = MakeLink(this, sStatusBar1, "sSpeedButton1", 231, 265, "Тестник по ЕНТ - \"Кварцеон\"",
                             [this](TObject* s) { sSpeedButton1Click(s); });

    sPanel2 = MakeControl<TsPanel>(this, this, "sPanel2", 0, 248, 499, 49);
    sPanel2->SetAlign(TAlign::alBottom);
    sBitBtn3 = MakeButton(this, sPanel2, "sBitBtn3", 11, 102, "О программе...", 2,
                          [this](TObject* s) { sBitBtn3Click(s); });
    sBitBtn4 = MakeButton(this, sPanel2, "sBitBtn4", 119, 90, "Настройки", 3,
                          [this](TObject* s) { sBitBtn4Click(s); });
    sBitBtn1 = MakeButton(this, sPanel2, "sBitBtn1", 215, 195, "Следующий >>", 0,
                          [this](TObject* s) { sBitBtn1Click(s); });
    sBitBtn2 = MakeButton(this, sPanel2, "sBitBtn2", 416, 73, "Выход", 1,
                          [this](TObject* s) { sBitBtn2Click(s); });

    sPanel3 = MakeControl<TsPanel>(this, this, "sPanel3", 0, 97, 499, 151);
    sPanel3->SetAlign(TAlign::alClient);
    Shape1 = MakeFrame(this, sPanel3, "Shape1", 7, 6, 486, 139, clLime);
    sLabel2 = MakeCardLabel(this, sPanel3, "sLabel2", 11, 6, 478, 138, kSampleAnswer);
    sListBox1 = MakeControl<TsListBox>(this, sPanel3, "sListBox1", 11, 104, 478, 33);
    sListBox1->SetVisible(false);
    sListBox1->SetItemHeight(16);
    deck_ = std::make_unique<TListDeckStore<TListBox>>(*sListBox1);

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(1000);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };

    // The program's one skin manager, stored switched off: the settings
    // dialog's creation points it at the executable's folder and switches it on.
    sSkinManager1 = new TsSkinManager(this);
    sSkinManager1->BeginLoading();
    sSkinManager1->SetName("sSkinManager1");
    sSkinManager1->SetActive(false);
    sSkinManager1->SetSkinDirectory("D:\\Taramel\\Skins");
    sSkinManager1->SetSkinName("Topaz");
    sSkinManager1->MenuSupport.IcoLineSkin = "ICOLINE";
    sSkinManager1->MenuSupport.ExtraLineFontName = "Tahoma";
    sSkinManager1->MenuSupport.ExtraLineFontHeight = -11;

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
    EndLoadingAll();
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

DeckStore& TForm1::Deck()
{
    return *deck_;
}

void TForm1::ShowCard()
{
    ShowCurrentCard(Deck(), *this);
}

std::string TForm1::LineText(const std::string& line) const
{
    return CardDisplayText(lineEncoding_ == TLineEncoding::Utf8 ? line : AnsiToUtf8(line));
}

void TForm1::SetQuestion(const std::string& line)
{
    sLabel1->SetCaption(LineText(line));
    cardShown_ = true;
}

void TForm1::SetAnswer(const std::string& line)
{
    sLabel2->SetCaption(LineText(line));
}

void TForm1::FormCreate(TObject*)
{
    // The first card replaces these texts; the design-time sample card is in
    // no deck and must not stand there as if it were.
    sLabel1->SetCaption(kNoCardsQuestion);
    sLabel2->SetCaption(kNoCardsAnswer);
    lineEncoding_ = LoadDeck(Deck(), ReadDeckFile(kDeckFileName));
}

void TForm1::FormClose(TObject*, TCloseAction&)
{
    if (!cardShown_)
        return;
    // A settings file that refuses the write is reported, but must not keep
    // the user from leaving the program: the close goes on.
    try {
        TSettingsFile::BesideExecutable().WriteInteger(kKeyIndex, PositionToStore(Deck().ItemIndex()));
    } catch (...) {
        Application->HandleException();
    }
}

void TForm1::NextCard()
{
    // The order is read from the dialog's live control at every step, so a
    // change there acts before it is stored.
    const CardSettings* settings = LiveCardSettings();
    if (!settings || settings->RandomOrder())
        NextCardAtRandom(Deck(), Generator, *this);
    else
        NextCardInFileOrder(Deck(), *this);
}

void TForm1::sBitBtn1Click(TObject*)
{
    NextCard();
}

void TForm1::sBitBtn2Click(TObject*)
{
    Close();
}

void TForm1::sBitBtn3Click(TObject*)
{
    if (Form3)
        Form3->ShowModal();
}

void TForm1::sBitBtn4Click(TObject*)
{
    if (CardSettings* settings = LiveCardSettings())
        settings->Edit();
}

void TForm1::OpenMakerSite()
{
    OpenWithShell(Handle(), kMakerSiteAddress);
}

void TForm1::sSpeedButton31Click(TObject*)
{
    OpenMakerSite();
}

void TForm1::sSpeedButton1Click(TObject*)
{
    OpenMakerSite();
}

void TForm1::Timer1Timer(TObject*)
{
    const CardSettings* settings = LiveCardSettings();
    if (!settings)
        return;
    // Only a tick takes the new interval, so it acts from the next tick on;
    // the timer restarts only when the value really changed.
    // A typed value outside what the system's timers take (negative, or
    // beyond USER_TIMER_MAXIMUM) is held to that range; 0 stops the ticks.
    const long long milliseconds = static_cast<long long>(settings->TimerSeconds()) * 1000;
    Timer1->SetInterval(static_cast<unsigned>(std::clamp<long long>(milliseconds, 0, USER_TIMER_MAXIMUM)));
    if (!settings->NextCardByTimer())
        return;
    // A step that fails (no card to show) is reported once; the ticks after
    // it stay quiet until a step shows a card again, or an error box would
    // come back every second after each OK.
    try {
        NextCard();
        timerStepFailed_ = false;
    } catch (...) {
        if (timerStepFailed_)
            return;
        timerStepFailed_ = true;
        throw;
    }
}

}  // namespace taramel
