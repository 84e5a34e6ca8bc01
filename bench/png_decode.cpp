// PNG decoding beside libpng, libspng and stb_image on the same files, made
// here with libpng's writer: a photo-like and a UI-like RGBA picture, an
// indexed one and a 16-bit RGBA one. Each reference decodes to the nearest
// output it offers to ours (8-bit BGRA or RGBA, indexes kept where it can).
#include <benchmark/benchmark.h>
#include <png.h>
#include <spng.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "images/PngReader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Picture {
    int width, height, colorType, depth;
    Bytes samples;  // rows of samples as stored in PNG (16-bit big-endian)
    std::vector<png_color> palette;
};

// A photo: smooth colour fields with sensor-like noise.
Picture Photo(int w, int h)
{
    Picture p{w, h, PNG_COLOR_TYPE_RGB_ALPHA, 8, {}, {}};
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> noise(-6, 6);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double fx = x / double(w), fy = y / double(h);
            const double v[3] = {128 + 100 * std::sin(fx * 5 + fy * 2), 128 + 90 * std::cos(fy * 4 - fx),
                                 128 + 80 * std::sin((fx + fy) * 3)};
            for (double c : v)
                p.samples.push_back(static_cast<std::uint8_t>(std::clamp(int(c) + noise(gen), 0, 255)));
            p.samples.push_back(255);
        }
    return p;
}

// A UI picture: flat panels, rounded buttons with soft alpha edges, thin lines.
Picture Ui(int w, int h)
{
    Picture p{w, h, PNG_COLOR_TYPE_RGB_ALPHA, 8, {}, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int cx = x % 64 - 32, cy = y % 32 - 16;
            const double d = std::sqrt(double(cx * cx) / 4 + cy * cy);
            const int alpha = std::clamp(int((14 - d) * 64), 0, 255);
            const bool line = y % 32 == 0 || x % 64 == 0;
            p.samples.push_back(line ? 90 : 200);
            p.samples.push_back(line ? 90 : static_cast<std::uint8_t>(180 + y % 32));
            p.samples.push_back(line ? 120 : 230);
            p.samples.push_back(line ? 255 : static_cast<std::uint8_t>(alpha));
        }
    return p;
}

Picture Indexed(int w, int h)
{
    Picture p{w, h, PNG_COLOR_TYPE_PALETTE, 8, {}, {}};
    for (int i = 0; i < 256; ++i)
        p.palette.push_back({static_cast<png_byte>(i), static_cast<png_byte>(255 - i), static_cast<png_byte>(i * 7)});
    std::mt19937 gen(3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.samples.push_back(static_cast<std::uint8_t>(((x / 8) ^ (y / 8)) * 13 + (gen() % 4)));
    return p;
}

Picture Deep(int w, int h)
{
    Picture p{w, h, PNG_COLOR_TYPE_RGB_ALPHA, 16, {}, {}};
    std::mt19937 gen(5);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c) {
                const unsigned v = c == 3 ? 65535 : (x * 97 + y * 131 * (c + 1) + gen() % 256) & 0xFFFF;
                p.samples.push_back(static_cast<std::uint8_t>(v >> 8));
                p.samples.push_back(static_cast<std::uint8_t>(v));
            }
    return p;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t size)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

Bytes Encode(const Picture& p)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, WriteToVector, nullptr);
    png_set_IHDR(png, info, p.width, p.height, p.depth, p.colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!p.palette.empty())
        png_set_PLTE(png, info, const_cast<png_colorp>(p.palette.data()), static_cast<int>(p.palette.size()));
    png_write_info(png, info);
    const std::size_t rowBytes = p.samples.size() / p.height;
    for (int y = 0; y < p.height; ++y)
        png_write_row(png, p.samples.data() + rowBytes * y);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

const Bytes& File(int kind)
{
    static const Bytes files[4] = {Encode(Photo(512, 512)), Encode(Ui(512, 512)), Encode(Indexed(512, 512)),
                                   Encode(Deep(256, 256))};
    return files[kind];
}

const char* const kNames[4] = {"photo RGBA", "UI RGBA", "indexed 8-bit", "16-bit RGBA"};

void Label(benchmark::State& state, int kind)
{
    state.SetLabel(kNames[kind]);
    const Bytes& f = File(kind);
    state.counters["file_kB"] = static_cast<double>(f.size()) / 1024;
}

void BM_Ours(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    const Bytes& f = File(kind);
    for (auto _ : state) {
        taramel::TPNGGraphic image;
        taramel::LoadPngFromMemory(f.data(), f.size(), image);
        benchmark::DoNotOptimize(image.Row0());
    }
    Label(state, kind);
}

struct Reader {
    const Bytes* data;
    std::size_t pos;
};

void ReadFromVector(png_structp png, png_bytep out, png_size_t size)
{
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (r->pos + size > r->data->size())
        png_error(png, "read past end");
    std::memcpy(out, r->data->data() + r->pos, size);
    r->pos += size;
}

void BM_Libpng(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    const Bytes& f = File(kind);
    for (auto _ : state) {
        Reader reader{&f, 0};
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_set_read_fn(png, &reader, ReadFromVector);
        png_read_info(png, info);
        if (png_get_bit_depth(png, info) == 16)
            png_set_scale_16(png);
        if (png_get_color_type(png, info) != PNG_COLOR_TYPE_PALETTE)
            png_set_bgr(png);
        png_read_update_info(png, info);
        const std::size_t rowBytes = png_get_rowbytes(png, info);
        const int h = static_cast<int>(png_get_image_height(png, info));
        std::vector<std::uint8_t> pixels(rowBytes * h);
        std::vector<png_bytep> rows(h);
        for (int y = 0; y < h; ++y)
            rows[y] = pixels.data() + rowBytes * (h - 1 - y);  // bottom-up, as ours
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        benchmark::DoNotOptimize(pixels.data());
    }
    Label(state, kind);
}

void BM_Spng(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    const Bytes& f = File(kind);
    const int fmt = kind == 2 ? SPNG_FMT_PNG : SPNG_FMT_RGBA8;
    for (auto _ : state) {
        spng_ctx* ctx = spng_ctx_new(0);
        spng_set_png_buffer(ctx, f.data(), f.size());
        std::size_t size = 0;
        spng_decoded_image_size(ctx, fmt, &size);
        std::vector<std::uint8_t> pixels(size);
        spng_decode_image(ctx, pixels.data(), size, fmt, 0);
        spng_ctx_free(ctx);
        benchmark::DoNotOptimize(pixels.data());
    }
    Label(state, kind);
}

void BM_Stb(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    const Bytes& f = File(kind);
    for (auto _ : state) {
        int w, h, n;
        stbi_uc* pixels = stbi_load_from_memory(f.data(), static_cast<int>(f.size()), &w, &h, &n, kind == 2 ? 0 : 4);
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
    Label(state, kind);
}

BENCHMARK(BM_Ours)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Libpng)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Spng)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stb)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
