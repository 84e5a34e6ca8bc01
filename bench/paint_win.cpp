// A skinned 120 x 32 button painted and copied to a memory device context,
// beside the system's theme engine drawing a push button of the same size
// into a memory device context. The theme is wine's own ("light"), switched
// on for this process when no theme is active.
#include <benchmark/benchmark.h>

#include <windows.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <cstdio>

#include "bench/BenchSkin.h"
#include "paint/SectionPaint.h"
#include "render/Bitmap_win.h"

namespace {

using namespace taramel;
using taramel::bench::BenchSkin;

constexpr int kW = 120, kH = 32;

// A memory DC with a screen-compatible bitmap of the button's size.
struct MemoryDC {
    HDC dc = nullptr;
    HBITMAP bmp = nullptr;
    HGDIOBJ old = nullptr;
    MemoryDC()
    {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bmp = CreateCompatibleBitmap(screen, kW, kH);
        old = SelectObject(dc, bmp);
        ReleaseDC(nullptr, screen);
    }
    ~MemoryDC()
    {
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
};

HTHEME ButtonTheme()
{
    HTHEME theme = OpenThemeData(nullptr, L"BUTTON");
    if (theme)
        return theme;
    // No theme active: switch on the one wine ships (uxtheme's
    // SetSystemVisualStyle, exported by ordinal 65).
    using SetStyle = HRESULT(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, DWORD);
    HMODULE ux = GetModuleHandleW(L"uxtheme.dll");
    void* const found = ux ? reinterpret_cast<void*>(GetProcAddress(ux, MAKEINTRESOURCEA(65))) : nullptr;
    auto set = reinterpret_cast<SetStyle>(found);
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    std::wstring file = std::wstring(windows) + L"\\resources\\themes\\light\\light.msstyles";
    if (set && SUCCEEDED(set(file.c_str(), L"Blue", L"NormalSize", 0)))
        theme = OpenThemeData(nullptr, L"BUTTON");
    return theme;
}

void BM_SkinnedButtonToMemoryDC(benchmark::State& state)
{
    static BenchSkin skin;
    TBitmap cache(kW, kH, TPixelFormat::pf24bit);
    MemoryDC target;
    const int look = static_cast<int>(state.range(0));
    for (auto _ : state) {
        PaintSection(skin.t, skin.button, "BUTTON", EmptyBgCache, {1, -1}, {&cache, {0, 0, kW, kH}}, look, true);
        BitBlt(target.dc, 0, 0, kW, kH, BitmapDC(cache), 0, 0, SRCCOPY);
        GdiFlush();
    }
}

void BM_ThemeButtonToMemoryDC(benchmark::State& state)
{
    HTHEME theme = ButtonTheme();
    if (!theme) {
        state.SkipWithError("no visual style could be switched on");
        return;
    }
    MemoryDC target;
    const int part = static_cast<int>(state.range(0)) == 0 ? PBS_NORMAL
                     : state.range(0) == 1                ? PBS_HOT
                                                          : PBS_PRESSED;
    const RECT r{0, 0, kW, kH};
    for (auto _ : state) {
        DrawThemeBackground(theme, target.dc, BP_PUSHBUTTON, part, &r, nullptr);
        GdiFlush();
    }
    CloseThemeData(theme);
}

// States 0 normal, 1 hot, 2 pressed.
BENCHMARK(BM_SkinnedButtonToMemoryDC)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThemeButtonToMemoryDC)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    // Work bitmaps as DIB sections, as the program makes them.
    InstallDibSectionStorage();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
