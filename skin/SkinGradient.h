// The section records' gradients come from the pixel core; a skin's gradient
// text is parsed once, at load.
#pragma once

#include <string>

#include "render/Gradient.h"

namespace taramel {

inline void ParseSectionGradient(const std::string& text, TsGradArray& gradient) { ParseGradientData(text, gradient); }

}  // namespace taramel
