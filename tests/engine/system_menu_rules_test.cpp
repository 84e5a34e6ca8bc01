// The window menu's commands: which are offered and which can be chosen for
// each kind of form and state, and where the menu opens below the icon.
#include <gtest/gtest.h>

#include "engine/SystemMenuRules.h"

namespace taramel {
namespace {

struct Expect {
    bool visible, enabled;
};

void Check(const SystemMenuInput& in, const std::array<Expect, 6>& want, const char* what)
{
    const auto states = SystemMenuStates(in);
    const unsigned order[6] = {scRestore, scMove, scSize, scMinimize, scMaximize, scClose};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(states[i].Command, order[i]) << what;
        EXPECT_EQ(states[i].Visible, want[i].visible) << what << ", item " << i;
        EXPECT_EQ(states[i].Enabled, want[i].enabled) << what << ", item " << i;
    }
}

CaptionButtonSet Buttons(bool close, bool max, bool min, bool enabledMax, bool enabledMin, bool enabledRestore)
{
    CaptionButtonSet b;
    b.VisibleClose = close;
    b.VisibleMax = max;
    b.VisibleMin = min;
    b.EnabledMax = enabledMax;
    b.EnabledMin = enabledMin;
    b.EnabledRestore = enabledRestore;
    return b;
}

TEST(SystemMenuRules, TheProgramsKindsOfWindow)
{
    // The main window: single border, Close and Minimize.
    SystemMenuInput main{Buttons(true, false, true, false, true, false), TMenuBorderKind::Single};
    Check(main, {{{true, false}, {true, true}, {true, false}, {true, true}, {false, false}, {true, true}}},
          "main window");
    // A dialog: Close only; no Restore, no Size (whose enabled state then
    // matters to nobody).
    SystemMenuInput dialog{Buttons(true, false, false, false, false, false), TMenuBorderKind::Dialog};
    Check(dialog, {{{false, false}, {true, true}, {false, true}, {false, false}, {false, false}, {true, true}}},
          "dialog");
}

TEST(SystemMenuRules, StatesOfASizeableWindow)
{
    SystemMenuInput in{Buttons(true, true, true, true, true, false), TMenuBorderKind::Sizeable};
    Check(in, {{{true, false}, {true, true}, {true, true}, {true, true}, {true, true}, {true, true}}}, "normal");
    in.Maximized = true;
    in.Buttons = Buttons(true, true, true, false, true, true);
    Check(in, {{{true, true}, {true, false}, {true, true}, {true, true}, {true, false}, {true, true}}}, "maximised");
    in.Maximized = false;
    in.Minimized = true;
    Check(in, {{{true, true}, {true, true}, {true, false}, {true, true}, {true, false}, {true, true}}}, "minimised");
    // Without a system menu there is no Close button, and no Restore with it.
    in = SystemMenuInput{Buttons(false, false, false, false, false, false), TMenuBorderKind::Sizeable};
    Check(in, {{{false, false}, {true, true}, {true, true}, {false, false}, {false, false}, {false, true}}},
          "no close");
}

TEST(SystemMenuRules, SizeIsOfferedByBorderKindAndToMdiChildren)
{
    const struct {
        TMenuBorderKind border;
        bool mdi, visible;
    } cases[] = {
        {TMenuBorderKind::None, false, false},       {TMenuBorderKind::Dialog, false, false},
        {TMenuBorderKind::ToolWindow, false, false}, {TMenuBorderKind::Single, false, true},
        {TMenuBorderKind::Sizeable, false, true},    {TMenuBorderKind::Dialog, true, true},
    };
    for (const auto& c : cases) {
        SystemMenuInput in;
        in.Border = c.border;
        in.MdiChild = c.mdi;
        EXPECT_EQ(SystemMenuStates(in)[2].Visible, c.visible) << static_cast<int>(c.border) << " mdi " << c.mdi;
    }
}

TEST(SystemMenuRules, BelowTheIcon)
{
    const TPoint p = SystemMenuBelowIcon(TRect{100, 50, 420, 270}, 4, 4, 16);
    EXPECT_EQ(p.X, 104);
    EXPECT_EQ(p.Y, 70);
}

}  // namespace
}  // namespace taramel
