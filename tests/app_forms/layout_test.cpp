// Every control of the three windows where the layouts put it, in client
// coordinates of its parent, read back from the windows themselves where a
// control has one.
#include "FormsFixture.h"
#include "TaramelVersion.h"

namespace taramel::forms_test {
namespace {

struct Place {
    TControl* control;
    RECT rect;  // left, top, right, bottom
};

RECT Rect(int left, int top, int width, int height)
{
    return RECT{left, top, left + width, top + height};
}

std::string Text(const RECT& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") " + std::to_string(r.right - r.left) +
           " x " + std::to_string(r.bottom - r.top);
}

// The rectangle of a window in its parent's client coordinates.
RECT WindowRectInParent(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void CheckPlaces(const std::vector<Place>& places)
{
    for (const Place& p : places) {
        SCOPED_TRACE(p.control->Name());
        EXPECT_EQ(Text(p.control->BoundsRect()), Text(p.rect));
        if (auto* windowed = dynamic_cast<TWinControl*>(p.control); windowed && windowed->HandleAllocated()) {
            EXPECT_EQ(Text(WindowRectInParent(windowed->Handle())), Text(p.rect));
        }
    }
}

void CheckClientSize(TForm* form, int width, int height)
{
    RECT r;
    GetClientRect(form->Handle(), &r);
    EXPECT_EQ(r.right, width) << form->Name();
    EXPECT_EQ(r.bottom, height) << form->Name();
}

class Layout : public FormsTest {};

TEST_F(Layout, MainWindow)
{
    StartProgram(NumberedDeck(10).c_str());
    Form1->Show();
    CheckClientSize(Form1, 499, 319);
    TForm1& f = *Form1;
    CheckPlaces({
        {f.sPanel1, Rect(0, 0, 499, 97)},
        {f.Shape2, Rect(7, 7, 486, 84)},
        {f.sLabel1, Rect(11, 10, 478, 71)},
        {f.sPanel3, Rect(0, 97, 499, 151)},
        {f.Shape1, Rect(7, 6, 486, 139)},
        {f.sLabel2, Rect(11, 6, 478, 138)},
        {f.sListBox1, Rect(11, 104, 478, 33)},
        {f.sPanel2, Rect(0, 248, 499, 49)},
        {f.sBitBtn3, Rect(11, 6, 102, 33)},
        {f.sBitBtn4, Rect(119, 6, 90, 33)},
        {f.sBitBtn1, Rect(215, 6, 195, 33)},
        {f.sBitBtn2, Rect(416, 6, 73, 33)},
        {f.sStatusBar1, Rect(0, 297, 499, 22)},
        {f.sSpeedButton31, Rect(3, 3, 222, 19)},
        {f.sSpeedButton1, Rect(231, 3, 265, 19)},
    });
    EXPECT_EQ(f.Caption(), "Тарамел (История Казахстана) " TARAMEL_VERSION_SHORT);
    EXPECT_FALSE(f.sListBox1->Visible());
    EXPECT_FALSE(IsWindowVisible(f.sListBox1->Handle()));
    // Keyboard order of the four buttons.
    EXPECT_EQ(f.sBitBtn1->TabOrder(), 0);
    EXPECT_EQ(f.sBitBtn2->TabOrder(), 1);
    EXPECT_EQ(f.sBitBtn3->TabOrder(), 2);
    EXPECT_EQ(f.sBitBtn4->TabOrder(), 3);
    // Fixed single border with system menu and minimise, no maximise.
    const LONG style = GetWindowLongW(f.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    // Centred on the desktop.
    RECT window;
    GetWindowRect(f.Handle(), &window);
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(f.sLabel1->Font().Height(), -15);
    EXPECT_EQ(f.sSpeedButton31->Font().Style(), unsigned(fsBold));
    EXPECT_EQ(f.sSpeedButton1->Font().Style(), unsigned(fsBold));
    Form1->Hide();
}

TEST_F(Layout, SettingsDialog)
{
    StartProgram(NumberedDeck(10).c_str());
    Form2->Show();
    CheckClientSize(Form2, 392, 177);
    TForm2& f = *Form2;
    CheckPlaces({
        {f.sPanel2, Rect(0, 0, 392, 139)},
        {f.sGroupBox1, Rect(8, 8, 185, 121)},
        {f.sRadioButton1, Rect(16, 32, 76, 20)},
        {f.sRadioButton2, Rect(16, 60, 115, 20)},
        {f.sGroupBox2, Rect(199, 8, 185, 121)},
        {f.sRadioButton3, Rect(16, 32, 145, 20)},
        {f.sRadioButton4, Rect(16, 60, 87, 20)},
        {f.sLabel1, Rect(16, 88, 68, 16)},
        {f.sSpinEdit1, Rect(112, 85, 57, 24)},
        {f.sPanel1, Rect(0, 139, 392, 38)},
        {f.sBitBtn1, Rect(118, 7, 75, 25)},
        {f.sBitBtn2, Rect(199, 7, 75, 25)},
    });
    EXPECT_EQ(f.Caption(), "Настройки");
    EXPECT_EQ(f.sBitBtn1->Caption(), "ОК");
    const LONG style = GetWindowLongW(f.Handle(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    Form2->Hide();
}

TEST_F(Layout, AboutDialog)
{
    StartProgram(NumberedDeck(10).c_str());
    // Start-up leaves the dialog's window and its logo to the first opening.
    EXPECT_FALSE(Form3->HandleAllocated());
    EXPECT_TRUE(Form3->Image1->Picture().Empty());
    Form3->Show();
    EXPECT_EQ(Form3->Image1->Picture().Width(), 120);
    EXPECT_EQ(Form3->Image1->Picture().Height(), 120);
    CheckClientSize(Form3, 428, 137);
    TForm3& f = *Form3;
    CheckPlaces({
        {f.sPanel1, Rect(0, 0, 428, 137)},
        {f.sLabel2, Rect(8, 8, 100, 19)},
        {f.sLabel9, Rect(120, 8, 124, 19)},
        {f.sLabel6, Rect(8, 33, 57, 19)},
        {f.sLabel11, Rect(79, 33, 218, 19)},
        {f.sLabel5, Rect(8, 57, 44, 19)},
        {f.sWebLabel1, Rect(80, 56, 184, 19)},
        {f.sLabel4, Rect(8, 81, 57, 19)},
        {f.sWebLabel3, Rect(80, 81, 136, 19)},
        {f.sLabel7, Rect(8, 106, 41, 19)},
        {f.sLabel8, Rect(80, 106, 93, 19)},
        {f.Image1, Rect(303, 8, 120, 120)},
    });
    EXPECT_EQ(f.Caption(), "О программе...");
    // The version the build gives, as the main window's caption shows it.
    EXPECT_EQ(f.sLabel9->Caption(), "Тарамел " TARAMEL_VERSION_SHORT);
    EXPECT_EQ(f.sWebLabel1->Url, "https://example.com/taramel");
    EXPECT_EQ(f.sWebLabel3->Url, "mailto:tas@example.com");
    EXPECT_EQ(f.sWebLabel1->Font().Color(), 239106368);
    EXPECT_EQ(f.sWebLabel1->HoverFont().Style(), unsigned(fsUnderline));
    Form3->Hide();
}

TEST_F(Layout, SkinSectionsAndClassNames)
{
    StartProgram(NumberedDeck(10).c_str());
    struct Case {
        std::string name;
        std::string section;
    };
    const Case cases[] = {
        {"sPanel1", "PANEL"},     {"sListBox1", "EDIT"},          {"sBitBtn1", "BUTTON"},
        {"sStatusBar1", "STATUSBAR"}, {"sSpeedButton31", "SPEEDBUTTON"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* component = Form1->FindComponent(c.name);
        ASSERT_NE(component, nullptr);
        std::string section;
        if (auto* panel = dynamic_cast<TsPanel*>(component))
            section = panel->SkinData()->SkinSection();
        else if (auto* list = dynamic_cast<TsListBox*>(component))
            section = list->SkinData()->SkinSection();
        else if (auto* button = dynamic_cast<TsBitBtn*>(component))
            section = button->SkinData()->SkinSection();
        else if (auto* bar = dynamic_cast<TsStatusBar*>(component))
            section = bar->SkinData()->SkinSection();
        else if (auto* speed = dynamic_cast<TsSpeedButton*>(component))
            section = speed->SkinData()->SkinSection();
        EXPECT_EQ(section, c.section);
    }
    for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2), static_cast<TForm*>(Form3)}) {
        wchar_t name[32];
        GetClassNameW(form->Handle(), name, 32);
        EXPECT_EQ(Narrow(name), form->ClassName());
    }
}

TEST_F(Layout, TheFormsClassesCarryTheProgramsIconAndTheControlsClassesNone)
{
    StartProgram(NumberedDeck(10).c_str());
    // The title bar's and the task bar's icon, large and small.
    for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2), static_cast<TForm*>(Form3)}) {
        SCOPED_TRACE(form->Name());
        EXPECT_NE(GetClassLongPtrW(form->Handle(), GCLP_HICON), 0u);
        EXPECT_NE(GetClassLongPtrW(form->Handle(), GCLP_HICONSM), 0u);
    }
    // A control's class of our own never shows one.
    for (const char* name : {"sPanel1", "sPanel2", "sPanel3"}) {
        SCOPED_TRACE(name);
        auto* control = dynamic_cast<TWinControl*>(Form1->FindComponent(name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetClassLongPtrW(control->Handle(), GCLP_HICON), 0u);
        EXPECT_EQ(GetClassLongPtrW(control->Handle(), GCLP_HICONSM), 0u);
    }
}

}  // namespace
}  // namespace taramel::forms_test
