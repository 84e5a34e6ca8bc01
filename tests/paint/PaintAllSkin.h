// The painter test skin of tests/data/skins/PaintAll, read through a memory
// file system so that the native build and wine read the same bytes.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/SkinTables.h"
#include "skin/SkinFiles.h"
#include "skin/SkinLoader.h"

namespace taramel::test {

inline std::vector<std::uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void LoadPaintAllSkin(TSkinTables& tables)
{
    const std::string folder = std::string(TARAMEL_TEST_DATA) + "/skins/PaintAll/";
    TMemoryFileSystem files;
    for (const char* name : {"MASTER.BMP", "OWN.BMP", "FRAME.PNG", "CORNER.PNG", "BIG.JPG", "SMALL.JPG"})
        files.AddFile(std::string("C:\\Skins\\PaintAll\\") + name, ReadBytes(folder + name));
    const std::vector<std::uint8_t> options = ReadBytes(folder + "Options.dat");
    const std::string text(options.begin(), options.end());
    TSkinSource source;
    source.OptionsText = text;
    source.SkinPath = "C:\\Skins\\PaintAll\\";
    source.Files = &files;
    LoadSkin(source, TSkinLoadSettings{}, tables);
}

}  // namespace taramel::test
