#include "app/SettingsFile_win.h"

#include <windows.h>

#include <vector>

#include "app/AnsiText_win.h"
#include "app/SettingsValues.h"
#include "app/StudentMessages.h"
#include "base/Exception.h"

namespace taramel {

TSettingsFile TSettingsFile::BesideExecutable()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            const std::string modulePath(buffer.data(), n);
            return TSettingsFile(ExecutableFolder(modulePath) + kSettingsFileName);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string TSettingsFile::ReadText(const char* key) const
{
    char value[kMaxValueLength + 1];
    const DWORD n = GetPrivateProfileStringA(kSettingsSection, key, "", value, sizeof value, path_.c_str());
    return std::string(value, n);
}

void TSettingsFile::WriteText(const char* key, const std::string& value) const
{
    if (!WritePrivateProfileStringA(kSettingsSection, key, value.c_str(), path_.c_str()))
        throw Exception("Unable to write to " + AnsiToUtf8(path_), SettingsWriteAdvice(AnsiToUtf8(path_)));
}

int TSettingsFile::ReadInteger(const char* key, int defaultValue) const
{
    return ParseProfileInteger(ReadText(key), defaultValue);
}

bool TSettingsFile::ReadBool(const char* key, bool defaultValue) const
{
    return ParseProfileBool(ReadText(key), defaultValue);
}

void TSettingsFile::WriteInteger(const char* key, int value) const
{
    WriteText(key, FormatProfileInteger(value));
}

void TSettingsFile::WriteBool(const char* key, bool value) const
{
    WriteText(key, FormatProfileBool(value));
}

}  // namespace taramel
