// The box around the pixels of an area that a test counts as ink.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>

namespace taramel::testsupport {

// Empty (left >= right) when no pixel of `area` is ink.
inline RECT InkBoxOf(RECT area, const std::function<bool(int x, int y)>& isInk)
{
    RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (isInk(x, y)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

}  // namespace taramel::testsupport
