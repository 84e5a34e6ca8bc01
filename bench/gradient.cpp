// PaintGradient with vertical bands over a full-HD 32-bit bitmap beside a
// plain row-by-row fill of the same bytes with one pixel value.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#include "render/Gradient.h"

namespace {

using namespace taramel;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void PaintVertical(benchmark::State& state, TPixelFormat format)
{
    TBitmap b(kWidth, kHeight, format);
    const TsGradArray a{{0x202020, 0xF0C080, 40, 0}, {0xF0C080, 0x103060, 60, 0}};
    for (auto _ : state) {
        PaintGradient(b, TRect{0, 0, kWidth, kHeight}, a);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * BytesPerPixel(format));
}

void BM_PaintGradientVertical(benchmark::State& state) { PaintVertical(state, TPixelFormat::pf32bit); }
void BM_PaintGradientVertical24(benchmark::State& state) { PaintVertical(state, TPixelFormat::pf24bit); }
BENCHMARK(BM_PaintGradientVertical)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintGradientVertical24)->Unit(benchmark::kMicrosecond);

// The reference: every row filled with one 32-bit pixel value.
void BM_PlainFill32(benchmark::State& state)
{
    TBitmap b(kWidth, kHeight, TPixelFormat::pf32bit);
    std::uint32_t value = 0xFF204060;
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y) {
            std::uint32_t row[1];
            row[0] = value;
            std::uint8_t* p = b.ScanLine(y);
            for (int x = 0; x < kWidth; ++x)
                std::memcpy(p + 4 * x, row, 4);
        }
        ++value;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_PlainFill32)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
