// Building a form's controls in code: each control is made, named, given its
// parent and its bounds in one call, as a layout lists them.
#pragma once

#include "framework/Graphics.h"
#include "framework/WinControl.h"

#include <string>

namespace taramel {

template <class Control>
Control* MakeControl(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                     int height)
{
    auto* control = new Control(owner);
    // Loading until the form's layout is complete (the form's EndLoadingAll).
    control->BeginLoading();
    control->SetName(name);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}

// Sets a font to a face, a character height in pixels, a style and a colour.
inline void SetFont(TFont& font, int pixels, unsigned style, TColor color)
{
    font.SetName("Tahoma");
    font.SetHeight(-pixels);
    font.SetStyle(style);
    font.SetColor(color);
}

}  // namespace taramel
