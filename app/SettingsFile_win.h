// The settings file: every read and write goes straight to the file through
// the system's profile functions; nothing is cached, so a read always sees
// what the file holds now.
#pragma once

#include <string>

namespace taramel {

class TSettingsFile {
public:
    // path: the file's full path in the ANSI code page.
    explicit TSettingsFile(std::string path) : path_(std::move(path)) {}
    // "Option.ini" in the executable's folder.
    static TSettingsFile BesideExecutable();

    int ReadInteger(const char* key, int defaultValue) const;
    bool ReadBool(const char* key, bool defaultValue) const;
    // Raise "Unable to write to %s" when the system refuses the write.
    void WriteInteger(const char* key, int value) const;
    void WriteBool(const char* key, bool value) const;

    const std::string& Path() const { return path_; }

private:
    std::string ReadText(const char* key) const;
    void WriteText(const char* key, const std::string& value) const;

    std::string path_;
};

}  // namespace taramel
