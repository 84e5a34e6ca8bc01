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
    // Loading until the form's layout is complete (FinishLoading).
    control->BeginLoading();
    control->SetName(name);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}

// Ends the loading of every component the form owns, then the form's own:
// each runs its Loaded with all its properties in place.
inline void FinishLoading(TComponent& form)
{
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (form.Components(i)->IsLoading())
            form.Components(i)->EndLoading();
    form.EndLoading();
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
