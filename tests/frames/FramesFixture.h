// What the tests of skinned frames share: a manager with the frames test
// skin, forms of any border kind shown and adopted, and a window's pixels
// read back from its window DC.
#pragma once

#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PixelCanvas.h"
#include "windows/CaptionButtonAnimation_win.h"
#include "windows/SkinProvider_win.h"
#include "windows/WindowHook.h"

namespace taramel {

// The window's pixels as its window DC shows them.
inline std::vector<COLORREF> ReadWindow(HWND w, int& width)
{
    RECT r;
    GetWindowRect(w, &r);
    width = r.right - r.left;
    const int height = r.bottom - r.top;
    testsupport::TPixelCanvas canvas(width, height);
    HDC dc = GetWindowDC(w);
    BitBlt(canvas.Dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    ReleaseDC(w, dc);
    return canvas.Pixels();
}

inline COLORREF PixelAt(HWND w, int x, int y)
{
    int width = 0;
    const auto px = ReadWindow(w, width);
    return px.at(static_cast<std::size_t>(y * width + x));
}

// What a process holds: GDI and USER objects, handles and its working set.
struct ProcessHoldings {
    DWORD Gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD User = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    DWORD Handles = 0;
    SIZE_T WorkingSet = 0;
    ProcessHoldings()
    {
        GetProcessHandleCount(GetCurrentProcess(), &Handles);
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        WorkingSet = memory.WorkingSetSize;
    }
};

// Nothing kept after `what` compared with `before`: objects and handles
// within a few, the working set within 4 MB (printed, for the notes).
inline void ExpectNothingKept(const ProcessHoldings& before, const char* what)
{
    const ProcessHoldings after;
    EXPECT_LE(after.Gdi, before.Gdi + 2) << what;
    EXPECT_LE(after.User, before.User + 2) << what;
    EXPECT_LE(after.Handles, before.Handles + 4) << what;
    std::printf("working set: %+lld KB over %s\n",
                (static_cast<long long>(after.WorkingSet) - static_cast<long long>(before.WorkingSet)) / 1024, what);
    EXPECT_LT(after.WorkingSet, before.WorkingSet + 4 * 1024 * 1024) << what;
}

class FramesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager = std::make_unique<TsSkinManager>(nullptr);
        manager->SetActive(false);
        manager->SetSkinDirectory(std::string(TARAMEL_TEST_DATA) + "\\skins");
        manager->SetSkinName("Frames");
        // The frame itself shows each button's look at once; the fades are
        // tested on their own.
        manager->AllowGlowing = false;
        manager->SetActive(true);
        ASSERT_TRUE(manager->SkinReady());
    }
    void TearDown() override
    {
        TacSBAnimation::UseTimer = true;
        for (TForm* f : forms)
            delete f;
        manager.reset();
        testsupport::Pump(20);
    }
    TForm* MakeForm(TFormBorderStyle style, unsigned icons, int left)
    {
        auto* form = new TForm(Application);
        form->AfterConstruction();
        form->SetBorderStyle(style);
        form->SetBorderIcons(icons);
        form->SetCaption("Проба рамки");
        form->SetBounds(left, 40, 320, 220);
        form->EndLoadingAll();
        forms.push_back(form);
        return form;
    }
    TsSkinProvider* ShowAndAdopt(TForm* form)
    {
        form->Show();
        SetForegroundWindow(form->Handle());
        SetActiveWindow(form->Handle());
        testsupport::PumpUntil([&] { return ProviderOfWindow(form->Handle()) != nullptr; }, 500);
        testsupport::Pump(30);
        return ProviderOfWindow(form->Handle());
    }
    // The main window's kind shown with caption-button fades on, their
    // ticks given by the test rather than by timers.
    TsSkinProvider* ShowWithSteppedFades(TForm*& form)
    {
        manager->AllowGlowing = true;
        TacSBAnimation::UseTimer = false;
        form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
        return ShowAndAdopt(form);
    }
    // The centre of a frame rectangle on the screen.
    static POINT ScreenPoint(HWND w, const TRect& r)
    {
        RECT wr;
        GetWindowRect(w, &wr);
        return POINT{wr.left + (r.Left + r.Right) / 2, wr.top + (r.Top + r.Bottom) / 2};
    }

    std::unique_ptr<TsSkinManager> manager;
    std::vector<TForm*> forms;
};

}  // namespace taramel
