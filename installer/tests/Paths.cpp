#include "installer/tests/Paths.h"

#include "installer/tests/Files.h"
#include "installer/tests/Text.h"

#include <windows.h>
#include <shlobj.h>

namespace taramel::installer_test {

std::wstring BuildPath(const char* utf8)
{
    std::wstring path = Widen(utf8);
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

std::wstring InstallerToRun() { return BuildPath(TARAMEL_SETUP); }
std::wstring ShippedInstaller() { return BuildPath(TARAMEL_SHIPPED_SETUP); }
std::wstring Program64() { return BuildPath(TARAMEL_PROGRAM64); }
std::wstring Program32() { return BuildPath(TARAMEL_PROGRAM32); }
std::wstring Unpacked() { return BuildPath(TARAMEL_UNPACKED); }
std::wstring Pictures() { return BuildPath(TARAMEL_PICTURES); }

std::wstring DefaultInstallFolder() { return KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Taramel"; }
std::wstring StartMenuShortcut() { return KnownFolder(CSIDL_PROGRAMS) + L"\\Тарамел.lnk"; }
std::wstring DesktopShortcut() { return KnownFolder(CSIDL_DESKTOPDIRECTORY) + L"\\Тарамел.lnk"; }

}  // namespace taramel::installer_test
