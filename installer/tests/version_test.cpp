// The version written once in the build reaches what Windows shows of each
// file users get: the programs' and the installer's version resources.
#include "installer/tests/Paths.h"
#include "installer/tests/Text.h"

#include "TaramelVersion.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace taramel::installer_test {
namespace {

struct FileVersion {
    DWORD high = 0, low = 0;          // the fixed numbers: major.minor, patch.build
    std::wstring productVersion;      // the text, in the file's first language
};

bool ReadFileVersion(const std::wstring& path, FileVersion& out)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return false;
    std::vector<BYTE> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        return false;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr)
        return false;
    out.high = fixed->dwFileVersionMS;
    out.low = fixed->dwFileVersionLS;
    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < sizeof(Translation))
        return false;
    wchar_t key[64];
    std::swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\ProductVersion", translation->language,
                  translation->codePage);
    wchar_t* text = nullptr;
    if (VerQueryValueW(data.data(), key, reinterpret_cast<void**>(&text), &length) && text != nullptr)
        out.productVersion = text;
    return true;
}

struct Shipped {
    const char* what;
    std::wstring (*path)();
};

class Versions : public testing::TestWithParam<Shipped> {};

TEST_P(Versions, CarryTheProjectVersion)
{
    FileVersion v;
    ASSERT_TRUE(ReadFileVersion(GetParam().path(), v)) << "no version resource in " << Narrow(GetParam().path());
    EXPECT_EQ(v.high, DWORD(TARAMEL_VERSION_MAJOR) << 16 | TARAMEL_VERSION_MINOR);
    EXPECT_EQ(v.low, DWORD(TARAMEL_VERSION_PATCH) << 16);
    EXPECT_EQ(v.productVersion, Widen(TARAMEL_VERSION_TEXT));
}

INSTANTIATE_TEST_SUITE_P(
    Files, Versions,
    testing::Values(Shipped{"program64", [] { return Program64() + L"\\Taramel.exe"; }},
                    Shipped{"program32", [] { return Program32() + L"\\Taramel.exe"; }},
                    Shipped{"installer", ShippedInstaller}),
    [](const testing::TestParamInfo<Shipped>& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace taramel::installer_test
