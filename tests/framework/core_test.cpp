// The core classes driven through real windows under the system's message loop.
#include "framework/Application.h"
#include "base/Exception.h"
#include "framework/Form.h"
#include "framework/Handles.h"
#include "framework/Timer.h"
#include "framework/Unicode.h"
#include "tests/framework/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace taramel {
namespace {

using namespace testing_support;

class TTestForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TTestForm"; }
};

// A windowless control that records what reaches it and paints one colour.
class TProbe : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::string ClassName() const override { return "TProbe"; }
    std::vector<UINT> messages;
    TColor paintColor = clRed;

protected:
    void WndProc(TMessage& m) override
    {
        messages.push_back(m.Msg);
        TGraphicControl::WndProc(m);
    }
    void Paint(TCanvas& canvas) override
    {
        canvas.Brush.Color = paintColor;
        canvas.FillRect(ClientRect());
    }
};

std::wstring WindowClass(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

TEST(Component, OwnerFreesWhatItOwnsLastFirst)
{
    std::vector<std::string> freed;
    struct TTracked : TComponent {
        TTracked(TComponent* owner, std::string id, std::vector<std::string>& log)
            : TComponent(owner), id_(std::move(id)), log_(log) {}
        ~TTracked() override { log_.push_back(id_ + (Owner() && Owner()->IsDestroying() ? "+" : "-")); }
        std::string id_;
        std::vector<std::string>& log_;
    };
    auto* owner = new TComponent(nullptr);
    new TTracked(owner, "a", freed);
    auto* b = new TTracked(owner, "b", freed);
    new TTracked(owner, "c", freed);
    delete b;  // a freed component leaves its owner's list
    EXPECT_EQ(owner->ComponentCount(), 2);
    delete owner;
    EXPECT_EQ(freed, (std::vector<std::string>{"b-", "c+", "a+"}));
}

TEST(Component, LoadingStateAndLoadedCall)
{
    struct TLoading : TComponent {
        using TComponent::TComponent;
        int loadedCalls = 0;
        unsigned stateInLoaded = 0;
        void Loaded() override { ++loadedCalls; stateInLoaded = ComponentState(); }
    } component(nullptr);
    component.BeginLoading();
    EXPECT_EQ(component.ComponentState(), unsigned(csLoading | csReading));
    component.EndLoading();
    EXPECT_EQ(component.loadedCalls, 1);
    EXPECT_EQ(component.stateInLoaded, 0u);
    EXPECT_EQ(component.ComponentState() & csDesigning, 0u);
}

TEST(Form, RegistersItsWindowClassUnderItsClassName)
{
    TTestForm form(nullptr);
    auto* panel = new TWinControl(&form);
    panel->SetParent(&form);
    EXPECT_EQ(WindowClass(form.Handle()), L"TTestForm");
    EXPECT_EQ(WindowClass(panel->Handle()), L"TWinControl");
    EXPECT_EQ(TWinControl::FromHandle(panel->Handle()), panel);
    EXPECT_EQ(TWinControl::FromHandle(Application->Handle()), nullptr);
    EXPECT_EQ(WindowClass(Application->Handle()), L"TApplication");
    EXPECT_EQ(GetWindowTextLengthW(Application->Handle()), 0);
    EXPECT_FALSE(IsWindowVisible(Application->Handle()));
}

TEST(WinControl, AskingAChildForItsWindowFirstMakesOneWindowEach)
{
    const int windows = HandleCount(THandleKind::Window);
    {
        TTestForm form(nullptr);
        auto* panel = new TWinControl(&form);
        panel->SetParent(&form);
        auto* inner = new TWinControl(&form);
        inner->SetParent(panel);
        // The innermost first: its parents' windows are made on the way.
        HWND innerWindow = inner->Handle();
        EXPECT_EQ(HandleCount(THandleKind::Window), windows + 3);
        EXPECT_EQ(GetParent(innerWindow), panel->Handle());
        EXPECT_EQ(FindWindowExW(panel->Handle(), nullptr, L"TWinControl", nullptr), innerWindow);
        EXPECT_EQ(FindWindowExW(panel->Handle(), innerWindow, L"TWinControl", nullptr), nullptr);
    }
    EXPECT_EQ(HandleCount(THandleKind::Window), windows);
}

TEST(WinControl, MovingToAnotherParentMovesTheWindow)
{
    TTestForm form(nullptr);
    auto* left = new TWinControl(&form);
    left->SetParent(&form);
    auto* right = new TWinControl(&form);
    right->SetParent(&form);
    auto* child = new TWinControl(&form);
    child->SetParent(left);
    HWND window = child->Handle();
    child->SetParent(right);
    EXPECT_EQ(child->Handle(), window);
    EXPECT_EQ(GetParent(window), right->Handle());
    EXPECT_EQ(left->ControlCount(), 0);
    const int windows = HandleCount(THandleKind::Window);
    child->SetParent(nullptr);
    EXPECT_FALSE(child->HandleAllocated());
    EXPECT_EQ(HandleCount(THandleKind::Window), windows - 1);
    EXPECT_THROW(child->Handle(), Exception);
}

// Made before their parent's window, the children's windows lie in keyboard
// order, the first on top, whether they were made in that order or not.
TEST(WinControl, ChildWindowsLieInKeyboardOrder)
{
    const std::vector<std::vector<int>> orders = {{0, 1, 2, 3}, {2, 3, 0, 1}, {3, 2, 1, 0}};
    for (const std::vector<int>& order : orders) {
        TTestForm form(nullptr);
        std::vector<TWinControl*> controls;
        for (int i = 0; i < 4; ++i) {
            auto* control = new TWinControl(&form);
            control->SetBounds(i * 30, 0, 20, 20);
            control->SetParent(&form);
            controls.push_back(control);
        }
        std::vector<TWinControl*> keyboard(4);
        for (int i = 0; i < 4; ++i) {
            controls[static_cast<std::size_t>(i)]->SetTabOrder(order[static_cast<std::size_t>(i)]);
            keyboard[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = controls[static_cast<std::size_t>(i)];
        }
        std::vector<TWinControl*> zOrder;
        for (HWND w = GetWindow(form.Handle(), GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
            zOrder.push_back(TWinControl::FromHandle(w));
        EXPECT_EQ(zOrder, keyboard) << order[0] << order[1] << order[2] << order[3];
    }
}

TEST(Form, TabMovesTheFocusInTabOrder)
{
    auto* form = Application->CreateForm<TTestForm>();
    std::vector<TWinControl*> controls;
    for (int i = 0; i < 4; ++i) {
        auto* control = new TWinControl(form);
        control->SetBounds(i * 30, 0, 20, 20);
        control->SetTabStop(true);
        control->SetParent(form);
        controls.push_back(control);
    }
    // Keyboard order as the main window's buttons have it: 2, 3, 0, 1.
    controls[2]->SetTabOrder(0);
    controls[3]->SetTabOrder(1);
    controls[0]->SetTabOrder(2);
    controls[1]->SetTabOrder(3);
    EXPECT_EQ(controls[0]->TabOrder(), 2);
    controls[1]->SetEnabled(false);
    form->Show();
    controls[2]->SetFocus();
    std::vector<TWinControl*> visited;
    for (int i = 0; i < 4; ++i) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        Application->ProcessMessages();
        visited.push_back(TWinControl::FromHandle(GetFocus()));
    }
    EXPECT_EQ(visited, (std::vector<TWinControl*>{controls[3], controls[0], controls[2], controls[3]}));
    delete form;
}

TEST(Form, ClientSizeAndBorderStyles)
{
    struct Case {
        TFormBorderStyle style;
        unsigned icons;
        DWORD mustHave, mustNotHave;
    };
    const Case cases[] = {
        {TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
         WS_MAXIMIZEBOX | WS_THICKFRAME},
        {TFormBorderStyle::bsDialog, biSystemMenu, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
         WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME},
        {TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize,
         WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0},
    };
    for (const Case& c : cases) {
        TTestForm form(nullptr);
        form.SetBorderStyle(c.style);
        form.SetBorderIcons(c.icons);
        form.SetClientSize(499, 319);
        const DWORD style = static_cast<DWORD>(GetWindowLongW(form.Handle(), GWL_STYLE));
        EXPECT_EQ(style & c.mustHave, c.mustHave) << int(c.style);
        EXPECT_EQ(style & c.mustNotHave, 0u) << int(c.style);
        RECT client;
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(client.right, 499) << int(c.style);
        EXPECT_EQ(client.bottom, 319) << int(c.style);
        EXPECT_EQ(form.ClientWidth(), 499);
    }
}

// The Help icon becomes the system's context-help style where the system
// shows that button: with the system menu and without Minimize or Maximize.
TEST(Form, HelpIconGivesTheContextHelpStyleWhereTheSystemShowsIt)
{
    const struct {
        const char* what;
        TFormBorderStyle style;
        unsigned icons;
        bool help;
    } cases[] = {
        {"dialog", TFormBorderStyle::bsDialog, biSystemMenu | biHelp, true},
        {"single", TFormBorderStyle::bsSingle, biSystemMenu | biHelp, true},
        {"single with Minimize", TFormBorderStyle::bsSingle, biSystemMenu | biMinimize | biHelp, false},
        {"sizeable with Maximize", TFormBorderStyle::bsSizeable, biSystemMenu | biMaximize | biHelp, false},
        {"no system menu", TFormBorderStyle::bsDialog, biHelp, false},
        {"no Help icon", TFormBorderStyle::bsDialog, biSystemMenu, false},
    };
    for (const auto& c : cases) {
        TTestForm form(nullptr);
        form.SetBorderStyle(c.style);
        form.SetBorderIcons(c.icons);
        const HWND w = form.Handle();
        EXPECT_EQ((GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0, c.help) << c.what;
        // Changed on the window that exists: the style goes and comes back.
        form.SetBorderIcons(c.icons & ~biHelp);
        EXPECT_EQ((GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0, false) << c.what << " (changed)";
        form.SetBorderIcons(c.icons);
        EXPECT_EQ((GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0, c.help) << c.what << " (back)";
    }
}

TEST(Form, PositionCentresOnDesktopAndOnMainForm)
{
    auto* main = Application->CreateForm<TTestForm>();
    ASSERT_EQ(Application->MainForm(), main);
    main->SetBorderStyle(TFormBorderStyle::bsSingle);
    main->SetBounds(0, 0, 400, 300);
    main->SetPosition(TPosition::poScreenCenter);
    main->Show();
    EXPECT_EQ(main->Left(), (Screen->Width() - 400) / 2);
    EXPECT_EQ(main->Top(), (Screen->Height() - 300) / 2);
    EXPECT_TRUE(GetWindowLongW(main->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);

    auto* dialog = Application->CreateForm<TTestForm>();
    dialog->SetBounds(0, 0, 200, 100);
    dialog->SetPosition(TPosition::poMainFormCenter);
    dialog->Show();
    EXPECT_EQ(dialog->Left(), main->Left() + 100);
    EXPECT_EQ(dialog->Top(), main->Top() + 100);
    // Owned by the main form: no task-bar button of its own.
    EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), main->Handle());
    delete dialog;
    delete main;
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST(WinControl, AlignsTopBottomClientInOrder)
{
    TTestForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    form.SetClientSize(499, 319);
    auto make = [&](TAlign align, int height) {
        auto* control = new TWinControl(&form);
        control->SetHeight(height);
        control->SetWidth(10);
        control->SetAlign(align);
        control->SetParent(&form);
        return control;
    };
    auto* status = make(TAlign::alBottom, 22);
    auto* top = make(TAlign::alTop, 97);
    auto* middle = make(TAlign::alClient, 5);
    auto* bottom = make(TAlign::alBottom, 49);
    auto* loose = new TProbe(&form);
    loose->SetBounds(3, 4, 5, 6);
    loose->SetParent(&form);
    struct Expect {
        TControl* control;
        RECT bounds;
    };
    const Expect expected[] = {
        {top, {0, 0, 499, 97}},
        {middle, {0, 97, 499, 248}},
        {bottom, {0, 248, 499, 297}},
        {status, {0, 297, 499, 319}},
        {loose, {3, 4, 8, 10}},
    };
    auto check = [&](const char* when) {
        for (const Expect& e : expected) {
            RECT r = e.control->BoundsRect();
            EXPECT_TRUE(EqualRect(&r, &e.bounds))
                << when << " " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
            if (auto* windowed = dynamic_cast<TWinControl*>(e.control)) {
                RECT actual;
                GetWindowRect(windowed->Handle(), &actual);
                MapWindowPoints(HWND_DESKTOP, form.Handle(), reinterpret_cast<POINT*>(&actual), 2);
                EXPECT_TRUE(EqualRect(&actual, &e.bounds)) << when;
            }
        }
    };
    check("built");
    // Hiding the top one gives its room to the client one; showing it back restores all.
    top->Hide();
    EXPECT_EQ(middle->Top(), 0);
    EXPECT_EQ(middle->Height(), 248);
    top->Show();
    check("shown again");
}

TEST(WinControl, ParentFontFollowsUntilTheControlSetsItsOwn)
{
    TTestForm form(nullptr);
    auto* panel = new TWinControl(&form);
    panel->SetParent(&form);
    auto* probe = new TProbe(&form);
    probe->SetParent(panel);
    form.Font().SetHeight(-13);
    EXPECT_EQ(panel->Font().Height(), -13);
    EXPECT_EQ(probe->Font().Height(), -13);
    probe->Font().SetStyle(fsBold);
    EXPECT_FALSE(probe->ParentFont());
    form.Font().SetHeight(-15);
    EXPECT_EQ(panel->Font().Height(), -15);
    EXPECT_EQ(probe->Font().Height(), -13);
    probe->SetParentFont(true);
    EXPECT_EQ(probe->Font().Height(), -15);
    EXPECT_EQ(probe->Font().Style(), 0u);
}

TEST(WinControl, GraphicChildrenGetMouseEnterLeaveAndClicks)
{
    TTestForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* probe = new TProbe(&form);
    probe->SetBounds(10, 10, 50, 20);
    probe->SetParent(&form);
    int enters = 0, leaves = 0, clicks = 0;
    probe->OnMouseEnter = [&](TObject*) { ++enters; };
    probe->OnMouseLeave = [&](TObject*) { ++leaves; };
    probe->OnClick = [&](TObject*) { ++clicks; };
    HWND window = form.Handle();
    SendMessageW(window, WM_MOUSEMOVE, 0, Point(100, 100));
    EXPECT_EQ(enters, 0);
    SendMessageW(window, WM_MOUSEMOVE, 0, Point(20, 15));
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(probe->MouseInControl());
    SendMessageW(window, WM_MOUSEMOVE, 0, Point(25, 15));
    EXPECT_EQ(enters, 1);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 15));
    SendMessageW(window, WM_LBUTTONUP, 0, Point(21, 16));
    EXPECT_EQ(clicks, 1);
    // Released outside: no click.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 15));
    SendMessageW(window, WM_LBUTTONUP, 0, Point(200, 150));
    EXPECT_EQ(clicks, 1);
    SendMessageW(window, WM_MOUSEMOVE, 0, Point(150, 150));
    EXPECT_EQ(leaves, 1);
    EXPECT_FALSE(probe->MouseInControl());
    // A disabled control is not hit.
    probe->SetEnabled(false);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 15));
    SendMessageW(window, WM_LBUTTONUP, 0, Point(20, 15));
    EXPECT_EQ(clicks, 1);
}

TEST(WinControl, WindowedControlHearsMouseEnterAndLeave)
{
    TTestForm form(nullptr);
    auto* panel = new TWinControl(&form);
    panel->SetBounds(0, 0, 100, 100);
    panel->SetParent(&form);
    std::vector<std::string> events;
    panel->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
    panel->OnMouseLeave = [&](TObject*) { events.push_back("leave"); };
    SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, Point(5, 5));
    SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, Point(6, 6));
    EXPECT_TRUE(panel->MouseInControl());
    SendMessageW(panel->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(panel->MouseInControl());
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
}

TEST(WinControl, ParentPaintsGraphicChildrenThroughTheirWindowProcedure)
{
    TTestForm form(nullptr);
    form.SetBounds(0, 0, 200, 150);
    form.SetColor(clWhite);
    auto* probe = new TProbe(&form);
    probe->SetBounds(10, 20, 30, 40);
    probe->SetParent(&form);
    HWND window = form.Handle();
    TWindowDC screen(window);
    TMemoryDC memory(screen.Get());
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 100, 100));
    TSelectObject select(memory.Get(), bitmap.Get());
    probe->messages.clear();
    SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(memory.Get()), 0);
    EXPECT_EQ(std::count(probe->messages.begin(), probe->messages.end(), UINT(WM_PAINT)), 1);
    EXPECT_EQ(GetPixel(memory.Get(), 10, 20), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(memory.Get(), 39, 59), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(memory.Get(), 40, 60), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(memory.Get(), 9, 20), RGB(255, 255, 255));
}

