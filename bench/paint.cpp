// Painting skin sections beside a memcpy of the same bytes: a 640 x 480
// panel with a masked border, a gradient and a texture, and a 120 x 32
// button in each state, all 24-bit as the controls' caches are.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench/BenchSkin.h"
#include "paint/SectionPaint.h"

namespace {

using namespace taramel;
using taramel::bench::BenchSkin;

void Section(benchmark::State& state, int width, int height, bool isButton)
{
    static BenchSkin skin;
    TBitmap bmp(width, height, TPixelFormat::pf24bit);
    const int s = isButton ? skin.button : skin.panel;
    const int look = static_cast<int>(state.range(0));
    for (auto _ : state) {
        PaintSection(skin.t, s, skin.t.Sections[s].SectionName, EmptyBgCache, {1, -1}, {&bmp, {0, 0, width, height}},
                     look, true);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(RowBytes(width, TPixelFormat::pf24bit)) *
                            height);
}

void Memcpy(benchmark::State& state, int width, int height)
{
    TBitmap dst(width, height, TPixelFormat::pf24bit), src(width, height, TPixelFormat::pf24bit);
    const std::size_t bytes = RowBytes(width, TPixelFormat::pf24bit) * static_cast<std::size_t>(height);
    // Bottom-up rows are contiguous from the last one.
    std::uint8_t* d = dst.ScanLine(height - 1);
    const std::uint8_t* s = src.ScanLine(height - 1);
    for (auto _ : state) {
        std::memcpy(d, s, bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

void BM_Section640x480(benchmark::State& state) { Section(state, 640, 480, false); }
void BM_Memcpy640x480(benchmark::State& state) { Memcpy(state, 640, 480); }
void BM_Button120x32(benchmark::State& state) { Section(state, 120, 32, true); }
void BM_Memcpy120x32(benchmark::State& state) { Memcpy(state, 120, 32); }

BENCHMARK(BM_Section640x480)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Memcpy640x480)->Unit(benchmark::kMicrosecond);
// States 0 normal, 1 hot, 2 pressed.
BENCHMARK(BM_Button120x32)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Memcpy120x32)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
