// Desktop composition: whether the system composes the desktop, which
// changes what a skinned frame may draw on the screen itself. The question
// can be replaced, so that tests see the engine under both answers.
#pragma once

#include <functional>

namespace taramel {

// Asked of dwmapi, looked up at the first question; without the function
// there is no composition.
bool DesktopComposition();

// Replaces the question (an empty function puts the system's back) and
// returns the one it replaces.
std::function<bool()> SetDesktopCompositionQuery(std::function<bool()> query);

}  // namespace taramel
