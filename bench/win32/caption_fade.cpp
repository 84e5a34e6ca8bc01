// One frame of a caption button's fade beside a plain copy of the button's
// pixels, in one run. The fade's picture is made once per fade; a frame only
// gives the layered window its new constant alpha. So the frame is set
// beside (a) a memcpy of the picture's pixels alone and (b) that memcpy
// followed by the same layered-window update at the same alpha, the least any
// frame of a fade must do to reach the screen. Goal: at most 2x of (b).
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "render/Bitmap_win.h"
#include "windows/CaptionButtonAnimation_win.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace taramel {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWidth = 28, kHeight = 18;  // Topaz's big caption button

class BenchOwner : public TCaptionButtonFadeOwner {
public:
    explicit BenchOwner(HWND window) : window_(window) {}
    HWND FadeOwner() const override { return window_; }
    HWND FadeAbove() const override { return window_; }
    bool FadePicture(int, int state, TBitmap& picture, TRect& place) override
    {
        picture.SetSize(kWidth, kHeight);
        picture.SetPixelFormat(TPixelFormat::pf32bit);
        for (int y = 0; y < kHeight; ++y) {
            std::uint8_t* row = picture.ScanLine(y);
            for (int x = 0; x < kWidth; ++x) {
                row[x * 4 + 0] = static_cast<std::uint8_t>(40 * state + x);
                row[x * 4 + 1] = static_cast<std::uint8_t>(90 + y);
                row[x * 4 + 2] = 200;
                row[x * 4 + 3] = 255;
            }
        }
        place = {200, 6, 200 + kWidth, 6 + kHeight};
        return true;
    }
    void FadeCursorLeft(int) override {}
    RECT FadeButtonOnScreen(int) const override { return RECT{0, 0, 0, 0}; }

private:
    HWND window_;
};

}  // namespace
}  // namespace taramel

int main()
{
    using namespace taramel;
    InitializeSkinEngine();
    Application->Initialize();
    HWND form = CreateWindowExW(0, L"STATIC", L"Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400, 300, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    BenchOwner owner(form);
    TacSBAnimation::UseTimer = false;
    TacSBAnimation fade(owner, 0);

    // (a) and (b): the picture's pixels copied into a DIB section, then (b)
    // the layered window updated from it.
    TBitmap source(kWidth, kHeight, TPixelFormat::pf32bit);
    TBitmap target(kWidth, kHeight, TPixelFormat::pf32bit);
    HWND layered = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE, L"STATIC",
                                   L"", WS_POPUP, 0, 0, 0, 0, form, nullptr, GetModuleHandleW(nullptr), nullptr);
    const auto update = OptionalSystemFunctions().UpdateLayeredWindow;
    auto copyFrame = [&](bool deliver, int alpha) {
        for (int y = 0; y < kHeight; ++y)
            std::memcpy(target.ScanLine(y), source.ScanLine(y), kWidth * 4);
        if (!deliver)
            return;
        GdiFlush();
        POINT at{240, 46}, origin{0, 0};
        SIZE size{kWidth, kHeight};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
        update(layered, nullptr, &at, &size, BitmapDC(target), &origin, 0, &blend, ULW_ALPHA);
    };

    constexpr int kRounds = 300;
    double ours = 0, copyOnly = 0, copyAndUpdate = 0;
    long frames = 0;
    for (int round = 0; round < kRounds; ++round) {
        // A whole hover: ten frames in, eleven out; the first frame of each
        // direction also makes the picture and is counted with the rest.
        for (int state : {1, 0}) {
            fade.Change(state);
            const int ticks = state == 1 ? 10 : 11;
            Clock::time_point t0 = Clock::now();
            for (int i = 0; i < ticks; ++i)
                fade.Tick();
            ours += std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
            t0 = Clock::now();
            for (int i = 0; i < ticks; ++i)
                copyFrame(false, 25 * i);
            copyOnly += std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
            t0 = Clock::now();
            for (int i = 0; i < ticks; ++i)
                copyFrame(true, 25 * i);
            copyAndUpdate += std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
            frames += ticks;
        }
    }
    const double a = ours / frames, b = copyOnly / frames, c = copyAndUpdate / frames;
    std::printf("caption button fade, one frame (%ld frames of %d hovers, alternating)\n", frames, kRounds);
    std::printf("  fade frame (alpha update)        %9.2f us\n", a);
    std::printf("  memcpy of its pixels             %9.3f us\n", b);
    std::printf("  memcpy + layered window update   %9.2f us\n", c);
    std::printf("  ratio to memcpy + update         %9.2fx   (goal: at most 2x)\n", a / c);
    fade.Stop();
    DestroyWindow(layered);
    DestroyWindow(form);
    return a / c <= 2.0 ? 0 : 1;
}
