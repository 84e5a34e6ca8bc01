#include "installer/tests/Shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace taramel::installer_test {

namespace {

template <class T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr()
    {
        if (p)
            p->Release();
    }
};

}  // namespace

std::optional<ShortcutInfo> ReadShortcut(const std::wstring& lnkPath)
{
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<ShortcutInfo> result;
    {
        ComPtr<IShellLinkW> link;
        ComPtr<IPersistFile> file;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       reinterpret_cast<void**>(&link.p))) &&
            SUCCEEDED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) &&
            SUCCEEDED(file.p->Load(lnkPath.c_str(), STGM_READ))) {
            ShortcutInfo info;
            wchar_t text[MAX_PATH * 2] = {};
            // The path as stored, not resolved against what exists now.
            if (SUCCEEDED(link.p->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH)))
                info.target = text;
            text[0] = 0;
            if (SUCCEEDED(link.p->GetArguments(text, MAX_PATH * 2)))
                info.arguments = text;
            text[0] = 0;
            if (SUCCEEDED(link.p->GetWorkingDirectory(text, MAX_PATH * 2)))
                info.workingFolder = text;
            text[0] = 0;
            if (SUCCEEDED(link.p->GetIconLocation(text, MAX_PATH * 2, &info.iconIndex)))
                info.iconFile = text;
            result = info;
        }
    }
    if (SUCCEEDED(init))
        CoUninitialize();
    return result;
}

}  // namespace taramel::installer_test
