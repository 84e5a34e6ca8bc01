// A small skin held in memory for the loader and lookup tests: a memory file
// system with the skin folder C:\Skins\Mini\, a 24-bit BMP writer, and stand-in
// JPEG and PNG readers whose "files" are the text "W H" (so that sizes are
// exact and cheap to write).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "render/Bitmap.h"
#include "skin/SkinTables.h"
#include "skin/SkinFiles.h"
#include "skin/SkinLoader.h"
#include "tests/skin/loader_bmp.h"

namespace taramel::test {

inline const std::string kMiniPath = "C:\\Skins\\Mini\\";

inline std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

inline void SizeFromText(const std::uint8_t* data, std::size_t size, int& w, int& h)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    w = h = 0;
    std::sscanf(text.c_str(), "%d %d", &w, &h);
}

// "JPEG" stand-in: a 24-bit picture of the size written in the file.
inline void FakeJpeg(const std::uint8_t* data, std::size_t size, TBitmap& target)
{
    int w, h;
    SizeFromText(data, size, w, h);
    target.SetPixelFormat(TPixelFormat::pf24bit);
    target.SetSize(w, h);
}

// "PNG" stand-in: 32-bit, every pixel white with alpha 0 but (0, 0), which is
// white and opaque.
inline void FakePng(const std::uint8_t* data, std::size_t size, TBitmap& target)
{
    int w, h;
    SizeFromText(data, size, w, h);
    target.SetPixelFormat(TPixelFormat::pf32bit);
    target.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* px = target.ScanLine(y) + 4 * x;
            px[0] = px[1] = px[2] = 255;
            px[3] = (x == 0 && y == 0) ? 255 : 0;
        }
}

struct MiniSkin {
    TMemoryFileSystem files{"C:\\App\\"};
    TSkinTables tables;
    TSkinLoadSettings settings;

    MiniSkin()
    {
        files.AddFile(kMiniPath + "MASTER.BMP", Bmp24(100, 60));
        settings.DecodeJpeg = FakeJpeg;
        settings.DecodePng = FakePng;
    }

    void Load(const std::string& text)
    {
        TSkinSource source;
        source.OptionsText = text;
        source.SkinPath = kMiniPath;
        source.Files = &files;
        LoadSkin(source, settings, tables);
    }

    // The message of the error the load raises; empty when it loads.
    std::string LoadError(const std::string& text)
    {
        try {
            Load(text);
        } catch (const std::exception& e) {
            return e.what();
        }
        return {};
    }

    const TsMaskData* Image(const std::string& section, const std::string& property) const
    {
        for (const TsMaskData& m : tables.Images)
            if (m.SectionName == section && m.PropertyName == property)
                return &m;
        return nullptr;
    }

    const TsGeneralData* Section(const std::string& name) const
    {
        for (const TsGeneralData& s : tables.Sections)
            if (s.SectionName == name)
                return &s;
        return nullptr;
    }
};

}  // namespace taramel::test
