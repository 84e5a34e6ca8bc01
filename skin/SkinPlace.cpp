#include "skin/SkinPlace.h"

#include <algorithm>

#include "skin/SkinFiles.h"
#include "skin/StoredSkins.h"
#include "skin/PackedSkin.h"

namespace taramel {

namespace {

bool StartsWith(const std::string& text, std::string_view prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0 && text.size() >= prefix.size();
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The parent of a folder that ends with "\": cut the final separator, then
// cut characters until the last one is a separator. A drive's root folder has
// no parent; it stays itself rather than turning into an empty (relative) path.
std::string ParentFolder(const std::string& folder)
{
    std::string parent = folder;
    if (!parent.empty() && IsSeparator(parent.back()))
        parent.pop_back();
    while (!parent.empty() && !IsSeparator(parent.back()))
        parent.pop_back();
    return parent.empty() ? folder : parent;
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

bool LessNoCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(UpperAscii(x)) < static_cast<unsigned char>(UpperAscii(y));
    });
}

}  // namespace

std::string NormalDir(const std::string& dir)
{
    if (dir.empty())
        return dir;
    // A lone separator is the current drive's root, not a drive letter.
    if (dir.back() == '\\')
        return dir;
    if (dir.back() == '/')
        return dir.substr(0, dir.size() - 1) + "\\";
    if (dir.size() == 1)
        return dir + ":\\";
    return dir + "\\";
}

std::string Resolved(const std::string& dir, const std::string& exeFolder)
{
    if (StartsWith(dir, ".."))
        return ParentFolder(exeFolder) + (dir.size() > 3 ? dir.substr(3) : std::string());
    if (StartsWith(dir, ".\\") || StartsWith(dir, "./"))
        return exeFolder + dir.substr(2);
    if (dir.find(':') == std::string::npos && dir.find("\\\\") == std::string::npos)
        return exeFolder + dir;
    return dir;
}

TSkinPlace ChooseSkinPlace(const std::string& dir, const std::string& name, const TsStoredSkins& stored,
                           TSkinFileSystem& fileSystem)
{
    TSkinPlace place;
    place.SkinName = name;
    const std::string packed = NormalDir(dir) + name + ".asz";
    if (fileSystem.FileExists(packed)) {
        place.Kind = TSkinPlaceKind::Packed;
        place.PackedFile = packed;
        place.SkinPath = Resolved(dir, fileSystem.ExeFolder()) + "\\";
        return place;
    }
    const std::string folder = Resolved(dir, fileSystem.ExeFolder()) + "\\" + name + "\\";
    if (fileSystem.FileExists(folder + "Options.dat")) {
        place.Kind = TSkinPlaceKind::Folder;
        place.OptionsFile = folder + "Options.dat";
        place.SkinPath = folder;
        return place;
    }
    if (stored.Count() == 0)
        return place;
    place.Kind = TSkinPlaceKind::Stored;
    place.StoredIndex = stored.IndexOf(name);
    if (place.StoredIndex < 0) {
        place.StoredIndex = 0;
        place.SkinName = stored.Items[0].Name;
    }
    return place;
}

std::unique_ptr<TacSkinConvertor> OpenPackedSkin(const TSkinPlace& place, const TsStoredSkins& stored,
                                                 TSkinFileSystem& fileSystem)
{
    std::unique_ptr<TacSkinConvertor> reader;
    if (place.Kind == TSkinPlaceKind::Packed) {
        LoadSkinFile(place.PackedFile, reader, true, fileSystem);
    } else if (place.Kind == TSkinPlaceKind::Stored && place.StoredIndex >= 0 &&
               place.StoredIndex < stored.Count() && !stored.Items[place.StoredIndex].Data.empty()) {
        reader = ReadPackedData(stored.Items[place.StoredIndex].Data);
    }
    return reader;
}

TSkinList ListSkins(const std::string& dir, TSkinListMode mode, const TsStoredSkins& stored,
                    TSkinFileSystem& fileSystem)
{
    TSkinList list;
    bool haveFirst = false;
    auto add = [&](const std::string& name) {
        list.Names.push_back(name);
        if (!haveFirst) {
            list.First = name;
            haveFirst = true;
        }
    };
    for (const TsStoredSkin& skin : stored.Items)
        add(skin.Name);

    const bool folders = mode == TSkinListMode::Folders || mode == TSkinListMode::Both;
    const bool packed = mode == TSkinListMode::Packed || mode == TSkinListMode::Both;
    const std::string root = Resolved(dir, fileSystem.ExeFolder());
    if (fileSystem.DirectoryExists(root)) {
        for (const TSkinFolderEntry& entry : fileSystem.ListFolder(root)) {
            if (entry.HiddenOrSystem || entry.Name.empty() || entry.Name[0] == '.')
                continue;
            if (entry.IsFolder) {
                if (folders && fileSystem.FileExists(root + "\\" + entry.Name + "\\Options.dat"))
                    add(entry.Name);
            } else if (packed) {
                const auto lastDot = entry.Name.find_last_of('.');
                if (lastDot != std::string::npos && entry.Name.compare(lastDot, std::string::npos, ".asz") == 0)
                    add(entry.Name.substr(0, entry.Name.find('.')));
            }
        }
    }
    std::stable_sort(list.Names.begin(), list.Names.end(), LessNoCase);
    return list;
}

}  // namespace taramel
