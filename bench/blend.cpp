// BlendBitmaps over a full-HD 32-bit bitmap beside a plain memcpy of the
// same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "render/Blend.h"

namespace {

using namespace taramel;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void FillRandom(TBitmap& b, unsigned seed)
{
    std::mt19937 gen(seed);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width() * BytesPerPixel(b.PixelFormat()); ++x)
            b.ScanLine(y)[x] = static_cast<std::uint8_t>(gen());
}

void Blend(benchmark::State& state, TPixelFormat format)
{
    TBitmap dst(kWidth, kHeight, format), src(kWidth, kHeight, format);
    FillRandom(dst, 1);
    FillRandom(src, 2);
    for (auto _ : state) {
        BlendBitmaps(dst, src, 100, 0, 0, TRect{0, 0, kWidth, kHeight});
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * BytesPerPixel(format));
}

void BM_BlendBitmaps32(benchmark::State& state) { Blend(state, TPixelFormat::pf32bit); }
void BM_BlendBitmaps24(benchmark::State& state) { Blend(state, TPixelFormat::pf24bit); }
BENCHMARK(BM_BlendBitmaps32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlendBitmaps24)->Unit(benchmark::kMicrosecond);

// The reference: copying the same bytes, the least any blend must touch.
void BM_Memcpy32(benchmark::State& state)
{
    TBitmap dst(kWidth, kHeight, TPixelFormat::pf32bit), src(kWidth, kHeight, TPixelFormat::pf32bit);
    FillRandom(src, 2);
    const std::size_t bytes = static_cast<std::size_t>(kWidth) * kHeight * 4;
    // Rows are contiguous (no padding at 32 bits): one copy from the lowest row.
    std::uint8_t* d = dst.ScanLine(kHeight - 1);
    const std::uint8_t* s = src.ScanLine(kHeight - 1);
    for (auto _ : state) {
        std::memcpy(d, s, bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_Memcpy32)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
