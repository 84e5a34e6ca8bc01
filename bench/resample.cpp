// SmoothResample with the Mitchell filter, halving and doubling a 32-bit
// picture, beside stb_image_resize with its Mitchell filter on the same
// pixels.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>

#include "render/SmoothResample.h"

namespace {

using namespace taramel;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// A smooth picture with some noise, like a photo.
void FillPhoto(TBitmap& b)
{
    std::mt19937 gen(3);
    for (int y = 0; y < b.Height(); ++y) {
        std::uint8_t* row = b.ScanLine(y);
        for (int x = 0; x < b.Width(); ++x) {
            row[4 * x + 0] = static_cast<std::uint8_t>((x + y) / 8 + gen() % 16);
            row[4 * x + 1] = static_cast<std::uint8_t>(x / 4 + gen() % 16);
            row[4 * x + 2] = static_cast<std::uint8_t>(y / 3 + gen() % 16);
            row[4 * x + 3] = 255;
        }
    }
}

void Ours(benchmark::State& state, int width, int height)
{
    TBitmap src(kWidth, kHeight, TPixelFormat::pf32bit), dst;
    FillPhoto(src);
    for (auto _ : state) {
        SmoothResample(src, dst, width, 6, height);
        benchmark::DoNotOptimize(dst.Row0());
    }
}

void Stb(benchmark::State& state, int width, int height)
{
    TBitmap src(kWidth, kHeight, TPixelFormat::pf32bit, true);
    FillPhoto(src);
    std::vector<unsigned char> out(static_cast<std::size_t>(width) * height * 4);
    for (auto _ : state) {
        stbir_resize_uint8_generic(src.Row0(), kWidth, kHeight, static_cast<int>(src.Stride()), out.data(), width,
                                   height, width * 4, 4, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_REFLECT,
                                   STBIR_FILTER_MITCHELL, STBIR_COLORSPACE_LINEAR, nullptr);
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_SmoothResample_Down2x(benchmark::State& state) { Ours(state, kWidth / 2, kHeight / 2); }
void BM_Stb_Down2x(benchmark::State& state) { Stb(state, kWidth / 2, kHeight / 2); }
void BM_SmoothResample_Up2x(benchmark::State& state) { Ours(state, kWidth * 2, kHeight * 2); }
void BM_Stb_Up2x(benchmark::State& state) { Stb(state, kWidth * 2, kHeight * 2); }

BENCHMARK(BM_SmoothResample_Down2x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stb_Down2x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmoothResample_Up2x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stb_Up2x)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
