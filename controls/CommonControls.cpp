#include "controls/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

namespace taramel {

void EnsureCommonControls()
{
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&init);
        return true;
    }();
    (void)done;
}

}  // namespace taramel
