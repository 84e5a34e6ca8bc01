// extendedpicture FOLDER
//
// Starts the program's three windows in this process, as the program does,
// switches its skin manager's extended borders on (the program itself keeps
// them off) and saves into FOLDER as 24-bit BMP files: screen-active and
// screen-inactive (what the screen shows around the main window, active and
// behind a small window of this program) and cache-active (the main window's
// frame cache, its alpha mixed over white, so that the shadow shows). The
// skin is the one beside this executable, as for the program. Exits 0 when
// all three pictures were saved. Prints what an activation change with its
// frame costs, with the extended border and with the form's own frame.
#include <windows.h>

#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "tools/common/ProgramWindows_win.h"
#include "tools/common/ScreenPicture_win.h"
#include "windows/SkinProvider_win.h"

using namespace taramel;
using taramel::tools::SaveBmp;
using taramel::tools::Pump;
using taramel::tools::SaveScreen;
using taramel::tools::StartProgramWindows;

namespace {

// The 32-bit frame cache over white: premultiplied colour plus what the
// alpha leaves of the white.
bool SaveCache(const TBitmap& cache, const std::wstring& path)
{
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < cache.Height(); ++y) {
        const std::uint8_t* p = cache.ScanLine(y);
        for (int x = 0; x < cache.Width(); ++x, p += 4)
            for (int c = 0; c < 3; ++c)
                rows.push_back(static_cast<std::uint8_t>(std::min(255, p[c] + (255 - p[3]))));
    }
    return SaveBmp(path, cache.Width(), cache.Height(), rows);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fputws(L"usage: extendedpicture FOLDER\n", stderr);
        return 2;
    }
    const std::wstring folder = argv[1];
    if (!StartProgramWindows(L"extendedpicture"))
        return 1;
    Form1->sSkinManager1->SetExtendedBorders(true);
    Form1->Show();
    const HWND main = Form1->Handle();
    SetForegroundWindow(main);
    Pump(1500);
    const TsSkinProvider* provider = ProviderOfWindow(main);
    if (provider == nullptr || !provider->Extended() || provider->FrameCache() == nullptr) {
        std::fputws(L"extendedpicture: the main window has no extended border\n", stderr);
        return 1;
    }
    // The frame with its shadow and a margin of the desktop around it.
    const POINT at = provider->FrameOrigin();
    const RECT area{at.x - 16, at.y - 16, at.x + provider->FrameCache()->Width() + 16,
                    at.y + provider->FrameCache()->Height() + 16};
    bool ok = SaveScreen(area, folder + L"\\screen-active.bmp");
    ok = SaveCache(*provider->FrameCache(), folder + L"\\cache-active.bmp") && ok;
    // A small window of this program in the bottom-right corner takes the
    // activation.
    HWND focus = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"focus", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                 GetSystemMetrics(SM_CXSCREEN) - 130, GetSystemMetrics(SM_CYSCREEN) - 80, 120, 70,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(focus);
    SetActiveWindow(focus);
    Pump(700);
    ok = SaveScreen(area, folder + L"\\screen-inactive.bmp") && ok;
    DestroyWindow(focus);

    // What a frame costs: activation changes rebuild and show it, with the
    // extended border and with the form's own frame.
    const auto perChange = [main] {
        LARGE_INTEGER f, a, b;
        QueryPerformanceFrequency(&f);
        QueryPerformanceCounter(&a);
        constexpr int kChanges = 100;
        for (int i = 0; i < kChanges; ++i)
            SendMessageW(main, WM_NCACTIVATE, i % 2 == 0 ? TRUE : FALSE, 0);
        QueryPerformanceCounter(&b);
        return double(b.QuadPart - a.QuadPart) * 1000.0 / double(f.QuadPart) / kChanges;
    };
    const double extended = perChange();
    Form1->sSkinManager1->SetExtendedBorders(false);
    Pump(300);
    const double standard = perChange();
    std::fwprintf(stdout, L"activation change with its frame: extended border %.2f ms, own frame %.2f ms\n", extended,
                  standard);
    return ok ? 0 : 1;
}