TEST(WinControl, PrintingAWindowPaintsItsWindowlessChildren)
{
    TTestForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 100, 80);
    form.SetColor(clWhite);
    auto* probe = new TProbe(&form);
    probe->SetBounds(10, 20, 30, 40);
    probe->SetParent(&form);
    TWindowDC screen(form.Handle());
    TMemoryDC memory(screen.Get());
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 100, 80));
    TSelectObject select(memory.Get(), bitmap.Get());
    ASSERT_TRUE(PrintWindow(form.Handle(), memory.Get(), 0));
    EXPECT_EQ(GetPixel(memory.Get(), 15, 25), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(memory.Get(), 5, 5), RGB(255, 255, 255));
}

TEST(WinControl, WindowProcedureCanBeTakenOverAndGivenBack)
{
    TTestForm form(nullptr);
    auto* panel = new TWinControl(&form);
    panel->SetParent(&form);
    std::vector<UINT> seen;
    TWindowProc previous = panel->WindowProc;
    panel->WindowProc = [&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_APP + 7) {
            m.Result = 42;
            return;
        }
        previous(m);
    };
    EXPECT_EQ(SendMessageW(panel->Handle(), WM_APP + 7, 0, 0), 42);
    panel->SetCaption("x");
    panel->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(panel->Handle()));  // forwarded notifications still act
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_TEXTCHANGED), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_ENABLEDCHANGED), seen.end());
    panel->WindowProc = previous;
    seen.clear();
    EXPECT_EQ(SendMessageW(panel->Handle(), WM_APP + 7, 0, 0), 0);
    EXPECT_TRUE(seen.empty());
}

