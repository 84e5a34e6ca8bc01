// One frame of a button's fade, 120 x 32: the old picture blended with the
// new one and the frame copied to the screen's device context, beside a
// memcpy of the frame's bytes. A frame must fit well inside the fade's
// 10 ms tick.
#include <benchmark/benchmark.h>

#include <windows.h>

#include <cstring>
#include <random>

#include "controls/FadeTimer.h"
#include "engine/ControlPaint_win.h"

namespace {

using namespace taramel;

constexpr int kW = 120, kH = 32;

void FillRandom(TBitmap& b, unsigned seed)
{
    b.SetSize(kW, kH);
    std::mt19937 gen(seed);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW * 3; ++x)
            b.ScanLine(y)[x] = static_cast<std::uint8_t>(gen());
}

// The frame alone (what the fade computes).
void BM_FadeFrameBlend(benchmark::State& state)
{
    TBitmap start(kW, kH, TPixelFormat::pf24bit), now(kW, kH, TPixelFormat::pf24bit), frame;
    FillRandom(start, 1);
    FillRandom(now, 2);
    int step = 0;
    for (auto _ : state) {
        MakeFadeFrame(frame, start, now, FadeWeight(1 + step++ % 5, 5));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kW * kH * 3);
}
BENCHMARK(BM_FadeFrameBlend)->Unit(benchmark::kMicrosecond);

// The frame and its copy to the screen, as every tick does.
void BM_FadeFrameToScreen(benchmark::State& state)
{
    TBitmap start(kW, kH, TPixelFormat::pf24bit), now(kW, kH, TPixelFormat::pf24bit), frame;
    FillRandom(start, 1);
    FillRandom(now, 2);
    HDC screen = GetDC(nullptr);
    int step = 0;
    for (auto _ : state) {
        MakeFadeFrame(frame, start, now, FadeWeight(1 + step++ % 5, 5));
        CopyBitmapToDC(frame, screen, RECT{0, 0, kW, kH}, 0, 0);
        GdiFlush();
    }
    ReleaseDC(nullptr, screen);
    state.SetBytesProcessed(state.iterations() * kW * kH * 3);
}
BENCHMARK(BM_FadeFrameToScreen)->Unit(benchmark::kMicrosecond);

// The reference: copying the frame's bytes once.
void BM_MemcpyFrame(benchmark::State& state)
{
    TBitmap start(kW, kH, TPixelFormat::pf24bit), frame(kW, kH, TPixelFormat::pf24bit);
    FillRandom(start, 1);
    FillRandom(frame, 3);
    const std::size_t row = kW * 3;
    for (auto _ : state) {
        for (int y = 0; y < kH; ++y)
            std::memcpy(frame.ScanLine(y), start.ScanLine(y), row);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kW * kH * 3);
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
