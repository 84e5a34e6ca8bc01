#pragma once

namespace taramel {

// Registers the common-control window classes (status bar, up-down) once.
void EnsureCommonControls();

}  // namespace taramel
