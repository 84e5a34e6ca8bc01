// The whole skin load from an in-memory packed skin. An input beginning with
// "ASzf" is a packed skin as it stands; any other input is an options text
// (and, after its first NUL byte, the manager's common sections), packed
// together with a few fixed pictures. Errors must be taramel::Exception and
// leave the tables empty; nothing else may escape.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "skin/SkinLoader.h"
#include "skin/PackedSkin.h"
#include "tests/skin/loader_bmp.h"

namespace {

std::vector<std::uint8_t> Bmp24(int w, int h)
{
    return taramel::test::Bmp24(w, h, [](int x, int y) { return static_cast<std::uint32_t>(x * 7 + y * 1031); });
}

const std::vector<taramel::TPackEntry>& Pictures()
{
    static const std::vector<taramel::TPackEntry> pictures = {
        {"MASTER.BMP", Bmp24(64, 48)}, {"BTN.BMP", Bmp24(18, 12)}, {"Small.bmp", Bmp24(3, 2)}};
    return pictures;
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace taramel;
    std::vector<std::uint8_t> packed;
    TSkinLoadSettings settings;
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (input.rfind("ASzf", 0) == 0) {
        packed.assign(data, data + size);
    } else {
        const std::size_t nul = input.find('\0');
        std::vector<TPackEntry> entries = Pictures();
        entries.insert(entries.begin(), {"Options.dat", {data, data + (nul == std::string::npos ? size : nul)}});
        if (entries.front().Data.empty())
            entries.front().Data.push_back('\n');
        if (nul != std::string::npos)
            settings.CommonSections = input.substr(nul + 1);
        packed = WritePackedSkin(entries, 1);
    }
    if (size % 2) {
        settings.HueOffset = 37;
        settings.Saturation = -20;
    }
    TSkinTables tables;
    try {
        auto reader = ReadPackedData(packed);
        LoadSkin(PackedSkinSource(*reader, "C:\\NoSkins\\"), settings, tables);
        Check(tables.Images.size() < 100000);
    } catch (const Exception&) {
        Check(tables.Sections.empty() && tables.Images.empty() && tables.Patterns.empty() && !tables.MasterBitmap);
    }
    return 0;
}
