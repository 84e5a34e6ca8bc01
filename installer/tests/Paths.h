// Where the tests find what the build made, and where the installer puts things.
#pragma once

#include <string>

namespace taramel::installer_test {

// A path the build gave (Z:/... under wine) with Windows' separators.
std::wstring BuildPath(const char* utf8);

std::wstring InstallerToRun();    // the installer these tests run
std::wstring ShippedInstaller();  // the installer users get (32-bit)
std::wstring Program64();      // the 64-bit ready folder
std::wstring Program32();      // the 32-bit ready folder
std::wstring Unpacked();       // the release archives, unpacked by the build's fixture
std::wstring Pictures();       // where pictures of the windows go

std::wstring DefaultInstallFolder();  // %LOCALAPPDATA%\Programs\Taramel
std::wstring StartMenuShortcut();
std::wstring DesktopShortcut();

}  // namespace taramel::installer_test
