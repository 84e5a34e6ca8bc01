// Loading a packed skin of realistic size (100 sections, 300 images, a 1 MB
// master bitmap) into the skin tables, beside the reference: only reading and
// inflating the same packed bytes. Goal: the whole load within 3x of it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/SkinLoader.h"
#include "base/Color.h"
#include "skin/PackedSkin.h"
#include "tests/skin/loader_bmp.h"

namespace {

using namespace taramel;

// Smooth shading with some noise, as skin art compresses.
std::vector<std::uint8_t> Bmp24(int w, int h, unsigned seed)
{
    std::uint32_t noise = seed * 2654435761u;
    return test::Bmp24(w, h, [&](int x, int y) {
        noise = noise * 1103515245u + 12345u;
        return MakeColor((x + y) / 4, y / 2 + seed, x / 3 + ((noise >> 16) & 3));
    });
}

std::string Num4(int v)
{
    std::string s = std::to_string(v);
    return std::string(4 - s.size(), '0') + s;
}

std::vector<std::uint8_t> RealisticSkin()
{
    std::vector<TPackEntry> entries;
    std::string text = "[GLOBALINFO]\nVERSION=6.5\nMASTERBITMAP=MASTER.BMP\nTITLEHEIGHT=24\n";
    int images = 0;
    for (int s = 0; s < 100; ++s) {
        const std::string name = "SECTION" + std::to_string(s);
        text += "[" + name + "]\n";
        if (s > 0)
            text += "PARENTCLASS=SECTION" + std::to_string(s / 2) + "\n";
        text += "COLOR=" + std::to_string(s * 1000) + "\nFONTCOLOR=0\nTRANSPARENCY=" + std::to_string(s % 50) +
                "\nGRADIENTPERCENT=30\nGRADIENTDATA=16777215;12632256;40;0;0;12632256;8421504;60;0;0\n"
                "FADINGENABLED=TRUE\nHOTCOLOR=-1\nHOTFONTCOLOR=255\n";
        // Three images per section: 250 in the master bitmap, 50 files of their own.
        for (int k = 0; k < 3; ++k, ++images) {
            const int x = (images * 7) % 500, y = (images * 3) % 500;
            if (images % 6 == 5) {
                const std::string file = "IMG" + std::to_string(images) + ".BMP";
                entries.push_back({file, Bmp24(48, 32, images)});
                text += "GLYPH" + std::to_string(k) + "=!" + file + "!3!1!0\n";
            } else if (k == 0) {
                text += "BORDERSMASK=^" + Num4(x) + "," + Num4(y) + "," + Num4(x + 60) + "," + Num4(y + 40) +
                        ",0000,0000,0000,0000,3,1,1,4\n";
            } else if (k == 1) {
                text += "GLYPHMASK=@" + Num4(x) + "," + Num4(y) + "," + Num4(x + 30) + "," + Num4(y + 10) + ",3,0\n";
            } else {
                text += "PATTERN=~" + Num4(x) + "," + Num4(y) + "," + Num4(x + 40) + "," + Num4(y + 40) + ",02\n";
            }
        }
    }
    entries.insert(entries.begin(), {"MASTER.BMP", Bmp24(600, 580, 1)});  // 1 044 054 bytes
    entries.insert(entries.begin(), {"Options.dat", std::vector<std::uint8_t>(text.begin(), text.end())});
    return WritePackedSkin(entries);
}

const std::vector<std::uint8_t>& Skin()
{
    static const std::vector<std::uint8_t> skin = RealisticSkin();
    return skin;
}

void BM_ReadAndInflate(benchmark::State& state)
{
    for (auto _ : state) {
        auto reader = ReadPackedData(Skin());
        benchmark::DoNotOptimize(reader->ImageFiles.data());
    }
}
BENCHMARK(BM_ReadAndInflate)->Unit(benchmark::kMillisecond);

void BM_LoadSkin(benchmark::State& state)
{
    std::size_t images = 0;
    for (auto _ : state) {
        auto reader = ReadPackedData(Skin());
        TSkinTables tables;
        LoadSkin(PackedSkinSource(*reader, "C:\\Skins\\"), {}, tables);
        images = tables.Images.size();
        benchmark::DoNotOptimize(tables.Sections.data());
    }
    state.counters["images"] = static_cast<double>(images);
}
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
