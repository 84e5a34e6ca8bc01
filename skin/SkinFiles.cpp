#include "skin/SkinFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/Exception.h"

namespace taramel {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string RunningProgramFolder()
{
    std::error_code ec;
#if defined(__linux__)
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return self.parent_path().string() + "\\";
#endif
    const fs::path here = fs::current_path(ec);
    return ec ? std::string(".\\") : here.string() + "\\";
}

TSkinFileSystem* g_current = nullptr;

}  // namespace

// ---- native ----

TNativeFileSystem::TNativeFileSystem(std::string exeFolder) : exeFolder_(std::move(exeFolder)) {}

std::string TNativeFileSystem::HostPath(const std::string& path)
{
    std::string host = path;
    if (fs::path::preferred_separator == '/')
        std::replace(host.begin(), host.end(), '\\', '/');
    return host;
}

bool TNativeFileSystem::FileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(HostPath(path), ec);
}

bool TNativeFileSystem::DirectoryExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(HostPath(path), ec);
}

std::vector<std::uint8_t> TNativeFileSystem::ReadFile(const std::string& path)
{
    std::ifstream in(HostPath(path), std::ios::binary);
    if (!in || !FileExists(path))
        throw Exception("Cannot open file \"" + path + "\"");
    std::vector<std::uint8_t> data;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0)
        throw Exception("Cannot read file \"" + path + "\"");
    data.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(data.data()), size))
        throw Exception("Cannot read file \"" + path + "\"");
    return data;
}

std::vector<TSkinFolderEntry> TNativeFileSystem::ListFolder(const std::string& path)
{
    std::vector<TSkinFolderEntry> entries;
    std::error_code ec;
    fs::directory_iterator it(HostPath(path), ec);
    if (ec)
        return entries;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        TSkinFolderEntry entry;
        entry.Name = it->path().filename().string();
        std::error_code typeError;
        entry.IsFolder = it->is_directory(typeError);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string TNativeFileSystem::ExeFolder()
{
    if (exeFolder_.empty())
        exeFolder_ = RunningProgramFolder();
    if (!IsSeparator(exeFolder_.back()))
        exeFolder_ += '\\';
    return exeFolder_;
}

// ---- in memory ----

TMemoryFileSystem::TMemoryFileSystem(std::string exeFolder) : exeFolder_(std::move(exeFolder)) {}

std::string TMemoryFileSystem::Key(const std::string& path)
{
    std::string key;
    key.reserve(path.size());
    for (char c : path) {
        if (IsSeparator(c)) {
            if (!key.empty() && key.back() == '\\')
                continue;
            key += '\\';
        } else {
            key += (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
        }
    }
    while (key.size() > 1 && key.back() == '\\')
        key.pop_back();
    return key;
}

void TMemoryFileSystem::AddFolder(const std::string& path)
{
    // Every folder from the top down, each named as written here unless it
    // was named before.
    std::string sofar;
    std::size_t pos = 0;
    while (pos < path.size()) {
        std::size_t next = path.find_first_of("\\/", pos);
        if (next == std::string::npos)
            next = path.size();
        const std::string part = path.substr(pos, next - pos);
        sofar += path.substr(pos, next - pos + (next < path.size() ? 1 : 0));
        pos = next + 1;
        if (part.empty())
            continue;
        auto [it, added] = nodes_.try_emplace(Key(sofar));
        if (added) {
            it->second.folder = true;
            it->second.name = part;
        }
    }
}

void TMemoryFileSystem::AddFile(const std::string& path, std::vector<std::uint8_t> data)
{
    const auto folderEnd = path.find_last_of("\\/");
    if (folderEnd != std::string::npos)
        AddFolder(path.substr(0, folderEnd));
    Node& node = nodes_[Key(path)];
    node.folder = false;
    node.data = std::move(data);
    const auto nameStart = path.find_last_of("\\/");
    node.name = nameStart == std::string::npos ? path : path.substr(nameStart + 1);
}

void TMemoryFileSystem::AddFile(const std::string& path, const std::string& text)
{
    AddFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void TMemoryFileSystem::SetHidden(const std::string& path, bool hidden)
{
    const auto it = nodes_.find(Key(path));
    if (it != nodes_.end())
        it->second.hidden = hidden;
}

bool TMemoryFileSystem::FileExists(const std::string& path)
{
    Asked.push_back("file " + path);
    const auto it = nodes_.find(Key(path));
    return it != nodes_.end() && !it->second.folder;
}

bool TMemoryFileSystem::DirectoryExists(const std::string& path)
{
    Asked.push_back("dir " + path);
    const auto it = nodes_.find(Key(path));
    return it != nodes_.end() && it->second.folder;
}

std::vector<std::uint8_t> TMemoryFileSystem::ReadFile(const std::string& path)
{
    Asked.push_back("read " + path);
    const auto it = nodes_.find(Key(path));
    if (it == nodes_.end() || it->second.folder)
        throw Exception("Cannot open file \"" + path + "\"");
    return it->second.data;
}

std::vector<TSkinFolderEntry> TMemoryFileSystem::ListFolder(const std::string& path)
{
    Asked.push_back("list " + path);
    std::vector<TSkinFolderEntry> entries;
    const std::string prefix = Key(path) + "\\";
    for (const auto& [key, node] : nodes_) {
        if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string rest = key.substr(prefix.size());
        if (rest.find('\\') != std::string::npos)
            continue;
        TSkinFolderEntry entry;
        entry.Name = node.name.empty() ? rest : node.name;
        entry.IsFolder = node.folder;
        entry.HiddenOrSystem = node.hidden;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string TMemoryFileSystem::ExeFolder() { return exeFolder_; }

// ---- current ----

TSkinFileSystem& CurrentSkinFileSystem()
{
    // Never freed: a skin manager destroyed at the program's end, after every
    // function-local static, may still read skins through it.
    static auto* native = new TNativeFileSystem;
    return g_current ? *g_current : *native;
}

void SetCurrentSkinFileSystem(TSkinFileSystem* fileSystem) { g_current = fileSystem; }

std::string TSkinFileSystem::ShownPath(const std::string& path) { return ReadablePath(path); }

std::string ReadablePath(std::string_view path)
{
    std::string readable;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (!(i > 1 && path[i] == '\\' && path[i - 1] == '\\'))
            readable += path[i];
    return readable;
}

}  // namespace taramel