TEST(Application, ExceptionInAHandlerReachesTheReportAndTheProgramGoesOn)
{
    ReportCatcher catcher;
    TTestForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* probe = new TProbe(&form);
    probe->SetBounds(0, 0, 50, 50);
    probe->SetParent(&form);
    int clicks = 0;
    probe->OnClick = [&](TObject*) {
        if (++clicks == 1)
            throw Exception("Boom");
        if (clicks == 2)
            throw Exception("Boom", "Что-то сломалось");
        throw std::runtime_error("Второй (сбой)");
    };
    HWND window = form.Handle();
    for (int i = 0; i < 3; ++i) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
        SendMessageW(window, WM_LBUTTONUP, 0, Point(5, 5));
    }
    EXPECT_EQ(clicks, 3);
    ASSERT_EQ(catcher.reports.size(), 3u);
    EXPECT_EQ(catcher.reports[0], "Boom.");
    EXPECT_EQ(catcher.reports[1], "Что-то сломалось\n\nBoom.");
    EXPECT_EQ(catcher.reports[2], "Второй (сбой)");
    EXPECT_TRUE(IsWindow(window));
}

TEST(Application, ErrorInACreationHandlerIsReportedAndCreationGoesOn)
{
    ReportCatcher catcher;
    struct TFailing : TTestForm {
        using TTestForm::TTestForm;
        void DoCreate() override { throw Exception("Cannot open file \"test.txt\""); }
    };
    auto* failing = Application->CreateForm<TFailing>();
    auto* next = Application->CreateForm<TTestForm>();
    EXPECT_TRUE(failing->HandleAllocated());
    EXPECT_TRUE(next->HandleAllocated());
    ASSERT_EQ(catcher.reports.size(), 1u);
    // A closing quote comes before "." in code order: no period is added.
    EXPECT_EQ(catcher.reports[0], "Cannot open file \"test.txt\"");
    delete next;
    delete failing;
}

