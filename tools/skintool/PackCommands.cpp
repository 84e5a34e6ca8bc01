// pack, unpack and list.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "base/Exception.h"
#include "skin/SkinFiles.h"
#include "skin/SkinPlace.h"
#include "skin/StoredSkins.h"
#include "skin/PackedSkin.h"
#include "tools/skintool/SkinTool.h"
#ifdef _WIN32
#include "skin/SkinFiles_win.h"
#endif

namespace taramel::skintool {

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

TSkinFileSystem& HostFileSystem()
{
#ifdef _WIN32
    return Win32SkinFileSystem();
#else
    static TNativeFileSystem native;
    return native;
#endif
}

// The host's files, with a folder of the user's choice standing in for the
// program's folder, so that relative and absolute folders of the host both
// work with the engine's folder rules.
class TFolderAsProgramFolder : public TSkinFileSystem {
public:
    TFolderAsProgramFolder(TSkinFileSystem& host, std::string folder) : host_(host), folder_(std::move(folder)) {}
    bool FileExists(const std::string& path) override { return host_.FileExists(path); }
    bool DirectoryExists(const std::string& path) override { return host_.DirectoryExists(path); }
    std::vector<std::uint8_t> ReadFile(const std::string& path) override { return host_.ReadFile(path); }
    std::vector<TSkinFolderEntry> ListFolder(const std::string& path) override { return host_.ListFolder(path); }
    std::string ExeFolder() override { return folder_; }

private:
    TSkinFileSystem& host_;
    std::string folder_;
};

fs::path HostPath(const std::string& path) { return fs::path(TNativeFileSystem::HostPath(path)); }

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& data)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!file)
        throw Exception("Cannot write file \"" + path.string() + "\"");
}

// An entry name is written as a file of the target folder: it must be a
// plain name, never a path that leads elsewhere.
void CheckEntryName(const std::string& name)
{
    const bool bad = name.empty() || name == "." || name == ".." ||
                     name.find_first_of(std::string("\\/:\0", 4)) != std::string::npos;
    if (bad)
        throw Exception("Packed skin entry name \"" + name + "\" is not a plain file name");
}

}  // namespace

void PackCommand(const Arguments& arguments, std::ostream& out)
{
    const fs::path folder = HostPath(arguments[0]);
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw Exception("Skin folder \"" + arguments[0] + "\" does not exist");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file())
            throw Exception("\"" + name + "\" is not a file: a packed skin holds only the files of one folder");
        names.push_back(name);
    }
    // "Options.dat" first, then the images in name order: the same folder
    // always packs to the same bytes.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const bool aOptions = Upper(a) == "OPTIONS.DAT";
        const bool bOptions = Upper(b) == "OPTIONS.DAT";
        if (aOptions != bOptions)
            return aOptions;
        return a < b;
    });
    if (names.empty() || Upper(names[0]) != "OPTIONS.DAT")
        throw Exception("Skin folder \"" + arguments[0] + "\" has no Options.dat");
    TSkinFileSystem& files = HostFileSystem();
    std::vector<TPackEntry> entries;
    for (const std::string& name : names)
        entries.push_back(TPackEntry{name, files.ReadFile((folder / name).string())});
    const auto packed = WritePackedSkin(entries);
    WriteFile(HostPath(arguments[1]), packed);
    out << "packed " << entries.size() << " files into " << arguments[1] << " (" << packed.size() << " bytes)\n";
}

void UnpackCommand(const Arguments& arguments, std::ostream& out)
{
    TSkinFileSystem& files = HostFileSystem();
    if (!files.FileExists(arguments[0]))
        throw Exception("Packed skin \"" + arguments[0] + "\" does not exist");
    std::unique_ptr<TacSkinConvertor> reader;
    LoadSkinFile(arguments[0], reader, true, files);
    std::set<std::string> seen;
    auto claim = [&](const std::string& name) {
        CheckEntryName(name);
        if (!seen.insert(Upper(name)).second)
            throw Exception("Packed skin holds \"" + name + "\" twice");
    };
    if (reader->HasOptions)
        claim(reader->OptionsName);
    for (const TacImageItem& item : reader->ImageFiles)
        claim(item.Name);
    const fs::path folder = HostPath(arguments[1]);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec))
        throw Exception("Cannot create folder \"" + arguments[1] + "\"");
    std::size_t count = 0;
    if (reader->HasOptions) {
        WriteFile(folder / reader->OptionsName, reader->Options);
        ++count;
    }
    for (const TacImageItem& item : reader->ImageFiles) {
        WriteFile(folder / item.Name, item.Data);
        ++count;
    }
    out << "unpacked " << count << " files into " << arguments[1] << '\n';
}

void ListCommand(const Arguments& arguments, std::ostream& out)
{
    TSkinListMode mode = TSkinListMode::Both;
    if (arguments.size() > 1) {
        const std::string& m = arguments[1];
        if (m == "0")
            mode = TSkinListMode::Folders;
        else if (m == "1")
            mode = TSkinListMode::Packed;
        else if (m == "2")
            mode = TSkinListMode::Both;
        else
            throw Exception("List mode \"" + m + "\" is not 0, 1 or 2");
    }
    std::string folder = arguments[0];
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    TFolderAsProgramFolder files(HostFileSystem(), folder);
    if (!files.DirectoryExists(folder))
        throw Exception("Folder \"" + arguments[0] + "\" does not exist");
    const TSkinList list = ListSkins("", mode, TsStoredSkins{}, files);
    for (const std::string& name : list.Names)
        out << name << '\n';
}

}  // namespace taramel::skintool
