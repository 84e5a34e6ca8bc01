#include "app/AboutDialog_win.h"

#include "app/FormLayout_win.h"
#include "app/MainWindow_win.h"
#include "framework/Application.h"
#include "framework/Resources.h"
#include "images/BmpReader.h"
#include "TaramelVersion.h"

#include <windows.h>

namespace taramel {

TForm3* Form3 = nullptr;

namespace {

constexpr TColor kTextColor = MakeColor(36, 44, 53);
// The links' colour value as the layout stores it; only its low three bytes
// (red 64, green 121, blue 64) reach the screen.
constexpr TColor kLinkColor = 239106368;
// The logo's resource: a 32-bit bitmap whose fourth byte is its alpha.
constexpr int kLogoResource = 200;

TsLabel* MakeText(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                  const char* text, bool bold)
{
    auto* label = MakeControl<TsLabel>(owner, parent, name, left, top, width, 19);
    label->SetAutoSize(false);
    SetFont(label->Font(), 16, bold ? unsigned(fsBold) : 0u, kTextColor);
    label->Font().SetCharset(RUSSIAN_CHARSET);
    label->SetCaption(text);
    return label;
}

TsWebLabel* MakeLink(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                     const char* text, const std::string& url)
{
    auto* label = MakeControl<TsWebLabel>(owner, parent, name, left, top, width, 19);
    label->SetAutoSize(false);
    SetFont(label->Font(), 16, 0, kLinkColor);
    label->Font().SetCharset(RUSSIAN_CHARSET);
    SetFont(label->HoverFont(), 16, fsUnderline, clBlue);
    label->HoverFont().SetCharset(RUSSIAN_CHARSET);
    label->SetCaption(text);
    label->Url = url;
    return label;
}

// The logo from the program's resources; an empty picture when it is missing
// (the dialog still shows its texts).
void LoadLogo(TImage& image)
{
    const auto bytes = ProgramResource(MAKEINTRESOURCEW(kLogoResource));
    if (bytes.empty())
        return;
    TBitmap logo;
    LoadBmpFromMemory(bytes.data(), bytes.size(), logo);
    image.SetPicture(logo);
}

}  // namespace

TForm3::TForm3(TComponent* owner) : TForm(owner)
{
    Form3 = this;
    SetName("Form3");
    // Not shown at start-up: its window is made when first opened.
    SetWindowOnFirstUse(true);
    BeginLoading();
    SetCaption("О программе...");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poMainFormCenter);
    SetColor(clBtnFace);
    SetFont(Font(), 13, 0, clWindowText);
    SetClientSize(428, 137);

    sPanel1 = MakeControl<TsPanel>(this, this, "sPanel1", 0, 0, 428, 137);
    sPanel1->SetAlign(TAlign::alClient);

    sLabel2 = MakeText(this, sPanel1, "sLabel2", 8, 8, 100, "Программа:", true);
    sLabel9 = MakeText(this, sPanel1, "sLabel9", 120, 8, 124, "Тарамел " TARAMEL_VERSION_SHORT, false);
    sLabel6 = MakeText(this, sPanel1, "sLabel6", 8, 33, 57, "Автор:", true);
    sLabel11 = MakeText(this, sPanel1, "sLabel11", 79, 33, 218, kAuthorName, false);
    sLabel5 = MakeText(this, sPanel1, "sLabel5", 8, 57, 44, "URL: ", true);
    sWebLabel1 = MakeLink(this, sPanel1, "sWebLabel1", 80, 56, 184, kMakerSiteCaption, kMakerSiteAddress);
    sLabel4 = MakeText(this, sPanel1, "sLabel4", 8, 81, 57, "E-Mail:", true);
    sWebLabel3 = MakeLink(this, sPanel1, "sWebLabel3", 80, 81, 136, kAuthorMail,
                          std::string("mailto:") + kAuthorMail);
    sLabel7 = MakeText(this, sPanel1, "sLabel7", 8, 106, 41, "ICQ: ", true);
    sLabel8 = MakeText(this, sPanel1, "sLabel8", 80, 106, 93, kAuthorIcq, false);

    Image1 = MakeControl<TImage>(this, sPanel1, "Image1", 303, 8, 120, 120);
    Image1->Transparent = true;
    EndLoadingAll();
}

void TForm3::CreateWnd()
{
    TForm::CreateWnd();
    // The logo is read when the dialog is first opened, not at start-up.
    if (logoLoaded_)
        return;
    logoLoaded_ = true;
    try {
        LoadLogo(*Image1);
    } catch (...) {
        // The dialog still shows its texts.
        Application->HandleException();
    }
}

TForm3::~TForm3()
{
    if (Form3 == this)
        Form3 = nullptr;
}

}  // namespace taramel
