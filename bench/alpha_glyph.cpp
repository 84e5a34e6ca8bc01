// Drawing a 32 x 32 glyph with alpha into a button's 24-bit picture, beside
// a plain memcpy of the glyph's pixels (the least any drawing must touch)
// and beside premultiplied compositing written the obvious way (a division
// per channel), as an alpha blend of the system would do it by hand.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "images/ComposeImage32.h"

namespace {

using namespace taramel;

constexpr int kSide = 32;

void FillRandom(TBitmap& b, unsigned seed)
{
    std::mt19937 gen(seed);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width() * BytesPerPixel(b.PixelFormat()); ++x)
            b.ScanLine(y)[x] = static_cast<std::uint8_t>(gen());
}

void BM_ComposeAlphaGlyph(benchmark::State& state)
{
    TBitmap target(kSide, kSide, TPixelFormat::pf24bit), glyph(kSide, kSide, TPixelFormat::pf32bit);
    FillRandom(target, 1);
    FillRandom(glyph, 2);
    const TRect all{0, 0, kSide, kSide};
    for (auto _ : state) {
        ComposeImage32(target, all, glyph, all, {});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_ComposeAlphaGlyph);

// The glyph's pixels copied row by row into a 32-bit picture of its size.
void BM_MemcpyGlyph(benchmark::State& state)
{
    TBitmap target(kSide, kSide, TPixelFormat::pf32bit), glyph(kSide, kSide, TPixelFormat::pf32bit);
    FillRandom(glyph, 2);
    for (auto _ : state) {
        for (int y = 0; y < kSide; ++y)
            std::memcpy(target.ScanLine(y), glyph.ScanLine(y), kSide * 4);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_MemcpyGlyph);

// Premultiplied source over the destination: dst = src + dst * (255 - a) / 255.
void BM_PremultipliedObvious(benchmark::State& state)
{
    TBitmap target(kSide, kSide, TPixelFormat::pf24bit), glyph(kSide, kSide, TPixelFormat::pf32bit);
    FillRandom(target, 1);
    FillRandom(glyph, 2);
    for (int y = 0; y < kSide; ++y) {
        std::uint8_t* p = glyph.ScanLine(y);
        for (int x = 0; x < kSide; ++x, p += 4)
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>(p[c] * p[3] / 255);
    }
    for (auto _ : state) {
        for (int y = 0; y < kSide; ++y) {
            const std::uint8_t* s = glyph.ScanLine(y);
            std::uint8_t* d = target.ScanLine(y);
            for (int x = 0; x < kSide; ++x, s += 4, d += 3)
                for (int c = 0; c < 3; ++c)
                    d[c] = static_cast<std::uint8_t>(s[c] + d[c] * (255 - s[3]) / 255);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_PremultipliedObvious);

}  // namespace

BENCHMARK_MAIN();
