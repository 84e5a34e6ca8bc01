#include "tools/skintool/OpenSkin.h"

#include "base/Exception.h"
#include "skin/OptionsText.h"

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

std::unique_ptr<TOpenSkin> OpenSkin(const std::string& path)
{
    auto skin = std::make_unique<TOpenSkin>();
    if (EndsWithAsz(path)) {
        if (!skin->files.FileExists(path))
            throw Exception("No packed skin " + path);
        LoadSkinFile(path, skin->reader, true, skin->files);
        skin->source = PackedSkinSource(*skin->reader, FolderOf(path));
        for (const TacImageItem& item : skin->reader->ImageFiles)
            skin->fileNames.push_back(item.Name);
    } else {
        std::string folder = path;
        if (folder.empty() || (folder.back() != '\\' && folder.back() != '/'))
            folder += '\\';
        const std::string options = folder + "Options.dat";
        if (!skin->files.FileExists(options))
            throw Exception("No skin folder " + path + " (it has no Options.dat)");
        skin->options = skin->files.ReadFile(options);
        skin->source.OptionsText =
            std::string_view(reinterpret_cast<const char*>(skin->options.data()), skin->options.size());
        skin->source.SkinPath = folder;
        for (const TSkinFolderEntry& entry : skin->files.ListFolder(folder))
            if (!entry.IsFolder && !SameTextAscii(entry.Name, "Options.dat"))
                skin->fileNames.push_back(entry.Name);
    }
    skin->source.Files = &skin->files;
    return skin;
}

void LoadOpenSkin(const TOpenSkin& skin, TSkinTables& tables, const TSkinLoadSettings& settings)
{
    LoadSkin(skin.source, settings, tables);
}

}  // namespace taramel::skintool
