// The program's end. The program leaves its forms, and the skin manager one of
// them owns, to the application object, which frees them at static
// destruction: after everything static that the engine made on first use,
// since that was made after the application object. What the forms, their
// providers, the controls, the hook's dialogs and the manager reach while they
// go must still be alive then.
//
// A use of something already destroyed rarely shows by itself: the freed
// memory keeps its old values. Here every freed block is overwritten and
// never reused, so walking a destroyed list or map follows garbage pointers
// and the program crashes. The last line it prints comes from an object made
// before all others, so destroyed after them all; ctest passes only when that
// line is there and says the hook went with the manager.
#include <windows.h>

#include <malloc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <utility>

#include "app/FormLayout_win.h"
#include "controls/SkinnedControls.h"
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "tests/support/MessagePump.h"
#include "windows/SkinProvider_win.h"
#include "windows/WindowHook.h"

// ---- freed memory overwritten ----
// Every C++ allocation of the program is freed through these. A freed block
// is filled with a pattern that is no valid address and is never given back:
// the heap would write its own links into it and reuse it, which would hide
// the pattern. A test program can afford to keep the little it frees.

void operator delete(void* block) noexcept
{
    if (block != nullptr)
        std::memset(block, 0xFE, _msize(block));
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete[](void* block, std::size_t) noexcept { operator delete(block); }

namespace taramel {
namespace {

// Made before every other static object of the program (the highest
// priority there is), so destroyed after all of them, the application
// object included.
struct TLastWord {
    // A crash reports itself and ends the program at once, instead of
    // waiting for a debugger that a test run does not have.
    TLastWord() { SetUnhandledExceptionFilter(&ReportCrash); }
    static LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info)
    {
        std::printf("program end: crashed (exception %08lX at %p)\n", info->ExceptionRecord->ExceptionCode,
                    info->ExceptionRecord->ExceptionAddress);
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 3);
        return EXCEPTION_EXECUTE_HANDLER;
    }
    ~TLastWord()
    {
        // The manager removes the hook and its list of dialogs as it goes.
        const bool hookGone = !DialogHookInstalled() && !HookedWindowListExists();
        std::printf("program end: %s\n", hookGone ? "all freed, hook removed" : "the hook outlived its manager");
        std::fflush(stdout);
    }
};
__attribute__((init_priority(101))) TLastWord lastWord;

void Show(TForm* form, int left)
{
    form->SetCaption("Проба конца программы");
    form->SetBounds(left, 40, 320, 220);
    form->EndLoadingAll();
    form->Show();
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
}

// A dialog of the system's own class with a push button: the hook adopts it
// on activation and wraps the button.
HWND PlainDialog()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Диалог", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                  420, 60, 240, 140, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 80, 26, dialog, nullptr,
                    instance, nullptr);
    return dialog;
}

TEST(ProgramEnd, FormsControlsAndDialogsLeftToTheApplicationAreFreedAfterEveryStatic)
{
    auto* owner = new TForm(Application);
    owner->AfterConstruction();
    auto* manager = new TsSkinManager(owner);
    manager->SetSkinDirectory(std::string(TARAMEL_TEST_DATA) + "\\skins");
    manager->SetSkinName("Frames");
    manager->SetExtendedBorders(true);
    manager->SetActive(true);
    ASSERT_TRUE(manager->SkinReady());
    ASSERT_TRUE(DialogHookInstalled());

    auto* second = new TForm(Application);
    second->AfterConstruction();
    auto* panel = MakeControl<TsPanel>(second, second, "Panel1", 8, 8, 200, 120);
    MakeControl<TsLabel>(second, panel, "Label1", 8, 8, 120, 16);
    MakeControl<TsEdit>(second, panel, "Edit1", 8, 30, 120, 22);
    MakeControl<TsBitBtn>(second, panel, "BitBtn1", 8, 60, 90, 26);

    for (auto [form, left] : {std::pair{owner, 40}, std::pair{second, 380}}) {
        Show(form, left);
        EXPECT_TRUE(testsupport::PumpUntil([&] { return ProviderOfWindow(form->Handle()) != nullptr; }, 1000));
    }

    HWND dialog = PlainDialog();
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    SetActiveWindow(dialog);
    EXPECT_TRUE(testsupport::PumpUntil(
        [&] {
            const auto* providers = HookProviders();
            return providers != nullptr && std::any_of(providers->begin(), providers->end(), [&](TacProvider* p) {
                       return p != nullptr && p->Window() == dialog;
                   });
        },
        1000));
    // The main form active again, as the program is when the user closes it.
    SetForegroundWindow(owner->Handle());
    testsupport::Pump(50);
}

}  // namespace
}  // namespace taramel
