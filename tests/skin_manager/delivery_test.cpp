// The skin command message: its encoding and how the delivery helpers reach
// windows, graphic controls, children and forms.
#include <gtest/gtest.h>

#include <memory>

#include "engine/SkinDelivery_win.h"
#include "tests/skin_manager/Recorder.h"

namespace taramel {
namespace {

using testing_support::NewForm;
using testing_support::TCommandLog;

class TPlainGraphic : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    void MarkDestroying() { Destroying(); }
};

class TPlainWindow : public TWinControl {
public:
    using TWinControl::TWinControl;
    void MarkDestroying() { Destroying(); }
};

TEST(SkinMessage, NumberCodesAndEncoding)
{
    EXPECT_EQ(SM_ALPHACMD, 0xA100u);
    EXPECT_NE(RegisterSkinCommandMessage(), 0u);
    struct Case {
        std::uint16_t code, arg;
        WPARAM wParam;
    };
    const Case cases[] = {
        {CMD_REPAINT, 0, 0x00030000},
        {CMD_SET_UPDATING, 1, 0x00080001},
        {CMD_SET_UPDATING, 0, 0x00080000},
        {CMD_GET_BORDER_OFFSET, 0, 0x003D0000},
        {CMD_NEW_SKIN, 0xFFFF, 0x0001FFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeSkinWParam(c.code, c.arg), c.wParam) << c.code;
        EXPECT_EQ(SkinCommandOf(c.wParam), c.code);
        EXPECT_EQ(SkinArgOf(c.wParam), c.arg);
    }
    // The argument never changes which command is meant.
    EXPECT_TRUE(IsSkinCommand(SM_ALPHACMD, 0x00080001, CMD_SET_UPDATING));
    EXPECT_FALSE(IsSkinCommand(SM_ALPHACMD, 0x00080001, 1));
    EXPECT_FALSE(IsSkinCommand(SM_ALPHACMD + 1, 0x00080001, CMD_SET_UPDATING));
    EXPECT_EQ(MakeSkinLParam(5, WM_VSCROLL), static_cast<LPARAM>((WM_VSCROLL << 16) | 5));
}

TEST(SkinMessage, SendToControlWindowedAndGraphic)
{
    std::unique_ptr<TForm> form(NewForm());
    auto* window = new TPlainWindow(form.get());
    window->SetParent(form.get());
    auto* graphic = new TPlainGraphic(form.get());
    graphic->SetParent(form.get());
    auto* unborn = new TPlainWindow(form.get());  // no parent: never gets a window
    TCommandLog log;
    log.Watch(window, "window", true, 42);
    log.Watch(graphic, "graphic", false, 7);
    log.Watch(unborn, "unborn", true, 9);
    window->HandleNeeded();

    EXPECT_EQ(SendToControl(window, CMD_GET_SKIN_INDEX, 1234), 42);
    EXPECT_EQ(SendToControl(graphic, CMD_GET_BG_COLOR, 0xFF00FF), 7);
    EXPECT_EQ(SendToControl(unborn, CMD_GET_SKIN_INDEX, 0), 0);
    EXPECT_EQ(SendToControl(nullptr, CMD_REPAINT, 0), 0);
    ASSERT_EQ(log.entries.size(), 2u);
    EXPECT_EQ(log.entries[0].Who, "window");
    EXPECT_EQ(log.entries[0].WParam, 0x001A0000u);
    EXPECT_EQ(log.entries[0].LParam, 1234);
    EXPECT_EQ(log.entries[1].Who, "graphic");
    EXPECT_EQ(log.entries[1].WParam, 0x00150000u);
    EXPECT_EQ(log.entries[1].LParam, 0xFF00FF);
    EXPECT_FALSE(unborn->HandleAllocated());
}

TEST(SkinMessage, GraphicControlIsCalledDirectlyNotQueued)
{
    std::unique_ptr<TForm> form(NewForm());
    auto* graphic = new TPlainGraphic(form.get());
    graphic->SetParent(form.get());
    TCommandLog log;
    log.Watch(graphic, "graphic", false);
    SendToControl(graphic, CMD_REPAINT, 5);
    // Handled before the call returned, with no message waiting in the queue.
    ASSERT_EQ(log.entries.size(), 1u);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, SM_ALPHACMD, SM_ALPHACMD, PM_NOREMOVE));
}

TEST(SkinMessage, AskWindowWantsExactlyOne)
{
    std::unique_ptr<TForm> form(NewForm());
    struct Case {
        LRESULT answer;
        bool expected;
    };
    for (const Case c : {Case{1, true}, Case{0, false}, Case{2, false}, Case{-1, false}}) {
        auto* window = new TPlainWindow(form.get());
        window->SetParent(form.get());
        TCommandLog log;
        log.Watch(window, "w", false, c.answer);
        EXPECT_EQ(AskWindow(window->Handle(), CMD_IS_UPDATING), c.expected) << c.answer;
        ASSERT_EQ(log.entries.size(), 1u);
        EXPECT_EQ(log.entries[0].LParam, 0);
        delete window;
    }
}

