#include "engine/SkinnedWindows_win.h"

namespace taramel {

// Both lists are made once and never freed: the forms that use them are
// destroyed with the application object at the program's end, after every
// function-local static would already be gone, and their providers and the
// skin manager still read and edit the lists then.
std::vector<TCustomForm*>& RegisteredSkinForms()
{
    static auto* forms = new std::vector<TCustomForm*>;
    return *forms;
}

std::vector<HWND>& ExtraSkinWindows()
{
    static auto* windows = new std::vector<HWND>;
    return *windows;
}

}  // namespace taramel