TEST(Form, ModalLoopEndsOnClose)
{
    TTestForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    TTimer closer(nullptr);
    closer.SetInterval(30);
    int closeCalls = 0;
    form.OnClose = [&](TObject*, TCloseAction& action) {
        // The first close is refused: the loop goes on.
        if (++closeCalls == 1)
            action = TCloseAction::caNone;
    };
    closer.OnTimer = [&](TObject*) { form.Close(); };
    const int result = form.ShowModal();
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(closeCalls, 2);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(form.Modal());

    closer.OnTimer = [&](TObject*) { form.SetModalResult(mrOk); };
    EXPECT_EQ(form.ShowModal(), mrOk);
    // A visible window cannot be made modal.
    form.Show();
    EXPECT_THROW(form.ShowModal(), Exception);
}

TEST(Form, ClosingTheMainFormEndsTheLoop)
{
    auto* main = Application->CreateForm<TTestForm>();
    bool closed = false;
    main->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    TTimer closer(nullptr);
    closer.SetInterval(20);
    closer.OnTimer = [&](TObject*) { PostMessageW(main->Handle(), WM_CLOSE, 0, 0); };
    Application->Run();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(Application->Terminated());
    delete main;
}

TEST(Timer, IntervalChangeRestartsAndZeroStops)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetInterval(400);
    Pump(250);
    ASSERT_EQ(ticks, 0);
    // Restarted: the next tick comes a full new interval after the change,
    // not when the old count would have run out (150 ms from here).
    timer.SetInterval(350);
    Pump(250);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }, 2000));
    // The same value changes nothing.
    ticks = 0;
    timer.SetInterval(60);
    Pump(10);
    timer.SetInterval(60);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }, 2000));
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    ticks = 0;
    Pump(300);
    EXPECT_EQ(ticks, 0);
    timer.SetInterval(30);
    timer.SetEnabled(false);
    Pump(150);
    EXPECT_EQ(ticks, 0);
}