// form
//   skinned        windowed, answers CMD_IS_SKINNED: SendMessage
//   label          graphic: direct call
//   plain          windowed, not skinned: skipped, its children get it
//     inner        graphic
//     deep         windowed, skinned
//   unborn         windowed without a window: direct call
TEST(SkinMessage, ChildBroadcastDescendsIntoUnskinnedWindows)
{
    std::unique_ptr<TForm> form(NewForm());
    auto* skinned = new TPlainWindow(form.get());
    skinned->SetParent(form.get());
    auto* label = new TPlainGraphic(form.get());
    label->SetParent(form.get());
    auto* plain = new TPlainWindow(form.get());
    plain->SetParent(form.get());
    auto* inner = new TPlainGraphic(form.get());
    inner->SetParent(plain);
    auto* deep = new TPlainWindow(form.get());
    deep->SetParent(plain);
    auto* unborn = new TPlainWindow(form.get());
    TCommandLog log;
    log.Watch(skinned, "skinned", true);
    log.Watch(label, "label", false);
    log.Watch(plain, "plain", false);
    log.Watch(inner, "inner", false);
    log.Watch(deep, "deep", true);
    log.Watch(unborn, "unborn", true);
    form->HandleNeeded();
    skinned->HandleNeeded();
    deep->HandleNeeded();
    // A control without a parent is a child of nobody; give the unborn one a
    // parent whose window does not exist yet.
    auto* holder = new TPlainWindow(form.get());
    unborn->SetParent(holder);
    holder->SetParent(nullptr);

    TMessage m{SM_ALPHACMD, MakeSkinWParam(CMD_REPAINT), 77, 0};
    SendToChildControls(form.get(), m);
    EXPECT_EQ(log.Codes(), (std::vector<std::string>{"skinned:3", "label:3", "inner:3", "deep:3"}));
    for (const auto& e : log.entries)
        EXPECT_EQ(e.LParam, 77);

    log.entries.clear();
    SendToChildControls(holder, m);
    EXPECT_FALSE(holder->HandleAllocated());
    EXPECT_EQ(log.Codes(), (std::vector<std::string>{"unborn:3"}));
}

TEST(SkinMessage, ChildBroadcastStopsAtAChildBeingDestroyed)
{
    std::unique_ptr<TForm> form(NewForm());
    auto* first = new TPlainGraphic(form.get());
    first->SetParent(form.get());
    auto* dying = new TPlainGraphic(form.get());
    dying->SetParent(form.get());
    auto* after = new TPlainGraphic(form.get());
    after->SetParent(form.get());
    TCommandLog log;
    log.Watch(first, "first", false);
    log.Watch(dying, "dying", false);
    log.Watch(after, "after", false);
    dying->MarkDestroying();
    TMessage m{SM_ALPHACMD, MakeSkinWParam(CMD_REPAINT), 0, 0};
    SendToChildControls(form.get(), m);
    EXPECT_EQ(log.Codes(), (std::vector<std::string>{"first:3"}));
}

TEST(SkinMessage, SendToControlSkipsAWindowBeingDestroyed)
{
    std::unique_ptr<TForm> form(NewForm());
    auto* window = new TPlainWindow(form.get());
    window->SetParent(form.get());
    window->HandleNeeded();
    TCommandLog log;
    log.Watch(window, "window", true, 42);
    window->MarkDestroying();
    EXPECT_EQ(SendToControl(window, CMD_GET_SKIN_INDEX, 0), 0);
    EXPECT_TRUE(log.entries.empty());
}

TEST(SkinMessage, AllFormsLastCreatedFirstSkippingSkinnedForms)
{
    std::unique_ptr<TForm> first(NewForm());
    std::unique_ptr<TForm> second(NewForm());
    std::unique_ptr<TForm> skinnedForm(NewForm());
    auto* firstChild = new TPlainGraphic(first.get());
    firstChild->SetParent(first.get());
    auto* secondChild = new TPlainGraphic(second.get());
    secondChild->SetParent(second.get());
    auto* hiddenChild = new TPlainGraphic(skinnedForm.get());
    hiddenChild->SetParent(skinnedForm.get());
    TCommandLog log;
    log.Watch(first.get(), "first", false);
    log.Watch(firstChild, "firstChild", false);
    log.Watch(second.get(), "second", false);
    log.Watch(secondChild, "secondChild", false);
    log.Watch(skinnedForm.get(), "skinnedForm", true);
    log.Watch(hiddenChild, "hiddenChild", false);

    TMessage m{SM_ALPHACMD, MakeSkinWParam(CMD_ANIMATION_DONE), 5, 0};
    SendToAllForms(m);
    EXPECT_EQ(log.Codes(),
              (std::vector<std::string>{"second:16", "secondChild:16", "first:16", "firstChild:16"}));

    // A form registered with the window skinning gets it even when it says
    // it is skinned, after the forms of the application.
    RegisteredSkinForms().push_back(skinnedForm.get());
    log.entries.clear();
    SendToAllForms(m);
    RegisteredSkinForms().clear();
    EXPECT_EQ(log.Codes(), (std::vector<std::string>{"second:16", "secondChild:16", "first:16", "firstChild:16",
                                                     "skinnedForm:16", "hiddenChild:16"}));
}

TEST(SkinMessage, AllFormsReachOnlyVisibleExtraWindows)
{
    std::unique_ptr<TForm> shown(NewForm());
    std::unique_ptr<TForm> hidden(NewForm());
    TCommandLog log;
    log.Watch(shown.get(), "shown", true);
    log.Watch(hidden.get(), "hidden", true);
    shown->Show();
    ExtraSkinWindows() = {hidden->Handle(), shown->Handle()};
    TMessage m{SM_ALPHACMD, MakeSkinWParam(CMD_REPAINT), 0, 0};
    SendToAllForms(m);
    ExtraSkinWindows().clear();
    EXPECT_EQ(log.Codes(), (std::vector<std::string>{"shown:3"}));
}

}  // namespace
}  // namespace taramel
