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

#include "app/AboutDialog_win.h"
#include "app/MainWindow_win.h"
#include "app/SettingsDialog_win.h"
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "windows/SkinProvider_win.h"
#include "windows/WindowHook.h"

using namespace taramel;

namespace {

void Pump(DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    do {
        Application->ProcessMessages();
        Sleep(10);
    } while (GetTickCount64() < end);
}

// Rows of blue, green, red bytes, top row first.
bool SaveBmp(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rows)
{
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> data(static_cast<std::size_t>(stride * height));
    for (int y = 0; y < height; ++y)
        std::copy_n(rows.begin() + static_cast<std::ptrdiff_t>(y) * width * 3, width * 3,
                    data.begin() + static_cast<std::ptrdiff_t>(height - 1 - y) * stride);
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    ih.biSize = sizeof(ih);
    ih.biWidth = width;
    ih.biHeight = height;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(ih);
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(data.size());
    bool ok = false;
    if (FILE* f = _wfopen(path.c_str(), L"wb")) {
        ok = std::fwrite(&fh, sizeof(fh), 1, f) == 1 && std::fwrite(&ih, sizeof(ih), 1, f) == 1 &&
             std::fwrite(data.data(), data.size(), 1, f) == 1;
        ok = std::fclose(f) == 0 && ok;
    }
    std::fwprintf(stdout, L"%ls %ls\n", ok ? L"saved" : L"could not save", path.c_str());
    return ok;
}

// What the screen shows of `r`.
bool SaveScreen(const RECT& r, const std::wstring& path)
{
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::vector<std::uint8_t> rows;
    const auto* p = static_cast<const std::uint8_t*>(bits);
    for (int i = 0; i < width * height; ++i)
        rows.insert(rows.end(), p + i * 4, p + i * 4 + 3);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return SaveBmp(path, width, height, rows);
}

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
    InitializeWindowSkinning();
    InitializeSkinEngine();
    Application->Initialize();
    Application->SetTitle("Тарамел");
    Application->CreateForm<TForm1>();
    Application->CreateForm<TForm2>();
    Application->CreateForm<TForm3>();
    if (Form1 == nullptr || !Form1->sSkinManager1->SkinReady()) {
        std::fputws(L"extendedpicture: no main window or no skin beside the program\n", stderr);
        return 1;
    }
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