TEST(Timer, ExceptionInOnTimerIsReportedAndTheTimerKeepsRunning)
{
    ReportCatcher catcher;
    TTimer timer(nullptr);
    timer.SetInterval(20);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        throw Exception("tick failed");
    };
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 3000));
    EXPECT_GE(catcher.reports.size(), 3u);
    EXPECT_EQ(catcher.reports[0], "tick failed.");
}

TEST(Handles, CountsComeBackAfterFormsAndRepaints)
{
    Application->ProcessMessages();
    const int start = HandleCount();
    for (int round = 0; round < 3; ++round) {
        auto* form = new TTestForm(nullptr);
        form->SetBounds(0, 0, 300, 200);
        auto* panel = new TWinControl(form);
        panel->SetBounds(0, 0, 300, 100);
        panel->SetParent(form);
        auto* probe = new TProbe(form);
        probe->SetBounds(5, 5, 40, 40);
        probe->SetParent(panel);
        form->Show();
        for (int i = 0; i < 1000; ++i) {
            probe->paintColor = (i & 1) ? clRed : clBlue;
            probe->Font().SetHeight(-(10 + i % 5));
            panel->SetCaption(std::to_string(i));
            probe->Repaint();
        }
        EXPECT_GT(HandleCount(THandleKind::Window), 0);
        delete form;
    }
    EXPECT_EQ(HandleCount(), start);
    for (int kind = 0; kind < int(THandleKind::Count_); ++kind)
        EXPECT_GE(HandleCount(THandleKind(kind)), 0) << kind;
}

}  // namespace
}  // namespace taramel
