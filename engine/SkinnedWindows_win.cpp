#include "engine/SkinnedWindows_win.h"

namespace taramel {

std::vector<TCustomForm*>& RegisteredSkinForms()
{
    static std::vector<TCustomForm*> forms;
    return forms;
}

std::vector<HWND>& ExtraSkinWindows()
{
    static std::vector<HWND> windows;
    return windows;
}

}  // namespace taramel
