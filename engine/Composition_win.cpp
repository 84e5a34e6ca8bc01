#include "engine/Composition_win.h"

#include <windows.h>

#include <utility>

namespace taramel {

namespace {

bool SystemComposition()
{
    using Fn = HRESULT(WINAPI*)(BOOL*);
    static const Fn fn = [] {
        HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
        return dwm ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmIsCompositionEnabled")))
                   : nullptr;
    }();
    BOOL enabled = FALSE;
    return fn != nullptr && SUCCEEDED(fn(&enabled)) && enabled;
}

// Never freed: the application object frees the forms at static
// destruction, after function-local statics are gone, and they may ask then.
std::function<bool()>& Query()
{
    static auto* query = new std::function<bool()>;
    return *query;
}

}  // namespace

bool DesktopComposition()
{
    const std::function<bool()>& query = Query();
    return query ? query() : SystemComposition();
}

std::function<bool()> SetDesktopCompositionQuery(std::function<bool()> query)
{
    return std::exchange(Query(), std::move(query));
}

}  // namespace taramel
