// The standard and skinned controls driven through their windows' messages.
#include "app/Deck.h"
#include "controls/SpinButton.h"
#include "controls/SkinnedControls.h"
#include "controls/WebLabel.h"
#include "tests/support/InkBox.h"
#include "controls/Image.h"
#include "controls/Shape.h"
#include "base/Exception.h"
#include "framework/Form.h"
#include "framework/Shell.h"
#include "framework/SystemAdvice.h"
#include "framework/Timer.h"
#include "framework/Unicode.h"
#include "tests/framework/TestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

namespace taramel {
namespace {

using namespace testing_support;

class TControlsForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TControlsForm"; }
};

template <class T>
T* Make(TComponent* owner, TWinControl* parent, int left, int top, int width, int height)
{
    auto* control = new T(owner);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}

void SendClick(TWinControl* control, WORD code = BN_CLICKED)
{
    SendMessageW(control->Parent()->Handle(), WM_COMMAND, MAKEWPARAM(0, code),
                 reinterpret_cast<LPARAM>(control->Handle()));
}

// Paints a control's window with its windowless children into a memory
// bitmap and answers pixel questions about it.
class TSnapshot {
public:
    explicit TSnapshot(TWinControl* control)
        : screen_(control->Handle()), memory_(screen_.Get()),
          bitmap_(CreateCompatibleBitmap(screen_.Get(), control->Width(), control->Height())),
          select_(memory_.Get(), bitmap_.Get())
    {
        SendMessageW(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(memory_.Get()), 0);
    }
    COLORREF Pixel(int x, int y) const { return GetPixel(memory_.Get(), x, y); }
    // The box of pixels in `area` that differ from `background`.
    RECT InkBox(RECT area, COLORREF background) const
    {
        return BoxOf(area, [&](COLORREF pixel) { return pixel != background; });
    }
    RECT BoxOf(RECT area, const std::function<bool(COLORREF)>& ink) const
    {
        return testsupport::InkBoxOf(area, [&](int x, int y) { return ink(Pixel(x, y)); });
    }

private:
    TWindowDC screen_;
    TMemoryDC memory_;
    TBitmapHandle bitmap_;
    TSelectObject select_;
};

TEST(Controls, WindowClassesAreTheClassNames)
{
    TControlsForm form(nullptr);
    std::vector<TWinControl*> windowed = {
        Make<TsPanel>(&form, &form, 0, 0, 50, 50),        Make<TsGroupBox>(&form, &form, 0, 0, 50, 50),
        Make<TsBitBtn>(&form, &form, 0, 0, 50, 20),       Make<TsRadioButton>(&form, &form, 0, 0, 50, 20),
        Make<TsSpinEdit>(&form, &form, 0, 0, 50, 20),     Make<TsStatusBar>(&form, &form, 0, 0, 50, 20),
        Make<TsListBox>(&form, &form, 0, 0, 50, 50),      Make<TPanel>(&form, &form, 0, 0, 50, 50),
        Make<TBitBtn>(&form, &form, 0, 0, 50, 20),        Make<TRadioButton>(&form, &form, 0, 0, 50, 20),
    };
    const wchar_t* expected[] = {L"TsPanel",  L"TsGroupBox", L"TsBitBtn", L"TsRadioButton", L"TsSpinEdit",
                                 L"TsStatusBar", L"TsListBox", L"TPanel", L"TBitBtn", L"TRadioButton"};
    for (std::size_t i = 0; i < windowed.size(); ++i) {
        wchar_t name[64] = {};
        GetClassNameW(windowed[i]->Handle(), name, 64);
        EXPECT_STREQ(name, expected[i]);
        EXPECT_EQ(Widen(windowed[i]->ClassName()), expected[i]);
    }
    TControl* graphic[] = {Make<TsLabel>(&form, &form, 0, 0, 5, 5), Make<TsWebLabel>(&form, &form, 0, 0, 5, 5),
                           Make<TsSpeedButton>(&form, &form, 0, 0, 5, 5), Make<TShape>(&form, &form, 0, 0, 5, 5),
                           Make<TImage>(&form, &form, 0, 0, 5, 5)};
    const char* graphicNames[] = {"TsLabel", "TsWebLabel", "TsSpeedButton", "TShape", "TImage"};
    for (std::size_t i = 0; i < std::size(graphic); ++i) {
        EXPECT_EQ(graphic[i]->ClassName(), graphicNames[i]);
        EXPECT_FALSE(graphic[i]->IsWindowed());
    }
}

// A window Windows refuses to make is reported with what the student can
// do first; the error's own text stays as the detail.
TEST(Controls, AWindowWindowsRefusesCarriesTheResourcesAdvice)
{
    TControlsForm form(nullptr);
    auto* panel = new TPanel(&form);
    TWindowProc inner = panel->WindowProc;
    panel->WindowProc = [inner](TMessage& m) {
        if (m.Msg == WM_NCCREATE) {
            m.Result = FALSE;  // as when the system has no room for one more window
            return;
        }
        inner(m);
    };
    try {
        panel->SetParent(&form);
        panel->Handle();
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot create the window of TPanel");
        EXPECT_STREQ(e.Advice().c_str(), kOutOfResourcesAdvice);
    }
}

TEST(Controls, SkinSectionsDefaultByClassAndFollowTheNameRule)
{
    struct TLayoutForm : TControlsForm {
        explicit TLayoutForm(TComponent* owner) : TControlsForm(owner)
        {
            panel = Make<TsPanel>(this, this, 0, 0, 10, 10);
            button = Make<TsBitBtn>(this, this, 0, 0, 10, 10);
            edit = Make<TsSpinEdit>(this, this, 0, 0, 10, 10);
            list = Make<TsListBox>(this, this, 0, 0, 10, 10);
            named = Make<TsPanel>(this, this, 0, 0, 10, 10);
            named->SkinData()->SetSkinSection("panel_low");
        }
        TsPanel* panel;
        TsBitBtn* button;
        TsSpinEdit* edit;
        TsListBox* list;
        TsPanel* named;
    };
    auto* form = Application->CreateForm<TLayoutForm>();
    EXPECT_FALSE(form->panel->IsLoading());
    EXPECT_EQ(form->panel->SkinData()->SkinSection(), "PANEL");
    EXPECT_EQ(form->button->SkinData()->SkinSection(), "BUTTON");
    EXPECT_EQ(form->edit->SkinData()->SkinSection(), "EDIT");
    EXPECT_EQ(form->list->SkinData()->SkinSection(), "EDIT");
    EXPECT_EQ(form->named->SkinData()->SkinSection(), "PANEL_LOW");
    form->named->SkinData()->SetSkinSection("");
    EXPECT_EQ(form->named->SkinData()->SkinSection(), "UNKNOWN");
    delete form;
}

TEST(Controls, RadioButtonsExcludeWithinTheirParentAndProgramChecksActLikeClicks)
{
    struct TRadioForm : TControlsForm {
        explicit TRadioForm(TComponent* owner) : TControlsForm(owner)
        {
            order = Make<TsGroupBox>(this, this, 8, 8, 185, 121);
            mode = Make<TsGroupBox>(this, this, 199, 8, 185, 121);
            random = Make<TsRadioButton>(this, order, 16, 32, 76, 20);
            sequential = Make<TsRadioButton>(this, order, 16, 60, 115, 20);
            button = Make<TsRadioButton>(this, mode, 16, 32, 145, 20);
            timer = Make<TsRadioButton>(this, mode, 16, 60, 87, 20);
            for (TsRadioButton* radio : {random, sequential, button, timer})
                radio->OnClick = [this](TObject* sender) { clicks.push_back(static_cast<TControl*>(sender)); };
            // Checked in the layout: no click while loading.
            random->SetChecked(true);
            button->SetChecked(true);
        }
        TsGroupBox *order, *mode;
        TsRadioButton *random, *sequential, *button, *timer;
        std::vector<TControl*> clicks;
    };
    auto* form = Application->CreateForm<TRadioForm>();
    auto checkedOnScreen = [](TWinControl* radio) {
        return SendMessageW(radio->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    EXPECT_TRUE(form->clicks.empty());
    EXPECT_TRUE(checkedOnScreen(form->random));
    EXPECT_TRUE(checkedOnScreen(form->button));

    // The user clicks "sequential": its partner goes off, the other group stays.
    SendClick(form->sequential);
    EXPECT_TRUE(form->sequential->Checked());
    EXPECT_FALSE(form->random->Checked());
    EXPECT_FALSE(checkedOnScreen(form->random));
    EXPECT_TRUE(checkedOnScreen(form->sequential));
    EXPECT_TRUE(form->button->Checked());
    EXPECT_EQ(form->clicks, (std::vector<TControl*>{form->sequential}));

    // Clicking a checked one does nothing more.
    SendClick(form->sequential);
    EXPECT_EQ(form->clicks.size(), 1u);

    // The program checks "timer": like a click, once.
    form->timer->SetChecked(true);
    form->timer->SetChecked(true);
    EXPECT_FALSE(form->button->Checked());
    EXPECT_FALSE(checkedOnScreen(form->button));
    EXPECT_EQ(form->clicks, (std::vector<TControl*>{form->sequential, form->timer}));
    // Only the checked one of a group takes the Tab key.
    EXPECT_TRUE(form->timer->TabStop());
    EXPECT_FALSE(form->button->TabStop());
    delete form;
}

TEST(Controls, SpinEditValueRules)
{
    TControlsForm form(nullptr);
    auto* spin = Make<TsSpinEdit>(&form, &form, 112, 85, 57, 24);
    spin->SetMinValue(1);
    spin->SetMaxValue(1000);
    struct Read {
        const char* text;
        int value;
    };
    // Reading never clamps: what is typed counts until the field is left.
    const Read reads[] = {{"", 1}, {"abc", 1}, {"12a", 1}, {"5000", 5000}, {"0", 0},
                          {" 7 ", 7}, {"-3", -3}, {"99999999999", 1}, {"+4", 4}};
    for (const Read& r : reads) {
        SetWindowTextA(spin->Handle(), r.text);
        EXPECT_EQ(spin->Value(), r.value) << '"' << r.text << '"';
    }
    struct Write {
        int value;
        const char* shown;
    };
    const Write writes[] = {{5000, "1000"}, {0, "1"}, {-7, "1"}, {1, "1"}, {1000, "1000"}, {37, "37"}};
    for (const Write& w : writes) {
        spin->SetValue(w.value);
        EXPECT_EQ(spin->Text(), w.shown) << w.value;
    }
    // Leaving the field clamps what was typed.
    for (const Write& w : {Write{5000, "1000"}, Write{0, "1"}}) {
        spin->SetText(std::to_string(w.value));
        SendMessageW(spin->Handle(), WM_KILLFOCUS, 0, 0);
        EXPECT_EQ(spin->Text(), w.shown);
    }
    // An empty field stays empty when left (it reads as the minimum).
    spin->SetText("");
    SendMessageW(spin->Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(spin->Text(), "");

    // Only digits can be typed.
    spin->SetText("4");
    SendMessageW(spin->Handle(), EM_SETSEL, 1, 1);
    for (wchar_t c : {L'a', L'-', L'+', L'2', L'\r'})
        SendMessageW(spin->Handle(), WM_CHAR, c, 0);
    EXPECT_EQ(spin->Text(), "42");

    // Arrow keys and arrow buttons step by Increment within the bounds.
    SendMessageW(spin->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(spin->Value(), 43);
    ASSERT_NE(spin->Arrows(), nullptr);
    spin->Arrows()->DownButton()->Click();
    spin->Arrows()->DownButton()->Click();
    EXPECT_EQ(spin->Value(), 41);
    spin->SetValue(1000);
    SendMessageW(spin->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(spin->Value(), 1000);

    // Equal bounds mean no bounds.
    spin->SetMinValue(0);
    spin->SetMaxValue(0);
    spin->SetValue(-5000);
    EXPECT_EQ(spin->Text(), "-5000");
}

TEST(Controls, ListBoxFollowsTheDeckRules)
{
    TControlsForm form(nullptr);
    auto* list = Make<TsListBox>(&form, &form, 11, 104, 478, 33);
    list->SetVisible(false);
    TDeck deck;
    TListDeckStore<TListBox> listDeck(*list);
    const std::vector<std::string> lines = {"Вопрос", "\xC0\xED\xF2\xE0", "third", "fourth"};
    for (DeckStore* store : std::initializer_list<DeckStore*>{&deck, &listDeck}) {
        store->Assign(lines);
        EXPECT_EQ(store->Count(), 4);
        EXPECT_EQ(store->ItemIndex(), -1);
        EXPECT_EQ(store->Line(1), lines[1]);  // bytes come back unchanged
        for (int index : {2, 0, 3}) {
            store->SetItemIndex(index);
            EXPECT_EQ(store->ItemIndex(), index);
        }
        for (int index : {4, -1, -5, 1000}) {
            store->SetItemIndex(1);
            store->SetItemIndex(index);
            EXPECT_EQ(store->ItemIndex(), -1) << index;
        }
        for (int index : {-1, 4}) {
            try {
                store->Line(index);
                ADD_FAILURE() << "no error for " << index;
            } catch (const Exception& error) {
                EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
            }
        }
        store->SetItemIndex(2);
        store->Assign({"a"});
        EXPECT_EQ(store->ItemIndex(), -1);
        store->Assign(lines);
    }
    // The window holds the same lines and selection.
    HWND window = list->Handle();
    EXPECT_EQ(SendMessageW(window, LB_GETCOUNT, 0, 0), 4);
    list->SetItemIndex(3);
    EXPECT_EQ(SendMessageW(window, LB_GETCURSEL, 0, 0), 3);
    list->SetItemIndex(7);
    EXPECT_EQ(SendMessageW(window, LB_GETCURSEL, 0, 0), LB_ERR);
    // The window keeps no text of its own and answers with the stored lines.
    wchar_t text[32] = {};
    EXPECT_EQ(SendMessageW(window, LB_GETTEXTLEN, 1, 0), 4);
    EXPECT_EQ(SendMessageW(window, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text)), 5);
    EXPECT_STREQ(text, L"third");
    EXPECT_EQ(SendMessageW(window, LB_GETTEXT, 4, reinterpret_cast<LPARAM>(text)), LB_ERR);
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST(Controls, ListBoxMadeBeforeItsWindowFillsTheWindowLater)
{
    TControlsForm form(nullptr);
    auto* list = new TsListBox(&form);
    list->Assign({"one", "two"});
    list->SetItemIndex(1);
    list->SetParent(&form);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
}

TEST(Controls, ButtonClickErrorIsReportedAndModalResultClosesTheForm)
{
    ReportCatcher catcher;
    TControlsForm form(nullptr);
    auto* ok = Make<TsBitBtn>(&form, &form, 118, 7, 75, 25);
    ok->SetCaption("ОК");
    int clicks = 0;
    ok->OnClick = [&](TObject*) {
        ++clicks;
        throw Exception("Unable to write to C:\\x\\Option.ini");
    };
    SendClick(ok);
    SendClick(ok);
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(catcher.reports.size(), 2u);
    EXPECT_EQ(catcher.reports[0], "Unable to write to C:\\x\\Option.ini.");

    ok->OnClick = nullptr;
    ok->ModalResult = mrOk;
    TTimer press(nullptr);
    press.SetInterval(20);
    press.OnTimer = [&](TObject*) { SendClick(ok); };
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(Controls, LabelAlignsBothWays)
{
    TControlsForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    form.SetColor(clWhite);
    auto* label = Make<TsLabel>(&form, &form, 0, 0, 200, 100);
    label->SetCaption("XXXX");
    label->Font().SetColor(clBlack);
    struct Case {
        TAlignment alignment;
        TTextLayout layout;
        int centreX, centreY;  // expected centre of the ink, -1: ink starts at the edge
    };
    const Case cases[] = {
        {TAlignment::taCenter, TTextLayout::tlCenter, 100, 50},
        {TAlignment::taLeftJustify, TTextLayout::tlTop, -1, -1},
        {TAlignment::taRightJustify, TTextLayout::tlBottom, 200, 100},
    };
    for (const Case& c : cases) {
        label->SetAlignment(c.alignment);
        label->SetLayout(c.layout);
        TSnapshot snapshot(&form);
        const RECT ink = snapshot.InkBox({0, 0, 200, 100}, RGB(255, 255, 255));
        ASSERT_LT(ink.left, ink.right);
        if (c.centreX == 100) {
            EXPECT_NEAR((ink.left + ink.right) / 2, 100, 2);
            EXPECT_NEAR((ink.top + ink.bottom) / 2, 50, 4);
        } else if (c.centreX == -1) {
            EXPECT_LE(ink.left, 2);
            EXPECT_LE(ink.top, 5);
        } else {
            EXPECT_GE(ink.right, 197);
            EXPECT_GE(ink.bottom, 90);
        }
    }
    // Word wrap: a long text takes several lines within the width.
    label->SetAlignment(TAlignment::taLeftJustify);
    label->SetLayout(TTextLayout::tlTop);
    label->SetWordWrap(true);
    label->SetCaption("слово слово слово слово слово слово слово слово слово слово");
    TSnapshot wrapped(&form);
    const RECT ink = wrapped.InkBox({0, 0, 200, 100}, RGB(255, 255, 255));
    // Lower-case Cyrillic has no ascenders: one line is under 10 pixels of ink.
    EXPECT_GT(ink.bottom - ink.top, 14);
    EXPECT_LE(ink.right, 200);
}

TEST(Controls, TransparentLabelShowsWhatIsUnderIt)
{
    TControlsForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.SetColor(clLime);
    // The standard label starts opaque (a skinned one starts see-through).
    auto* label = Make<TLabel>(&form, &form, 0, 0, 100, 50);
    label->SetColor(clRed);
    label->SetCaption("");
    EXPECT_EQ(TSnapshot(&form).Pixel(50, 25), RGB(255, 0, 0));
    label->SetTransparent(true);
    EXPECT_EQ(TSnapshot(&form).Pixel(50, 25), RGB(0, 255, 0));
}

TEST(Controls, ShapePenInMaskModeAndsWithTheBackground)
{
    TControlsForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.SetColor(MakeColor(0xF0, 0x80, 0x0F));
    auto* shape = Make<TShape>(&form, &form, 7, 7, 100, 50);
    shape->Brush().Color = clWhite;
    shape->Pen().Color = clRed;
    shape->Pen().Width = 4;
    TSnapshot copy(&form);
    EXPECT_EQ(copy.Pixel(8, 8), RGB(255, 0, 0));
    EXPECT_EQ(copy.Pixel(50, 30), RGB(255, 255, 255));
    EXPECT_EQ(copy.Pixel(6, 6), RGB(0xF0, 0x80, 0x0F));
    shape->Pen().Mode = TPenMode::Mask;
    TSnapshot masked(&form);
    // Pen AND background: red keeps only the background's red.
    EXPECT_EQ(masked.Pixel(8, 8), RGB(0xF0, 0, 0));
    EXPECT_EQ(masked.Pixel(104, 30), RGB(0xF0, 0, 0));
    // The whole rectangle is drawn in the mode: white fill AND background
    // leaves the background.
    EXPECT_EQ(masked.Pixel(50, 30), RGB(0xF0, 0x80, 0x0F));
    EXPECT_EQ(masked.Pixel(107, 57), RGB(0xF0, 0x80, 0x0F));
}

TEST(Controls, ImageBlendsWithPerPixelAlpha)
{
    TControlsForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.SetColor(clWhite);
    auto* image = Make<TImage>(&form, &form, 10, 10, 3, 1);
    TBitmap picture(3, 1, TPixelFormat::pf32bit);
    const std::uint8_t pixels[] = {0, 0, 255, 255, /**/ 0, 0, 0, 0, /**/ 255, 0, 0, 128};
    std::copy(std::begin(pixels), std::end(pixels), picture.ScanLine(0));
    image->SetPicture(picture);
    TSnapshot snapshot(&form);
    EXPECT_EQ(snapshot.Pixel(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(snapshot.Pixel(11, 10), RGB(255, 255, 255));
    const COLORREF half = snapshot.Pixel(12, 10);
    EXPECT_NEAR(GetRValue(half), 127, 1);
    EXPECT_NEAR(GetGValue(half), 127, 1);
    EXPECT_EQ(GetBValue(half), 255);
    TBitmap wrong(2, 2, TPixelFormat::pf24bit);
    EXPECT_THROW(image->SetPicture(wrong), Exception);
}

TEST(Controls, WebLabelHoverFontAndLeftButtonOpensTheTarget)
{
    std::vector<std::string> opened;
    const TShellOpener shell = ShellOpener();
    ShellOpener() = [&](HWND, const std::string& target) { opened.push_back(target); };
    TControlsForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* link = Make<TsWebLabel>(&form, &form, 80, 56, 184, 19);
    link->Url = "http://www.example.com/";
    link->Font().SetHeight(-16);
    link->Font().SetColor(0x0E407940);
    link->HoverFont().SetHeight(-16);
    HWND window = form.Handle();
    SendMessageW(window, WM_MOUSEMOVE, 0, Point(90, 60));
    EXPECT_EQ(link->Font().Style(), unsigned(fsUnderline));
    EXPECT_EQ(link->Font().Color(), clBlue);
    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, Point(90, 60));
    SendMessageW(window, WM_RBUTTONUP, 0, Point(90, 60));
    EXPECT_TRUE(opened.empty());
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(90, 60));
    SendMessageW(window, WM_LBUTTONUP, 0, Point(90, 60));
    EXPECT_EQ(opened, (std::vector<std::string>{"http://www.example.com/"}));
    SendMessageW(window, WM_MOUSEMOVE, 0, Point(5, 5));
    EXPECT_EQ(link->Font().Style(), 0u);
    EXPECT_EQ(link->Font().Color(), 0x0E407940);
    ShellOpener() = shell;
}

TEST(Controls, SpeedButtonOnStatusBarGetsHotAndClicks)
{
    TControlsForm form(nullptr);
    form.SetClientSize(499, 319);
    auto* bar = Make<TsStatusBar>(&form, &form, 0, 0, 0, 22);
    auto* link = Make<TsSpeedButton>(&form, bar, 3, 3, 222, 19);
    link->SetFlat(true);
    link->SetCaption("www.example.com");
    int clicks = 0;
    link->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(bar->Top(), 297);
    EXPECT_EQ(bar->Width(), 499);
    HWND window = bar->Handle();
    SendMessageW(window, WM_MOUSEMOVE, 0, Point(10, 10));
    EXPECT_EQ(link->State().ImageIndex(), 1);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    EXPECT_EQ(link->State().ImageIndex(), 2);
    SendMessageW(window, WM_LBUTTONUP, 0, Point(10, 10));
    EXPECT_EQ(clicks, 1);
    SendMessageW(window, WM_MOUSEMOVE, 0, Point(400, 10));
    EXPECT_EQ(link->State().ImageIndex(), 0);
}

TEST(Controls, HandleCountsComeBackAfterAThousandChanges)
{
    Application->ProcessMessages();
    const int start = HandleCount();
    {
        TControlsForm form(nullptr);
        form.SetClientSize(499, 319);
        auto* panel = Make<TsPanel>(&form, &form, 0, 0, 499, 97);
        panel->SetAlign(TAlign::alTop);
        auto* label = Make<TsLabel>(&form, panel, 11, 10, 478, 71);
        label->SetWordWrap(true);
        auto* shape = Make<TShape>(&form, panel, 7, 7, 486, 84);
        auto* spin = Make<TsSpinEdit>(&form, &form, 10, 120, 57, 24);
        auto* bar = Make<TsStatusBar>(&form, &form, 0, 0, 0, 22);
        auto* speed = Make<TsSpeedButton>(&form, bar, 3, 3, 222, 19);
        auto* list = Make<TsListBox>(&form, &form, 100, 120, 100, 50);
        list->Assign({"a", "b", "c"});
        form.Show();
        for (int i = 0; i < 1000; ++i) {
            label->SetCaption("Вопрос номер " + std::to_string(i));
            shape->Pen().Width = 1 + i % 4;
            shape->Changed();
            spin->SetValue(i);
            speed->SetCaption(std::to_string(i));
            list->SetItemIndex(i % 3);
            if (i % 50 == 0)
                form.Repaint();
            Application->ProcessMessages();
        }
    }
    Application->ProcessMessages();
    EXPECT_EQ(HandleCount(), start);
}

// Not a check: shows a form with every control for a screenshot
// (run with --gtest_also_run_disabled_tests and grab the screen meanwhile).
TEST(Controls, DISABLED_Showcase)
{
    TControlsForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    form.SetBorderIcons(biSystemMenu | biMinimize);
    form.SetCaption("Все элементы");
    form.Font().SetHeight(-13);
    form.SetClientSize(499, 330);
    form.SetPosition(TPosition::poScreenCenter);
    auto* top = Make<TsPanel>(&form, &form, 0, 0, 499, 97);
    top->SetAlign(TAlign::alTop);
    auto* shape = Make<TShape>(&form, top, 7, 7, 486, 84);
    shape->Pen().Color = clRed;
    shape->Pen().Width = 4;
    shape->Pen().Mode = TPenMode::Mask;
    auto* question = Make<TsLabel>(&form, top, 11, 10, 478, 71);
    question->SetTransparent(true);
    question->SetWordWrap(true);
    question->SetAlignment(TAlignment::taCenter);
    question->SetLayout(TTextLayout::tlCenter);
    question->Font().SetHeight(-15);
    question->SetCaption("Согласно археологической периодизации история человечества делится на 4 эпохи. "
                         "Какая из перечисленных эпох не входит в эту периодизацию?");
    auto* bar = Make<TsStatusBar>(&form, &form, 0, 0, 0, 22);
    auto* link = Make<TsSpeedButton>(&form, bar, 3, 3, 222, 19);
    link->SetFlat(true);
    link->Font().SetStyle(fsBold);
    link->SetCaption("http://www.example.com/");
    auto* bottom = Make<TsPanel>(&form, &form, 0, 0, 499, 49);
    bottom->SetAlign(TAlign::alBottom);
    Make<TsBitBtn>(&form, bottom, 11, 6, 102, 33)->SetCaption("О программе...");
    Make<TsBitBtn>(&form, bottom, 215, 6, 195, 33)->SetCaption("Следующий >>");
    auto* middle = Make<TsPanel>(&form, &form, 0, 0, 10, 10);
    middle->SetAlign(TAlign::alClient);
    auto* group = Make<TsGroupBox>(&form, middle, 8, 8, 185, 121);
    group->SetCaption("Вывод вопросов-ответов:");
    auto* r1 = Make<TsRadioButton>(&form, group, 16, 32, 76, 20);
    r1->SetCaption("Случайно");
    r1->SetChecked(true);
    Make<TsRadioButton>(&form, group, 16, 60, 115, 20)->SetCaption("Хронологически");
    auto* seconds = Make<TsLabel>(&form, middle, 210, 15, 80, 16);
    seconds->SetCaption("В секундах:");
    auto* spin = Make<TsSpinEdit>(&form, middle, 300, 12, 57, 24);
    spin->SetMinValue(1);
    spin->SetMaxValue(1000);
    spin->SetValue(5);
    auto* list = Make<TsListBox>(&form, middle, 210, 45, 150, 60);
    // Deck lines are bytes in the ANSI code page (here 1251).
    list->Assign({"\xCF\xE5\xF0\xE2\xE0\xFF", "\xC2\xF2\xEE\xF0\xE0\xFF", "\xD2\xF0\xE5\xF2\xFC\xFF"});
    list->SetItemIndex(1);
    auto* image = Make<TImage>(&form, middle, 400, 20, 64, 64);
    TBitmap logo(64, 64, TPixelFormat::pf32bit);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            std::uint8_t* p = logo.ScanLine(y) + x * 4;
            const int dx = x - 32, dy = y - 32;
            const int inside = std::clamp(32 * 32 - (dx * dx + dy * dy), 0, 255);
            p[0] = 200, p[1] = static_cast<std::uint8_t>(100 + y), p[2] = 40, p[3] = static_cast<std::uint8_t>(inside);
        }
    image->SetPicture(logo);
    form.Show();
    Pump(15000);
}

}  // namespace
}  // namespace taramel
