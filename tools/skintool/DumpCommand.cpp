// dump SKIN: how the engine reads a skin, as plain text.
#include <memory>
#include <string>

#include "base/Exception.h"
#include "skin/OptionsText.h"
#include "skin/SkinDump.h"
#include "skin/SkinFiles.h"
#include "skin/SkinLoader.h"
#include "skin/PackedSkin.h"
#include "tools/skintool/SkinTool.h"

namespace taramel::skintool {

namespace {

// The folder part of a path with its final separator ("" when none).
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool EndsWithAsz(const std::string& path)
{
    return path.size() > 4 && UpperAscii(path.substr(path.size() - 4)) == ".ASZ";
}

}  // namespace

void DumpCommand(const Arguments& arguments, std::ostream& out)
{
    const std::string& path = arguments[0];
    TNativeFileSystem files;
    TSkinTables tables;
    TSkinLoadSettings settings;
    if (EndsWithAsz(path)) {
        if (!files.FileExists(path))
            throw Exception("No packed skin " + path);
        std::unique_ptr<TacSkinConvertor> reader;
        LoadSkinFile(path, reader, true, files);
        TSkinSource source = PackedSkinSource(*reader, FolderOf(path));
        source.Files = &files;
        LoadSkin(source, settings, tables);
    } else {
        std::string folder = path;
        if (folder.empty() || (folder.back() != '\\' && folder.back() != '/'))
            folder += '\\';
        const std::string options = folder + "Options.dat";
        if (!files.FileExists(options))
            throw Exception("No skin folder " + path + " (it has no Options.dat)");
        const std::vector<std::uint8_t> text = files.ReadFile(options);
        TSkinSource source;
        source.OptionsText = std::string_view(reinterpret_cast<const char*>(text.data()), text.size());
        source.SkinPath = folder;
        source.Files = &files;
        LoadSkin(source, settings, tables);
    }
    DumpSkin(tables, out);
}

}  // namespace taramel::skintool
